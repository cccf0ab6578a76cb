#include "shell/sheet/pdffinish.h"

#include "shell/core/files.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <exception>
#include <memory>
#include <sstream>

namespace sheet {

namespace {

// The tokens of a CMap that matter here: hex strings "<0041>", brackets and words.
std::vector<std::string> tokens(const std::string &text)
{
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '<' && i + 1 < text.size() && text[i + 1] != '<') {
            const std::size_t end = text.find('>', i);
            if (end == std::string::npos)
                break;
            out.push_back(text.substr(i, end - i + 1));
            i = end + 1;
        } else if (c == '[' || c == ']') {
            out.emplace_back(1, c);
            ++i;
        } else if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            ++i;
        } else {
            std::size_t end = i;
            while (end < text.size() && text[end] != ' ' && text[end] != '\n' && text[end] != '\r' &&
                   text[end] != '\t' && text[end] != '[' && text[end] != ']' && text[end] != '<')
                ++end;
            out.push_back(text.substr(i, std::max<std::size_t>(1, end - i)));
            i = std::max(end, i + 1);
        }
    }
    return out;
}

bool isHex(const std::string &token)
{
    return token.size() >= 2 && token.front() == '<' && token.back() == '>';
}

unsigned long hexValue(const std::string &token)
{
    return std::stoul(token.substr(1, token.size() - 2), nullptr, 16);
}

std::u32string decodeUtf16(const std::string &token)
{
    const std::string hex = token.substr(1, token.size() - 2);
    std::vector<char16_t> units;
    for (std::size_t k = 0; k + 4 <= hex.size(); k += 4)
        units.push_back(static_cast<char16_t>(std::stoul(hex.substr(k, 4), nullptr, 16)));
    std::u32string out;
    for (std::size_t k = 0; k < units.size(); ++k) {
        const char32_t u = units[k];
        if (u >= 0xD800 && u < 0xDC00 && k + 1 < units.size())
            out += static_cast<char32_t>(0x10000 + ((u - 0xD800) << 10) + (units[++k] - 0xDC00));
        else
            out += u;
    }
    return out;
}

std::string encodeUtf16(const std::u32string &text)
{
    std::string hex = "<";
    char buffer[8];
    const auto unit = [&](unsigned value) {
        std::snprintf(buffer, sizeof buffer, "%04X", value);
        hex += buffer;
    };
    for (const char32_t c : text) {
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(static_cast<unsigned>(c));
        }
    }
    return hex + ">";
}

std::u32string repaired(const std::u32string &text, const std::map<char32_t, std::u32string> &repairs)
{
    std::u32string out;
    for (const char32_t c : text) {
        const auto found = repairs.find(c);
        out += found == repairs.end() ? std::u32string(1, c) : found->second;
    }
    return out;
}

}  // namespace

std::string repairToUnicode(const std::string &cmap, const std::map<char32_t, std::u32string> &repairs)
{
    const std::size_t from = cmap.find("endcodespacerange");
    const std::size_t to = cmap.find("endcmap");
    if (from == std::string::npos || to == std::string::npos || to < from)
        return cmap;
    const std::size_t body = from + std::string("endcodespacerange").size();
    // Every code with its characters, from bfchar pairs and both forms of bfrange.
    std::map<unsigned long, std::u32string> map;
    std::size_t width = 4;
    const std::vector<std::string> t = tokens(cmap.substr(body, to - body));
    bool changed = false;
    const auto add = [&](unsigned long code, const std::u32string &text) {
        const std::u32string fixed = repaired(text, repairs);
        changed = changed || fixed != text;
        map[code] = fixed;
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == "beginbfchar") {
            for (++i; i + 1 < t.size() && t[i] != "endbfchar"; i += 2) {
                width = t[i].size() - 2;
                add(hexValue(t[i]), decodeUtf16(t[i + 1]));
            }
        } else if (t[i] == "beginbfrange") {
            for (++i; i + 2 < t.size() && t[i] != "endbfrange";) {
                const unsigned long first = hexValue(t[i]), last = hexValue(t[i + 1]);
                width = t[i].size() - 2;
                if (t[i + 2] == "[") {
                    std::size_t k = i + 3;
                    for (unsigned long code = first; code <= last && k < t.size() && isHex(t[k]); ++code, ++k)
                        add(code, decodeUtf16(t[k]));
                    while (k < t.size() && t[k] != "]")
                        ++k;
                    i = k + 1;
                } else {
                    std::u32string text = decodeUtf16(t[i + 2]);
                    for (unsigned long code = first; code <= last && !text.empty(); ++code, ++text.back())
                        add(code, text);
                    i += 3;
                }
            }
        }
    }
    if (!changed)
        return cmap;
    std::ostringstream out;
    out << cmap.substr(0, body) << "\n";
    char code[16];
    for (auto it = map.begin(); it != map.end();) {
        std::size_t n = 0;
        for (auto k = it; k != map.end() && n < 100; ++k)
            ++n;
        out << n << " beginbfchar\n";
        for (std::size_t k = 0; k < n; ++k, ++it) {
            std::snprintf(code, sizeof code, "<%0*lX>", static_cast<int>(width), it->first);
            out << code << " " << encodeUtf16(it->second) << "\n";
        }
        out << "endbfchar\n";
    }
    out << cmap.substr(to);
    return out.str();
}

std::string pdfDate(const std::string &date)
{
    if (date.size() != 10)
        return {};
    return "D:" + date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2) + "000000Z";
}

namespace {

// The pages of the PDF and the places on them, in the PDF's points from the bottom of a page.
class PdfPages
{
public:
    PdfPages(QPDF &pdf, double unitsPerInch)
        : m_pages(QPDFPageDocumentHelper(pdf).getAllPages()), m_points(72.0 / unitsPerInch)
    {
    }
    QPDFObjectHandle page(int page) { return m_pages.at(static_cast<std::size_t>(page)).getObjectHandle(); }
    // Points per unit of the places given by the sheet writer.
    double points() const { return m_points; }
    // The top of the page's media box (842 where it has none that reads: an A4 page).
    double top(int page)
    {
        QPDFObjectHandle box = m_pages.at(static_cast<std::size_t>(page)).getAttribute("/MediaBox", false);
        return box.isArray() && box.getArrayNItems() == 4 ? box.getArrayItem(3).getNumericValue() : 842.0;
    }
    // The destination of a link or an outline entry: the page scrolled to the place's top.
    QPDFObjectHandle destination(const PdfDestination &d)
    {
        return QPDFObjectHandle::newArray({page(d.page), QPDFObjectHandle::newName("/XYZ"), QPDFObjectHandle::newNull(),
                                           QPDFObjectHandle::newReal(top(d.page) - (d.top * m_points), 2),
                                           QPDFObjectHandle::newNull()});
    }

private:
    std::vector<QPDFPageObjectHelper> m_pages;
    double m_points;
};

// Each link as an annotation of its page: a borderless box that goes to its destination.
void addLinks(QPDF &pdf, PdfPages &pages, const std::vector<PdfLink> &links)
{
    const double points = pages.points();
    for (const PdfLink &link : links) {
        QPDFObjectHandle page = pages.page(link.page);
        const double top = pages.top(link.page);
        QPDFObjectHandle annotation = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Link /Border [ 0 0 0 ] /Rect [ 0 0 0 0 ] >>"));
        annotation.replaceKey("/Rect",
                              QPDFObjectHandle::newArray({QPDFObjectHandle::newReal(link.left * points, 2),
                                                          QPDFObjectHandle::newReal(top - (link.bottom * points), 2),
                                                          QPDFObjectHandle::newReal(link.right * points, 2),
                                                          QPDFObjectHandle::newReal(top - (link.top * points), 2)}));
        annotation.replaceKey("/Dest", pages.destination(link.destination));
        if (!page.getKey("/Annots").isArray())
            page.replaceKey("/Annots", QPDFObjectHandle::newArray());
        page.getKey("/Annots").appendItem(annotation);
    }
}

// The outline (bookmarks), one level, shown when the document opens.
void addOutline(QPDF &pdf, PdfPages &pages, const std::vector<PdfOutlineEntry> &outline)
{
    if (outline.empty())
        return;
    QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
    std::vector<QPDFObjectHandle> items;
    for (const PdfOutlineEntry &entry : outline) {
        QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(entry.title));
        item.replaceKey("/Parent", outlines);
        item.replaceKey("/Dest", pages.destination(entry.destination));
        if (!items.empty()) {
            item.replaceKey("/Prev", items.back());
            items.back().replaceKey("/Next", item);
        }
        items.push_back(item);
    }
    outlines.replaceKey("/First", items.front());
    outlines.replaceKey("/Last", items.back());
    outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(static_cast<long long>(items.size())));
    pdf.getRoot().replaceKey("/Outlines", outlines);
    pdf.getRoot().replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));
}

// The text maps of the fonts (ToUnicode) repaired where they map a glyph to the wrong text.
void repairTextMaps(QPDF &pdf, const std::map<char32_t, std::u32string> &repairs)
{
    if (repairs.empty())
        return;
    for (QPDFObjectHandle object : pdf.getAllObjects()) {
        if (!object.isDictionary() || !object.hasKey("/ToUnicode"))
            continue;
        QPDFObjectHandle map = object.getKey("/ToUnicode");
        if (!map.isStream())
            continue;
        const std::shared_ptr<Buffer> data = map.getStreamData(qpdf_dl_generalized);
        const std::string text(reinterpret_cast<const char *>(data->getBuffer()), data->getSize());
        const std::string fixed = repairToUnicode(text, repairs);
        if (fixed != text)
            map.replaceStreamData(fixed, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
    }
}

// The finished PDF in memory, with an ID made from its content; false with why where qpdf warned
// (a file that needs mending is not passed on as finished).
bool writeFinished(QPDF &pdf, std::string &finished, std::string &error)
{
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setDeterministicID(true);
    writer.write();
    if (pdf.anyWarnings()) {
        const std::vector<QPDFExc> warnings = pdf.getWarnings();
        error = "the PDF is damaged: " + warnings.front().getMessageDetail();
        return false;
    }
    const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
    finished.assign(reinterpret_cast<const char *>(buffer->getBuffer()), buffer->getSize());
    return true;
}

}  // namespace

bool finishPdfText(const std::string &written, const PdfFinish &finish, std::string &finished, std::string &error)
{
    try {
        QPDF pdf;
        // qpdf's warnings (a damaged file it would mend) are not printed: the first one fails the
        // finishing.
        pdf.setSuppressWarnings(true);
        pdf.setAttemptRecovery(false);
        pdf.processMemoryFile("the PDF written", written.data(), written.size());
        PdfPages pages(pdf, finish.unitsPerInch);
        addLinks(pdf, pages, finish.links);
        addOutline(pdf, pages, finish.outline);
        repairTextMaps(pdf, finish.textRepairs);
        if (!finish.creationDate.empty()) {
            QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
            if (info.isDictionary())
                info.replaceKey("/CreationDate", QPDFObjectHandle::newString(finish.creationDate));
        }
        return writeFinished(pdf, finished, error);
    } catch (const std::exception &e) {
        error = e.what();
        return false;
    }
}

bool finishPdf(const std::string &path, const PdfFinish &finish, std::string &error)
{
    const shell::FileRead read = shell::readRegularFile(path, MostPdfBytes);
    if (!read.ok) {
        error = read.error;
        return false;
    }
    std::string finished;
    if (!finishPdfText(read.text, finish, finished, error))
        return false;
    error = shell::writeFileAtomically(path, finished);
    return error.empty();
}

}  // namespace sheet

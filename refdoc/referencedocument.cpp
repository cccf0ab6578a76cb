#include "refdoc/referencedocument.h"

#include "refdoc/casepages.h"
#include "refdoc/pagelayout.h"
#include "refdoc/pdffinish.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

#include <memory>

namespace refdoc {

namespace {

// Device units per inch of the PDF: fine enough that text metrics and the thinnest rules are
// placed exactly.
constexpr int Resolution = 600;

bool radical(char32_t c)
{
    return (c >= 0x2E80 && c <= 0x2EFF) || (c >= 0x2F00 && c <= 0x2FDF);
}

// The characters that the PDF's text layer would give in place of those drawn (see
// pdffinish.h): each radical the CJK faces draw with the glyph of an ideograph maps to that
// ideograph; the others and the Latin ligatures to their compatibility decomposition (NFKC),
// which names the ideograph for every Kangxi radical but for few of the supplement's.
std::map<char32_t, std::u32string> textRepairs()
{
    std::map<char32_t, std::u32string> repairs;
    QString ideographs;
    for (char32_t c = 0x3400; c <= 0x9FFF; ++c)
        if (c <= 0x4DBF || c >= 0x4E00)
            ideographs += QChar(static_cast<char16_t>(c));
    QString radicals;
    for (char32_t c = 0x2E80; c <= 0x2FDF; ++c)
        radicals += QChar(static_cast<char16_t>(c));
    for (const QString &family : {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Serif CJK JP")})
        for (const bool bold : {false, true}) {
            QFont font(family);
            font.setBold(bold);
            const QRawFont raw = QRawFont::fromFont(font);
            if (!raw.isValid())
                continue;
            std::map<quint32, char32_t> ideographOf;
            const QList<quint32> glyphs = raw.glyphIndexesForString(ideographs);
            for (qsizetype k = glyphs.size() - 1; k >= 0; --k)
                if (glyphs[k] != 0)
                    ideographOf[glyphs[k]] = ideographs[k].unicode();
            const QList<quint32> radicalGlyphs = raw.glyphIndexesForString(radicals);
            for (qsizetype k = 0; k < radicalGlyphs.size(); ++k) {
                const auto found = ideographOf.find(radicalGlyphs[k]);
                if (radicalGlyphs[k] != 0 && found != ideographOf.end())
                    repairs.emplace(radicals[k].unicode(), std::u32string(1, found->second));
            }
        }
    const auto decomposed = [&](char32_t c) {
        const QString text = QString(QChar(static_cast<char16_t>(c))).normalized(QString::NormalizationForm_KC);
        if (text.size() == 1 && text[0].unicode() == c)
            return;
        std::u32string out;
        for (const uint u : text.toUcs4())
            out += static_cast<char32_t>(u);
        repairs.emplace(c, out);
    };
    for (char32_t c = 0x2E80; c <= 0x2FDF; ++c)
        if (radical(c))
            decomposed(c);
    for (char32_t c = 0xFB00; c <= 0xFB06; ++c)
        decomposed(c);
    return repairs;
}

// "D:20240501000000Z" of "2024-05-01".
std::string pdfDate(const std::string &date)
{
    if (date.size() != 10)
        return {};
    return "D:" + date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2) + "000000Z";
}

}  // namespace

WriteResult writeReference(const shell::Program &program, const QString &path, const DocumentInfo &info)
{
    WriteResult result;
    PdfFinish finish;
    {
        QPdfWriter writer(path);
        writer.setResolution(Resolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QString::fromStdString(program.windowTitle) + QStringLiteral(" reference handbook"));
        writer.setCreator(QStringLiteral("structcalc ") + QString::fromStdString(info.version));
        const PageGeometry geometry = PageGeometry::a4(writer.resolution());

        const int sections = program.caseCount() + 1;  // the cases, then the sources
        auto sectionPageNumbers = std::make_shared<std::vector<int>>();
        std::vector<Block> blocks = titlePage(program, info, &writer, geometry, sectionPageNumbers);
        for (int k = 0; k < program.caseCount(); ++k)
            for (Block &block : caseSection(program, k, &writer, geometry))
                blocks.push_back(std::move(block));
        for (Block &block : sourcesSection(program, &writer, geometry))
            blocks.push_back(std::move(block));
        const std::vector<Page> pages = paginate(blocks, geometry);
        *sectionPageNumbers = sectionPages(pages, sections);

        // Where each section starts, and where the contents lines that link to them stand.
        std::vector<PdfDestination> starts(static_cast<std::size_t>(sections));
        finish.unitsPerInch = Resolution;
        for (std::size_t n = 0; n < pages.size(); ++n)
            for (const PlacedBlock &placed : pages[n].blocks) {
                const int anchor = placed.block->anchor;
                if (anchor >= 0 && anchor < sections &&
                    (*sectionPageNumbers)[static_cast<std::size_t>(anchor)] == static_cast<int>(n) + 1)
                    starts[static_cast<std::size_t>(anchor)] = {static_cast<int>(n), placed.top - geometry.mm(4)};
            }
        for (std::size_t n = 0; n < pages.size(); ++n)
            for (const PlacedBlock &placed : pages[n].blocks)
                if (placed.block->linkTarget >= 0 && placed.block->linkTarget < sections)
                    finish.links.push_back({static_cast<int>(n), geometry.left, placed.top,
                                            geometry.left + geometry.width, placed.top + placed.height,
                                            starts[static_cast<std::size_t>(placed.block->linkTarget)]});
        for (int k = 0; k < sections; ++k)
            finish.outline.push_back({sectionTitle(program, k).toStdString(), starts[static_cast<std::size_t>(k)]});
        finish.textRepairs = textRepairs();
        finish.creationDate = pdfDate(info.date);

        QPainter painter;
        if (!painter.begin(&writer)) {
            result.error = QStringLiteral("cannot write ") + path;
            return result;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        drawPages(painter, pages, geometry, QString::fromStdString(program.windowTitle),
                  [&writer] { writer.newPage(); });
        if (!painter.end() || QFileInfo(path).size() == 0) {
            result.error = QStringLiteral("cannot finish ") + path;
            return result;
        }
        result.pages = static_cast<int>(pages.size());
        // The writer closes the file when it goes; the additions are made to the closed file.
        result.ok = true;
        result.sections = *sectionPageNumbers;
    }
    std::string error;
    if (!finishPdf(path.toStdString(), finish, error)) {
        result.ok = false;
        result.error = QStringLiteral("cannot add the outline and links to ") + path + QStringLiteral(": ") +
                       QString::fromStdString(error);
    }
    return result;
}

}  // namespace refdoc

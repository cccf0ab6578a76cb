#pragma once

// What Qt's PDF writer cannot write, added to the file it wrote (with qpdf): the outline a
// viewer shows in its side panel (one bookmark per section), the links of the contents, a
// fixed creation date, and a text layer that gives back the characters drawn.
//
// Qt maps each glyph back to the lowest code point the font maps to it, so an ideograph whose
// glyph the font shares with a radical (力 with ⼒ U+2F12, 長 with ⻑ U+2ED1) and the ligature
// "ﬁ" would be searched for and copied as those; `textRepairs` maps them back.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace sheet {

// Positions are in the writer's device units from the top left corner of the page.
struct PdfDestination {
    int page = 0;  // from 0
    double top = 0;
};

struct PdfOutlineEntry {
    std::string title;  // UTF-8
    PdfDestination destination;
};

struct PdfLink {
    int page = 0;
    double left = 0, top = 0, right = 0, bottom = 0;
    PdfDestination destination;
};

struct PdfFinish {
    double unitsPerInch = 600;  // of the positions above
    std::vector<PdfOutlineEntry> outline;
    std::vector<PdfLink> links;
    std::map<char32_t, std::u32string> textRepairs;
    std::string creationDate;  // "D:20240501000000Z"; empty: as written
};

// The repairs for the faces the documents are drawn in, measured on the fonts installed (once;
// a QGuiApplication must exist).
std::map<char32_t, std::u32string> fontTextRepairs();

// "D:20240501000000Z" of "2024-05-01"; empty for any other text.
std::string pdfDate(const std::string &date);

// The PDF `written` (its bytes) with the additions, in `finished`; false with `error` set where it
// cannot be read whole. qpdf's own warnings are never printed: a PDF it would have to mend is
// refused with the first of them ("the PDF is damaged: ...").
bool finishPdfText(const std::string &written, const PdfFinish &finish, std::string &finished, std::string &error);

// The largest PDF file finishPdf reads: far more than any handbook.
constexpr std::size_t MostPdfBytes = std::size_t{1} << 30;

// Rewrites the PDF at `path` with the additions, through a temporary file renamed when complete;
// false with `error` set where it cannot, and the file is then as it was.
bool finishPdf(const std::string &path, const PdfFinish &finish, std::string &error);

// The text of a ToUnicode map with every character repaired; the same text where nothing changes.
std::string repairToUnicode(const std::string &cmap, const std::map<char32_t, std::u32string> &repairs);

}  // namespace sheet

#include "shell/sheet/pdffinish.h"

#include <QFont>
#include <QRawFont>
#include <QString>

namespace sheet {

namespace {

bool radical(char32_t c)
{
    return (c >= 0x2E80 && c <= 0x2EFF) || (c >= 0x2F00 && c <= 0x2FDF);
}

// The characters that the PDF's text layer would give in place of those drawn (see
// pdffinish.h): each radical the CJK faces draw with the glyph of an ideograph maps to that
// ideograph; the others and the Latin ligatures to their compatibility decomposition (NFKC),
// which names the ideograph for every Kangxi radical but for few of the supplement's.
std::map<char32_t, std::u32string> measuredRepairs()
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

}  // namespace

std::map<char32_t, std::u32string> fontTextRepairs()
{
    // Measured once: the fonts do not change while the program runs.
    static const std::map<char32_t, std::u32string> repairs = measuredRepairs();
    return repairs;
}

}  // namespace sheet

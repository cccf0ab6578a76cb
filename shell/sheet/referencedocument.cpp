#include "shell/sheet/referencedocument.h"

#include "shell/sheet/casepages.h"
#include "shell/sheet/pagelayout.h"
#include "shell/sheet/pdffinish.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace sheet {

namespace {

// Device units per inch of the PDF: fine enough that text metrics and the thinnest rules are
// placed exactly.
constexpr int Resolution = 600;

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
        finish.textRepairs = fontTextRepairs();
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

}  // namespace sheet

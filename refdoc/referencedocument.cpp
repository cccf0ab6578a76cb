#include "refdoc/referencedocument.h"

#include "refdoc/casepages.h"
#include "refdoc/pagelayout.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace refdoc {

namespace {

// Device units per inch of the PDF: fine enough that text metrics and the thinnest rules are
// placed exactly.
constexpr int Resolution = 600;

}  // namespace

WriteResult writeReference(const shell::Program &program, const QString &path)
{
    WriteResult result;
    QPdfWriter writer(path);
    writer.setResolution(Resolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QString::fromStdString(program.windowTitle) + QStringLiteral(" reference"));
    writer.setCreator(QStringLiteral("structcalc"));
    const PageGeometry geometry = PageGeometry::a4(writer.resolution());

    auto casePages = std::make_shared<std::vector<int>>();
    std::vector<Block> blocks = titlePage(program, &writer, geometry, casePages);
    for (int k = 0; k < program.caseCount(); ++k)
        for (Block &block : caseSection(program, k, &writer, geometry))
            blocks.push_back(std::move(block));
    const std::vector<Page> pages = paginate(blocks, geometry);
    *casePages = sectionPages(pages, program.caseCount());

    QPainter painter;
    if (!painter.begin(&writer)) {
        result.error = QStringLiteral("cannot write ") + path;
        return result;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    drawPages(painter, pages, geometry, QString::fromStdString(program.windowTitle), [&writer] { writer.newPage(); });
    if (!painter.end() || QFileInfo(path).size() == 0) {
        result.error = QStringLiteral("cannot finish ") + path;
        return result;
    }
    result.ok = true;
    result.pages = static_cast<int>(pages.size());
    return result;
}

}  // namespace refdoc

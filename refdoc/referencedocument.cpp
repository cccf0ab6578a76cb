#include "referencedocument.h"

#include "beams.h"
#include "buckling.h"
#include "cantilever.h"
#include "casepages.h"
#include "pagelayout.h"
#include "profilor.h"
#include "rahmen.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cctype>
#include <memory>

namespace refdoc {

namespace {

// Device units per inch of the PDF: fine enough that text metrics and the thinnest rules are
// placed exactly.
constexpr int Resolution = 600;

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

const std::vector<const shell::Program *> &documentedPrograms()
{
    static const std::vector<const shell::Program *> all{&beams::program(), &cantilever::program(), &rahmen::program(),
                                                         &buckling::program(), &profilor::program()};
    return all;
}

const shell::Program *findProgram(const std::string &name)
{
    for (const shell::Program *program : documentedPrograms())
        if (lower(program->name) == lower(name))
            return program;
    return nullptr;
}

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

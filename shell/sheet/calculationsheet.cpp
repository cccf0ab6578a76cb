#include "shell/sheet/calculationsheet.h"

#include "shell/core/files.h"
#include "shell/core/language.h"
#include "shell/core/shellmodel.h"
#include "shell/sheet/caseblocks.h"
#include "shell/sheet/casetext.h"
#include "shell/sheet/handbook.h"
#include "shell/sheet/memberblocks.h"
#include "shell/sheet/pdffinish.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <utility>

namespace sheet {

namespace {

// Device units per inch of the PDF, as the handbook's.
constexpr int Resolution = 600;
constexpr int MostPages = 2;

// The looks a sheet is tried in, each smaller than the one before, until it fits on two pages.
const CaseLook Looks[] = {
    {Purpose::Sheet, 62, 50, 1, 0, 10},
    {Purpose::Sheet, 56, 45, 1, 0, 9.5},
    {Purpose::Sheet, 50, 40, 1, 0, 9},
};
// The diagrams come last and take the room left on the last page, down to this share of their
// height in the handbook (below it their labels would crowd).
constexpr double SmallestDiagrams = 0.45;

QString orDash(const std::string &text)
{
    return text.empty() ? QStringLiteral("\u2013") : q(text);
}

// "mm, N"; a program without a choice of force unit names its length unit alone.
QString unitsText(const shell::Program &program, shell::Units units)
{
    return q(shell::lengthUnitName(units.length)) +
           (program.forceUnits ? QStringLiteral(", ") + q(shell::forceUnitName(units.force)) : QString());
}

// One cell of the header: a word in small grey over its value.
std::vector<Flow> headerCell(const QString &label, const QString &value)
{
    return {Paragraph(std::vector<Run>{{label, Style::Small, Grey}}),
            Paragraph(std::vector<Run>{{value, Style::BodyBold, Qt::black}})};
}

std::vector<Block> header(const QPaintDevice *device, const PageGeometry &g, const SheetCase &sheet,
                          const SheetHeader &head)
{
    const shell::Program &program = *sheet.program;
    std::vector<Block> blocks;
    const std::vector<double> thirds{0.34, 0.33, 0.33};
    blocks.push_back(
        tableRow(device, g.mm(1), thirds,
                 {headerCell(tx("Project"), orDash(head.project)), headerCell(tx("Member"), orDash(head.member)),
                  headerCell(tx("Engineer"), orDash(head.engineer))},
                 RowShade));
    blocks.push_back(
        tableRow(device, g.mm(1), thirds,
                 {headerCell(tx("Date"), orDash(head.date)),
                  headerCell(tx("Program"), q(shell::translatedPattern("Sheet", "%1, version %2",
                                                                       {shell::translated("Case", program.windowTitle),
                                                                        orDash(head.version).toStdString()}))),
                  headerCell(tx("Units"), unitsText(program, sheet.units))},
                 RowShade));
    return blocks;
}

Block signConventionBlock(const QPaintDevice *device, const PageGeometry &g, const shell::Program &program)
{
    QString convention;
    for (const std::string &sentence : signConvention(program))
        convention +=
            (convention.isEmpty() ? QString() : QStringLiteral(" ")) + q(shell::translated("Handbook", sentence));
    return spaced(
        paragraphBlock(device, {Paragraph(std::vector<Run>{{tx("Sign convention: "), Style::BodyBold, Qt::black},
                                                           {convention, Style::Body, Qt::black}},
                                          g.mm(5))}),
        g.mm(1.5));
}

CaseText textOf(const SheetCase &sheet)
{
    CaseText text = describeCase(*sheet.program, sheet.caseIndex, sheet.inputs, sheet.units);
    if (!sheet.refusal.empty())
        markRefused(text, sheet.refusal);
    else if (sheet.member)
        addMember(text, *sheet.member);
    return text;
}

std::vector<Block> sheetBlocks(const QPaintDevice *device, const PageGeometry &g, const SheetCase &sheet,
                               const SheetHeader &head, const CaseText &text, const CaseLook &look)
{
    const shell::Program &program = *sheet.program;
    const shell::CaseDef &definition = program.cases.at(static_cast<std::size_t>(sheet.caseIndex));
    std::vector<Block> blocks = header(device, g, sheet, head);
    const QString title = definition.title.empty() ? q(shell::translatedCaption(definition.caption, "Case"))
                                                   : q(shell::translatedCaption(definition.caption, "Case") + ": " +
                                                       shell::translated("Title", definition.title));
    Block heading = headingBlock(
        device, g, title,
        q(shell::translatedPattern("Sheet", "Case %1 of %2",
                                   {std::to_string(sheet.caseIndex + 1), std::to_string(program.caseCount())})));
    heading.spaceBefore = g.mm(5);
    blocks.front().runningHead = q(shell::translatedCaption(definition.caption, "Case"));
    blocks.push_back(heading);
    blocks.push_back(spaced(pictureAndInputs(device, g, definition, text, look), g.mm(2)));
    for (Block &block : memberTables(device, g, text))
        blocks.push_back(std::move(block));
    blocks.push_back(domain(device, g, text, look));
    blocks.push_back(signConventionBlock(device, g, program));
    for (std::vector<Block> part :
         {intermediates(device, g, text, look), results(device, g, text, look), advisories(device, g, text, look)})
        for (Block &block : part)
            blocks.push_back(std::move(block));
    return blocks;
}

// Where the last block of the pages ends.
double endOf(const std::vector<Page> &pages, const PageGeometry &g)
{
    if (pages.empty() || pages.back().blocks.empty())
        return g.top;
    const PlacedBlock &last = pages.back().blocks.back();
    return last.top + last.height;
}

struct Laid {
    std::vector<Block> blocks;
    std::vector<Page> pages;  // point into `blocks`
};

// The sheet in the first look that fits on two pages (the last look where none does), the
// diagrams sized to the room the rest leaves them.
Laid layOut(const QPaintDevice *device, const PageGeometry &g, const SheetCase &sheet, const SheetHeader &head)
{
    const CaseText text = textOf(sheet);
    const shell::CaseDef &definition = sheet.program->cases.at(static_cast<std::size_t>(sheet.caseIndex));
    const double proportion = diagramProportion(definition, sheet.caseIndex, text);
    Laid laid;
    for (const CaseLook &tried : Looks) {
        CaseLook look = tried;
        laid.blocks = sheetBlocks(device, g, sheet, head, text, look);
        const std::vector<Page> pages = paginate(laid.blocks, g);
        if (proportion > 0) {
            // The room under the last block, less the diagrams' heading and its space.
            const std::vector<Block> heading = diagrams(definition, sheet.caseIndex, text, device, g, look);
            const double headingHeight = heading.front().spaceBefore + heading.front().height(g.width) + g.mm(2);
            const double room = g.bottom - endOf(pages, g) - headingHeight - g.mm(0.5);
            const double natural = g.width * proportion;
            double height = natural;
            if (room >= SmallestDiagrams * natural)
                height = std::min(natural, room);
            else if (pages.size() >= MostPages)
                height = SmallestDiagrams * natural;  // a third page, unless a smaller look fits
            look.diagramHeight = height / g.mm(1);
        }
        for (Block &block : diagrams(definition, sheet.caseIndex, text, device, g, look))
            laid.blocks.push_back(std::move(block));
        laid.pages = paginate(laid.blocks, g);
        if (laid.pages.size() <= MostPages)
            break;
    }
    // Any member's influence line and envelopes follow, on a page of their own where need be:
    // the case's own sheet is fitted without them.
    const std::vector<Block> study = memberStudyDiagrams(device, g, text);
    if (!study.empty()) {
        laid.blocks.insert(laid.blocks.end(), study.begin(), study.end());
        laid.pages = paginate(laid.blocks, g);
    }
    return laid;
}

// What every page is headed with: the program's calculation sheet, and the project and the member
// where they are named.
QString runningTitle(const SheetCase &sheet, const SheetHeader &head)
{
    QString title = q(shell::translatedPattern("Sheet", "%1 calculation sheet",
                                               {shell::translated("Case", sheet.program->windowTitle)}));
    for (const std::string *name : {&head.project, &head.member})
        if (!name->empty())
            title += QStringLiteral(" \u00b7 ") + q(*name);
    return title;
}

}  // namespace

SheetCase sheetCase(const shell::ShellModel &model)
{
    const shell::Program &program = model.program();
    const int index = std::max(model.currentCase(), 0);
    SheetCase sheet;
    sheet.program = &program;
    sheet.caseIndex = index;
    sheet.inputs = model.inputNumbers(index);
    sheet.units = program.unitChange == shell::UnitChange::Convert ? model.caseUnits(index) : model.units();
    if (model.lastRejected())
        sheet.refusal = model.rejectionReason().empty() ? model.statusText() : model.rejectionReason();
    else if (program.memberEditor)
        sheet.member = model.acceptedMember();
    return sheet;
}

SheetHeader sheetHeader(const shell::CalculationNames &names, const std::string &date, const std::string &version)
{
    return {names.project, names.member, names.engineer, date, version};
}

int sheetPageCount(const SheetCase &sheet, const SheetHeader &header, const QPaintDevice &device,
                   const PageGeometry &geometry)
{
    return static_cast<int>(layOut(&device, geometry, sheet, header).pages.size());
}

SheetResult paintSheet(QPagedPaintDevice &device, const SheetCase &sheet, const SheetHeader &header)
{
    SheetResult result;
    if (!sheet.program || sheet.caseIndex < 0 || sheet.caseIndex >= sheet.program->caseCount()) {
        result.error = QStringLiteral("no case to write a sheet of");
        return result;
    }
    // A4 from edge to edge where the device allows it; a printer may keep a paper of its own.
    QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    a4.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(a4);
    const QRectF paper = device.pageLayout().fullRect(QPageLayout::Millimeter);
    const PageGeometry g = PageGeometry::page(device.logicalDpiY(), paper.width(), paper.height());
    const Laid laid = layOut(&device, g, sheet, header);

    QPainter painter;
    if (!painter.begin(&device)) {
        result.error = QStringLiteral("the device cannot be painted on");
        return result;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    drawPages(
        painter, laid.pages, g, runningTitle(sheet, header), [&device] { device.newPage(); }, true);
    if (!painter.end()) {
        result.error = QStringLiteral("the pages could not be finished");
        return result;
    }
    result.ok = true;
    result.pages = static_cast<int>(laid.pages.size());
    return result;
}

SheetResult writeSheet(const QString &path, const SheetCase &sheet, const SheetHeader &header)
{
    return writeSheet(QFile::encodeName(path).toStdString(), sheet, header);
}

SheetResult writeSheet(const std::string &target, const SheetCase &sheet, const SheetHeader &header)
{
    SheetResult result;
    const QString path = QFile::decodeName(QByteArray::fromStdString(target));
    // "cannot write %1: %2" with the path and why, in the language of the sheet.
    const auto fail = [&](const char *pattern, const std::string &problem) {
        result.ok = false;
        result.error = q(shell::translatedPattern("Sheet", pattern, {path.toStdString(), problem}));
        return result;
    };
    // Where the sheet cannot go is said before it is painted: a folder, a device, a FIFO.
    if (const std::string problem = shell::checkWritable(target); !problem.empty())
        return fail("cannot write %1: %2", problem);
    // The pages are painted and finished in memory, and the file is written whole or not at all:
    // a full disk leaves the old sheet as it was, never a sheet cut short.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        if (sheet.program && sheet.caseIndex >= 0 && sheet.caseIndex < sheet.program->caseCount())
            writer.setTitle(q(sheet.program->cases[static_cast<std::size_t>(sheet.caseIndex)].caption) +
                            QStringLiteral(" calculation sheet"));
        writer.setCreator(QStringLiteral("structcalc ") + q(header.version));
        result = paintSheet(writer, sheet, header);
    }
    if (!result.ok)
        return fail("cannot write %1: %2", result.error.toStdString());
    PdfFinish finish;
    finish.unitsPerInch = Resolution;
    finish.textRepairs = fontTextRepairs();
    finish.creationDate = pdfDate(header.date);
    std::string finished;
    std::string error;
    if (!finishPdfText(buffer.data().toStdString(), finish, finished, error))
        return fail("cannot finish %1: %2", error);
    if (const std::string problem = shell::writeFileAtomically(target, finished); !problem.empty())
        return fail("cannot write %1: %2", problem);
    return result;
}

}  // namespace sheet

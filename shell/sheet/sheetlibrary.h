#pragma once

// The calculation sheet's writer as a library opened when a sheet is asked for: Export, Print and
// `structcalc --sheet` load it (with Qt Gui's painting and qpdf's finishing), every other start
// loads none of it. The library, libstructcalc-sheet.so, lies beside the programs; the command
// line, installed elsewhere, names the programs' folder relative to its own.
//
//     const sheet::SheetAnswer written = sheet::writeSheetFile({&model, "2024-05-01", "1.0"}, "b12.pdf", {});
//     // written.ok, written.pages; or written.error: "cannot write b12.pdf: it is a folder"
//
// This header holds no Qt: the command line includes it and links no Qt.

#include "shell/core/language.h"
#include "shell/core/ondemand.h"

#include <string>
#include <vector>

namespace shell {
class ShellModel;
}

namespace sheet {

// The sheet of the case on display in `model`, its inputs as computed, headed with the model's
// names, `date` ("2024-05-01") and the program's `version`, in the language of the caller's
// translation (the library holds the shell's texts of its own).
struct SheetRequest {
    const shell::ShellModel *model = nullptr;
    std::string date;
    std::string version;
    shell::Translation translation = shell::installedTranslation();
};

struct SheetAnswer {
    bool ok = false;
    int pages = 0;
    std::string error;  // why not, one line in UTF-8: "cannot write /nowhere/b.pdf: there is no such folder"
    std::string named;  // the file as `error` names it: its bytes decoded as file names are
};

// The library's entries, looked up by these names. Writing makes a PDF file of the path in the
// system's bytes, through a temporary file renamed when complete; where no Qt application runs
// (the command line), one is started for it on the offscreen platform, and only what stops Qt is
// said on stderr. Painting draws onto a QPagedPaintDevice (a printer) given by its address.
inline constexpr const char *LibraryFile = "libstructcalc-sheet.so";
using WriteSheet = void (*)(const SheetRequest &request, const char *path, SheetAnswer &answer);
using PaintSheet = void (*)(const SheetRequest &request, void *pagedDevice, SheetAnswer &answer);
inline constexpr const char *WriteSheetEntry = "structcalc_write_sheet";
inline constexpr const char *PaintSheetEntry = "structcalc_paint_sheet";

// The entry `name` of the library, found beside the running program or in one of `alsoIn`
// (folders relative to it); nullptr with the reason in `problem` where it cannot be loaded.
template <typename Entry>
Entry sheetEntry(const char *name, const std::vector<std::string> &alsoIn, std::string &problem)
{
    return reinterpret_cast<Entry>(shell::librarySymbol(LibraryFile, name, alsoIn, problem));
}

inline SheetAnswer writeSheetFile(const SheetRequest &request, const std::string &path,
                                  const std::vector<std::string> &alsoIn)
{
    SheetAnswer answer;
    std::string problem;
    if (const auto write = sheetEntry<WriteSheet>(WriteSheetEntry, alsoIn, problem))
        write(request, path.c_str(), answer);
    else
        answer.error = "the calculation sheet's writer cannot be loaded: " + problem;
    return answer;
}

inline SheetAnswer paintOnPrinter(const SheetRequest &request, void *pagedDevice)
{
    SheetAnswer answer;
    std::string problem;
    if (const auto paint = sheetEntry<PaintSheet>(PaintSheetEntry, {}, problem))
        paint(request, pagedDevice, answer);
    else
        answer.error = "the calculation sheet's writer cannot be loaded: " + problem;
    return answer;
}

}  // namespace sheet

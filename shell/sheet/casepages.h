#pragma once

// The blocks of the reference document: the title page with the contents, one section per
// case (see referencedocument.h for what a section holds), and the sources and assumptions.

#include "shell/core/catalogue.h"
#include "shell/sheet/handbook.h"
#include "shell/sheet/pagelayout.h"

#include <QString>

#include <memory>
#include <vector>

class QPaintDevice;

namespace sheet {

// The sections of a program's handbook: one per case, in case order, and then the sources and
// assumptions (section number caseCount()).
extern const QString SourcesTitle;
// "Beam (7): fixed-end beam, point load at mid-span": the case caption and its title in words.
QString sectionTitle(const shell::Program &program, int section);

// The title page. `sectionPages` is filled in after the pages are laid out (the page of each
// section, from 1); the contents read it when they are drawn.
std::vector<Block> titlePage(const shell::Program &program, const DocumentInfo &info, const QPaintDevice *device,
                             const PageGeometry &geometry, const std::shared_ptr<const std::vector<int>> &sectionPages);

// The section of one case, starting on a page of its own.
std::vector<Block> caseSection(const shell::Program &program, int caseIndex, const QPaintDevice *device,
                               const PageGeometry &geometry);

// The program's sources and assumptions, on a page of its own after the cases.
std::vector<Block> sourcesSection(const shell::Program &program, const QPaintDevice *device,
                                  const PageGeometry &geometry);

}  // namespace sheet

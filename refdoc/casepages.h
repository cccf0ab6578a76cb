#pragma once

// The blocks of the reference document: the title page with the list of cases, and one
// section per case (see referencedocument.h for what a section holds).

#include "refdoc/pagelayout.h"
#include "shell/core/catalogue.h"

#include <memory>
#include <vector>

class QPaintDevice;

namespace refdoc {

// The title page. `casePages` is filled in after the pages are laid out (the page of each
// case's section, from 1); the list of cases reads it when it is drawn.
std::vector<Block> titlePage(const shell::Program &program, const QPaintDevice *device, const PageGeometry &geometry,
                             const std::shared_ptr<const std::vector<int>> &casePages);

// The section of one case, starting on a page of its own.
std::vector<Block> caseSection(const shell::Program &program, int caseIndex, const QPaintDevice *device,
                               const PageGeometry &geometry);

}  // namespace refdoc

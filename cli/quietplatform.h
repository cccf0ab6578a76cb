#pragma once

// The command line has no window: nothing to beep, copy, pick or open.

#include "shell/core/platform.h"

#include <string>

namespace structcalc {

class QuietPlatform : public shell::Platform
{
public:
    void beep() override {}
    void setClipboardText(const std::string &) override {}
    bool pickColor(unsigned, unsigned &) override { return false; }
    shell::OpenResult openDocument(const std::string &, int &, std::string &) override
    {
        return shell::OpenResult::Failed;
    }
    void messageBox(const std::string &, const std::string &) override {}
    std::string programFolder() override { return "."; }
    void closeWindow() override {}
};

}  // namespace structcalc

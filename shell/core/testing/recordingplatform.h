#pragma once

// A platform for tests: records every service the model asks for and answers as told.

#include "shell/core/platform.h"

#include <string>
#include <vector>

namespace shell::testing {

class RecordingPlatform : public Platform
{
public:
    void beep() override { ++beeps; }
    void setClipboardText(const std::string &text) override { clipboard = text; }
    bool pickColor(unsigned initial, unsigned &chosen) override
    {
        colorDialogInitial = initial;
        ++colorDialogs;
        if (cancelColor)
            return false;
        chosen = colorToPick;
        return true;
    }
    OpenResult openDocument(const std::string &path, int &errorNumber, std::string &errorText) override
    {
        openedPaths.push_back(path);
        errorNumber = openErrorNumber;
        errorText = openErrorText;
        if (openSucceeds)
            return OpenResult::Opened;
        if (noApplication)
            return OpenResult::NoApplication;
        return openErrorNumber > 0 ? OpenResult::Failed : OpenResult::Missing;
    }
    void messageBox(const std::string &text, const std::string &title) override { messages.push_back({text, title}); }
    std::string programFolder() override { return folder; }
    void closeWindow() override { ++closes; }

    struct Message {
        std::string text;
        std::string title;
    };

    int beeps = 0;
    std::string clipboard;
    unsigned colorDialogInitial = 0;
    int colorDialogs = 0;
    bool cancelColor = false;
    unsigned colorToPick = 0x00FF0000;
    std::vector<std::string> openedPaths;
    bool openSucceeds = true;
    bool noApplication = false;  // with openSucceeds false: the file is there but nothing opens it
    int openErrorNumber = 0;
    std::string openErrorText;
    std::vector<Message> messages;
    std::string folder = "/opt/structcalc";
    int closes = 0;
};

}  // namespace shell::testing

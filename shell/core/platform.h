#pragma once

// The services of the desktop the window needs; the window hands the Qt versions to the
// model, tests hand a recording fake.

#include <string>

namespace shell {

// What became of a request to open a document.
enum class OpenResult {
    Opened,
    Missing,        // there is no such file
    NoApplication,  // the file is there, but the desktop has no application for its kind
    Failed          // the system refused for another reason (an error number and text tell)
};

class Platform
{
public:
    virtual ~Platform() = default;

    virtual void beep() = 0;
    virtual void setClipboardText(const std::string &text) = 0;
    // Shows the colour dialog starting at `initial` (0x00BBGGRR); false when cancelled.
    virtual bool pickColor(unsigned initial, unsigned &chosen) = 0;
    // Opens a document with the desktop's associated application. On failure says why and,
    // where the system reported one, gives an error number and description.
    virtual OpenResult openDocument(const std::string &path, int &errorNumber, std::string &errorText) = 0;
    virtual void messageBox(const std::string &text, const std::string &title) = 0;
    // The folder the program runs from (no trailing separator).
    virtual std::string programFolder() = 0;
    virtual void closeWindow() = 0;
};

// The platform's folder separator.
char folderSeparator();

}  // namespace shell

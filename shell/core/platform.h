#pragma once

// The services of the desktop the window needs; the window hands the Qt versions to the
// model, tests hand a recording fake.

#include <string>

namespace shell {

class Platform
{
public:
    virtual ~Platform() = default;

    virtual void beep() = 0;
    virtual void setClipboardText(const std::string &text) = 0;
    // Shows the colour dialog starting at `initial` (0x00BBGGRR); false when cancelled.
    virtual bool pickColor(unsigned initial, unsigned &chosen) = 0;
    // Opens a document with the desktop's associated application. On failure returns false
    // and, where the system reported one, an error number and description.
    virtual bool openDocument(const std::string &path, int &errorNumber, std::string &errorText) = 0;
    virtual void messageBox(const std::string &text, const std::string &title) = 0;
    // The folder the program runs from (no trailing separator).
    virtual std::string programFolder() = 0;
    virtual void closeWindow() = 0;
};

// The platform's folder separator.
char folderSeparator();

}  // namespace shell

#pragma once

#include "shell/core/platform.h"

class QWidget;

namespace shell {

// The desktop's services for a window: the system beep, the clipboard, the colour dialog,
// the PDF viewer and message boxes.
class QtPlatform : public Platform
{
public:
    explicit QtPlatform(QWidget *window = nullptr) : m_window(window) {}

    void beep() override;
    void setClipboardText(const std::string &text) override;
    bool pickColor(unsigned initial, unsigned &chosen) override;
    OpenResult openDocument(const std::string &path, int &errorNumber, std::string &errorText) override;
    void messageBox(const std::string &text, const std::string &title) override;
    std::string programFolder() override;
    // Closes the window after the current event: the model's call returns first.
    void closeWindow() override;

private:
    QWidget *m_window;
};

}  // namespace shell

#pragma once

#include <string>

// What the transfer worker does to the main window besides posting messages.
// The main window implements it; every call runs on the user-interface thread.
class LinkWindow {
public:
    virtual ~LinkWindow() = default;

    virtual void EnableDumpButton(bool enable) = 0;
    virtual void SetDumpCaption(const std::string& caption) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    // A modal warning box owned by the main window, OK button only.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
};

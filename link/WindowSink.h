#pragma once

#include "LinkState.h"
#include "TransferSink.h"

#include <atomic>
#include <functional>
#include <memory>

class QObject;

// Delivers the worker's window messages as events posted to the main window,
// and runs its window actions on the main window's thread, waiting for them
// the way a cross-thread window call waits. A stopping worker, or one whose
// transfer has ended, stops waiting; an action of an ended transfer is dropped.
class WindowSink : public TransferSink {
public:
    WindowSink(QObject* mainWindow, LinkWindow* window, const std::atomic<bool>& stopping, const LinkState& link);
    ~WindowSink() override;

    void PostToWindow(unsigned message, uintptr_t wParam, intptr_t lParam) override;
    void EnableDumpButton(bool enable) override;
    void SetDumpCaption(const std::string& caption) override;
    void SetStatusText(const std::string& text) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;

private:
    class ActionTarget;

    void RunOnWindowThread(std::function<void(LinkWindow&)> action);

    QObject* m_pMainWindow;
    LinkWindow* m_pWindow;
    const std::atomic<bool>& m_bStopping;
    const LinkState& m_Link;
    // Lives on the main window's thread and runs the actions there.
    std::unique_ptr<ActionTarget> m_pActionTarget;
};

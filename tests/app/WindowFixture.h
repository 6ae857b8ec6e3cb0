#pragma once

#include "AppState.h"
#include "CTavrelDlg.h"
#include "PromptRecorder.h"
#include "UserPrompts.h"
#include "PortDevices.h"

#include <QtCore/QTemporaryDir>

#include <memory>

// What a window works on: the application's state and its serial ports,
// made new for each window.
struct WindowState : AppState {
    PortDevices m_Ports;
};

// What the main-window tests share: the state made new, the prompts
// recorded instead of shown, a folder of their own, and the window.
class WindowFixture {
protected:
    // No test opens a real serial port.
    static constexpr const char* NO_PORT = "/nonexistent/tavrel-com4";

    WindowState& app() { return *m_app; }
    const ChannelDatabase& db() { return app().Database(); }

    void OpenFreshWindow()
    {
        m_prompts = PromptRecorder();
        SetPrompts(&m_prompts);
        m_dir = std::make_unique<QTemporaryDir>();
        NewWindow();
        // Start-up finds no receiver port; that message is not what these tests check.
        m_prompts.messages.clear();
    }

    // A window on new state, in the same folder.
    void NewWindow()
    {
        m_dialog.reset();
        m_app = std::make_unique<WindowState>();
        app().m_Ports.Assign(4, NO_PORT);
        m_dialog = std::make_unique<CTavrelDlg>(app(), app().m_Ports);
    }

    void CloseWindow()
    {
        m_dialog.reset();
        SetPrompts(nullptr);
        m_dir.reset();
    }

    std::unique_ptr<WindowState> m_app;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CTavrelDlg> m_dialog;
    PromptRecorder m_prompts;
};

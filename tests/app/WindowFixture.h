#pragma once

#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "PromptRecorder.h"
#include "UserPrompts.h"

#include <QtCore/QTemporaryDir>

#include <memory>

// What the main-window tests share: the application's state made new, the
// prompts recorded instead of shown, a folder of their own, and the window.
class WindowFixture {
protected:
    // No test opens a real serial port.
    static constexpr const char* NO_PORT = "/nonexistent/tavrel-com4";

    CTavrelApp& app() { return TheApp(); }
    ChannelDatabase& db() { return app().Database(); }

    void OpenFreshWindow()
    {
        app().ResetState();
        m_prompts = PromptRecorder();
        SetPrompts(&m_prompts);
        m_dir = std::make_unique<QTemporaryDir>();
        app().m_Comm.Devices().Assign(4, NO_PORT);
        m_dialog = std::make_unique<CTavrelDlg>(app(), app().m_Comm);
        // Start-up finds no receiver port; that message is not what these tests check.
        m_prompts.messages.clear();
    }

    void CloseWindow()
    {
        m_dialog.reset();
        SetPrompts(nullptr);
        m_dir.reset();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CTavrelDlg> m_dialog;
    PromptRecorder m_prompts;
};

#pragma once

#include "CTavrelDlg.h"
#include "DialogBuilder.h"
#include "ImageDocument.h"
#include "MainResources.h"
#include "PromptRecorder.h"
#include "UserPrompts.h"
#include "PortDevices.h"

#include <QtCore/QTemporaryDir>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QTreeWidgetItemIterator>

#include <filesystem>
#include <memory>

// What a window works on: the image document and the serial ports, made
// new for each window.
struct WindowState {
    ImageDocument& Document() { return m_Document; }
    const ChannelDatabase& Database() const { return m_Document.Database(); }

    ImageDocument m_Document;
    PortDevices m_Ports;
};

// What the main-window tests share: the state made new, the prompts
// recorded instead of shown, a folder of their own, and the window.
class WindowFixture {
protected:
    // No test opens a real serial port.
    static constexpr const char* NO_PORT = "/nonexistent/tavrel-com4";

    WindowState& app() const { return *m_app; }
    const ChannelDatabase& db() const { return app().Database(); }
    const ViewState& View() const { return m_dialog->View(); }

    void OpenFreshWindow()
    {
        m_prompts = PromptRecorder();
        SetPrompts(&m_prompts);
        RemoveFolder();
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
        m_dialog = std::make_unique<CTavrelDlg>(app().Document(), app().m_Ports);
    }

    // The window's widgets, as the user sees them.
    QTreeWidget* SatTree() const { return FindControl<QTreeWidget>(m_dialog.get(), IDC_SAT_TREE); }
    QTabBar* ServiceTab() const { return FindControl<QTabBar>(m_dialog.get(), IDC_SERVICE_TAB); }
    QStatusBar* StatusBar() const { return m_dialog->findChild<QStatusBar*>(); }

    int TreeItemCount() const
    {
        int count = 0;
        for (QTreeWidgetItemIterator it(SatTree()); *it; ++it)
            ++count;
        return count;
    }

    // Shows a list as the user does, by choosing its node in the tree: all
    // programs, the satellites, a satellite's transponders or a
    // transponder's programs. False when the tree has no such node.
    bool ChooseList(int listType, int sat = 0, int tp = 0)
    {
        QTreeWidget& tree = *SatTree();
        QTreeWidgetItem* sats = tree.topLevelItem(1);
        QTreeWidgetItem* item = nullptr;
        if (listType == LIST_PROGRAMS)
            item = tree.topLevelItem(0);
        else if (listType == LIST_SATELLITES)
            item = sats;
        else if (sats && sats->child(sat))
            item = listType == LIST_TRANSPONDERS ? sats->child(sat) : sats->child(sat)->child(tp);
        if (!item)
            return false;
        tree.setCurrentItem(nullptr);
        tree.setCurrentItem(item);
        return true;
    }

    void CloseWindow()
    {
        m_dialog.reset();
        SetPrompts(nullptr);
        RemoveFolder();
    }

    // Some tests write names that are not UTF-8, which QTemporaryDir cannot
    // remove; the file system takes them by their bytes.
    void RemoveFolder()
    {
        if (m_dir) {
            std::error_code ignored;
            std::filesystem::remove_all(QFile::encodeName(m_dir->path()).toStdString(), ignored);
        }
        m_dir.reset();
    }

    std::unique_ptr<WindowState> m_app;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CTavrelDlg> m_dialog;
    PromptRecorder m_prompts;
};

#pragma once

#include "DumpArchive.h"

#include <QtWidgets/QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

// File "kept dumps...": the dumps folder, newest first, with when each dump
// was kept, its size, whether it decodes and its counts. Open and Compare
// close the dialog with the chosen dump for the window to act on; Show
// folder opens the folder through the prompts.
class KeptDumpsDlg : public QDialog {
    Q_OBJECT

public:
    enum class Choice { None, Open, Compare, Reference };

    // `canCompare`: an image is open to compare a dump with, or to apply a
    // dump to as a reference.
    KeptDumpsDlg(const DumpArchive& archive, bool canCompare, QWidget* parent = nullptr);

    Choice Chosen() const { return m_Chosen; }
    QString ChosenPath() const { return m_ChosenPath; }

    QTreeWidget* List() const { return m_List; }
    QPushButton* OpenButton() const { return m_Open; }
    QPushButton* CompareButton() const { return m_Compare; }
    QPushButton* ReferenceButton() const { return m_Reference; }
    QPushButton* ShowFolderButton() const { return m_ShowFolder; }

private:
    void Choose(Choice choice);
    void UpdateButtons();

    QString m_Folder;
    std::vector<DumpArchive::Kept> m_Dumps;
    bool m_bCanCompare;
    Choice m_Chosen = Choice::None;
    QString m_ChosenPath;
    QTreeWidget* m_List;
    QPushButton* m_Open;
    QPushButton* m_Compare;
    QPushButton* m_Reference;
    QPushButton* m_ShowFolder;
};

#pragma once

#include "ListCheck.h"

#include <QtWidgets/QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Tools "check list...": the findings of the list check grouped by kind,
// each kind with its count. A double-click on a finding asks the window to
// show its record; the two remove buttons ask it to remove duplicates or
// orphans. The window answers with the findings of the changed image.
class CheckListDlg : public QDialog {
    Q_OBJECT

public:
    explicit CheckListDlg(QWidget* parent = nullptr);

    void SetFindings(std::vector<Finding> findings);
    const std::vector<Finding>& Findings() const { return m_Findings; }

    QTreeWidget* Tree() const { return m_Tree; }
    QLabel* Summary() const { return m_Summary; }
    QPushButton* RemoveDuplicatesButton() const { return m_RemoveDuplicates; }
    QPushButton* RemoveOrphansButton() const { return m_RemoveOrphans; }

signals:
    void recordChosen(int table, int position);
    // REPAIR_DUPLICATES or REPAIR_ORPHANS.
    void removeRequested(unsigned kinds);

private:
    void OnItemActivated(QTreeWidgetItem* item);

    std::vector<Finding> m_Findings;
    QTreeWidget* m_Tree;
    QLabel* m_Summary;
    QPushButton* m_RemoveDuplicates;
    QPushButton* m_RemoveOrphans;
};

#pragma once

#include <QtWidgets/QDialog>

class LoaderSet;
struct LoaderProblem;
class QLabel;
class QTreeWidget;

// Tools "loader blocks...": each block a transfer sends, with where it comes
// from, its size, its SHA-256 and whether it is a placeholder.
class LoadersDlg : public QDialog {
    Q_OBJECT

public:
    explicit LoadersDlg(const LoaderSet& loaders, QWidget* parent = nullptr);

    QTreeWidget* BlockList() const { return m_BlockList; }
    QLabel* Note() const { return m_Note; }

private:
    static QString ProblemText(const LoaderProblem& problem);

    QTreeWidget* m_BlockList;
    QLabel* m_Note;
};

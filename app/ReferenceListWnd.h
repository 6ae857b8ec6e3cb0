#pragma once

#include <QtWidgets/QWidget>

#include <cstddef>
#include <vector>

class QLabel;
class QMimeData;
class QTreeWidget;
class ReferenceList;
struct ReferencePlan;

// View "reference list": the rows of a reference list in a window of its
// own beside the main window, each marked with the program it found or why
// not. A double-click asks for the program in the main list; rows dragged
// out carry their numbers for the main list to place their programs.
class ReferenceListWnd : public QWidget {
    Q_OBJECT

public:
    // The type of the data a drag of rows carries.
    static const QString MIME_TYPE;

    explicit ReferenceListWnd(QWidget* parent = nullptr);

    // Shows the rows of `list` (called `name`) with what they found.
    void Fill(const ReferenceList& list, const ReferencePlan& plan, const QString& name);
    // The rows of a list, as a drag of them carries them, and back.
    static QMimeData* DataOfRows(const std::vector<size_t>& rows);
    static std::vector<size_t> RowsOfData(const QByteArray& data);

    QTreeWidget* Rows() const { return m_Rows; }
    QLabel* Summary() const { return m_Summary; }
    // The selected rows as a drag carries them.
    QMimeData* SelectedData() const;

signals:
    // A double-click on a row that found a program.
    void programChosen(int table, int position);

private:
    QLabel* m_Summary;
    QTreeWidget* m_Rows;
};

#pragma once

#include <QtCore/QPoint>
#include <QtCore/QStringList>
#include <QtWidgets/QTableView>

#include <vector>

class ReportListModel;

// A report-style list: rows of texts under column headings, grid lines,
// whole rows selected, several at once. The interface follows the row and
// column operations of a classic list control so that row-based code reads
// the same; the drag-and-drop list builds on it.
class CReportListCtrl : public QTableView {
    Q_OBJECT

public:
    explicit CReportListCtrl(QWidget* parent = nullptr);

    // width in pixels of the classic 8-point dialog font, scaled to ours.
    int InsertColumn(int column, const QString& heading, int width);
    bool DeleteColumn(int column);
    int GetColumnCount() const;
    QString GetColumnHeading(int column) const;
    int GetColumnWidth(int column) const;

    int InsertItem(int row, const QString& text);
    bool DeleteItem(int row);
    void DeleteAllItems();
    int GetItemCount() const;
    bool SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const;
    bool SetItemData(int row, quintptr value);
    quintptr GetItemData(int row) const;

    bool IsItemSelected(int row) const;
    void SetItemSelected(int row, bool selected);
    // The first selected row after `after` (-1: from the top), or -1.
    int GetNextSelected(int after = -1) const;
    std::vector<int> GetSelectedRows() const;
    // Selects exactly these rows (ascending), in one step however many.
    void SelectRows(const std::vector<int>& rows);
    int HitTest(const QPoint& viewportPoint) const;

    // Off: changes are collected and shown at once when turned on again.
    void SetRedraw(bool redraw);

    // Shows only the rows with a cell, under one of the headings, that
    // contains the text, ignoring case; an empty text shows every row. The
    // filter stays for later fills. Every other row number of this class
    // counts the rows shown; a row's source row is its place among all rows.
    void SetRowFilter(const QString& text, const QStringList& headings);
    bool IsFiltered() const;
    int SourceRow(int row) const;
    // -1 when the filter hides the source row.
    int ShownRow(int sourceRow) const;
    int GetSourceItemCount() const;
    QString GetSourceItemText(int sourceRow, int column) const;
    quintptr GetSourceItemData(int sourceRow) const;

signals:
    void rowDoubleClicked(int row);
    // row is -1 when the click hit no row.
    void rowRightClicked(int row, const QPoint& globalPos);

protected:
    // Puts all rows, shown or not, into a new order (entry k: the source row
    // that is to stand at k); false, changing nothing, for anything but a
    // permutation.
    bool ReorderSourceRows(const std::vector<int>& order);

    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Enter does what a double-click does.
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ApplyColumnWidths();
    void RelayoutNow();

    ReportListModel* m_model;
    std::vector<int> m_columnWidths;
    double m_widthScale = 1.0;
};

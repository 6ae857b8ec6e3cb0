#pragma once

#include <QtCore/QAbstractTableModel>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <vector>

// Rows of plain texts with one data value each: all a report list shows.
// A filter may hide rows; row numbers then count the rows shown, and the
// source row of a shown row is its place among all rows.
class ReportListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ReportListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // While deferred, changes are made silently and announced as one reset
    // at the end; filling thousands of rows then costs one view update.
    // The filter rests meanwhile, so rows count all rows, and applies again
    // at the end.
    void BeginDeferredUpdate();
    void EndDeferredUpdate();
    bool IsDeferred() const { return m_deferred; }

    int InsertColumn(int column, const QString& heading);
    bool DeleteColumn(int column);
    QString ColumnHeading(int column) const;

    int InsertRow(int row, const QString& text);
    bool DeleteRow(int row);
    void DeleteAllRows();
    bool SetText(int row, int column, const QString& text);
    QString Text(int row, int column) const;
    bool SetRowData(int row, quintptr value);
    quintptr RowData(int row) const;

    // Shows only the rows with a cell, under one of the headings, that
    // contains the text, ignoring case; an empty text shows every row.
    void SetFilter(const QString& text, const QStringList& headings);
    bool IsFiltered() const { return m_filtered; }
    int SourceRow(int row) const;
    // The shown row of a source row, -1 when the filter hides it.
    int ShownRow(int sourceRow) const;
    int SourceRowCount() const { return static_cast<int>(m_rows.size()); }
    QString SourceText(int sourceRow, int column) const;
    quintptr SourceData(int sourceRow) const;
    // Entry k of order is the source row that is to stand at k; the filter
    // then applies to the new order.
    bool ReorderSourceRows(const std::vector<int>& order);

private:
    struct Row {
        std::vector<QString> cells;
        quintptr data = 0;
    };

    bool ValidRow(int row) const { return row >= 0 && row < rowCount(); }
    Row& RowAt(int row) { return m_rows[static_cast<size_t>(SourceRow(row))]; }
    const Row& RowAt(int row) const { return m_rows[static_cast<size_t>(SourceRow(row))]; }
    void ApplyFilter();

    std::vector<QString> m_headings;
    std::vector<Row> m_rows;
    bool m_deferred = false;

    QString m_filterText;
    QStringList m_filterHeadings;
    bool m_filtered = false;
    // The source rows shown, ascending, while filtered.
    std::vector<int> m_shown;
};

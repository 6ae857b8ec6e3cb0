#pragma once

#include <QtCore/QAbstractTableModel>
#include <QtCore/QString>

#include <vector>

// Rows of plain texts with one data value each: all a report list shows.
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

private:
    struct Row {
        std::vector<QString> cells;
        quintptr data = 0;
    };

    bool ValidRow(int row) const { return row >= 0 && row < static_cast<int>(m_rows.size()); }

    std::vector<QString> m_headings;
    std::vector<Row> m_rows;
    bool m_deferred = false;
};

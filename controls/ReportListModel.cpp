#include "ReportListModel.h"

#include <algorithm>

ReportListModel::ReportListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int ReportListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (!index.isValid() || !ValidRow(index.row()))
        return {};
    const std::vector<QString>& cells = m_rows[static_cast<size_t>(index.row())].cells;
    const auto column = static_cast<size_t>(index.column());
    return column < cells.size() ? cells[column] : QString();
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < static_cast<int>(m_headings.size()))
        return m_headings[static_cast<size_t>(section)];
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ReportListModel::BeginDeferredUpdate()
{
    if (m_deferred)
        return;
    beginResetModel();
    m_deferred = true;
}

void ReportListModel::EndDeferredUpdate()
{
    if (!m_deferred)
        return;
    m_deferred = false;
    endResetModel();
}

int ReportListModel::InsertColumn(int column, const QString& heading)
{
    const int count = static_cast<int>(m_headings.size());
    if (column < 0 || column > count)
        column = count;
    if (!m_deferred)
        beginInsertColumns({}, column, column);
    m_headings.insert(m_headings.begin() + column, heading);
    for (Row& row : m_rows) {
        if (static_cast<int>(row.cells.size()) > column)
            row.cells.insert(row.cells.begin() + column, QString());
    }
    if (!m_deferred)
        endInsertColumns();
    return column;
}

bool ReportListModel::DeleteColumn(int column)
{
    if (column < 0 || column >= static_cast<int>(m_headings.size()))
        return false;
    if (!m_deferred)
        beginRemoveColumns({}, column, column);
    m_headings.erase(m_headings.begin() + column);
    for (Row& row : m_rows) {
        if (static_cast<int>(row.cells.size()) > column)
            row.cells.erase(row.cells.begin() + column);
    }
    if (!m_deferred)
        endRemoveColumns();
    return true;
}

QString ReportListModel::ColumnHeading(int column) const
{
    if (column < 0 || column >= static_cast<int>(m_headings.size()))
        return {};
    return m_headings[static_cast<size_t>(column)];
}

int ReportListModel::InsertRow(int row, const QString& text)
{
    const int count = static_cast<int>(m_rows.size());
    if (row < 0 || row > count)
        row = count;
    if (!m_deferred)
        beginInsertRows({}, row, row);
    Row inserted;
    inserted.cells.resize(std::max<size_t>(m_headings.size(), 1));
    inserted.cells[0] = text;
    m_rows.insert(m_rows.begin() + row, std::move(inserted));
    if (!m_deferred)
        endInsertRows();
    return row;
}

bool ReportListModel::DeleteRow(int row)
{
    if (!ValidRow(row))
        return false;
    if (!m_deferred)
        beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    if (!m_deferred)
        endRemoveRows();
    return true;
}

void ReportListModel::DeleteAllRows()
{
    if (m_rows.empty())
        return;
    if (!m_deferred)
        beginResetModel();
    m_rows.clear();
    if (!m_deferred)
        endResetModel();
}

bool ReportListModel::SetText(int row, int column, const QString& text)
{
    if (!ValidRow(row) || column < 0)
        return false;
    std::vector<QString>& cells = m_rows[static_cast<size_t>(row)].cells;
    if (static_cast<size_t>(column) >= cells.size())
        cells.resize(static_cast<size_t>(column) + 1);
    cells[static_cast<size_t>(column)] = text;
    if (!m_deferred) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed, { Qt::DisplayRole });
    }
    return true;
}

QString ReportListModel::Text(int row, int column) const
{
    if (!ValidRow(row) || column < 0)
        return {};
    const std::vector<QString>& cells = m_rows[static_cast<size_t>(row)].cells;
    return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : QString();
}

bool ReportListModel::SetRowData(int row, quintptr value)
{
    if (!ValidRow(row))
        return false;
    m_rows[static_cast<size_t>(row)].data = value;
    return true;
}

quintptr ReportListModel::RowData(int row) const
{
    return ValidRow(row) ? m_rows[static_cast<size_t>(row)].data : 0;
}

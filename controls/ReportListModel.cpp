#include "ReportListModel.h"

#include <algorithm>

ReportListModel::ReportListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int ReportListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(m_filtered ? m_shown.size() : m_rows.size());
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
    const std::vector<QString>& cells = RowAt(index.row()).cells;
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
    m_filtered = false;
    m_shown.clear();
}

void ReportListModel::EndDeferredUpdate()
{
    if (!m_deferred)
        return;
    m_deferred = false;
    ApplyFilter();
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
    const int count = rowCount();
    if (row < 0 || row > count)
        row = count;
    // A row inserted while filtered shows until the filter next applies.
    const int source = row < count ? SourceRow(row) : SourceRowCount();
    if (!m_deferred)
        beginInsertRows({}, row, row);
    Row inserted;
    inserted.cells.resize(std::max<size_t>(m_headings.size(), 1));
    inserted.cells[0] = text;
    m_rows.insert(m_rows.begin() + source, std::move(inserted));
    if (m_filtered) {
        for (int& shown : m_shown) {
            if (shown >= source)
                ++shown;
        }
        m_shown.insert(m_shown.begin() + row, source);
    }
    if (!m_deferred)
        endInsertRows();
    return row;
}

bool ReportListModel::DeleteRow(int row)
{
    if (!ValidRow(row))
        return false;
    const int source = SourceRow(row);
    if (!m_deferred)
        beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + source);
    if (m_filtered) {
        m_shown.erase(m_shown.begin() + row);
        for (int& shown : m_shown) {
            if (shown > source)
                --shown;
        }
    }
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
    m_shown.clear();
    if (!m_deferred)
        endResetModel();
}

bool ReportListModel::SetText(int row, int column, const QString& text)
{
    if (!ValidRow(row) || column < 0)
        return false;
    std::vector<QString>& cells = RowAt(row).cells;
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
    if (!ValidRow(row))
        return {};
    return SourceText(SourceRow(row), column);
}

bool ReportListModel::SetRowData(int row, quintptr value)
{
    if (!ValidRow(row))
        return false;
    RowAt(row).data = value;
    return true;
}

quintptr ReportListModel::RowData(int row) const
{
    return ValidRow(row) ? RowAt(row).data : 0;
}

void ReportListModel::SetFilter(const QString& text, const QStringList& headings)
{
    if (text == m_filterText && headings == m_filterHeadings)
        return;
    m_filterText = text;
    m_filterHeadings = headings;
    if (m_deferred)
        return;
    beginResetModel();
    ApplyFilter();
    endResetModel();
}

int ReportListModel::SourceRow(int row) const
{
    return m_filtered ? m_shown[static_cast<size_t>(row)] : row;
}

int ReportListModel::ShownRow(int sourceRow) const
{
    if (sourceRow < 0 || sourceRow >= SourceRowCount())
        return -1;
    if (!m_filtered)
        return sourceRow;
    const auto hit = std::lower_bound(m_shown.begin(), m_shown.end(), sourceRow);
    return hit != m_shown.end() && *hit == sourceRow ? static_cast<int>(hit - m_shown.begin()) : -1;
}

quintptr ReportListModel::SourceData(int sourceRow) const
{
    return sourceRow >= 0 && sourceRow < SourceRowCount() ? m_rows[static_cast<size_t>(sourceRow)].data : 0;
}

QString ReportListModel::SourceText(int sourceRow, int column) const
{
    if (sourceRow < 0 || sourceRow >= SourceRowCount() || column < 0)
        return {};
    const std::vector<QString>& cells = m_rows[static_cast<size_t>(sourceRow)].cells;
    return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : QString();
}

bool ReportListModel::ReorderSourceRows(const std::vector<int>& order)
{
    const int count = SourceRowCount();
    if (static_cast<int>(order.size()) != count)
        return false;
    std::vector<bool> seen(static_cast<size_t>(count), false);
    for (const int from : order) {
        if (from < 0 || from >= count || seen[static_cast<size_t>(from)])
            return false;
        seen[static_cast<size_t>(from)] = true;
    }
    if (!m_deferred)
        beginResetModel();
    std::vector<Row> reordered;
    reordered.reserve(m_rows.size());
    for (const int from : order)
        reordered.push_back(std::move(m_rows[static_cast<size_t>(from)]));
    m_rows = std::move(reordered);
    if (!m_deferred) {
        ApplyFilter();
        endResetModel();
    }
    return true;
}

void ReportListModel::ApplyFilter()
{
    m_shown.clear();
    m_filtered = !m_filterText.isEmpty();
    if (!m_filtered)
        return;
    std::vector<size_t> columns;
    for (size_t column = 0; column < m_headings.size(); ++column) {
        if (m_filterHeadings.contains(m_headings[column]))
            columns.push_back(column);
    }
    for (size_t source = 0; source < m_rows.size(); ++source) {
        const std::vector<QString>& cells = m_rows[source].cells;
        const bool matches = std::any_of(columns.begin(), columns.end(), [&](size_t column) {
            return column < cells.size() && cells[column].contains(m_filterText, Qt::CaseInsensitive);
        });
        if (matches)
            m_shown.push_back(static_cast<int>(source));
    }
}

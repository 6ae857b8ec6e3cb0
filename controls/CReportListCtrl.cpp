#include "CReportListCtrl.h"

#include "ReportListModel.h"

#include <QtCore/QItemSelection>
#include <QtGui/QContextMenuEvent>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QHeaderView>

#include <algorithm>

CReportListCtrl::CReportListCtrl(QWidget* parent)
    : QTableView(parent)
    , m_model(new ReportListModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabKeyNavigation(false);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* columns = horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setSectionsClickable(false);
    columns->setMinimumSectionSize(8);

    // Column widths are given for the 8-point dialog font of Windows, whose
    // average character is 6 pixels wide; wider desktop fonts widen them.
    const int alphabet = fontMetrics().horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_widthScale = std::max(1.0, ((alphabet / 26 + 1) / 2) / 6.0);
}

int CReportListCtrl::InsertColumn(int column, const QString& heading, int width)
{
    const int inserted = m_model->InsertColumn(column, heading);
    width = static_cast<int>(width * m_widthScale + 0.5);
    m_columnWidths.insert(m_columnWidths.begin() + inserted, width);
    if (!m_model->IsDeferred())
        horizontalHeader()->resizeSection(inserted, width);
    return inserted;
}

bool CReportListCtrl::DeleteColumn(int column)
{
    if (!m_model->DeleteColumn(column))
        return false;
    m_columnWidths.erase(m_columnWidths.begin() + column);
    return true;
}

int CReportListCtrl::GetColumnCount() const
{
    return m_model->columnCount();
}

QString CReportListCtrl::GetColumnHeading(int column) const
{
    return m_model->ColumnHeading(column);
}

int CReportListCtrl::GetColumnWidth(int column) const
{
    return horizontalHeader()->sectionSize(column);
}

int CReportListCtrl::InsertItem(int row, const QString& text)
{
    return m_model->InsertRow(row, text);
}

bool CReportListCtrl::DeleteItem(int row)
{
    return m_model->DeleteRow(row);
}

void CReportListCtrl::DeleteAllItems()
{
    m_model->DeleteAllRows();
}

int CReportListCtrl::GetItemCount() const
{
    return m_model->rowCount();
}

bool CReportListCtrl::SetItemText(int row, int column, const QString& text)
{
    return m_model->SetText(row, column, text);
}

QString CReportListCtrl::GetItemText(int row, int column) const
{
    return m_model->Text(row, column);
}

bool CReportListCtrl::SetItemData(int row, quintptr value)
{
    return m_model->SetRowData(row, value);
}

quintptr CReportListCtrl::GetItemData(int row) const
{
    return m_model->RowData(row);
}

bool CReportListCtrl::IsItemSelected(int row) const
{
    return row >= 0 && row < GetItemCount() && selectionModel()->isRowSelected(row, {});
}

void CReportListCtrl::SetItemSelected(int row, bool selected)
{
    if (row < 0 || row >= GetItemCount())
        return;
    const auto flags = (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect)
        | QItemSelectionModel::Rows;
    selectionModel()->select(m_model->index(row, 0), flags);
}

int CReportListCtrl::GetNextSelected(int after) const
{
    const int count = GetItemCount();
    for (int row = std::max(after + 1, 0); row < count; ++row) {
        if (selectionModel()->isRowSelected(row, {}))
            return row;
    }
    return -1;
}

std::vector<int> CReportListCtrl::GetSelectedRows() const
{
    // From the ranges at once: asking row by row costs every range per row.
    std::vector<int> rows;
    const int count = GetItemCount();
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = std::max(range.top(), 0); row <= std::min(range.bottom(), count - 1); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CReportListCtrl::SelectRows(const std::vector<int>& rows)
{
    const int count = GetItemCount();
    const int lastColumn = std::max(GetColumnCount(), 1) - 1;
    QItemSelection selection;
    for (size_t i = 0; i < rows.size();) {
        const int top = rows[i];
        int bottom = top;
        for (++i; i < rows.size() && rows[i] == bottom + 1; ++i)
            ++bottom;
        if (top >= 0 && bottom < count)
            selection.select(m_model->index(top, 0), m_model->index(bottom, lastColumn));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int CReportListCtrl::HitTest(const QPoint& viewportPoint) const
{
    return rowAt(viewportPoint.y());
}

void CReportListCtrl::SetRedraw(bool redraw)
{
    if (!redraw) {
        m_model->BeginDeferredUpdate();
        return;
    }
    if (!m_model->IsDeferred())
        return;
    m_model->EndDeferredUpdate();
    ApplyColumnWidths();
    RelayoutNow();
}

void CReportListCtrl::SetRowFilter(const QString& text, const QStringList& headings)
{
    std::vector<int> selected;
    for (const int row : GetSelectedRows())
        selected.push_back(SourceRow(row));
    m_model->SetFilter(text, headings);
    if (m_model->IsDeferred())
        return;
    ApplyColumnWidths();
    RelayoutNow();
    std::vector<int> rows;
    for (const int source : selected) {
        if (const int row = ShownRow(source); row >= 0)
            rows.push_back(row);
    }
    SelectRows(rows);
}

bool CReportListCtrl::IsFiltered() const
{
    return m_model->IsFiltered();
}

int CReportListCtrl::SourceRow(int row) const
{
    return row >= 0 && row < GetItemCount() ? m_model->SourceRow(row) : -1;
}

int CReportListCtrl::ShownRow(int sourceRow) const
{
    return m_model->ShownRow(sourceRow);
}

int CReportListCtrl::GetSourceItemCount() const
{
    return m_model->SourceRowCount();
}

QString CReportListCtrl::GetSourceItemText(int sourceRow, int column) const
{
    return m_model->SourceText(sourceRow, column);
}

quintptr CReportListCtrl::GetSourceItemData(int sourceRow) const
{
    return m_model->SourceData(sourceRow);
}

bool CReportListCtrl::ReorderSourceRows(const std::vector<int>& order)
{
    if (!m_model->ReorderSourceRows(order))
        return false;
    if (!m_model->IsDeferred()) {
        ApplyColumnWidths();
        RelayoutNow();
    }
    return true;
}

void CReportListCtrl::RelayoutNow()
{
    // A rebuilt list lays out its rows and scroll bars at once rather than
    // on a later timer, so no scroll bar is drawn for the old rows.
    doItemsLayout();
}

void CReportListCtrl::ApplyColumnWidths()
{
    QHeaderView* columns = horizontalHeader();
    for (size_t column = 0; column < m_columnWidths.size(); ++column)
        columns->resizeSection(static_cast<int>(column), m_columnWidths[column]);
}

void CReportListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit rowDoubleClicked(HitTest(event->position().toPoint()));
}

void CReportListCtrl::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && currentIndex().isValid()) {
        emit rowDoubleClicked(currentIndex().row());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void CReportListCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu key opens the menu of the current row, wherever the mouse is.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QModelIndex current = currentIndex();
        const QRect row = current.isValid() ? visualRect(current) : QRect();
        emit rowRightClicked(current.isValid() ? current.row() : -1, viewport()->mapToGlobal(row.bottomLeft()));
    } else {
        emit rowRightClicked(HitTest(event->pos()), event->globalPos());
    }
    event->accept();
}

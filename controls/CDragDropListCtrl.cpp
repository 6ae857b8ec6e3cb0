#include "CDragDropListCtrl.h"

#include "DragImage.h"
#include "RowMover.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QItemSelection>
#include <QtCore/QMimeData>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QScrollBar>

#include <algorithm>

namespace {

// Only the vertical position of the cursor counts when finding the drop row.
constexpr int HIT_TEST_X = 8;
constexpr int SCROLL_PERIOD_MS = 100;
constexpr int DRAG_IMAGE_COLUMNS = 2;
constexpr int SCROLL_NONE = 0;
constexpr int SCROLL_UP = 1;
constexpr int SCROLL_DOWN = 2;

} // namespace

CDragDropListCtrl::CDragDropListCtrl(QWidget* parent)
    : CReportListCtrl(parent)
{
    // Rows refilled under a drag no longer are the rows picked up: dropping
    // them would reorder records the user never dragged.
    const auto cancelDrag = [this] {
        if (IsDragging())
            CancelDrag();
    };
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this, cancelDrag);
    connect(model(), &QAbstractItemModel::rowsAboutToBeInserted, this, cancelDrag);
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this, cancelDrag);
}

CDragDropListCtrl::~CDragDropListCtrl()
{
    delete m_pDragImage;
    StopScroll();
}

void CDragDropListCtrl::mousePressEvent(QMouseEvent* event)
{
    if (IsDragging()) {
        event->accept();
        return;
    }
    m_pressRow = -1;
    m_pressKeptSelection = false;
    const QPoint point = event->position().toPoint();
    const int row = HitTest(point);
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier));
    if (event->button() == Qt::LeftButton && plain && IsItemSelected(row)) {
        // Keep the other selected rows: this press may start dragging them
        // all. A release without a drag selects this row alone.
        setFocus(Qt::MouseFocusReason);
        selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
        m_pressRow = row;
        m_pressPos = point;
        m_pressKeptSelection = true;
        event->accept();
        return;
    }
    CReportListCtrl::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && IsItemSelected(row)) {
        m_pressRow = row;
        m_pressPos = point;
    }
}

void CDragDropListCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (IsDragging()) {
        DragMove(point);
        event->accept();
        return;
    }
    if (m_pressRow >= 0 && (event->buttons() & Qt::LeftButton)) {
        if ((point - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_pressRow = -1;
            BeginDrag(m_pressPos);
            if (IsDragging())
                DragMove(point);
        }
        event->accept();
        return;
    }
    StopScroll();
    CReportListCtrl::mouseMoveEvent(event);
}

void CDragDropListCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsDragging()) {
        if (event->button() == Qt::LeftButton)
            Drop();
        event->accept();
        return;
    }
    const int pressRow = m_pressRow;
    const bool keptSelection = m_pressKeptSelection;
    m_pressRow = -1;
    m_pressKeptSelection = false;
    if (keptSelection && pressRow >= 0 && pressRow < GetItemCount()) {
        const QModelIndex index = model()->index(pressRow, 0);
        selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        event->accept();
        return;
    }
    CReportListCtrl::mouseReleaseEvent(event);
}

void CDragDropListCtrl::keyPressEvent(QKeyEvent* event)
{
    if (IsDragging()) {
        if (event->key() == Qt::Key_Escape)
            CancelDrag();
        event->accept();
        return;
    }
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        std::optional<RowKeyMove> move;
        switch (event->key()) {
        case Qt::Key_Up:
            move = RowKeyMove::Up;
            break;
        case Qt::Key_Down:
            move = RowKeyMove::Down;
            break;
        case Qt::Key_Home:
            move = RowKeyMove::Top;
            break;
        case Qt::Key_End:
            move = RowKeyMove::Bottom;
            break;
        default:
            break;
        }
        const int position = move ? PositionForKeyMove(*move, GetSelectedRows(), GetItemCount()) : 0;
        if (position > 0) {
            emit moveRequested(position);
            event->accept();
            return;
        }
    }
    CReportListCtrl::keyPressEvent(event);
}

bool CDragDropListCtrl::MoveSelectedTo(int position)
{
    std::vector<int> shown;
    for (int row = 0; row < GetItemCount(); ++row)
        shown.push_back(SourceRow(row));
    std::vector<int> moving;
    for (const int row : GetSelectedRows())
        moving.push_back(SourceRow(row));
    if (moving.empty())
        return false;
    std::sort(moving.begin(), moving.end());
    const std::optional<int> drop = DropIndexForPosition(shown, moving, position);
    if (!drop)
        return false;
    const std::vector<int> order = MoveRows(GetSourceItemCount(), moving, *drop);
    bool unchanged = true;
    for (size_t row = 0; row < order.size(); ++row)
        unchanged = unchanged && order[row] == static_cast<int>(row);
    if (unchanged)
        return false;
    ReorderRows(order);
    return true;
}

void CDragDropListCtrl::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_scrollTimer || m_scrollTimer == 0 || !IsDragging()) {
        CReportListCtrl::timerEvent(event);
        return;
    }
    if (m_scrollDirection == SCROLL_UP) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        MarkDropTarget(m_dropIndex - 1);
    } else if (m_scrollDirection == SCROLL_DOWN) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        MarkDropTarget(m_dropIndex + 1);
    }
}

void CDragDropListCtrl::BeginDrag(const QPoint& point)
{
    setFocus(Qt::MouseFocusReason);
    m_highlightIndex = -1;
    m_highlightState = false;
    m_dragItems.clear();

    const std::vector<bool> selected = SelectedFlags();
    for (size_t row = 0; row < selected.size(); ++row) {
        if (selected[row])
            m_dragItems.push_back(static_cast<int>(row));
    }
    if (selectionMode() == QAbstractItemView::SingleSelection) {
        // The drop-target highlight selects a second row.
        m_savedStyle = selectionMode();
        setSelectionMode(QAbstractItemView::MultiSelection);
    }
    if (m_dragItems.empty())
        return;
    delete m_pDragImage;
    if (!BuildDragImage(point))
        return;
    m_pDragImage->MoveTo(viewport()->mapToGlobal(point));
    viewport()->grabMouse();
    grabKeyboard();
}

bool CDragDropListCtrl::BuildDragImage(const QPoint& point)
{
    // The picture shows what names a row, its number and name, so that it
    // hides little of the rows under it. Rows scrolled out of sight are
    // left out: the picture never grows beyond the visible rows.
    const QRect visible = viewport()->rect();
    const int rowsLeft = columnViewportPosition(0);
    int rowsWidth = 0;
    for (int column = 0; column < std::min(GetColumnCount(), DRAG_IMAGE_COLUMNS); ++column)
        rowsWidth += columnWidth(column);
    std::vector<QRect> rowRects;
    QRect area;
    for (const int row : m_dragItems) {
        const QRect rowRect = QRect(rowsLeft, rowViewportPosition(row), rowsWidth, rowHeight(row)).intersected(visible);
        if (rowRect.isEmpty())
            continue;
        rowRects.push_back(rowRect);
        area = area.united(rowRect);
    }
    if (area.isEmpty())
        return false;

    const QPixmap rows = viewport()->grab(area);
    const qreal ratio = rows.devicePixelRatio();
    QPixmap picture(area.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        for (const QRect& rowRect : rowRects) {
            const QRect target = rowRect.translated(-area.topLeft());
            const QRectF source(QPointF(target.topLeft()) * ratio, QSizeF(target.size()) * ratio);
            painter.drawPixmap(QRectF(target), rows, source);
        }
    }
    m_pDragImage = new DragImage(picture, point - area.topLeft(), window());
    return true;
}

void CDragDropListCtrl::DragMove(const QPoint& point)
{
    m_pDragImage->MoveTo(viewport()->mapToGlobal(point));

    const int y = point.y();
    if (y >= 0 && y < viewport()->height())
        MarkDropTarget(HitTest(QPoint(HIT_TEST_X, y)));

    if (y < 0)
        StartScroll(SCROLL_UP);
    else if (y >= viewport()->height())
        StartScroll(SCROLL_DOWN);
    else
        StopScroll();
}

void CDragDropListCtrl::MarkDropTarget(int row)
{
    if (row < 0 || row >= GetItemCount())
        return;
    RestoreHighlight();
    m_highlightIndex = row;
    m_highlightState = IsItemSelected(row);
    SetItemSelected(row, true);
    m_dropIndex = row;
}

void CDragDropListCtrl::RestoreHighlight()
{
    if (m_highlightIndex >= 0 && m_highlightIndex < GetItemCount())
        SetItemSelected(m_highlightIndex, m_highlightState);
}

void CDragDropListCtrl::StartScroll(int direction)
{
    if (m_scrollTimer == 0)
        m_scrollTimer = startTimer(SCROLL_PERIOD_MS);
    m_scrollDirection = direction;
}

void CDragDropListCtrl::StopScroll()
{
    if (m_scrollTimer != 0)
        killTimer(m_scrollTimer);
    m_scrollTimer = 0;
    m_scrollDirection = SCROLL_NONE;
}

void CDragDropListCtrl::EndDrag()
{
    StopScroll();
    viewport()->releaseMouse();
    releaseKeyboard();
    delete m_pDragImage;
}

void CDragDropListCtrl::Drop()
{
    EndDrag();
    RestoreHighlight();
    m_highlightIndex = -1;
    if (m_savedStyle) {
        setSelectionMode(*m_savedStyle);
        m_savedStyle.reset();
    }
    emit moveRequested(DropPosition());
}

void CDragDropListCtrl::CancelDrag()
{
    EndDrag();
    RestoreHighlight();
    m_highlightIndex = -1;
    if (m_savedStyle) {
        setSelectionMode(*m_savedStyle);
        m_savedStyle.reset();
    }
}

int CDragDropListCtrl::DropPosition() const
{
    // While a filter hides rows, the dragged rows land right after the drop
    // row's place among all rows.
    const int last = std::min(m_dropIndex, GetItemCount() - 1);
    int position = 1;
    for (int row = 0; row <= last; ++row)
        position += std::find(m_dragItems.begin(), m_dragItems.end(), row) == m_dragItems.end() ? 1 : 0;
    return position;
}

std::vector<bool> CDragDropListCtrl::SelectedFlags() const
{
    std::vector<bool> selected(static_cast<size_t>(GetItemCount()), false);
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (row >= 0 && row < static_cast<int>(selected.size()))
                selected[static_cast<size_t>(row)] = true;
        }
    }
    return selected;
}

void CDragDropListCtrl::ReorderRows(const std::vector<int>& order)
{
    const int count = GetSourceItemCount();
    if (static_cast<int>(order.size()) != count)
        return;
    bool unchanged = true;
    for (int row = 0; row < count; ++row)
        unchanged = unchanged && order[static_cast<size_t>(row)] == row;
    if (unchanged)
        return;

    std::vector<bool> selected(static_cast<size_t>(count), false);
    const std::vector<bool> shownSelected = SelectedFlags();
    for (size_t row = 0; row < shownSelected.size(); ++row) {
        if (shownSelected[row])
            selected[static_cast<size_t>(SourceRow(static_cast<int>(row)))] = true;
    }
    const int current = SourceRow(currentIndex().row());
    const int scrollValue = verticalScrollBar()->value();
    if (!ReorderSourceRows(order))
        return;

    std::vector<int> selectedRows;
    for (int source = 0; source < count; ++source) {
        const int from = order[static_cast<size_t>(source)];
        const int row = ShownRow(source);
        if (row < 0)
            continue;
        if (selected[static_cast<size_t>(from)])
            selectedRows.push_back(row);
        if (from == current)
            selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
    }
    SelectRows(selectedRows);
    verticalScrollBar()->setValue(scrollValue);
}

void CDragDropListCtrl::AcceptDropsOf(const QString& mimeType)
{
    m_acceptedMimeType = mimeType;
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

bool CDragDropListCtrl::Accepts(const QDropEvent& event) const
{
    return !m_acceptedMimeType.isEmpty() && event.mimeData()->hasFormat(m_acceptedMimeType);
}

void CDragDropListCtrl::dragEnterEvent(QDragEnterEvent* event)
{
    if (!Accepts(*event)) {
        event->ignore();
        return;
    }
    m_highlightIndex = -1;
    m_dropIndex = -1;
    event->acceptProposedAction();
}

void CDragDropListCtrl::dragMoveEvent(QDragMoveEvent* event)
{
    if (!Accepts(*event)) {
        event->ignore();
        return;
    }
    const int row = HitTest(event->position().toPoint());
    // Below the last row the data lands after it.
    MarkDropTarget(row >= 0 ? row : GetItemCount() - 1);
    event->acceptProposedAction();
}

void CDragDropListCtrl::dragLeaveEvent(QDragLeaveEvent* event)
{
    RestoreHighlight();
    m_highlightIndex = -1;
    event->accept();
}

void CDragDropListCtrl::dropEvent(QDropEvent* event)
{
    if (!Accepts(*event)) {
        event->ignore();
        return;
    }
    RestoreHighlight();
    m_highlightIndex = -1;
    event->acceptProposedAction();
    emit dataDropped(event->mimeData()->data(m_acceptedMimeType), m_dropIndex);
}

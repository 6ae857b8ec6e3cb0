#pragma once

#include "CReportListCtrl.h"

#include <QtCore/QEvent>
#include <QtCore/QPointer>

#include <optional>
#include <vector>

class DragImage;

// A report list whose rows the user reorders with the mouse: pressing on a
// selected row and moving starts a drag of all selected rows, the row under
// the cursor is shown selected as the drop target, holding the cursor above
// or below the rows scrolls, and releasing the button asks, by
// moveRequested, that the dragged rows go just after the drop target. The mouse stays grabbed during the drag, so
// a release anywhere drops after the row marked last. Escape cancels.
class CDragDropListCtrl : public CReportListCtrl {
    Q_OBJECT

public:
    explicit CDragDropListCtrl(QWidget* parent = nullptr);
    ~CDragDropListCtrl() override;

    bool IsDragging() const { return !m_pDragImage.isNull(); }
    int DropIndex() const { return m_dropIndex; }

    // Puts all rows, shown or not, into a new order (entry k: the source row
    // that is to stand at k); texts, item data and selection travel with them.
    void ReorderRows(const std::vector<int>& order);

    // Takes drops of `mimeType` data from other views: the row under the
    // cursor is marked as a drag within the list marks it, and a drop emits
    // dataDropped.
    void AcceptDropsOf(const QString& mimeType);

    // Moves the selected rows together, as a drop would, so that the first
    // of them stands at `position` (from 1) among the rows shown; false when
    // no row is selected or the order stays as it was.
    bool MoveSelectedTo(int position);

signals:
    // A drop, or Ctrl+Up, Ctrl+Down, Ctrl+Home or Ctrl+End over selected
    // rows: the position the window is asked to move them to. A drop asks
    // even when the order would stay as it is.
    void moveRequested(int position);
    // Data of the accepted type dropped after `dropRow` (-1: on the top).
    void dataDropped(const QByteArray& data, int dropRow);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Data of the type AcceptDropsOf named, from another view.
    bool Accepts(const QDropEvent& event) const;
    void BeginDrag(const QPoint& point);
    void DragMove(const QPoint& point);
    void Drop();
    void CancelDrag();
    void EndDrag();
    void MarkDropTarget(int row);
    void RestoreHighlight();
    // Where the dragged rows go: after the rows that stay, up to the drop row.
    int DropPosition() const;
    void StartScroll(int direction);
    void StopScroll();
    bool BuildDragImage(const QPoint& point);
    std::vector<bool> SelectedFlags() const;

    std::vector<int> m_dragItems;
    int m_dropIndex = -1;
    QPointer<DragImage> m_pDragImage;
    int m_highlightIndex = -1;
    bool m_highlightState = false;
    std::optional<SelectionMode> m_savedStyle;
    int m_scrollDirection = 0;
    int m_scrollTimer = 0;

    QString m_acceptedMimeType;

    // A left press on a selected row that may become a drag.
    int m_pressRow = -1;
    QPoint m_pressPos;
    bool m_pressKeptSelection = false;
};

#pragma once

#include <QtCore/QPoint>
#include <QtGui/QPixmap>
#include <QtWidgets/QWidget>

// The picture of the dragged rows that follows the cursor: a see-through
// overlay over the window the list lives in, blind to the mouse so that the
// list keeps seeing the rows underneath.
class DragImage : public QWidget {
    Q_OBJECT

public:
    // hotSpot: where the cursor holds the picture, in picture coordinates.
    DragImage(const QPixmap& picture, const QPoint& hotSpot, QWidget* window);

    void MoveTo(const QPoint& globalCursor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QPoint m_hotSpot;
};

#include "DragImage.h"

#include <QtGui/QPainter>

namespace {
constexpr double DRAG_IMAGE_OPACITY = 0.6;
}

DragImage::DragImage(const QPixmap& picture, const QPoint& hotSpot, QWidget* window)
    : QWidget(window)
    , m_picture(picture)
    , m_hotSpot(hotSpot)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    resize(m_picture.deviceIndependentSize().toSize());
}

void DragImage::MoveTo(const QPoint& globalCursor)
{
    move(parentWidget()->mapFromGlobal(globalCursor) - m_hotSpot);
    if (isHidden()) {
        raise();
        show();
    }
}

void DragImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setOpacity(DRAG_IMAGE_OPACITY);
    painter.drawPixmap(0, 0, m_picture);
}

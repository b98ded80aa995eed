#include "picturebutton.h"

#include "picture.h"

#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

PictureButton::PictureButton(const QString& picture, const QString& hint, QWidget* parent)
    : QPushButton(parent), m_picture(picture) {
    setToolTip(hint);
    setAccessibleName(hint);
}

void PictureButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    m_face = renderPicture(m_picture, event->size(), devicePixelRatioF());
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Pressed: the face sinks by one pixel and darkens; disabled: it fades.
    const bool pressed = isDown();
    painter.drawPixmap(pressed ? 1 : 0, pressed ? 1 : 0, m_face);
    if (pressed) painter.fillRect(rect(), QColor(0, 0, 0, 70));
    if (!isEnabled()) painter.fillRect(rect(), QColor(0, 0, 0, 110));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

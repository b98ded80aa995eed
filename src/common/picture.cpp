#include "picture.h"

#include <QPainter>
#include <QResizeEvent>
#include <QSvgRenderer>

QPixmap renderPicture(const QString& resource, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(resource).render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), m_resource(resource) {}

void Picture::resizeEvent(QResizeEvent* event) {
    m_pixmap = renderPicture(m_resource, event->size(), devicePixelRatioF());
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, m_pixmap);
}

Outline::Outline(const QColor& colour, QWidget* parent) : QWidget(parent), m_colour(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Outline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(m_colour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

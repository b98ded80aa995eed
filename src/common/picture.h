#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// An SVG picture of the resources drawn at the given size in device pixels.
QPixmap renderPicture(const QString& resource, QSize size, qreal devicePixelRatio);

// A decorative picture filling its area.
class Picture : public QWidget {
public:
    Picture(const QString& resource, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_resource;
    QPixmap m_pixmap;
};

// A one-pixel rectangle outline without fill; clicks go through it to what lies below.
class Outline : public QWidget {
public:
    Outline(const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

#include "looks.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace looks {

namespace {

// Disabled texts keep Qt's grey, so a disabled window looks disabled.
void setTextRoles(QPalette& palette, const QColor& text) {
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, text);
        }
    }
}

}  // namespace

void paint(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, background);
    }
    setTextRoles(palette, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintOption(QWidget* widget, const QColor& text, const QColor& background) {
    paint(widget, text, background);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, Qt::white);
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, Qt::black);
    widget->setPalette(palette);
}

void paintText(QWidget* widget, const QColor& text) {
    QPalette palette = widget->palette();
    setTextRoles(palette, text);
    widget->setPalette(palette);
}

QFont boldFont(qreal points) {
    QFont font = QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

}  // namespace looks

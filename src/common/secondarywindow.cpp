#include "secondarywindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

SecondaryWindow::SecondaryWindow(Qt::WindowFlags flags) : QWidget(nullptr, flags) {
    setAttribute(Qt::WA_QuitOnClose, false);
}

void SecondaryWindow::leave() {
    hide();
    Q_EMIT closed();
}

void SecondaryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    move(screen()->availableGeometry().center() - rect().center());
}

void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        leave();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    leave();
}

#include "hideafterrelease.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

HideAfterRelease::HideAfterRelease(QWidget* window) : QObject(window), m_window(window) {}

void HideAfterRelease::hide() {
    if (QGuiApplication::mouseButtons() == Qt::NoButton) {
        m_window->hide();
        return;
    }
    if (!m_waiting) qApp->installEventFilter(this);
    m_waiting = true;
}

void HideAfterRelease::show() {
    if (m_waiting) qApp->removeEventFilter(this);
    m_waiting = false;
    m_window->show();
}

// The release reaches the pressed widget first, so that Qt lets the button go; the window leaves after.
bool HideAfterRelease::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
        qApp->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            if (!m_waiting) return;
            m_waiting = false;
            m_window->hide();
        });
    }
    return false;
}

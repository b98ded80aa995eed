#include "busypointer.h"

#include <QWidget>

namespace {

// Longer than a local folder takes to read, short enough to answer a click that seems to do nothing.
constexpr int kNoticedAfterMs = 200;

}  // namespace

BusyPointer::BusyPointer(std::initializer_list<QWidget*> over, QObject* parent)
    : QObject(parent), m_over(over.begin(), over.end()) {
    m_noticed.setSingleShot(true);
    m_noticed.setInterval(kNoticedAfterMs);
    connect(&m_noticed, &QTimer::timeout, this, [this] { show(true); });
}

void BusyPointer::setWaiting(bool waiting) {
    show(false);
    if (waiting) {
        m_noticed.start();
    } else {
        m_noticed.stop();
    }
}

void BusyPointer::show(bool busy) {
    for (QWidget* widget : m_over) {
        if (!widget) continue;
        if (busy) {
            widget->setCursor(Qt::BusyCursor);
        } else {
            widget->unsetCursor();
        }
    }
}

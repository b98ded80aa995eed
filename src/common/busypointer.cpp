#include "busypointer.h"

#include <QAbstractScrollArea>
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

// A list's lines have a pointer of their own, its viewport's.
void BusyPointer::show(bool busy) {
    for (QWidget* widget : m_over) {
        if (!widget) continue;
        auto* scrollArea = qobject_cast<QAbstractScrollArea*>(widget);
        for (QWidget* area : {widget, scrollArea ? scrollArea->viewport() : nullptr}) {
            if (!area) continue;
            if (busy) {
                area->setCursor(Qt::BusyCursor);
            } else {
                area->unsetCursor();
            }
        }
    }
}

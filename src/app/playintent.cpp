#include "playintent.h"

#include <QEvent>
#include <QWidget>

void PlayIntent::watch(QWidget* control) {
    control->installEventFilter(this);
}

bool PlayIntent::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn) Q_EMIT shown();
    return QObject::eventFilter(watched, event);
}

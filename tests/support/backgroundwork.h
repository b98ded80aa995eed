#pragma once

#include "background.h"
#include "waituntil.h"

#include <QCoreApplication>
#include <QThreadPool>

// Lets every piece of work on the file-system threads end, then the results they handed to this thread
// arrive: those were posted before the call queued here, which runs after them. What an overtaken or
// abandoned operation would change, it has changed by then; false when the work did not end in time.
inline bool letBackgroundWorkEnd(int milliseconds = 10000) {
    if (!fileSystemThreads()->waitForDone(milliseconds)) return false;
    bool reached = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&reached] { reached = true; }, Qt::QueuedConnection);
    return waitUntil([&reached] { return reached; }, milliseconds);
}

#include "background.h"

#include <QThreadPool>

QThreadPool* fileSystemThreads() {
    // Deleting a pool waits for its threads: this one lives as long as the process.
    static QThreadPool* const pool = [] {
        auto* threads = new QThreadPool;
        threads->setMaxThreadCount(64);
        return threads;
    }();
    return pool;
}

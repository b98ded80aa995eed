#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <type_traits>

class QThreadPool;

// The threads that touch file systems, so that the user-interface thread never waits on one: a dead
// network share can hold a thread for ever. The pool is never waited for, not even at exit, and has room
// for many such threads besides the ones that work.
QThreadPool* fileSystemThreads();

// Runs work on one of those threads and hands its result to done on the context's thread; done is never
// called once the context is gone.
template <typename Work, typename Done>
void runInBackground(QObject* context, Work work, Done done) {
    using Result = std::invoke_result_t<Work>;
    auto* watcher = new QFutureWatcher<Result>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(fileSystemThreads(), std::move(work)));
}

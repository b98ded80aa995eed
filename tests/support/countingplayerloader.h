#pragma once

#include "fakeplayermodule.h"

#include <QThread>

#include <atomic>

// A player module loader that counts its loads and notes the thread of the last one; it fails with a
// reason when told to, and can take its time.
struct CountingPlayerLoader {
    PlayerModule::Loader loader() {
        return [this] {
            ++loads;
            thread = QThread::currentThread();
            QThread::msleep(delayMilliseconds);
            return failure.isEmpty() ? PlayerModule::Loaded{&factory, {}}
                                     : PlayerModule::Loaded{nullptr, failure};
        };
    }

    FakePlayerFactory factory;
    QString failure;
    unsigned long delayMilliseconds = 0;
    std::atomic<int> loads = 0;
    std::atomic<QThread*> thread = nullptr;
};

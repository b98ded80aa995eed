#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// Lets the program's events run until the condition holds; false when it did not within the time. It
// sleeps between events, so that the threads it waits for have the processor: a timer wakes it to look at
// the clock.
inline bool waitUntil(const std::function<bool()>& condition, int milliseconds = 10000) {
    QElapsedTimer clock;
    clock.start();
    QTimer wakeUp;
    wakeUp.start(20);
    while (!condition() && clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return condition();
}

#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

// Lets the program's events run until the condition holds; false when it did not within the time.
inline bool waitUntil(const std::function<bool()>& condition, int milliseconds = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return condition();
}

#pragma once

#include "playerbackend.h"

#include <vector>

// A player that plays nothing and records what it is asked; the test makes its notifications.
class FakePlayerBackend final : public PlayerBackend {
public:
    explicit FakePlayerBackend(QWidget* area = nullptr) : m_area(area) {}

    QWidget* videoArea() override { return m_area; }
    void load(const QString& path) override {
        loads.append(path);
        paused = true;
    }
    void queue(const QString& path) override { queued.append(path); }
    bool dequeue() override {
        if (begunAlready) return false;
        if (!queued.isEmpty()) queued.removeLast();
        return true;
    }
    void setPaused(bool value) override { paused = value; }
    void stop() override { ++stops; }
    void seek(double seconds) override { seeks.push_back(seconds); }
    void setVolume(int) override {}
    void setMuted(bool) override {}
    void setStretched(bool) override {}

    QStringList loads;
    QStringList queued;
    bool begunAlready = false;
    bool paused = true;
    int stops = 0;
    std::vector<double> seeks;

private:
    QWidget* m_area;
};

#pragma once

#include <chrono>
#include <random>

// A uniform source of numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual double next() = 0;
};

class ClockSeededRandom final : public RandomSource {
public:
    void seedFromClock() override {
        m_engine.seed(std::mt19937::result_type(std::chrono::system_clock::now().time_since_epoch().count()));
    }
    double next() override { return m_uniform(m_engine); }

private:
    std::mt19937 m_engine;
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};

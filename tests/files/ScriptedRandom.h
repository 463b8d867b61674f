#pragma once

#include <cmath>
#include <cstddef>
#include <random>
#include <utility>
#include <vector>

#include "ui/RandomSource.h"

// Test source of random numbers. Either replays a given sequence (starting
// again at its beginning when it runs out) or, when built from a seed, gives
// reproducible uniform numbers. Counts the draws in both cases.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> sequence)
        : sequence_(std::move(sequence)) {}

    explicit ScriptedRandom(unsigned seed)
        : engine_(seed), seeded_(true) {}

    // A sequence of `count` times `value`.
    static ScriptedRandom Constant(double value, std::size_t count = 1)
    {
        return ScriptedRandom(std::vector<double>(count, value));
    }

    double Rnd() override
    {
        ++draws_;
        if (seeded_) {
            const double r = std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
            return r < 1.0 ? r : std::nextafter(1.0, 0.0);
        }
        const double r = sequence_[next_];
        next_ = (next_ + 1) % sequence_.size();
        return r;
    }

    std::size_t Draws() const { return draws_; }

private:
    std::vector<double> sequence_;
    std::size_t next_ = 0;
    std::mt19937 engine_;
    bool seeded_ = false;
    std::size_t draws_ = 0;
};

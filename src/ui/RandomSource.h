#pragma once

// Pseudo-random numbers uniform in [0, 1). The platform is one; tests pass a
// scripted or seeded one so that coded files can be checked exactly.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Rnd() = 0;
};

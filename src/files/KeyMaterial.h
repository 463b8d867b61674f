#pragma once

#include <array>

// Fixed tables of the answer-file format. Permutations hold 1-based positions.
extern const std::array<int, 100> FieldPermutation;     // order of a coded field's 100 chars
extern const std::array<int, 100> PasswordPermutation;  // order of the password block's 100 chars
extern const std::array<int, 324> AnswerPermutation;    // order of the 324 answer digits
extern const std::array<unsigned char, 1000> AnswerKey; // base codes (65..164) the answer digits are added to

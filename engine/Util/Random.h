#pragma once

#include <cstdint>

namespace Korrin
{

// The engine's random numbers: a linear congruential generator (state x 214013 + 2531011) whose
// results are bits 16 to 30 of the state, 0 to 32767. Effects replay the same way from the same seed,
// so it is ours rather than the C library's. Main thread only.
inline constexpr int kRandMax = 32767;

// Starts the sequence again from a seed; before any call the seed is 1.
void SeedRand(std::uint32_t seed);
// The next number of the sequence, 0 to kRandMax.
int Rand();
// The next number scaled to 0..1 (Rand() / kRandMax).
float RandUnit();
// lo + (hi - lo) x RandUnit() when hi > lo; otherwise lo, without drawing a number.
float RandomRange(float lo, float hi);

} // namespace Korrin

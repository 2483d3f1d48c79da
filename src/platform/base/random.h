#pragma once

#include <cstdint>

namespace platform
{

// The run-time's random generator: one 32-bit state s; each call Random(n) sets
// s := s * 134775813 + 1 (mod 2^32) and returns the upper 32 bits of s * n.
// Seeded once at start; every draw continues the same sequence.
std::uint32_t randSeed();
void setRandSeed(std::uint32_t seed);

// Seeds from the low 32 bits of a high-resolution counter.
void randomize();

// A number from 0 to n - 1; 0 when n is 0 or negative.
std::int32_t random(std::int32_t n);

} // namespace platform

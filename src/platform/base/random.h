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

// One step of the generator, and the number from 0 to n - 1 its new state gives.
constexpr std::uint32_t nextSeed(std::uint32_t s)
{
    return s * 134775813u + 1u;
}
constexpr std::int32_t scaledRandom(std::uint32_t s, std::int32_t n)
{
    return n <= 0 ? 0 : static_cast<std::int32_t>((std::uint64_t(s) * std::uint64_t(n)) >> 32);
}

// The sequence of random() from a given state, for a loop of many draws (the numbers of one
// seating). seed() is the state after the last draw; whoever takes the draws over hands it to
// setRandSeed.
class RandomRun
{
public:
    explicit RandomRun(std::uint32_t seed) : m_seed(seed) {}

    std::uint32_t seed() const { return m_seed; }
    std::int32_t random(std::int32_t n)
    {
        m_seed = nextSeed(m_seed);
        return scaledRandom(m_seed, n);
    }

private:
    std::uint32_t m_seed;
};

} // namespace platform

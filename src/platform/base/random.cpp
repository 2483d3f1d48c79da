#include "platform/base/random.h"

#include <chrono>

namespace platform
{

namespace
{
std::uint32_t g_seed = 0;
}

std::uint32_t randSeed()
{
    return g_seed;
}

void setRandSeed(std::uint32_t seed)
{
    g_seed = seed;
}

void randomize()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    g_seed = static_cast<std::uint32_t>(ticks);
}

std::int32_t random(std::int32_t n)
{
    g_seed = nextSeed(g_seed);
    return scaledRandom(g_seed, n);
}

} // namespace platform

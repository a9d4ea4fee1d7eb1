#include "engine/Util/Random.h"

namespace Korrin
{

namespace
{
std::uint32_t gRandState = 1;
} // namespace

void SeedRand(std::uint32_t seed)
{
    gRandState = seed;
}

int Rand()
{
    gRandState = gRandState * 214013u + 2531011u;
    return static_cast<int>((gRandState >> 16) & 0x7FFFu);
}

float RandUnit()
{
    return static_cast<float>(Rand()) / static_cast<float>(kRandMax);
}

float RandomRange(float lo, float hi)
{
    if (hi > lo)
    {
        return lo + (hi - lo) * RandUnit();
    }
    return lo;
}

} // namespace Korrin

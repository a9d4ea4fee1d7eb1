#include "engine/Util/Random.h"

#include <gtest/gtest.h>

namespace
{

TEST(Random, SeedOneGivesTheKnownSequenceAndReseedingRepeatsIt)
{
    Korrin::SeedRand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected)
    {
        EXPECT_EQ(Korrin::Rand(), value);
    }
    Korrin::SeedRand(1);
    EXPECT_EQ(Korrin::Rand(), 41);
}

TEST(Random, RangeDrawsOnlyWhenItHasWidth)
{
    Korrin::SeedRand(1);
    EXPECT_FLOAT_EQ(Korrin::RandomRange(5.0f, 5.0f), 5.0f);
    EXPECT_FLOAT_EQ(Korrin::RandomRange(5.0f, 2.0f), 5.0f);
    // Neither call above drew, so this one takes the first number, 41.
    EXPECT_FLOAT_EQ(Korrin::RandomRange(0.0f, 32767.0f), 41.0f);
    EXPECT_FLOAT_EQ(Korrin::RandUnit(), 18467.0f / 32767.0f);
}

} // namespace

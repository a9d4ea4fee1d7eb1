#include "engine/Util/Random.h"

#include "engine/Util/RandomGenerator.h"
#include "platform/FixedStepClock.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Services.h"

#include <gtest/gtest.h>
#include <memory>

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

TEST(RandomGenerator, HasTheEnginesSequenceWithoutTouchingTheSharedOne)
{
    Korrin::SeedRand(1);
    Korrin::RandomGenerator own(1);
    Korrin::RandomGenerator other(12345);
    for (int draw = 0; draw < 100; ++draw)
    {
        other.Next();
        EXPECT_EQ(own.Next(), Korrin::Rand()) << "draw " << draw;
    }
}

TEST(RandomGenerator, FixedStepRunsAreSeededAlikeAndOthersFromTheClock)
{
    {
        Platform::Services services(std::make_unique<Platform::HeadlessWindowSystem>(),
                                    std::make_unique<Platform::FixedStepClock>());
        EXPECT_EQ(Korrin::RandomGenerator::RunSeed(), Korrin::RandomGenerator::kFixedStepSeed);
    }
    // A clock that is not stepped gives its count.
    class CountingClock : public Platform::Clock
    {
    public:
        std::int64_t Counter() const override { return 987654321; }
        std::int64_t Frequency() const override { return 1000; }
    };
    Platform::Services services(std::make_unique<Platform::HeadlessWindowSystem>(),
                                std::make_unique<CountingClock>());
    EXPECT_EQ(Korrin::RandomGenerator::RunSeed(), 987654321u);
}

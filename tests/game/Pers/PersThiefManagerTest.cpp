#include "game/Entity/Entity.h"
#include "tests/game/Pers/ThiefLevelFixture.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using TestSupport::LevelFileBuilder;

namespace
{

class PersThiefManagerTest : public TestSupport::ThiefLevelFixture
{
protected:
    // Replaces the pending starts by one entry at the shelf, through the manager's own block.
    void Schedule(std::uint8_t minute, std::uint8_t second)
    {
        Korrin::BinaryWriter out;
        out.WriteU32(Thieves().GetThiefCount());
        out.WriteF32(0.0f);
        out.WriteU32(1);
        out.WriteI32(kShelfI);
        out.WriteI32(22);
        out.WriteU8(minute);
        out.WriteU8(second);
        Korrin::BinaryReader in(out.Bytes());
        Thieves().Load(in);
        ASSERT_TRUE(in.Ok());
    }
};

} // namespace

TEST_F(PersThiefManagerTest, AnEntryIsDueOnceTheClockInWholeSecondsIsPastIt)
{
    BuildWithShelf();
    struct Case
    {
        std::uint8_t minute, second; // the entry
        std::uint8_t clockMinute, clockSecond;
        bool starts;
    };
    const Case cases[] = {
        {1, 30, 1, 30, false}, {1, 30, 1, 31, true},  {1, 30, 2, 10, true}, {1, 30, 0, 59, false},
        {0, 59, 1, 0, true},   {2, 59, 2, 59, false}, {2, 59, 3, 0, true},
    };
    for (const Case& test : cases)
    {
        mThief->SetActive(false);
        Schedule(test.minute, test.second);
        Thieves().StartThief(test.clockMinute, test.clockSecond, 0.016f);
        const std::string label = std::to_string(test.minute) + ":" + std::to_string(test.second) + " at " +
                                  std::to_string(test.clockMinute) + ":" + std::to_string(test.clockSecond);
        EXPECT_EQ(mThief->IsActive(), test.starts) << label;
        EXPECT_EQ(Thieves().GetPendingStarts().empty(), test.starts) << label;
        if (test.starts)
        {
            EXPECT_EQ(mThief->GetAnimationName(), "firstrun") << label;
        }
    }
}

TEST_F(PersThiefManagerTest, ALevelWithoutShelvesNeverStartsAThief)
{
    LevelFileBuilder level = LevelFileBuilder::Complete();
    Build(level);
    auto* thief = Make<PersRunThief>(Pers::kThief);
    float highest = 0.0f;
    for (int second = 0; second < 60; ++second)
    {
        Thieves().StartThief(static_cast<std::uint8_t>(second / 60), static_cast<std::uint8_t>(second % 60),
                             1.0f);
        highest = std::max(highest, Thieves().GetRefillTimer());
        EXPECT_LE(Thieves().GetRefillTimer(), PersThiefManager::kRefillDelay + 1.0f);
    }
    EXPECT_FALSE(thief->IsActive());
    EXPECT_EQ(Thieves().GetThiefCount(), 0u);
    EXPECT_EQ(highest, 17.0f) << "the timer runs up to 17 seconds and starts again";
}

TEST_F(PersThiefManagerTest, DueEntriesGoWhileEveryThiefIsOutAndTheNextSeriesFollowsSeventeenSecondsLater)
{
    BuildWithShelf(0, 40);
    mThief->SetActive(true);
    Thieves().StartThief(0, 41, 0.016f);
    EXPECT_TRUE(Thieves().GetPendingStarts().empty()) << "the entry went without a free thief";
    EXPECT_EQ(Thieves().GetThiefCount(), 0u);
    for (int frame = 1; frame <= 17; ++frame)
    {
        Thieves().StartThief(0, 41, 1.0f);
        EXPECT_TRUE(Thieves().GetPendingStarts().empty()) << frame;
    }
    Thieves().StartThief(0, 59, 0.5f);
    ASSERT_EQ(Thieves().GetPendingStarts().size(), 1u);
    const PersThiefManager::StartShelf next = Thieves().GetPendingStarts().front();
    EXPECT_EQ(next.minutes, 1);
    EXPECT_EQ(next.seconds, 39) << "0:59 and the shelf's 0:40";
    EXPECT_EQ(Thieves().GetRefillTimer(), 0.0f);
}

TEST_F(PersThiefManagerTest, TheShelfIsARobTargetAndTheShopIsRobbedFromBothHalves)
{
    BuildWithShelf();
    std::vector<std::pair<std::uint8_t, std::uint8_t>> targets;
    for (const PersThiefManager::Target& target : Thieves().GetTargets())
    {
        targets.emplace_back(target.entity->GetType(), target.part);
    }
    EXPECT_EQ(
        targets,
        (std::vector<std::pair<std::uint8_t, std::uint8_t>>{
            {Entity::kStartShelf, 0}, {Entity::kShop, 1}, {Entity::kShop, 2}, {Entity::kStorehouse, 0}}));
}

TEST_F(PersThiefManagerTest, ABlockReadsBackAndHostileOnesAreRefused)
{
    BuildWithShelf(1, 20);
    Korrin::BinaryWriter out;
    Thieves().Save(out);
    const std::vector<std::uint8_t> saved = out.Bytes();
    ASSERT_EQ(saved.size(), 12u + 10u);
    {
        Korrin::BinaryReader in(saved);
        Thieves().Load(in);
        ASSERT_TRUE(in.Ok());
        EXPECT_TRUE(in.AtEnd());
    }
    const auto put32 = [](std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
    { std::memcpy(bytes.data() + at, &value, 4); };
    struct Case
    {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::uint32_t nanBits = 0;
    std::memcpy(&nanBits, &nan, 4);
    const Case cases[] = {
        {"a timer at no number", [&](auto& b) { put32(b, 4, nanBits); }},
        {"more pending starts than a level has shelves", [&](auto& b) { put32(b, 8, 256); }},
        {"a count past the block", [&](auto& b) { put32(b, 8, 2); }},
        {"a cell off the field", [&](auto& b) { put32(b, 16, 26); }},
        {"second 60", [&](auto& b) { b[21] = 60; }},
    };
    for (const Case& test : cases)
    {
        std::vector<std::uint8_t> bytes = saved;
        test.spoil(bytes);
        Korrin::BinaryReader in(bytes);
        Thieves().Load(in);
        EXPECT_FALSE(in.Ok()) << test.what;
        EXPECT_EQ(Thieves().GetPendingStarts().size(), 1u) << test.what;
    }
}

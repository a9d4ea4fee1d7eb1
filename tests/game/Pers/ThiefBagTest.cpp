#include "game/Pers/ThiefBag.h"

#include "game/GUI/AchievementSystem.h"
#include "game/Game/GameField.h"
#include "game/Game/GameTables.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Util/InputLocks.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/support/AchievementDefinitions.h"
#include "tests/support/LeftButton.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace
{

// A floor on row 20 under a bag list of its own, with the level's money and the achievements.
class ThiefBagTest : public testing::Test
{
protected:
    ThiefBagTest()
    {
        GameTables::Build();
        for (std::int32_t i = 0; i < 16; ++i)
        {
            mField.SetTile(i, kFloorRow, 2);
        }
        mBags.SetGameField(&mField);
        mBags.Init();
        mTask.money = 100;
        TestSupport::DefineAchievements(mAchievements, "{ {Id = 11, MaxProgress = 50, Prize = 10} }");
    }
    ~ThiefBagTest() override { GameTables::Free(); }

    // Runs the list until the first bag is in that state.
    void RunUntil(const std::function<bool(const ThiefBag::Bag&)>& state)
    {
        for (int frame = 0; frame < 600 && !state(mBags.GetBags().front()); ++frame)
        {
            mBags.Update(1.0f / 60.0f);
        }
        ASSERT_TRUE(state(mBags.GetBags().front()));
    }
    static bool Falling(const ThiefBag::Bag& bag) { return bag.speed > 0.0f; }
    static bool Landed(const ThiefBag::Bag& bag) { return bag.speed == ThiefBag::kLanded; }

    // A click at the middle of the first bag's catching box.
    void ClickFirst()
    {
        const ThiefBag::Bag bag = mBags.GetBags().front();
        mBags.ClearHover();
        mBags.IsPointInside({bag.x + 30.0f, bag.y + 40.0f});
        mButton.Press();
        EXPECT_FALSE(mBags.TryClick()) << "the level goes on asking the others";
    }

    std::uint32_t FallingCatches() const { return mAchievements.GetData(11)->mProgress; }

    static constexpr std::int32_t kFloorRow = 20;
    TestSupport::RenderFixture mRender;
    TestSupport::LeftButton mButton{mRender.Services().Window()};
    AchievementSystem mAchievements;
    LevelTaskInfo mTask;
    GameField mField;
    ThiefBag mBags;
};

} // namespace

TEST_F(ThiefBagTest, ABagRisesFallsLandsOnTheFloorAndLiesFiveSeconds)
{
    mBags.AddBag(300.0f, 200.0f);
    RunUntil(Landed);
    const ThiefBag::Bag bag = mBags.GetBags().front();
    EXPECT_EQ(bag.x, 270.0f);
    EXPECT_EQ(bag.y, kFloorRow * 24.0f + 40.0f - 46.0f) << "its foot stands on the floor's top line";
    EXPECT_EQ(mBags.FrameOf(bag), 0);
    RunUntil([](const ThiefBag::Bag& b) { return b.step == 12.0f; });
    EXPECT_EQ(mBags.FrameOf(mBags.GetBags().front()), 5) << "the sequence ends on frame number 6";
    for (int frame = 0; frame < 5 * 60 + 2; ++frame)
    {
        mBags.Update(1.0f / 60.0f);
    }
    EXPECT_TRUE(mBags.GetBags().empty());
}

TEST_F(ThiefBagTest, ARisingBagCannotBeCollected)
{
    mBags.AddBag(300.0f, 200.0f);
    mBags.Update(0.1f);
    ClickFirst();
    EXPECT_EQ(mBags.GetBags().size(), 1u);
    EXPECT_EQ(mTask.money, 100);
}

TEST_F(ThiefBagTest, AFallingBagPays75AndCountsAndALandedOnePays50)
{
    mBags.AddBag(300.0f, 200.0f);
    RunUntil(Falling);
    ClickFirst();
    EXPECT_EQ(mTask.money, 175);
    EXPECT_EQ(FallingCatches(), 1u);
    mBags.AddBag(300.0f, 200.0f);
    RunUntil(Landed);
    ClickFirst();
    EXPECT_EQ(mTask.money, 225);
    EXPECT_EQ(FallingCatches(), 1u);
    EXPECT_TRUE(mBags.GetBags().empty());
}

TEST_F(ThiefBagTest, OneClickCollectsEveryBagUnderIt)
{
    mBags.AddBag(300.0f, 200.0f);
    mBags.AddBag(310.0f, 200.0f);
    RunUntil(Landed);
    ClickFirst();
    EXPECT_TRUE(mBags.GetBags().empty());
    EXPECT_EQ(mTask.money, 200);
}

TEST_F(ThiefBagTest, ABagBlinksInItsLastTwoSecondsAndStillPaysInTheLast)
{
    mBags.AddBag(300.0f, 200.0f);
    RunUntil([](const ThiefBag::Bag& b) { return b.age > 4.9f; });
    const ThiefBag::Bag bag = mBags.GetBags().front();
    EXPECT_FLOAT_EQ(ThiefBag::AlphaOf(bag), 10.0f * std::sin(20.0f * bag.age));
    EXPECT_EQ(ThiefBag::AlphaOf({0, ThiefBag::kLanded, 0, 0, 12, 2.9f}), 1.0f);
    ClickFirst();
    EXPECT_EQ(mTask.money, 150);
}

TEST_F(ThiefBagTest, ClicksAreRefusedWhileTheFieldIsLocked)
{
    mBags.AddBag(300.0f, 200.0f);
    RunUntil(Landed);
    InputLocks::second = true;
    ClickFirst();
    InputLocks::second = false;
    EXPECT_EQ(mBags.GetBags().size(), 1u);
}

TEST_F(ThiefBagTest, ABagWithNoFloorGoesOnceBelowTheScreen)
{
    mBags.AddBag(900.0f, 700.0f);
    for (int frame = 0; frame < 600 && !mBags.GetBags().empty(); ++frame)
    {
        EXPECT_LE(mBags.GetBags().front().y, 768.0f + 23.0f);
        mBags.Update(1.0f / 60.0f);
    }
    EXPECT_TRUE(mBags.GetBags().empty());
}

TEST_F(ThiefBagTest, AFallingBagContinuesItsFallAfterALoad)
{
    mBags.AddBag(300.0f, 200.0f);
    RunUntil(Falling);
    mBags.AddBag(500.0f, 200.0f);
    Korrin::BinaryWriter out;
    mBags.Save(out);
    ThiefBag loaded;
    loaded.SetGameField(&mField);
    loaded.Init();
    Korrin::BinaryReader in(out.Bytes());
    loaded.Load(in);
    ASSERT_TRUE(in.Ok());
    ASSERT_EQ(loaded.GetBags().size(), 2u);
    for (int frame = 0; frame < 120; ++frame)
    {
        mBags.Update(1.0f / 60.0f);
        loaded.Update(1.0f / 60.0f);
    }
    Korrin::BinaryWriter after;
    Korrin::BinaryWriter afterLoaded;
    mBags.Save(after);
    loaded.Save(afterLoaded);
    EXPECT_EQ(afterLoaded.Bytes(), after.Bytes());
    EXPECT_TRUE(Landed(loaded.GetBags().front()));
}

TEST_F(ThiefBagTest, HostileBlocksAreRefused)
{
    mBags.AddBag(300.0f, 200.0f);
    Korrin::BinaryWriter out;
    mBags.Save(out);
    const std::vector<std::uint8_t> saved = out.Bytes();
    const auto put32 = [](std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
    { std::memcpy(bytes.data() + at, &value, 4); };
    const float inf = std::numeric_limits<float>::infinity();
    std::uint32_t infBits = 0;
    std::memcpy(&infBits, &inf, 4);
    struct Case
    {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
    };
    const Case cases[] = {
        {"a negative count", [&](auto& b) { put32(b, 0, 0xFFFFFFFFu); }},
        {"more than 1000 bags", [&](auto& b) { put32(b, 0, 1001); }},
        {"a count past the block", [&](auto& b) { put32(b, 0, 2); }},
        {"a speed at no number", [&](auto& b) { put32(b, 5, infBits); }},
        {"an age at no number", [&](auto& b) { put32(b, 21, infBits); }},
    };
    for (const Case& test : cases)
    {
        std::vector<std::uint8_t> bytes = saved;
        test.spoil(bytes);
        ThiefBag bags;
        Korrin::BinaryReader in(bytes);
        bags.Load(in);
        EXPECT_FALSE(in.Ok()) << test.what;
        EXPECT_TRUE(bags.GetBags().empty()) << test.what;
    }
}

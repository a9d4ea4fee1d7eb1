#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "tests/game/Pers/ThiefLevelFixture.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <set>

using TestSupport::LevelFileBuilder;

namespace
{

class PersRunThiefTest : public TestSupport::ThiefLevelFixture
{
protected:
    // Starts the thief from his shelf: his entry was due at 0:00, the clock says 0:01.
    void StartFromShelf()
    {
        Thieves().StartThief(0, 1, 0.0f);
        ASSERT_TRUE(mThief->IsActive());
    }

    // Starts him and runs him out of his bush until he walks to a target.
    void SendToTarget()
    {
        StartFromShelf();
        for (int frame = 0; frame < 200 && mThief->IsHidden(); ++frame)
        {
            Characters().Update(0.05f);
        }
        ASSERT_FALSE(mThief->IsHidden());
    }
};

} // namespace

TEST_F(PersRunThiefTest, HeIsHiddenFromHisStartUntilHeWalksOffToHisFirstTarget)
{
    BuildWithShelf();
    EXPECT_TRUE(mThief->IsHidden());
    EXPECT_FALSE(ClickThief(*mThief)) << "a thief who is not out takes no click";
    StartFromShelf();
    EXPECT_EQ(mThief->GetAnimationName(), "firstrun");
    EXPECT_EQ(mThief->GetFacing(), Pers::kLeft) << "a shelf right of the middle sends him left";
    std::set<std::string> played;
    for (int frame = 0; frame < 200 && mThief->IsHidden(); ++frame)
    {
        played.insert(mThief->GetAnimationName());
        EXPECT_FALSE(ClickThief(*mThief)) << mThief->GetAnimationName();
        EXPECT_EQ(mThief->GetCageProgress(), 0.0f);
        Characters().Update(0.05f);
    }
    EXPECT_FALSE(mThief->IsHidden());
    EXPECT_TRUE(played.count("tremble") == 1 && played.count("standshort") == 1);
    EXPECT_TRUE(played.count("bush") + played.count("bush1") == 1);
    EXPECT_FALSE(mThief->GetPath().empty()) << "he walks to a target";
}

TEST_F(PersRunThiefTest, ClicksSlowerThanTheCageOpensNeverCatchHim)
{
    BuildWithShelf();
    SendToTarget();
    for (int click = 0; click < 12; ++click)
    {
        mThief->SetHold(true);
        ASSERT_TRUE(ClickThief(*mThief));
        EXPECT_FLOAT_EQ(mThief->GetCageProgress(), PersRunThief::kCatchStep);
        Run(0.8f);
        EXPECT_EQ(mThief->GetCageProgress(), 0.0f) << "the cage never opens past its start";
    }
    EXPECT_TRUE(mThief->IsActive());
    EXPECT_TRUE(Bags().GetBags().empty());
}

TEST_F(PersRunThiefTest, QuickClicksInterruptATheftAndCatchHimWithHisBag)
{
    BuildWithShelf();
    SendToTarget();
    mThief->SetHold(true);
    mThief->PlayAnimation("stealing", Pers::kKeepFacing);
    const Korrin::Vector2 where = mThief->GetPosition();
    ASSERT_TRUE(ClickThief(*mThief));
    EXPECT_EQ(mThief->GetAnimationName(), "stand") << "the theft is interrupted";
    ASSERT_EQ(mThief->GetCageFull(), 4.0f);
    // 0.7 a click: the sixth passes the four frames of the cage.
    for (int click = 2; click <= 6; ++click)
    {
        ASSERT_TRUE(ClickThief(*mThief)) << click;
    }
    EXPECT_FALSE(mThief->IsActive());
    EXPECT_TRUE(mThief->IsHidden());
    EXPECT_EQ(mThief->GetCageProgress(), 0.0f) << "the cage is ready for his next run";
    ASSERT_EQ(Bags().GetBags().size(), 1u);
    EXPECT_EQ(Bags().GetBags().front().x, where.x - 30.0f);
    EXPECT_EQ(Bags().GetBags().front().y, where.y - 30.0f);
    EXPECT_EQ(Bags().GetBags().front().speed, ThiefBag::kThrowSpeed);
}

TEST_F(PersRunThiefTest, WithNothingToRobHeStands)
{
    LevelFileBuilder level;
    level.buyers.clear();
    level.Floor(22);
    Build(level);
    auto* thief = Make<PersRunThief>(Pers::kThief);
    thief->SetActive(true);
    thief->SetIJ(3, 22);
    thief->ChooseNextTarget();
    EXPECT_EQ(thief->GetAnimationName(), "stand");
    EXPECT_TRUE(thief->GetPath().empty());
    EXPECT_TRUE(thief->IsHidden());
    EXPECT_EQ(Thieves().ChooseTarget(), nullptr);
}

TEST_F(PersRunThiefTest, TwoThievesOnOneCellStealOneAtATime)
{
    BuildWithShelf();
    auto* second = Make<PersRunThief>(Pers::kThief);
    for (PersRunThief* thief : {mThief, second})
    {
        thief->SetActive(true);
        thief->SetIJ(10, 22);
    }
    mThief->PlayAnimation("stealing", Pers::kKeepFacing);
    EXPECT_FALSE(Thieves().MayStealHere(second));
    mThief->PlayAnimation("run", Pers::kKeepFacing);
    EXPECT_TRUE(Thieves().MayStealHere(second)) << "a thief who runs on is no obstacle";
    mThief->SetIJ(11, 22);
    mThief->PlayAnimation("stealing1", Pers::kKeepFacing);
    EXPECT_TRUE(Thieves().MayStealHere(second));
}

TEST_F(PersRunThiefTest, ARecordReadsBackAndHostileOnesAreRefused)
{
    BuildWithShelf();
    SendToTarget();
    mThief->SetHold(true);
    ASSERT_TRUE(ClickThief(*mThief));
    Korrin::BinaryWriter out;
    mThief->Save(out);
    const std::vector<std::uint8_t> saved = out.Bytes();
    const std::size_t own = saved.size() - 6;
    {
        Korrin::BinaryReader in(saved);
        mThief->Load(in);
        ASSERT_TRUE(in.Ok());
        EXPECT_TRUE(in.AtEnd());
        EXPECT_FALSE(mThief->IsHidden());
        EXPECT_FLOAT_EQ(mThief->GetCageProgress(), PersRunThief::kCatchStep);
    }
    const auto putFloat = [](std::vector<std::uint8_t>& bytes, std::size_t at, float value)
    { std::memcpy(bytes.data() + at, &value, 4); };
    struct Case
    {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
    };
    const Case cases[] = {
        {"a hidden byte of 2", [&](auto& b) { b[own] = 2; }},
        {"target slot 3", [&](auto& b) { b[own + 1] = 3; }},
        {"a negative cage", [&](auto& b) { putFloat(b, own + 2, -0.5f); }},
        {"a cage at no number",
         [&](auto& b) { putFloat(b, own + 2, std::numeric_limits<float>::infinity()); }},
        {"a cut record", [&](auto& b) { b.pop_back(); }},
    };
    for (const Case& test : cases)
    {
        std::vector<std::uint8_t> bytes = saved;
        test.spoil(bytes);
        Korrin::BinaryReader in(bytes);
        mThief->Load(in);
        EXPECT_FALSE(in.Ok()) << test.what;
    }
}

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "tests/game/Pers/BuyerLevelFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

using TestSupport::LevelFileBuilder;

namespace
{

// The store level whose buyers are, in this order, a sleeper, a professor, a smelly buyer without a
// voice and one with a voice, then the usual peasant, girl and prince.
class BuyerExtrasTest : public TestSupport::BuyerLevelTest
{
protected:
    static constexpr std::uint16_t kSleeperNumber = 1;
    static constexpr std::uint16_t kProfessorNumber = 2;

    BuyerExtrasTest()
        : BuyerLevelTest([](TableCost&, LevelFileBuilder& level)
                         { level.buyers = {4, 7, 11, 6, 1, 2, 3, 1, 2}; })
    {
    }

    // An animation the buyer played and the frame it started in.
    struct Played
    {
        std::string name;
        int frame = 0;
    };
    static std::vector<std::string> Names(const std::vector<Played>& played)
    {
        std::vector<std::string> names;
        for (const Played& step : played)
        {
            names.push_back(step.name);
        }
        return names;
    }
    static int StartOf(const std::vector<Played>& played, const std::string& name)
    {
        for (const Played& step : played)
        {
            if (step.name == name)
            {
                return step.frame;
            }
        }
        return -1;
    }
};

} // namespace

namespace
{

enum class ClickWhen
{
    Never,
    AtItsStop,
    Asleep,
};
struct SleeperCase
{
    const char* name;
    ClickWhen click;
    std::vector<std::string> extra; // what it plays from its stop until it runs on
};

void PrintTo(const SleeperCase& test, std::ostream* out)
{
    *out << test.name;
}

class SleeperTest : public BuyerExtrasTest, public testing::WithParamInterface<SleeperCase>
{
};

} // namespace

TEST_P(SleeperTest, ItSleepsItsFiveSecondsUnlessSentOnBeforeItSleeps)
{
    PersRunBuyer* sleeper = Buyer(kSleeperNumber);
    Put(0, kCarrot);
    Admit();
    ASSERT_TRUE(sleeper->IsActive());
    ASSERT_EQ(sleeper->GetExtraStops().size(), 1u);
    const IJ tail = Characters().GetQueuePlace(static_cast<std::uint16_t>(sleeper->GetQueuePlace()));

    std::vector<Played> played;
    bool clicked = false;
    IJ here{};
    for (int frame = 0; frame < 60 * 30; ++frame)
    {
        const std::string name = sleeper->GetAnimationName();
        if (played.empty() || played.back().name != name)
        {
            played.push_back({name, frame});
        }
        const bool sleptTwoSeconds = name == "sleep" && frame - played.back().frame == 120;
        if (!clicked && ((GetParam().click == ClickWhen::AtItsStop && name == "walk_idle") ||
                         (GetParam().click == ClickWhen::Asleep && sleptTwoSeconds)))
        {
            clicked = true;
            EXPECT_TRUE(ClickOn(*sleeper));
        }
        sleeper->GetIJ(here.I, here.J);
        if (here == tail)
        {
            break;
        }
        mLevel.Update(kFrame);
    }
    EXPECT_EQ(here, tail) << "it walked on to the queue";
    const std::vector<std::string> names = Names(played);
    const auto stop = std::find(names.begin(), names.end(), "walk_idle");
    ASSERT_NE(stop, names.end());
    const std::vector<std::string> extra(
        stop, std::min(names.end(), stop + static_cast<long>(GetParam().extra.size())));
    EXPECT_EQ(extra, GetParam().extra);
    if (GetParam().click != ClickWhen::AtItsStop)
    {
        // A click while it sleeps does not wake it earlier.
        EXPECT_NEAR(StartOf(played, "awake") - StartOf(played, "sleep"), 300, 1) << "five seconds asleep";
    }
}

INSTANTIATE_TEST_SUITE_P(
    BuyerExtras, SleeperTest,
    testing::Values(
        SleeperCase{"LeftAlone", ClickWhen::Never, {"walk_idle", "extra", "sleep", "awake", "run"}},
        SleeperCase{"ClickedAtItsStop", ClickWhen::AtItsStop, {"walk_idle", "run"}},
        SleeperCase{"ClickedAsleep",
                    ClickWhen::Asleep,
                    {"walk_idle", "extra", "sleep", "doesnt_awake", "sleep", "awake", "run"}}),
    [](const testing::TestParamInfo<SleeperCase>& test) { return std::string(test.param.name); });

TEST_F(BuyerExtrasTest, TheProfessorsEffectShowsOnceInTheBuyersLifeAlsoAcrossASave)
{
    PersRunBuyer* professor = Buyer(kProfessorNumber);
    ASSERT_EQ(professor->GetKind(), PersRunBuyer::kProfessor);
    professor->SetActive(true);
    professor->SetIJ(4, 22);
    const auto save = [&]
    {
        Korrin::BinaryWriter out;
        professor->Save(out);
        return out.Bytes();
    };
    const auto load = [&](const std::vector<std::uint8_t>& bytes)
    {
        Korrin::BinaryReader in(bytes);
        professor->Load(in);
        ASSERT_TRUE(in.Ok());
    };
    // One whole "extra": the number of effects it queued.
    const auto eat = [&]
    {
        const std::size_t before = mEffects.GetQueue()->GetCount();
        professor->PlayAnimation("extra", Pers::kKeepFacing);
        for (int frame = 0; frame < 60 * 20 && professor->GetAnimationName() == "extra"; ++frame)
        {
            professor->Update(kFrame);
        }
        EXPECT_NE(professor->GetAnimationName(), "extra");
        return mEffects.GetQueue()->GetCount() - before;
    };
    const std::vector<std::uint8_t> beforeEffect = save();
    EXPECT_EQ(eat(), 1u);
    EXPECT_TRUE(professor->IsEffectShown());
    const std::vector<std::uint8_t> afterEffect = save();
    EXPECT_EQ(eat(), 0u) << "a second extra";
    load(afterEffect);
    EXPECT_EQ(eat(), 0u) << "a level continued after the effect";
    load(beforeEffect);
    EXPECT_EQ(eat(), 1u) << "a level continued from before it";
}

TEST_F(BuyerExtrasTest, AComplaintShowsSteadilyForItsFirstSecondThenPulses)
{
    PersRunBuyer* buyer = Buyer(5);
    buyer->SetActive(true);
    buyer->SetIJ(10, 22);
    for (const std::int32_t complaint : {-3, -5})
    {
        buyer->SetDream(kCarrot);
        buyer->Update(kFrame);
        buyer->SetDream(complaint);
        int steady = 0;
        for (; steady < 120; ++steady)
        {
            buyer->Update(kFrame);
            if (buyer->GetBubbleAlpha() < 1.0f)
            {
                break;
            }
        }
        EXPECT_GE(steady, 59) << complaint << ": steady for a second";
        EXPECT_LE(steady, 61) << complaint << ": then it pulses";
        buyer->SetDream(kCarrot);
        buyer->Update(kFrame);
        EXPECT_EQ(buyer->GetBubbleAlpha(), 1.0f) << "a wish shows whole again";
    }
}

TEST_F(BuyerExtrasTest, CarryingPlaysTheFirstVariantAndLeavingAngryTheSecond)
{
    PersRunBuyer* buyer = Buyer(5);
    buyer->SetActive(true);
    buyer->SetIJ(10, 22);
    struct Case
    {
        std::uint8_t carried;
        std::int32_t wish;
        const char* asked;
        const char* variant;
    };
    const Case cases[] = {
        {0, kCarrot, "run", "run"},
        {kCarrot, -1, "run", "run1"},
        {kCarrot, PersRunBuyer::kAngry, "run", "run1"},
        {0, PersRunBuyer::kAngry, "run", "run2"},
        {0, PersRunBuyer::kAngry, "stand", "stand"},
        {kCarrot, -1, "moveup_ladder", "moveup_ladder1"},
    };
    for (const Case& test : cases)
    {
        buyer->SetCarriedGoods(test.carried);
        buyer->SetDream(test.wish);
        EXPECT_EQ(buyer->GetAnimationVariant(test.asked), test.variant) << test.asked << " " << test.wish;
        if (std::string(test.asked) == "run")
        {
            buyer->PlayAnimation("stand", Pers::kKeepFacing);
            buyer->PlayAnimation(test.asked, Pers::kKeepFacing);
            EXPECT_EQ(buyer->GetAnimationName(), test.variant) << "played, " << test.wish;
        }
    }
}

TEST_F(BuyerExtrasTest, ABuyerWithoutAVoiceLogsItAndOtherwiseActsAsOneWithAVoice)
{
    struct Case
    {
        std::uint16_t number;
        std::uint8_t kind;
        std::size_t missingLines;
    };
    const std::string clickLine = "! Error 'No sound' in PersRunBuyer::BuyerClickSound()";
    const std::string angryLine = "! Error 'No sound' in PersRunBuyer::BuyerAnglySound()";
    for (const Case& test : {Case{3, 149, 1}, Case{4, 144, 0}})
    {
        PersRunBuyer* buyer = Buyer(test.number);
        ASSERT_EQ(buyer->GetKind(), test.kind);
        buyer->SetActive(true);
        buyer->SetIJ(10, 22);
        buyer->SetDream(kCarrot);
        const std::size_t clicksBefore = LogCount(clickLine);
        EXPECT_TRUE(ClickOn(*buyer)) << test.kind;
        EXPECT_EQ(LogCount(clickLine) - clicksBefore, test.missingLines) << test.kind;
        EXPECT_EQ(buyer->GetAnimationName(), "stand") << test.kind;
        EXPECT_EQ(buyer->GetFrameIndexDream(), kCarrot) << test.kind;
        const std::size_t angryBefore = LogCount(angryLine);
        buyer->StartAction(PersRunBuyer::kRefused);
        EXPECT_EQ(LogCount(angryLine) - angryBefore, test.missingLines) << test.kind;
        EXPECT_EQ(buyer->GetAnimationName(), "idle1") << test.kind;
        EXPECT_EQ(buyer->GetFrameIndexDream(), -1) << test.kind;
    }
}

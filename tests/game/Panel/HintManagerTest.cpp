#include "game/Util/HintManager.h"

#include "game/Util/Hint.h"
#include "tests/game/Panel/HintScripts.h"

#include <gtest/gtest.h>

using TestSupport::ReportRecorder;

namespace
{

constexpr float kFrame = 1.0f / 64.0f; // exact in binary, so waits add up exactly

class HintManagerTest : public TestSupport::HintScriptTest
{
protected:
    HintManagerTest()
    {
        Script("hints.lua", R"(
HintList = { "A", "B", "Slow" }
A = Hint(0.5)
B = Hint(0.5)
Slow = Hint(2)
)");
        mHints.LoadFile("hints.lua", false);
    }

    // One frame: the requests, then the manager's update.
    void Frame(std::initializer_list<std::pair<const char*, std::uint32_t>> requests)
    {
        for (const auto& [name, priority] : requests)
        {
            mHints.Show(name, priority, {300.0f, 200.0f});
        }
        mHints.Update(kFrame);
    }

    bool Shows(const char* name)
    {
        return mHints.GetCurrent() != nullptr && mHints.GetCurrent() == mHints.GetByName(name);
    }

    float Alpha() const { return HintManager::FadeColour(mHints.GetCurrent()->time).alpha; }

    HintManager mHints;
};

} // namespace

TEST_F(HintManagerTest, ARequestedHintWaitsItsDelayThenFadesIn)
{
    for (int frame = 0; frame < 32; ++frame) // 0.5 s of requests: not yet past the delay
    {
        Frame({{"A", 1}});
        ASSERT_EQ(mHints.GetCurrent(), nullptr) << frame;
    }
    Frame({{"A", 1}});
    ASSERT_TRUE(Shows("A"));
    EXPECT_FLOAT_EQ(mHints.GetCurrent()->time, 0.5f) << "it becomes current at its delay";
    for (int frame = 0; frame < 9; ++frame) // 0.14 s: still invisible
    {
        Frame({{"A", 1}});
    }
    EXPECT_EQ(Alpha(), 0.0f);
    Frame({{"A", 1}});
    EXPECT_GT(Alpha(), 0.0f) << "visible 0.15 s after it became current";
    for (int frame = 0; frame < 6; ++frame)
    {
        Frame({{"A", 1}});
    }
    EXPECT_EQ(Alpha(), 1.0f) << "opaque 0.1 s later, and held there";
}

TEST_F(HintManagerTest, AFrameWithoutARequestHidesTheHintAtOnce)
{
    for (int frame = 0; frame < 40; ++frame)
    {
        Frame({{"A", 2}});
    }
    ASSERT_TRUE(Shows("A"));
    EXPECT_EQ(mHints.GetPriority(), 2u);
    Frame({});
    EXPECT_EQ(mHints.GetCurrent(), nullptr);
    EXPECT_EQ(mHints.GetPriority(), 1u);
    EXPECT_EQ(mHints.GetByName("A")->time, 0.0f);
    EXPECT_EQ(mHints.GetByName("A")->pending, 0);
}

TEST_F(HintManagerTest, AnEqualPriorityReplacesTheShownHintALowerOneKeepsItAlive)
{
    for (int frame = 0; frame < 40; ++frame)
    {
        Frame({{"A", 1}});
    }
    ASSERT_TRUE(Shows("A"));
    Frame({{"B", 0}});
    EXPECT_TRUE(Shows("A")) << "a lower request only keeps the shown hint";
    Frame({{"B", 1}});
    EXPECT_EQ(mHints.GetCurrent(), nullptr) << "B replaces A and starts its own wait";
    EXPECT_EQ(mHints.GetByName("A")->pending, 0);
    for (int frame = 0; frame < 40; ++frame)
    {
        Frame({{"B", 1}});
    }
    EXPECT_TRUE(Shows("B"));
}

TEST_F(HintManagerTest, APendingHintWhoseRequestsStopStartsAgainFromNothing)
{
    for (int frame = 0; frame < 20; ++frame)
    {
        Frame({{"A", 1}});
    }
    EXPECT_GT(mHints.GetByName("A")->time, 0.0f);
    Frame({});
    EXPECT_EQ(mHints.GetByName("A")->time, 0.0f);
    EXPECT_EQ(mHints.GetByName("A")->pending, 0);
    for (int frame = 0; frame < 32; ++frame)
    {
        Frame({{"A", 1}});
    }
    EXPECT_EQ(mHints.GetCurrent(), nullptr) << "the full delay again";
}

TEST_F(HintManagerTest, AnUrgentRequestSkipsMostOfTheWait)
{
    Frame({{"A", 2}});
    ASSERT_TRUE(Shows("A")) << "delay 0.5 is below the urgent head start of 1.1";
    EXPECT_FLOAT_EQ(mHints.GetCurrent()->time, 0.5f);
    Frame({});
    for (int frame = 0; frame < 10; ++frame)
    {
        Frame({{"Slow", 2}});
        EXPECT_EQ(mHints.GetCurrent(), nullptr) << "a delay of 2 is not reached from 1.1 each frame";
    }
}

TEST_F(HintManagerTest, AnUnknownNameIsReportedAndDoesNothing)
{
    ReportRecorder::Clear();
    Frame({{"Nobody", 1}});
    EXPECT_NE(ReportRecorder::LastDescription().find("Double name: Nobody (HintManager::GetByName)"),
              std::string::npos);
    EXPECT_EQ(mHints.GetCurrent(), nullptr);
}

TEST_F(HintManagerTest, TheCharacterListKeepsItsOrderAndIsReplacedOnReload)
{
    Script("people.lua", R"(HintList = { "Zed", "A", "Amy" }
Zed = Hint(1) Amy = Hint(1) A = Hint(1))");
    mHints.LoadFile("people.lua", true);
    EXPECT_EQ(mHints.GetCharacterNames(), (std::vector<std::string>{"Zed", "A", "Amy"}))
        << "a name already held is listed too";
    EXPECT_EQ(mHints.Count(), 5u);
    Script("people2.lua", R"(HintList = { "Bo" } Bo = Hint(1))");
    mHints.LoadFile("people2.lua", true);
    EXPECT_EQ(mHints.GetCharacterNames(), (std::vector<std::string>{"Bo"}));
    Script("none.lua", R"(HintList = "A")");
    mHints.LoadFile("none.lua", false);
    EXPECT_EQ(mHints.Count(), 6u);
}

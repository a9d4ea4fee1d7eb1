#include "engine/Util/Moveable.h"

#include "engine/File/FileSysManager.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

namespace
{

using Korrin::Moveable;
using Korrin::Vector2;

// Paths written to a script file of a temporary data folder.
class MoveableTest : public testing::Test
{
protected:
    void SetUp() override { TestSupport::ReportRecorder::Clear(); }

    Moveable LoadPath(const std::string& script, Moveable path = Moveable())
    {
        mFolder.Write("path.lua", script);
        path.Load("Path", "path.lua");
        return path;
    }

    TestSupport::LogCapture mLog;
    TestSupport::TempFolder mFolder{"moveable"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
};

TEST_F(MoveableTest, PointsTakeTheirDistanceAlongThePathAsKeys)
{
    const Moveable path = LoadPath("Path = { Velocity = 2, List2 = { {0,0}, {3,4}, {3,10}, {1}, 'x' } }");
    ASSERT_EQ(path.GetCount(), 3u) << "entries that are not two numbers are skipped";
    EXPECT_FLOAT_EQ(path.GetKey(0), 0.0f);
    EXPECT_FLOAT_EQ(path.GetKey(1), 5.0f);
    EXPECT_FLOAT_EQ(path.GetKey(2), 11.0f);
    EXPECT_FLOAT_EQ(path.GetVelocity(), 2.0f);

    const Moveable legs = LoadPath("Path = { List3 = { {1,1,4}, {2,2,6}, {9,9} } }");
    ASSERT_EQ(legs.GetCount(), 2u);
    EXPECT_FLOAT_EQ(legs.GetKey(0), 4.0f) << "the first point takes its own leg";
    EXPECT_FLOAT_EQ(legs.GetKey(1), 10.0f);
}

TEST_F(MoveableTest, LoopIsSetOnlyByExactlyOneAndAMissingLoopKeepsTheFlag)
{
    const struct
    {
        const char* loop;
        bool before;
        bool after;
    } cases[] = {{"Loop = 1,", false, true}, {"Loop = 2,", true, false}, {"Loop = 0.5,", true, false},
                 {"", true, true},           {"", false, false},         {"Loop = '1',", false, true}};
    for (const auto& entry : cases)
    {
        Moveable path;
        path.SetLoop(entry.before);
        path = LoadPath(std::string("Path = { ") + entry.loop + " List2 = { {0,0} } }", path);
        EXPECT_EQ(path.GetLoop(), entry.after) << entry.loop << " from " << entry.before;
    }
}

TEST_F(MoveableTest, AMissingOrNonTableGlobalLeavesThePathAsItWas)
{
    Moveable path;
    path.AddPoint({1, 1});
    path = LoadPath("Other = {}", path);
    EXPECT_EQ(path.GetCount(), 1u);
    path = LoadPath("Path = 5", path);
    EXPECT_EQ(path.GetCount(), 1u);
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}

TEST_F(MoveableTest, TravelInterpolatesBetweenPointsAndHoldsAtTheEndWithoutLoop)
{
    Moveable path;
    path.AddPoint({0, 0});
    path.AddPoint({10, 0});
    path.AddPoint({10, 20});
    path.SetVelocity(5.0f);
    Vector2 position;
    ASSERT_TRUE(path.Update(1.0f, position));
    EXPECT_EQ(position, (Vector2{5, 0}));
    ASSERT_TRUE(path.Update(2.0f, position));
    EXPECT_EQ(position, (Vector2{10, 5}));

    position = {-1, -1};
    EXPECT_FALSE(path.Update(10.0f, position));
    EXPECT_EQ(position, (Vector2{-1, -1})) << "the end leaves the position untouched";
    EXPECT_FLOAT_EQ(path.GetTravelled(), 30.0f);
    EXPECT_FALSE(path.Update(1.0f, position));
    EXPECT_FLOAT_EQ(path.GetTravelled(), 30.0f);
}

TEST_F(MoveableTest, ALoopingPathShowsTheLastPointWhenItWrapsThenStartsAgain)
{
    Moveable path;
    path.AddPoint({0, 0});
    path.AddPoint({10, 0});
    path.SetVelocity(4.0f);
    path.SetLoop(true);
    Vector2 position;
    path.Update(2.0f, position);
    ASSERT_TRUE(path.Update(2.0f, position)); // 16: past the end
    EXPECT_EQ(position, (Vector2{10, 0}));
    EXPECT_FLOAT_EQ(path.GetTravelled(), 0.0f) << "the overshoot is dropped";
    ASSERT_TRUE(path.Update(0.5f, position));
    EXPECT_EQ(position, (Vector2{2, 0}));
}

TEST_F(MoveableTest, EdgeCasesOfShortPaths)
{
    Moveable empty;
    Vector2 position{7, 7};
    EXPECT_FALSE(empty.Update(1.0f, position));

    Moveable single = LoadPath("Path = { Velocity = 1, List2 = { {3,3} } }");
    EXPECT_FALSE(single.Update(0.1f, position)) << "one point is at once the end";
    EXPECT_EQ(position, (Vector2{7, 7}));

    // Two points with the same key: the leg's length counts as 1, not 0.
    Moveable twins = LoadPath("Path = { List3 = { {0,0,0}, {8,0,0}, {8,8,4} } }");
    twins.SetVelocity(1.0f);
    ASSERT_TRUE(twins.Update(2.0f, position));
    EXPECT_EQ(position, (Vector2{8, 4}));
    twins.SetTravelled(0.0f);
    ASSERT_TRUE(twins.Update(0.0f, position));
    EXPECT_EQ(position, (Vector2{8, 0}));
}

TEST_F(MoveableTest, CopiesAndRecomputedKeys)
{
    Moveable path;
    path.AddPoint({0, 0});
    path.AddPoint({0, 3});
    path.SetVelocity(9.0f);
    path.SetLoop(true);
    path.SetTravelled(2.0f);
    const Moveable copy(path);
    EXPECT_EQ(copy.GetCount(), 2u);
    EXPECT_FLOAT_EQ(copy.GetKey(1), 3.0f);
    EXPECT_FLOAT_EQ(copy.GetVelocity(), 9.0f);
    EXPECT_TRUE(copy.GetLoop());
    EXPECT_FLOAT_EQ(copy.GetTravelled(), 0.0f);

    Moveable legs = LoadPath("Path = { List3 = { {0,0,2}, {3,4,100} } }");
    legs.RecalcDistances();
    EXPECT_FLOAT_EQ(legs.GetKey(0), 2.0f) << "the first key stays";
    EXPECT_FLOAT_EQ(legs.GetKey(1), 7.0f);
}

TEST_F(MoveableTest, IndexesPastTheEndAreReportedAndReadAsZero)
{
    Moveable path;
    path.AddPoint({4, 4});
    EXPECT_EQ(path.GetValue(1), (Vector2{0, 0}));
    EXPECT_EQ(TestSupport::ReportRecorder::LastDescription(), "index>size (Moveable::GetValue)");
    EXPECT_FLOAT_EQ(path.GetKey(3), 0.0f);
    EXPECT_EQ(TestSupport::ReportRecorder::LastDescription(), "index>size (Moveable::GetKey)");
}

TEST_F(MoveableTest, AnOverlongPathIsCutWithALogLine)
{
    std::string script = "Path = { List2 = {";
    for (std::size_t i = 0; i < Moveable::kMaxPoints + 10; ++i)
    {
        script += "{1,2},";
    }
    const Moveable path = LoadPath(script + "} }");
    EXPECT_EQ(path.GetCount(), Moveable::kMaxPoints);
    EXPECT_NE(mLog.Text().find("more than 65536 points"), std::string::npos);
}

} // namespace

#include "engine/File/FileSysManager.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Render/SkeletonManager.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Pers/PersAnimationManager.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"
#include "tests/game/Pers/PersLooks.h"
#include "tests/support/ReportRecorder.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using TestSupport::PersLooks;
using TestSupport::ReportRecorder;

namespace
{

constexpr std::int32_t kLook = 139;

class PersAnimationTest : public testing::Test
{
protected:
    PersAnimationTest()
    {
        ReportRecorder::Clear();
        PersLooks::Write(mFolder);
    }

    std::unique_ptr<PersAnimatedManager> Figure(std::int32_t id = kLook,
                                                const std::string& file = "peasantlist.lua")
    {
        return std::make_unique<PersAnimatedManager>(id, file, &mPosition);
    }
    static const Korrin::Bone& Root(const PersAnimatedManager& figure)
    {
        return *figure.GetSkeleton()->GetRoot();
    }
    // Asked in a box, or, as a later report of a file that has asked already, written to the log.
    bool Reported(const std::string& text) const
    {
        for (const auto& box : ReportRecorder::Boxes())
        {
            if (box.text.find(text) != std::string::npos)
            {
                return true;
            }
        }
        return mLog.Text().find("is damaged): " + text) != std::string::npos;
    }
    std::size_t Count(const std::string& text) const
    {
        const std::string log = mLog.Text();
        std::size_t count = 0;
        for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
        {
            ++count;
        }
        return count;
    }

    TestSupport::LogCapture mLog;
    TestSupport::TempFolder mFolder{"pers-animation"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
    Korrin::SkeletonManager mSkeletons;
    std::unique_ptr<PersAnimationManager> mAnimations = std::make_unique<PersAnimationManager>();
    Korrin::Vector2 mPosition{100.0f, 200.0f};
};

} // namespace

TEST_F(PersAnimationTest, AListIsLoadedOnceAndItsFirstAnimationOfANameStays)
{
    auto figure = Figure();
    const auto& list = *mAnimations->GetLists().at(kLook);
    EXPECT_EQ(list.skeletonFile, "walker_skel.lua");
    EXPECT_EQ(list.skeletonTable, "Skeleton");
    EXPECT_EQ(list.animations.count("no file"), 0u) << "an entry without a file is skipped";
    EXPECT_EQ(list.animations.size(), 19u) << "entries without two strings are skipped";
    EXPECT_EQ(list.animations.at("stand")->GetFrameCount(), 2u) << "the second 'stand' is discarded";
    EXPECT_EQ(list.animations.at("run")->GetName(), "run");
    EXPECT_EQ(Count("LOAD id 139,peasantlist.lua"), 1u);
    EXPECT_EQ(Count("loa anim run"), 2u) << "run and run1";
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(PersAnimationTest, SkeletonsOfGoneFiguresAreReusedOldestFirst)
{
    auto first = Figure();
    auto second = Figure();
    EXPECT_EQ(Count("SKEL id 139,peasantlist.lua"), 1u);
    EXPECT_NE(first->GetSkeleton(), second->GetSkeleton());
    Korrin::Skeleton* firstSkeleton = first->GetSkeleton();
    first.reset();
    EXPECT_EQ(mAnimations->GetPools().at(kLook).size(), 1u);
    auto third = Figure();
    EXPECT_EQ(third->GetSkeleton(), firstSkeleton);
    EXPECT_EQ(Count("SKEL id 139,peasantlist.lua"), 2u);
    EXPECT_EQ(mSkeletons.GetCount(), 2u);
    EXPECT_TRUE(mAnimations->GetPools().at(kLook).empty());
}

TEST_F(PersAnimationTest, AMissingListEntryOrAnimationIsReported)
{
    mFolder.Write("bare.lua", "SkeletonFile = 'walker_skel.lua'\n");
    auto figure = Figure(7, "bare.lua");
    EXPECT_TRUE(Reported("Not found SkeletonTable in bare.lua (PersAnimatedManager::PersAnimatedManager)"));
    EXPECT_TRUE(Reported("bare.lua not found: List (PersAnimatedManager::PersAnimatedManager)"));
    EXPECT_TRUE(mAnimations->GetLists().at(7)->animations.empty());

    auto known = Figure();
    EXPECT_FALSE(known->SetAnimation("fly"));
    EXPECT_EQ(known->GetCurrent(), nullptr);
    EXPECT_NE(
        ReportRecorder::LastDescription().find("Don't find animation fly (PersAnimationManager::Get())"),
        std::string::npos);
    EXPECT_FALSE(known->Advance(1.0f, 0)) << "a figure without an animation never completes a cycle";
}

TEST_F(PersAnimationTest, TheSameNameAgainKeepsTheAnimationGoing)
{
    auto figure = Figure();
    EXPECT_TRUE(figure->SetAnimation("run"));
    figure->Advance(0.3f, 0);
    EXPECT_FALSE(figure->SetAnimation("run"));
    EXPECT_FLOAT_EQ(figure->GetState().mTime, 0.3f);
    EXPECT_TRUE(figure->SetAnimation("stand"));
    EXPECT_FLOAT_EQ(figure->GetState().mTime, 0.0f);
}

TEST_F(PersAnimationTest, ASingleKeyFrameCompletesEveryAdvanceAndMovesToTheRoot)
{
    auto figure = Figure();
    figure->SetAnimation("single");
    for (int step = 1; step <= 3; ++step)
    {
        EXPECT_TRUE(figure->Advance(0.01f, 0));
        EXPECT_EQ(mPosition, (Korrin::Vector2{100.0f - 10.0f * static_cast<float>(step), 200.0f}));
        EXPECT_EQ(figure->GetState().mTime, 0.0f);
    }
    EXPECT_TRUE(figure->Advance(0.01f, 2)) << "facing up or down moves y";
    EXPECT_FLOAT_EQ(mPosition.y, 195.0f);
}

TEST_F(PersAnimationTest, RootMotionAndMirroring)
{
    // One "run" cycle puts the root 64 pixels to the left, mirrored to the right; the position follows
    // at the end of the cycle only.
    struct Case
    {
        std::uint8_t mirror;
        float rootAtEnd;
    } cases[] = {{0, 36.0f}, {1, 164.0f}};
    for (const Case& c : cases)
    {
        mPosition = {100.0f, 200.0f};
        auto figure = Figure();
        figure->SetMirror(c.mirror);
        figure->SetAnimation("run");
        EXPECT_FALSE(figure->Advance(0.5f, c.mirror));
        EXPECT_FLOAT_EQ(Root(*figure).mWorldPosition.x, c.mirror ? 132.0f : 68.0f);
        EXPECT_EQ(mPosition.x, 100.0f);
        EXPECT_TRUE(figure->Advance(0.5f, c.mirror));
        EXPECT_FLOAT_EQ(mPosition.x, c.rootAtEnd);
        EXPECT_EQ(mPosition.y, 200.0f);
        EXPECT_FLOAT_EQ(figure->GetSkeleton()->GetBone(1)->mOffset.y, -20.0f);
        EXPECT_EQ(figure->GetSkeleton()->GetBone(1)->mMirrorHorizontal, c.mirror == 1);
        EXPECT_FLOAT_EQ(figure->GetSkeleton()->GetBone(2)->mAngle, c.mirror ? -0.5f : 0.5f);
    }
}

TEST_F(PersAnimationTest, KeyFramesAreReachedAtTheirCumulativeTimes)
{
    // "zero": times 0.5, 0, 1 with root x 0, 10, 20. Before 0.5 s key frame 0 holds and the span to key
    // frame 1 (0 s) counts as 1 s.
    struct Case
    {
        float time;
        std::uint16_t key;
        float rootX;
    } cases[] = {{0.2f, 0, 98.0f}, {0.5f, 1, 90.0f}, {1.0f, 1, 85.0f}};
    auto figure = Figure();
    Korrin::Animation* zero = nullptr;
    ASSERT_TRUE(mAnimations->Get(kLook, "zero", zero));
    for (const Case& c : cases)
    {
        Korrin::Animation state;
        EXPECT_EQ(PersAnimationManager::ApplyAnimation(zero, state, mPosition, figure->GetSkeleton(), c.time),
                  c.key)
            << c.time;
        EXPECT_FLOAT_EQ(Root(*figure).mWorldPosition.x, c.rootX) << c.time;
    }
}

TEST_F(PersAnimationTest, TheDrawingOrderFollowsTheDepthsOfEachNewKeyFrame)
{
    auto figure = Figure();
    figure->SetAnimation("depth");
    const Korrin::Skeleton& skeleton = *figure->GetSkeleton();
    EXPECT_EQ(skeleton.GetDrawBone(0)->GetName(), "body");
    figure->Advance(1.0f, 0);
    EXPECT_EQ(skeleton.GetDrawBone(2)->GetName(), "body") << "depth -1 is drawn last";
}

TEST_F(PersAnimationTest, APoseNeedsAKeyForEveryBone)
{
    mFolder.Write("short.anim", "TimeList = {0, 1}\nroot = { {0,0,0,0,1,1,0,0,0}, {5,0,0,0,1,1,0,0,0} }\n");
    mFolder.Write("short_list.lua", "SkeletonFile = 'walker_skel.lua'\nSkeletonTable = 'Skeleton'\n"
                                    "List = { {'short', 'short.anim'} }\n");
    auto figure = Figure(8, "short_list.lua");
    figure->SetAnimation("short");
    EXPECT_FALSE(figure->Advance(2.0f, 0));
    EXPECT_FLOAT_EQ(figure->GetState().mTime, 2.0f) << "the time goes on without a pose";
}

TEST_F(PersAnimationTest, TheFigureRecordReadsBackToTheSameBytes)
{
    auto figure = Figure();
    figure->SetAnimation("run");
    figure->Advance(0.25f, 0);
    Korrin::BinaryWriter out;
    figure->Save(out);
    ASSERT_EQ(out.Bytes().size(), PersAnimatedManager::kRecordBytes);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.Bytes().data())), "run");

    Korrin::Vector2 elsewhere;
    PersAnimatedManager copy(kLook, "peasantlist.lua", &elsewhere);
    Korrin::BinaryReader in(out.Bytes());
    copy.Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_EQ(copy.GetAnimationName(), "run");
    EXPECT_EQ(elsewhere, mPosition);
    Korrin::BinaryWriter again;
    copy.Save(again);
    EXPECT_EQ(again.Bytes(), out.Bytes());
}

TEST_F(PersAnimationTest, ADamagedFigureRecordIsRefusedWithoutAReport)
{
    auto figure = Figure();
    figure->SetAnimation("stand");
    Korrin::BinaryWriter out;
    figure->Save(out);
    const std::vector<std::uint8_t> good = out.Bytes();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case
    {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases;
    std::vector<std::uint8_t> unterminated = good;
    std::memset(unterminated.data(), 'a', PersAnimatedManager::kNameBytes);
    cases.push_back({"no terminator", unterminated});
    std::vector<std::uint8_t> unknown = good;
    std::memcpy(unknown.data(), "fly", 4);
    cases.push_back({"a name the list lacks", unknown});
    for (std::size_t field = 0; field < 3; ++field)
    {
        std::vector<std::uint8_t> notNumber = good;
        std::memcpy(notNumber.data() + PersAnimatedManager::kNameBytes + field * 4, &nan, 4);
        cases.push_back({"not a number", notNumber});
    }
    cases.push_back({"short", std::vector<std::uint8_t>(good.begin(), good.end() - 1)});
    for (const Case& c : cases)
    {
        Korrin::BinaryReader in(c.bytes);
        figure->Load(in);
        EXPECT_FALSE(in.Ok()) << c.name;
        EXPECT_EQ(figure->GetAnimationName(), "stand") << c.name;
    }
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(PersAnimationTest, DestroyingTheManagerLogsAndFreesThePools)
{
    {
        auto figure = Figure();
    }
    EXPECT_EQ(mSkeletons.GetCount(), 1u);
    mAnimations.reset();
    EXPECT_EQ(mSkeletons.GetCount(), 0u) << "pooled skeletons go with the manager";
    EXPECT_NE(mLog.Text().find("DEL ID 139"), std::string::npos);
    EXPECT_NE(mLog.Text().find("del anim zero"), std::string::npos);
}

#include "engine/Render/Skeleton.h"

#include "engine/File/FileSysManager.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/SkeletonManager.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>
#include <numbers>

namespace
{

using Korrin::Bone;
using Korrin::Skeleton;
using TestSupport::ReportRecorder;

std::vector<std::string> Names(const Skeleton& skeleton, bool drawingOrder)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < skeleton.GetBoneCount(); ++i)
    {
        const auto index = static_cast<std::uint16_t>(i);
        names.push_back((drawingOrder ? skeleton.GetDrawBone(index) : skeleton.GetBone(index))->GetName());
    }
    return names;
}

TEST(Bone, WorldPositionsTurnScaleAndMirrorTheOffset)
{
    const float half = std::numbers::pi_v<float> / 2.0f;
    const struct
    {
        float angle;
        Korrin::Vector2 scale;
        bool mirrorH;
        bool mirrorV;
        Korrin::Vector2 expected;
    } cases[] = {
        {0.0f, {1, 1}, false, false, {60, 20}}, {half, {1, 1}, false, false, {10, 70}},
        {half, {1, 1}, true, false, {10, -30}}, {0.0f, {2, 1}, false, false, {110, 20}},
        {0.0f, {1, 1}, false, true, {60, 20}},  {0.0f, {1, 1}, true, false, {-40, 20}},
    };
    for (const auto& entry : cases)
    {
        Bone parent("parent");
        parent.mWorldPosition = {10, 20};
        Bone child("child");
        child.SetParent(&parent);
        child.mOffset = {50, 0};
        child.mAngle = entry.angle;
        child.mScale = entry.scale;
        child.mMirrorHorizontal = entry.mirrorH;
        child.mMirrorVertical = entry.mirrorV;
        child.UpdatePosition(false);
        EXPECT_NEAR(child.mWorldPosition.x, entry.expected.x, 1e-4) << entry.angle << " " << entry.mirrorH;
        EXPECT_NEAR(child.mWorldPosition.y, entry.expected.y, 1e-4) << entry.angle << " " << entry.mirrorH;
    }
}

// Skeletons and animations written to files of a temporary data folder.
class SkeletonTest : public testing::Test
{
protected:
    void SetUp() override { ReportRecorder::Clear(); }

    Skeleton* Load(const std::string& text, const std::string& file = "body.lua")
    {
        mFolder.Write(file, text);
        return mSkeletons.AddSkeleton(file, "Body");
    }

    TestSupport::LogCapture mLog;
    TestSupport::TempFolder mFolder{"skeletons"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
    Korrin::SkeletonManager mSkeletons;
};

TEST_F(SkeletonTest, BonesAreReadAsATreeAndPlacedFromTheRoot)
{
    const Skeleton* skeleton = Load("Body = { Name = 'root',\n"
                                    "  { Name = 'spine', Pos = {0, -40}, Rot = {3, 4}, Z = 1,\n"
                                    "    { Name = 'head', Pos = {0, -30}, Z = 5 } },\n"
                                    "  { Name = 'leg', Pos = {10, 0}, Z = 2 },\n"
                                    "  { Pos = {1, 1}, { Name = 'lost' } } }");
    ASSERT_EQ(skeleton->GetBoneCount(), 4u) << "a table without a name loses its whole subtree";
    EXPECT_EQ(Names(*skeleton, false), (std::vector<std::string>{"root", "spine", "head", "leg"}));
    EXPECT_EQ(Names(*skeleton, true), (std::vector<std::string>{"head", "leg", "spine", "root"}))
        << "larger depth is drawn first";

    const Bone* spine = skeleton->GetBone(1);
    const Bone* head = skeleton->GetBone(2);
    EXPECT_EQ(head->GetParent(), spine);
    EXPECT_EQ(spine->GetChildren().at("head"), head);
    EXPECT_EQ(spine->mPivot, (Korrin::Vector2{3, 4}));
    EXPECT_EQ(head->mWorldPosition, (Korrin::Vector2{0, -70}));
}

TEST_F(SkeletonTest, ResortingFollowsChangedDepths)
{
    Skeleton* skeleton = Load("Body = { Name = 'root', { Name = 'a', Z = 1 }, { Name = 'b', Z = 5 } }");
    EXPECT_EQ(Names(*skeleton, true), (std::vector<std::string>{"b", "a", "root"}));
    skeleton->GetBone(1)->mDepth = 9;
    skeleton->SortDrawingList();
    EXPECT_EQ(Names(*skeleton, true), (std::vector<std::string>{"a", "b", "root"}));
}

TEST_F(SkeletonTest, BoneTablesThatHoldThemselvesAreReportedOnceAndCut)
{
    const Skeleton* skeleton = Load("Body = { Name = 'root' }\n"
                                    "local arm = { Name = 'arm' }\n"
                                    "arm.again = arm\n"
                                    "arm.back = Body\n"
                                    "Body.arm = arm\n");
    EXPECT_EQ(skeleton->GetBoneCount(), 2u);
    EXPECT_EQ(ReportRecorder::Boxes().size(), 1u);
    EXPECT_NE(ReportRecorder::LastDescription().find("refer to themselves"), std::string::npos);
}

TEST_F(SkeletonTest, ATreeTooDeepIsCut)
{
    std::string text = "Body = { Name = 'root' }\nlocal t = Body\nfor i = 1, 200 do\n"
                       "  local c = { Name = 'b' .. i }\n  t[1] = c\n  t = c\nend\n";
    const Skeleton* skeleton = Load(text);
    EXPECT_EQ(skeleton->GetBoneCount(), static_cast<std::size_t>(Skeleton::kMaxDepth));
    EXPECT_EQ(ReportRecorder::Boxes().size(), 1u);
}

TEST_F(SkeletonTest, MissingTablesNamesAndIndexesAreReported)
{
    const Skeleton* missing = Load("Other = {}");
    EXPECT_EQ(ReportRecorder::LastDescription(), "body.lua not found: Body (Skeleton::Skeleton)");
    EXPECT_EQ(missing->GetBoneCount(), 0u);

    // Another file: a second fault of one file would go to the log without asking.
    const Skeleton* nameless = Load("Body = { { Name = 'arm' } }", "nameless.lua");
    EXPECT_EQ(ReportRecorder::LastDescription(), "error create: Body (Skeleton::Skeleton)");
    EXPECT_EQ(nameless->GetRoot(), nullptr);

    const Skeleton* skeleton = Load("Body = { Name = 'root' }");
    EXPECT_EQ(skeleton->GetBone(1), nullptr);
    EXPECT_EQ(ReportRecorder::LastDescription(), "Index out of bounds (Skeleton::GetBone)");
    EXPECT_EQ(skeleton->GetDrawBone(1), nullptr);
    EXPECT_EQ(ReportRecorder::LastDescription(), "Index out of bounds (Skeleton::GetDrawBone)");
    EXPECT_EQ(mSkeletons.GetCount(), 3u);
}

TEST_F(SkeletonTest, AnimationsHoldOnePosePerBoneAndFrame)
{
    const Skeleton* skeleton = Load("Body = { Name = 'root', { Name = 'arm' }, { Name = 'leg' } }");
    mFolder.Write("wave.anim", "TimeList = { 0.5, 'x', 0.25, 1 }\n"
                               "root = { {1, 2, 3, 0.5, 1, 1, 4, 1, 0}, {5, 6}, {}, {9, 9} }\n"
                               "arm = { {0, 0, 0, 0, 1, 1, 0, 0, 2}, 'skip', {0}, {0} }\n");
    Korrin::Animation animation;
    animation.Load(*skeleton, "wave.anim", "wave");
    ASSERT_EQ(animation.GetFrameCount(), 3u) << "a duration that is not a number adds no frame";
    EXPECT_FLOAT_EQ(animation.GetFrame(1).duration, 0.25f);

    const Korrin::Animation::_KeyFrame& first = animation.GetFrame(0);
    ASSERT_EQ(first.boneKeys.size(), 2u) << "the leg has no table, so its frames are short of its key";
    const Korrin::Animation::BoneKey& root = *first.boneKeys[0];
    EXPECT_FLOAT_EQ(root.x, 1.0f);
    EXPECT_FLOAT_EQ(root.y, 2.0f);
    EXPECT_FLOAT_EQ(root.frame, 3.0f);
    EXPECT_FLOAT_EQ(root.angle, 0.5f);
    EXPECT_FLOAT_EQ(root.depth, 4.0f);
    EXPECT_TRUE(root.mirrorHorizontal);
    EXPECT_FALSE(root.mirrorVertical);
    EXPECT_TRUE(first.boneKeys[1]->mirrorVertical);
    EXPECT_FLOAT_EQ(animation.GetFrame(1).boneKeys[0]->scaleX, 0.0f) << "a missing element counts as 0";
    EXPECT_EQ(animation.GetFrame(2).boneKeys.size(), 2u) << "poses past the frames are ignored";
    EXPECT_NE(mLog.Text().find("Error load Frame: leg"), std::string::npos);

    EXPECT_EQ(animation.GetFrame(3).boneKeys.size(), 0u);
    EXPECT_NE(ReportRecorder::LastDescription().find("index>size"), std::string::npos);
}

} // namespace

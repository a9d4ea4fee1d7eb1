#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Render/SkeletonManager.h"
#include "tests/engine/Render/SpriteFixture.h"

namespace
{

// Skeletons whose bones carry flat red and blue pictures of 8 x 8 pixels.
class SkeletonDrawingTest : public TestSupport::SpriteTest
{
protected:
    SkeletonDrawingTest()
    {
        for (const auto& [name, colour] :
             {std::pair{"red.png", 0xFFFF0000u}, std::pair{"blue.png", 0xFF0000FFu}})
        {
            Platform::Image picture;
            picture.width = 8;
            picture.height = 8;
            picture.pixels.assign(64, colour);
            Platform::PngCodec::Write(picture, mFolder.Path() + "/media/" + name);
        }
    }

    Korrin::Skeleton* Load(const std::string& text)
    {
        Script("body.lua", text);
        return mSkeletons.AddSkeleton("body.lua", "Body");
    }

    Platform::Image DrawScene(const Korrin::Skeleton& skeleton)
    {
        Korrin::RenderSystem& render = mRender.Render();
        render.BeginFrame();
        render.BeginScene(nullptr);
        for (std::size_t i = 0; i < skeleton.GetBoneCount(); ++i)
        {
            skeleton.GetDrawBone(static_cast<std::uint16_t>(i))->Draw();
        }
        render.EndScene();
        return mRender.BackBuffer();
    }

    Korrin::SkeletonManager mSkeletons;
};

TEST_F(SkeletonDrawingTest, BonesAreDrawnBackToFrontAtTheirWorldPositions)
{
    Korrin::Skeleton* skeleton = Load("Body = { Name = 'root',\n"
                                      "  { Name = 'near', Pos = {100, 100}, Z = 1, Sprite = {'red.png'} },\n"
                                      "  { Name = 'far', Pos = {102, 102}, Z = 5, Sprite = {'blue.png'} } }");
    ASSERT_EQ(skeleton->GetBoneCount(), 3u);
    Platform::Image frame = DrawScene(*skeleton);
    // Each picture is centred on its bone: red covers 96..103, blue 98..105 (and lies behind).
    EXPECT_EQ(frame.At(101, 101) & 0xFFFFFF, 0xFF0000u) << "the nearer bone is drawn last";
    EXPECT_EQ(frame.At(104, 104) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(frame.At(96, 96) & 0xFFFFFF, 0xFF0000u);

    skeleton->GetBone(1)->mDepth = 9;
    skeleton->SortDrawingList();
    frame = DrawScene(*skeleton);
    EXPECT_EQ(frame.At(101, 101) & 0xFFFFFF, 0x0000FFu);
}

TEST_F(SkeletonDrawingTest, APictureFollowsItsBonesTurnAndMirror)
{
    Korrin::Skeleton* skeleton =
        Load("Body = { Name = 'root', { Name = 'arm', Pos = {50, 0}, Sprite = {'red.png'} } }");
    Korrin::Bone* root = skeleton->GetRoot();
    Korrin::Bone* arm = skeleton->GetBone(1);
    root->mWorldPosition = {200, 200};
    arm->mAngle = 3.14159265f / 2.0f;
    arm->UpdatePosition(false);
    Platform::Image frame = DrawScene(*skeleton);
    EXPECT_EQ(frame.At(200, 250) & 0xFFFFFF, 0xFF0000u) << "turned a quarter: below the parent";
    EXPECT_NE(frame.At(250, 200) & 0xFFFFFF, 0xFF0000u);

    arm->mMirrorHorizontal = true;
    arm->UpdatePosition(false);
    frame = DrawScene(*skeleton);
    EXPECT_EQ(frame.At(200, 150) & 0xFFFFFF, 0xFF0000u) << "mirrored: above";
    EXPECT_EQ(mSprites.GetCount(), 1u);
}

} // namespace

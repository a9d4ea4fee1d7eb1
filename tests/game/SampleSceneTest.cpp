#include "engine/File/FileSysManager.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Particle/ParticleSystemList.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Render/SkeletonManager.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/Random.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{

using TestSupport::ReportRecorder;

// The sample data set's sparkle effect and scarecrow, drawn from the build's data folder.
class SampleSceneTest : public testing::Test
{
protected:
    SampleSceneTest()
    {
        ReportRecorder::Clear();
        mFiles.AddDirectory("media");
        Korrin::SeedRand(1);
    }

    bool Lit(const Platform::Image& frame, int x, int y)
    {
        return (frame.At(x, y) & 0xFFFFFF) != (mRender.Render().GetClearColour().ToARGB() & 0xFFFFFF);
    }

    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
    TestSupport::RenderFixture mRender;
    Korrin::SpriteManager mSprites;
    Korrin::ParticleManager mParticles;
    Korrin::SkeletonManager mSkeletons;
};

TEST_F(SampleSceneTest, SparklesRiseFromTheirPointAndTheScarecrowStandsOnItsPost)
{
    Korrin::ParticleSystem* sparkle = mParticles.CreateParticleSystem("sparkle.particle", "Sparkle");
    ASSERT_EQ(sparkle->GetEmitterCount(), 1u);
    for (int frame = 0; frame < 60; ++frame)
    {
        sparkle->Update(1.0f / 60.0f);
    }
    EXPECT_GT(sparkle->GetBaseParticleSystem(0)->GetLiveParticles().size(), 50u);

    Korrin::Skeleton* scarecrow = mSkeletons.AddSkeleton("scarecrow.skel", "Scarecrow");
    ASSERT_EQ(scarecrow->GetBoneCount(), 5u);
    Korrin::Animation wave;
    wave.Load(*scarecrow, "scarecrow_wave.anim", "wave");
    ASSERT_EQ(wave.GetFrameCount(), 3u);
    for (std::size_t frame = 0; frame < wave.GetFrameCount(); ++frame)
    {
        EXPECT_EQ(wave.GetFrame(frame).boneKeys.size(), scarecrow->GetBoneCount())
            << "every frame is playable";
    }
    scarecrow->GetRoot()->mWorldPosition = {200, 600};
    scarecrow->GetRoot()->UpdatePosition(true);

    Korrin::RenderSystem& render = mRender.Render();
    render.BeginFrame();
    render.BeginScene(nullptr);
    sparkle->Draw({0, 0});
    for (std::size_t i = 0; i < scarecrow->GetBoneCount(); ++i)
    {
        scarecrow->GetDrawBone(static_cast<std::uint16_t>(i))->Draw();
    }
    render.EndScene();
    const Platform::Image frame = mRender.BackBuffer();

    // The sparks leave (512, 384) upwards; nothing falls far below it in their first second.
    int above = 0;
    int below = 0;
    for (int y = 250; y < 384; y += 2)
    {
        above += Lit(frame, 512, y) ? 1 : 0;
    }
    for (int y = 460; y < 560; y += 2)
    {
        below += Lit(frame, 512, y) ? 1 : 0;
    }
    EXPECT_GT(above, 10);
    EXPECT_EQ(below, 0);
    EXPECT_TRUE(Lit(frame, 200, 510)) << "the body, 90 pixels above the post's foot";
    EXPECT_TRUE(Lit(frame, 200, 460)) << "the head above it";
    EXPECT_FALSE(Lit(frame, 200, 300));
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
    EXPECT_EQ(mRender.Log().Text().find("is NULL"), std::string::npos) << "every picture exists";
}

} // namespace

#include "engine/File/FileSysManager.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Render/SkeletonManager.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

namespace
{

using TestSupport::ReportRecorder;

// The sample data set's effects and skeletons, read from the sources in the repository.
class SampleDataTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ReportRecorder::Clear();
        mFiles.AddDirectory("media");
    }

    TestSupport::LogCapture mLog;
    Korrin::FileSysManager mFiles{WF_FIXTURES_DIR "/../.."};
};

TEST_F(SampleDataTest, TheSparkleEffectLoadsAndRuns)
{
    Korrin::ParticleManager particles;
    Korrin::ParticleSystem* sparkle = particles.CreateParticleSystem("sparkle.particle", "Sparkle");
    ASSERT_EQ(sparkle->GetEmitterCount(), 1u);
    for (int frame = 0; frame < 120; ++frame)
    {
        sparkle->Update(1.0f / 60.0f);
    }
    EXPECT_GT(sparkle->GetBaseParticleSystem(0)->GetLiveParticles().size(), 50u);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(SampleDataTest, TheScarecrowAndItsWaveFitTogether)
{
    Korrin::SkeletonManager skeletons;
    const Korrin::Skeleton* scarecrow = skeletons.AddSkeleton("scarecrow.skel", "Scarecrow");
    ASSERT_EQ(scarecrow->GetBoneCount(), 5u);
    Korrin::Animation wave;
    wave.Load(*scarecrow, "scarecrow_wave.anim", "wave");
    ASSERT_EQ(wave.GetFrameCount(), 3u);
    for (std::size_t frame = 0; frame < wave.GetFrameCount(); ++frame)
    {
        EXPECT_EQ(wave.GetFrame(frame).boneKeys.size(), scarecrow->GetBoneCount())
            << "every frame is playable";
    }
    EXPECT_EQ(mLog.Text().find("Error load Frame"), std::string::npos);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

} // namespace

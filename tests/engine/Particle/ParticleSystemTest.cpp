#include "engine/Particle/ParticleSystem.h"

#include "engine/App/TimerManager.h"
#include "engine/File/FileSysManager.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystemList.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Util/Random.h"
#include "platform/FixedStepClock.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Services.h"
#include "tests/engine/Render/SpriteFixture.h"
#include "tests/support/ReportRecorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace
{

using Korrin::ParticleSystem;
using TestSupport::ReportRecorder;

constexpr float kFrame = 1.0f / 60.0f;

// Effects written to "test.particle" in a temporary data folder and loaded through the manager, with
// the render system and the sprite manager their sprites need.
class ParticleSystemTest : public TestSupport::SpriteTest
{
protected:
    void SetUp() override
    {
        ReportRecorder::Clear();
        Korrin::SeedRand(1);
    }

    // One emitter whose table holds `keys`, with a one-frame sprite at (100, 50).
    ParticleSystem* Load(const std::string& keys)
    {
        return LoadFile("Effect = { { Sprite = { Image = 'sheet.png', Pos = {100, 50} }, " + keys + " } }");
    }

    ParticleSystem* LoadFile(const std::string& text)
    {
        Script("test.particle", text);
        return mParticles.CreateParticleSystem("test.particle", "Effect");
    }

    std::string LogText() { return mRender.Log().Text(); }

    static BaseParticleSystem& Emitter(ParticleSystem* system) { return *system->GetBaseParticleSystem(0); }

    // Runs frames of 1/60 s and returns how many particles each frame left alive.
    static std::vector<std::size_t> RunFrames(ParticleSystem* system, int frames)
    {
        std::vector<std::size_t> live;
        for (int i = 0; i < frames; ++i)
        {
            system->Update(kFrame);
            live.push_back(Emitter(system).GetLiveParticles().size());
        }
        return live;
    }

    Korrin::ParticleManager mParticles;
};

TEST_F(ParticleSystemTest, TheFileGivesEachSettingWithItsScaleAndMissingKeysKeepTheirDefaults)
{
    ParticleSystem* system =
        Load("PartSysStartTime = 5, PartSysLifeTime = 20, Loop = 1, ParticlesQuota = 7.9, "
             "PerSecond = 30, RandPos = {4, 6}, LifeTime = 150, RandLifeTime = 50, "
             "Direction = 90, RandDirection = 2, Velocity = 40, RandVelocity = 3, "
             "Gravity = 10, RandGravity = 4, GravityDirection = 180, Spin = 30, RandSpin = 7, "
             "MoveParticles = 1, SpinDirection = 0, "
             "SizeList = { {100, 50, 0}, {200, 300, 100} }, "
             "ColourList = { {1, 0, 0, 1, 0}, 'skip', {0, 0, 1, 0.5, 100} }, "
             "Moveable = { Velocity = 10, List2 = { {0, 0}, {30, 40} } }");
    ASSERT_EQ(system->GetEmitterCount(), 1u);
    const BaseParticleSystem& emitter = Emitter(system);
    const BaseParticleSystem::Settings& s = emitter.GetSettings();
    EXPECT_EQ(emitter.GetPosition(), (Korrin::Vector2{100, 50})) << "the sprite's place";
    EXPECT_EQ(emitter.GetQuota(), 7u);
    EXPECT_FLOAT_EQ(s.startTime, 0.5f);
    EXPECT_FLOAT_EQ(s.emissionLength, 2.0f);
    EXPECT_TRUE(s.loop);
    EXPECT_FLOAT_EQ(s.perSecond, 30.0f);
    EXPECT_EQ(s.randomPosition, (Korrin::Vector2{4, 6}));
    EXPECT_FLOAT_EQ(s.particleLife, 1.5f);
    EXPECT_FLOAT_EQ(s.randomLife, 0.5f);
    EXPECT_FLOAT_EQ(s.direction, 90.0f);
    EXPECT_FLOAT_EQ(s.randomDirection, 0.2f);
    EXPECT_FLOAT_EQ(s.velocity, 40.0f);
    EXPECT_FLOAT_EQ(s.randomVelocity, 3.0f);
    EXPECT_FLOAT_EQ(s.gravity, 5.0f);
    EXPECT_FLOAT_EQ(s.randomGravity, 2.0f);
    EXPECT_FLOAT_EQ(s.gravityDirection, 180.0f);
    EXPECT_FLOAT_EQ(s.spin, 3.0f);
    EXPECT_FLOAT_EQ(s.randomSpin, 0.7f);
    EXPECT_TRUE(s.moveParticles);
    EXPECT_FALSE(s.spinDirection);
    EXPECT_EQ(s.lastScaleKey, 1u);
    EXPECT_FLOAT_EQ(s.scaleKeys[1].time, 1.0f);
    EXPECT_EQ(s.scaleKeys[1].scale, (Korrin::Vector2{2.0f, 3.0f}));
    EXPECT_EQ(s.lastColourKey, 1u) << "an entry of the wrong shape takes no index";
    EXPECT_EQ(s.colourKeys[1].colour, (Korrin::Colour{0, 0, 1, 0.5f}));
    EXPECT_EQ(emitter.GetPath().GetCount(), 2u);
    EXPECT_FLOAT_EQ(emitter.GetPath().GetVelocity(), 10.0f);

    const BaseParticleSystem::Settings defaults = Emitter(Load("")).GetSettings();
    EXPECT_FLOAT_EQ(defaults.particleLife, 2.0f);
    EXPECT_FLOAT_EQ(defaults.perSecond, 10.0f);
    EXPECT_FLOAT_EQ(defaults.randomDirection, 1.0f);
    EXPECT_FLOAT_EQ(defaults.colourKeys[0].time, 100.0f);
    EXPECT_EQ(Emitter(Load("")).GetQuota(), 0u) << "without a quota an emitter has no particles";
}

TEST_F(ParticleSystemTest, KeysPastTheSeventhAreIgnored)
{
    std::string sizes = "SizeList = {";
    for (int i = 0; i < 9; ++i)
    {
        sizes += "{" + std::to_string(100 + i) + ", 100, " + std::to_string(i * 10) + "},";
    }
    const BaseParticleSystem::Settings& s = Emitter(Load(sizes + "}")).GetSettings();
    EXPECT_EQ(s.lastScaleKey, 6u);
    EXPECT_FLOAT_EQ(s.scaleKeys[6].scale.x, 1.06f);
}

TEST_F(ParticleSystemTest, EmissionCarriesTheFractionAndStopsAtTheQuota)
{
    ParticleSystem* steady = Load("Loop = 1, ParticlesQuota = 100, PerSecond = 25, LifeTime = 1000");
    const std::vector<std::size_t> live = RunFrames(steady, 60);
    for (std::size_t i = 1; i < live.size(); ++i)
    {
        EXPECT_LE(live[i] - live[i - 1], 1u) << "0 or 1 per frame";
    }
    EXPECT_NEAR(static_cast<double>(live.back()), 25.0, 1.0);

    ParticleSystem* full = Load("Loop = 1, ParticlesQuota = 5, PerSecond = 6000, LifeTime = 1000");
    EXPECT_EQ(RunFrames(full, 3), (std::vector<std::size_t>{5, 5, 5}));
    EXPECT_EQ(Emitter(full).GetFreeCount(), 0u);
}

TEST_F(ParticleSystemTest, ANonLoopingEmitterWaitsForItsStartAndEmitsOnlyInItsWindow)
{
    ParticleSystem* system = Load("PartSysStartTime = 10, PartSysLifeTime = 5, ParticlesQuota = 100, "
                                  "PerSecond = 60, LifeTime = 1000, "
                                  "Moveable = { Velocity = 60, List2 = { {0, 0}, {1000, 0} } }");
    const std::vector<std::size_t> live = RunFrames(system, 59);
    EXPECT_EQ(live.back(), 0u);
    EXPECT_FLOAT_EQ(Emitter(system).GetPath().GetTravelled(), 0.0f) << "nothing moves before the start";
    const std::vector<std::size_t> later = RunFrames(system, 60);
    EXPECT_NEAR(static_cast<double>(later.back()), 30.0, 1.0) << "half a second of emission";
    EXPECT_GT(Emitter(system).GetPath().GetTravelled(), 0.0f);

    ParticleSystem* never = Load("ParticlesQuota = 10, PerSecond = 600");
    RunFrames(never, 5);
    EXPECT_FALSE(Emitter(never).IsActive()) << "no loop and no emission length: never emits, soon done";
}

TEST_F(ParticleSystemTest, ParticlesAreSetUpFromTheRandomSequenceInItsOrder)
{
    // With seed 1 the draws are 41, 18467, 6334, 26500, 19169 ... (of 32767).
    ParticleSystem* system =
        Load("Loop = 1, ParticlesQuota = 1, PerSecond = 60, RandPos = {10, 0}, LifeTime = 100, RandLifeTime "
             "= 100, "
             "Direction = 0, RandDirection = 0, Velocity = 100, RandVelocity = 3, RandSpin = 10");
    system->Update(kFrame);
    ASSERT_EQ(Emitter(system).GetLiveParticles().size(), 1u);
    const Particle& p = *Emitter(system).GetLiveParticles().front();
    const auto r = [](int value) { return static_cast<float>(value) / 32767.0f; };
    EXPECT_FLOAT_EQ(p.x, 100.0f + r(41) * 10.0f) << "only axes with a spread draw";
    EXPECT_FLOAT_EQ(p.y, 50.0f);
    EXPECT_FLOAT_EQ(p.remainingLife, 1.0f + r(18467));
    // No spread of direction draws nothing; the speed factor 1 + 2 x r(6334) is cut to 1.
    EXPECT_FLOAT_EQ(p.velocityX, 0.0f);
    EXPECT_FLOAT_EQ(p.velocityY, 100.0f) << "direction 0 falls straight down";
    EXPECT_FLOAT_EQ(p.angle, r(26500) * 1.0f);
}

TEST_F(ParticleSystemTest, SpeedFactorsAreWholeNumbers)
{
    ParticleSystem* system = Load("Loop = 1, ParticlesQuota = 400, PerSecond = 24000, LifeTime = 1000, "
                                  "RandDirection = 0, Velocity = 10, RandVelocity = 3");
    system->Update(kFrame);
    std::set<float> speeds;
    for (const Particle* particle : Emitter(system).GetLiveParticles())
    {
        speeds.insert(particle->velocityY);
    }
    EXPECT_EQ(speeds, (std::set<float>{10.0f, 20.0f}));
}

TEST_F(ParticleSystemTest, ParticlesMoveFadeAndRetire)
{
    ParticleSystem* system =
        Load("Loop = 1, ParticlesQuota = 1, PerSecond = 60, LifeTime = 100, RandDirection = 0, "
             "Velocity = 60, ColourList = { {1,1,1,1, 0}, {1,1,1,0, 100} }");
    system->Update(kFrame); // born, not advanced
    const Particle& p = *Emitter(system).GetLiveParticles().front();
    EXPECT_FLOAT_EQ(p.y, 50.0f);
    EXPECT_FLOAT_EQ(p.colour.alpha, 1.0f);
    RunFrames(system, 30);
    EXPECT_NEAR(p.y, 80.0f, 1e-3);
    EXPECT_NEAR(p.colour.alpha, 0.5f, 1e-4) << "opaque to clear over the life";
    RunFrames(system, 30);
    EXPECT_NEAR(p.colour.alpha, 0.0f, 1e-4);
    // Once its life is below 0 the next update returns it to the pool, and a new one is born from it.
    const Particle* first = &p;
    int updates = 0;
    while (updates < 3 && first->remainingLife >= 0.0f)
    {
        system->Update(kFrame);
        ++updates;
    }
    system->Update(kFrame);
    ASSERT_EQ(Emitter(system).GetLiveParticles().size(), 1u);
    EXPECT_EQ(Emitter(system).GetLiveParticles().front(), first) << "the store is reused";
    EXPECT_FLOAT_EQ(first->y, 50.0f);
    EXPECT_FLOAT_EQ(first->remainingLife, 1.0f);
}

TEST_F(ParticleSystemTest, ImmortalParticlesStopDrawingWhenTheWindowEnds)
{
    ParticleSystem* system =
        Load("PartSysLifeTime = 5, ParticlesQuota = 10, PerSecond = 60, LifeTime = -100");
    RunFrames(system, 29);
    EXPECT_TRUE(Emitter(system).IsActive());
    ASSERT_FALSE(Emitter(system).GetLiveParticles().empty());
    EXPECT_FLOAT_EQ(Emitter(system).GetLiveParticles().front()->remainingLife, 1.0f) << "they never age";
    RunFrames(system, 2);
    EXPECT_FALSE(Emitter(system).IsActive());
}

TEST_F(ParticleSystemTest, AZeroLifeIsReportedAndItsParticlesStayFinite)
{
    ParticleSystem* system = Load("Loop = 1, ParticlesQuota = 2, PerSecond = 60, LifeTime = 0, Spin = 10, "
                                  "SizeList = { {100,100,0}, {300,300,100} }, "
                                  "ColourList = { {1,1,1,1, 0}, {1,1,1,0, 100} }");
    EXPECT_EQ(ReportRecorder::LastDescription(), "test.particle ,LifeTime=0");
    RunFrames(system, 2);
    for (const Particle* particle : Emitter(system).GetLiveParticles())
    {
        EXPECT_TRUE(std::isfinite(particle->scaleX) && std::isfinite(particle->colour.alpha) &&
                    std::isfinite(particle->angle) && std::isfinite(particle->framePosition));
        EXPECT_FLOAT_EQ(particle->scaleX, 1.0f) << "a particle with no life keeps its first key";
    }
}

TEST_F(ParticleSystemTest, OversizedFiguresFromTheFileAreCutWithALogLine)
{
    ParticleSystem* system = Load("Loop = 1, ParticlesQuota = 1e12, PerSecond = 1e30, LifeTime = 1000");
    EXPECT_EQ(Emitter(system).GetQuota(), ParticleSystem::kMaxQuota);
    EXPECT_FLOAT_EQ(Emitter(system).GetSettings().perSecond, ParticleSystem::kMaxPerSecond);
    EXPECT_NE(LogText().find("\"ParticlesQuota\""), std::string::npos);
    EXPECT_NE(LogText().find("\"PerSecond\""), std::string::npos);
    system->Update(kFrame);
    EXPECT_EQ(Emitter(system).GetLiveParticles().size(), 1666u);

    ParticleSystem* broken =
        Load("Loop = 1, ParticlesQuota = 3, PerSecond = 0/0, LifeTime = 1/0, Velocity = -(0/0)");
    EXPECT_FLOAT_EQ(Emitter(broken).GetSettings().perSecond, 10.0f)
        << "a number that is not finite is ignored";
    EXPECT_FLOAT_EQ(Emitter(broken).GetSettings().particleLife, 2.0f);
}

TEST_F(ParticleSystemTest, BrokenFilesAreReportedOrSkipped)
{
    ParticleSystem* missing = LoadFile("Other = {}");
    EXPECT_EQ(ReportRecorder::LastDescription(),
              "test.particle not found: Effect (ParticleSystem::ParticleSystem)");
    EXPECT_EQ(missing->GetEmitterCount(), 0u);

    ReportRecorder::Clear();
    ParticleSystem* partly = LoadFile("Effect = { { ParticlesQuota = 3 }, 7, { Sprite = {} } }");
    EXPECT_EQ(partly->GetEmitterCount(), 1u) << "an emitter without its sprite is left out";
    EXPECT_NE(LogText().find("has no \"Sprite\" table"), std::string::npos);
    EXPECT_EQ(partly->GetBaseParticleSystem(1), nullptr);
    EXPECT_EQ(ReportRecorder::LastDescription(), "index>size (ParticleSystem::GetBaseParticleSystem)");
}

TEST_F(ParticleSystemTest, MovingTheSystemCarriesLiveParticlesOnlyWhenAskedTo)
{
    ParticleSystem* carried = Load("Loop = 1, ParticlesQuota = 1, PerSecond = 60, MoveParticles = 1");
    ParticleSystem* left = Load("Loop = 1, ParticlesQuota = 1, PerSecond = 60");
    for (ParticleSystem* system : {carried, left})
    {
        system->Update(kFrame);
        system->SetPosition({110.7f, 40.2f});
        EXPECT_EQ(Emitter(system).GetPosition(),
                  system == carried ? (Korrin::Vector2{110, 40}) : (Korrin::Vector2{110.7f, 40.2f}));
    }
    EXPECT_FLOAT_EQ(Emitter(carried).GetLiveParticles().front()->y, 40.0f);
    EXPECT_FLOAT_EQ(Emitter(left).GetLiveParticles().front()->y, 50.0f);
}

TEST_F(ParticleSystemTest, PrototypesAreKeptUntilDeleted)
{
    ParticleSystem* system = Load("");
    EXPECT_EQ(mParticles.GetCount(), 1u);
    ParticleSystem stranger;
    EXPECT_FALSE(mParticles.DeleteParticleSystem(&stranger));
    EXPECT_TRUE(mParticles.DeleteParticleSystem(system));
    EXPECT_EQ(mParticles.GetCount(), 0u);
}

// A list of running copies, advanced by the engine's timer on a fixed-step clock.
class ParticleSystemListTest : public ParticleSystemTest
{
protected:
    ParticleSystemListTest() { mTimer.Reset(); }

    void Frame()
    {
        mRender.Services().FrameStarted();
        mTimer.Update();
        mList.Update();
    }

    Korrin::TimerManager mTimer;
    ParticleSystemList mList;
};

TEST_F(ParticleSystemListTest, CopiesRunOnTheirOwnAndAFinishedOneLeavesOnTheNextUpdate)
{
    const ParticleSystem* prototype =
        Load("PartSysLifeTime = 1, ParticlesQuota = 4, PerSecond = 120, LifeTime = 5");
    ParticleSystem* first = mList.Add(*prototype);
    ASSERT_EQ(first->GetEmitterCount(), 1u);
    EXPECT_EQ(first->GetBaseParticleSystem(0)->GetQuota(), 4u);
    EXPECT_FLOAT_EQ(first->GetBaseParticleSystem(0)->GetSettings().particleLife, 0.05f);

    Frame();
    Frame();
    EXPECT_EQ(first->GetBaseParticleSystem(0)->GetLiveParticles().size(), 4u);
    EXPECT_TRUE(prototype->GetEmitterCount() == 1 &&
                Emitter(const_cast<ParticleSystem*>(prototype)).GetLiveParticles().empty())
        << "the prototype does not run";

    // Emission ends at 0.1 s, the last particles die by 0.15 s; the emitter then goes inactive in one
    // update and the list drops the system in the next.
    int frames = 2;
    while (first->HasActiveEmitter() && frames < 60)
    {
        Frame();
        ++frames;
    }
    EXPECT_LT(frames, 60);
    EXPECT_EQ(mList.GetCount(), 1u);
    Frame();
    EXPECT_EQ(mList.GetCount(), 0u);

    mList.Add(*prototype);
    mList.Add(*prototype);
    mList.Clear();
    EXPECT_EQ(mList.GetCount(), 0u);
}

} // namespace

namespace
{

TEST_F(ParticleSystemTest, EachLiveParticleIsDrawnInItsFrameWhileTheEmitterIsActive)
{
    ParticleSystem* system = LoadFile("Effect = { { Sprite = { Image = 'sheet.png', Pos = {100, 50}, "
                                      "Animation = { FramesCols = 4, FramesRows = 2, NumFrames = 8 } }, "
                                      "Loop = 1, ParticlesQuota = 3, PerSecond = 60, LifeTime = 100 } }");
    RunFrames(system, 30);
    BaseParticleSystem& emitter = Emitter(system);
    ASSERT_EQ(emitter.GetLiveParticles().size(), 3u);
    EXPECT_EQ(QuadsDrawn([&] { system->Draw({0.0f, 0.0f}); }), 3u);
    // Without loop the eight frames play once over the second of life: the oldest is 29 frames old, the
    // newest 27 (frame 3 of 8).
    EXPECT_NEAR(emitter.GetLiveParticles().front()->framePosition, 29.0f / 60.0f * 8.0f, 1e-3);
    EXPECT_EQ(emitter.GetSprite()->GetSrcRect(), (Korrin::Rect{48, 0, 64, 16})) << "frame 3, the last drawn";

    system->Stop();
    EXPECT_EQ(QuadsDrawn([&] { system->Draw({0.0f, 0.0f}); }), 0u);
}

} // namespace

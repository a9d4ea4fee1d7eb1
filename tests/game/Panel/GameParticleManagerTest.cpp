#include "game/Game/GameParticleManager.h"

#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleSystem.h"
#include "tests/game/Panel/SampleMedia.h"

#include <gtest/gtest.h>
#include <memory>

using TestSupport::ReportRecorder;

namespace
{

class GameParticleManagerTest : public TestSupport::SampleMediaTest
{
protected:
    GameParticleManagerTest()
    {
        mGameParticles->Load();
        mTimer.Reset();
    }

    // One frame of 1/60 s for the frame timer.
    void Frame()
    {
        mRender.Services().GetClock().AdvanceFrame();
        mTimer.Update();
    }

    std::unique_ptr<GameParticleManager> mGameParticles = std::make_unique<GameParticleManager>();
};

const char* const kKindError =
    "! Error in GameParticleManager::AddParticleToDQ(NameParticles typeParticle, Vector2 particlePosition)";

} // namespace

TEST_F(GameParticleManagerTest, TheSampleDataHoldsEveryEffectWithEmitters)
{
    ASSERT_EQ(mGameParticles->GetPrototypeCount(), static_cast<std::size_t>(kParticleKinds));
    for (std::size_t kind = 0; kind < kParticleKinds; ++kind)
    {
        EXPECT_GT(mGameParticles->GetPrototype(kind)->GetEmitterCount(), 0u) << kind;
    }
    // The second sale effect is a copy of its own, so both can run at different places.
    EXPECT_NE(mGameParticles->GetPrototype(kParticleSalePers),
              mGameParticles->GetPrototype(kParticleSalePersSecond));
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << (Reports().empty() ? "" : Reports().front());
}

TEST_F(GameParticleManagerTest, AnUnknownKindIsLoggedAndRefused)
{
    EXPECT_FALSE(mGameParticles->AddParticleToDQ(static_cast<NameParticles>(12), {10.0f, 10.0f}));
    EXPECT_NE(LogText().find(kKindError), std::string::npos);
    EXPECT_EQ(mGameParticles->GetQueue()->GetCount(), 0u);
    EXPECT_FALSE(mGameParticles->AddParticleToDQ(nullptr));
    EXPECT_NE(LogText().find("! Error in GameParticleManager::AddParticleToDQ\n"), std::string::npos);
}

TEST_F(GameParticleManagerTest, ALaidOutEffectMovesAsAWholeWithItsFirstEmitterAtThePlace)
{
    Korrin::ParticleSystem* prototype = mGameParticles->GetPrototype(kParticleCompleteOneGoods);
    ASSERT_GE(prototype->GetEmitterCount(), 2u);
    const Korrin::Vector2 first = prototype->GetBaseParticleSystem(0)->GetPosition();
    const Korrin::Vector2 second = prototype->GetBaseParticleSystem(1)->GetPosition();
    ASSERT_TRUE(mGameParticles->AddParticleToDQ(kParticleCompleteOneGoods, {300.0f, 18.0f}));
    ASSERT_EQ(mGameParticles->GetQueue()->GetCount(), 1u);
    Korrin::ParticleSystem& copy = *mGameParticles->GetQueue()->GetSystems().front();
    EXPECT_EQ(copy.GetBaseParticleSystem(0)->GetPosition(), (Korrin::Vector2{300.0f, 18.0f}));
    EXPECT_EQ(copy.GetBaseParticleSystem(1)->GetPosition(),
              (Korrin::Vector2{300.0f + second.x - first.x, 18.0f + second.y - first.y}));
    // A second effect at another place keeps the layout too.
    ASSERT_TRUE(mGameParticles->AddParticleToDQ(kParticleCompleteOneGoods, {100.0f, 50.0f}));
    Korrin::ParticleSystem& later = *mGameParticles->GetQueue()->GetSystems().back();
    EXPECT_EQ(later.GetBaseParticleSystem(1)->GetPosition(),
              (Korrin::Vector2{100.0f + second.x - first.x, 50.0f + second.y - first.y}));
}

TEST_F(GameParticleManagerTest, APlainEffectRunsAtThePlaceAndEndsByItself)
{
    ASSERT_TRUE(mGameParticles->AddParticleToDQ(kParticleBagBlast, {640.0f, 200.0f}));
    Korrin::ParticleSystem& copy = *mGameParticles->GetQueue()->GetSystems().front();
    EXPECT_EQ(copy.GetBaseParticleSystem(0)->GetPosition(), (Korrin::Vector2{640.0f, 200.0f}));
    for (int frame = 0; frame < 60 * 10 && mGameParticles->GetQueue()->GetCount() > 0; ++frame)
    {
        Frame();
        mGameParticles->Update();
    }
    EXPECT_EQ(mGameParticles->GetQueue()->GetCount(), 0u) << "a finished effect leaves the queue";
}

TEST_F(GameParticleManagerTest, DestructionGivesThePrototypesBackToTheEngine)
{
    EXPECT_EQ(mParticles.GetCount(), static_cast<std::size_t>(kParticleKinds));
    mGameParticles->AddParticleToDQ(kParticleProfessor, {1.0f, 2.0f});
    mGameParticles.reset();
    EXPECT_EQ(mParticles.GetCount(), 0u);
    EXPECT_EQ(GameParticleManager::Peek(), nullptr);
}

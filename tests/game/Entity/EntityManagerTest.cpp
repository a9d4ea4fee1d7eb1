#include "game/Entity/EntityManager.h"

#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "game/Entity/BuyersArrow.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityStartShelf.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/TableCost.h"
#include "tests/game/Panel/SampleMedia.h"

#include <gtest/gtest.h>

namespace
{

// A start shelf that counts its Init calls.
class CountingShelf : public EntityStartShelf
{
public:
    void Init() override { ++inits; }
    int inits = 0;
};

class EntityManagerTest : public TestSupport::SampleMediaTest
{
protected:
    TableCost mTable;
    GameParticleManager mGameParticles;
    EntityManager mEntities;
};

} // namespace

TEST_F(EntityManagerTest, EntitiesOfOneCodeKeepTheirOrderAndIdsFollowRegistration)
{
    auto* shelf = new CountingShelf();
    std::vector<Entity*> gardens;
    mEntities.Register(shelf);
    for (int k = 0; k < 3; ++k)
    {
        gardens.push_back(new EntityGarden());
        mEntities.Register(gardens.back());
    }
    EXPECT_EQ(mEntities.GetEntity(Entity::kGarden), gardens[0]);
    EXPECT_EQ(mEntities.GetEntityById(0), shelf);
    EXPECT_EQ(mEntities.GetEntityById(3), gardens[2]);
    EXPECT_EQ(mEntities.GetEntityById(4), nullptr);
    EXPECT_EQ(mEntities.GetEntity(Entity::kShop), nullptr);
    mEntities.Init();
    EXPECT_EQ(shelf->inits, 1);
    auto* late = new CountingShelf();
    mEntities.Register(late);
    EXPECT_EQ(late->inits, 0) << "registered after Init";
}

TEST_F(EntityManagerTest, TheUpgradeSparkleMovesOnlyTheEmittersItHolds)
{
    mEntities.AddUpgradePS(100.0f, 100.0f);
    EXPECT_NE(LogText().find("! Error in EntityManager::AddUpgradePS"), std::string::npos) << "before Init";
    mEntities.Init();
    Korrin::ParticleSystem* sparkle = mEntities.GetUpgradeEffect();
    ASSERT_NE(sparkle, nullptr);
    ASSERT_EQ(sparkle->GetEmitterCount(), 3u) << "the sample sparkle has fewer emitters than five";
    const Korrin::Vector2 first = sparkle->GetBaseParticleSystem(0)->GetPosition();
    const Korrin::Vector2 third = sparkle->GetBaseParticleSystem(2)->GetPosition();
    mEntities.AddUpgradePS(300.0f, 200.0f);
    EXPECT_TRUE(Reports().empty()) << Reports().front();
    EXPECT_EQ(sparkle->GetBaseParticleSystem(0)->GetPosition(), (Korrin::Vector2{300.0f, 200.0f}));
    EXPECT_EQ(sparkle->GetBaseParticleSystem(2)->GetPosition(),
              (Korrin::Vector2{third.x + 300.0f - first.x, third.y + 200.0f - first.y}));
    EXPECT_EQ(mGameParticles.GetQueue()->GetCount(), 1u);
    mEntities.AddBuildingUpPS(400.0f, 300.0f);
    EXPECT_EQ(mEntities.GetBuildingUpEffect()->GetBaseParticleSystem(0)->GetPosition(),
              (Korrin::Vector2{204.0f, 320.0f}));
    EXPECT_EQ(mGameParticles.GetQueue()->GetCount(), 2u);
    EXPECT_NE(mEntities.GetStealingEffect(), nullptr);
}

TEST_F(EntityManagerTest, ArrowsMirrorOnTheFarHalfAndDrawTheirBackgroundsFrame)
{
    struct Case
    {
        std::uint8_t type;
        std::int32_t column;
        bool mirrored;
    };
    // Column 8 starts at x 512, the middle of the screen.
    const Case cases[] = {{Entity::kBuyersEntry, 0, false}, {Entity::kBuyersEntry, 8, false},
                          {Entity::kBuyersEntry, 9, true},  {Entity::kBuyersExit, 15, false},
                          {Entity::kBuyersExit, 8, false},  {Entity::kBuyersExit, 7, true}};
    for (const Case& test : cases)
    {
        BuyersArrow arrow(test.type);
        arrow.Place(test.column, 10);
        EXPECT_EQ(arrow.IsMirrored(), test.mirrored) << int(test.type) << " at " << test.column;
    }
    BuyersArrow arrow(Entity::kBuyersEntry);
    arrow.Init();
    ASSERT_NE(arrow.GetSprite(), nullptr);
    EXPECT_EQ(arrow.GetSprite()->GetFrameCount(), 4u) << "one frame per background type";
    EXPECT_EQ(BuyersArrow::FrameFor(2, 4), 2);
    EXPECT_EQ(BuyersArrow::FrameFor(9, 4), 3) << "a large background type takes the last frame";
    arrow.Place(9, 10);
    arrow.Draw();
    EXPECT_FALSE(arrow.GetSprite()->IsMirroredH()) << "the mirror flag is cleared after the draw";
    EXPECT_TRUE(Reports().empty());
}

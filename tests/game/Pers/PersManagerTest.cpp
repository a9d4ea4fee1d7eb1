#include "game/Pers/PersManager.h"

#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Particle/ParticleSystemList.h"
#include "game/Entity/PlaceholderEntity.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GamePanelPers.h"
#include "game/Pers/PersFairy.h"
#include "game/Pers/PersRunBoy.h"
#include "game/Pers/PersRunBuyer.h"
#include "game/Pers/PersRunGardener.h"
#include "game/Pers/PersRunThief.h"
#include "tests/game/Pers/PersLevelFixture.h"

#include <cstring>
#include <limits>

using TestSupport::LevelFileBuilder;

namespace
{

// A building whose worker can be inside it.
class Home final : public PlaceholderEntity
{
public:
    Home() : PlaceholderEntity(30) {}
    void SetWorkerInside(bool inside) { mStateByte = inside ? 1 : 0; }

protected:
    std::string GetPicture() const override { return "mark.png"; }
};

class PersManagerTest : public TestSupport::PersLevelFixture
{
protected:
    PersManagerTest()
    {
        LevelFileBuilder level;
        level.buyers.clear();
        level.Floor(22);
        Build(level);
    }

    Pers* Place(std::uint8_t code, float y, std::uint8_t facing = Pers::kLeft)
    {
        Pers* character = Make(code);
        character->SetActive(true);
        character->SetPosition({100.0f, y});
        character->SetDirection(facing);
        return character;
    }
    std::vector<const Pers*> Order() const
    {
        std::vector<const Pers*> order;
        for (const auto& character : mLevel.GetPersManager()->GetCharacters())
        {
            order.push_back(character.get());
        }
        return order;
    }
};

} // namespace

TEST_F(PersManagerTest, EachCodeMakesItsClassAndBuyersWaitNumberedOffTheField)
{
    struct Case
    {
        std::uint8_t code;
        std::uint8_t type;
        std::uint8_t kind;
    } cases[] = {{5, Pers::kGardener, 5},  {26, Pers::kErrandBoy, 26}, {62, Pers::kErrandBoy, 62},
                 {38, Pers::kFairy, 38},   {66, Pers::kFairy, 66},     {136, Pers::kThief, 136},
                 {139, Pers::kBuyer, 139}, {152, Pers::kBuyer, 152},   {30, Pers::kErrandBoy, 30},
                 {77, Pers::kBuyer, 77}};
    std::uint32_t saveNumber = 0;
    for (const Case& c : cases)
    {
        Pers* character = Characters().CreatePers(c.code);
        EXPECT_EQ(character->GetType(), c.type) << int(c.code);
        EXPECT_EQ(character->GetKind(), c.kind) << int(c.code);
        EXPECT_EQ(character->GetSaveNumber(), saveNumber++) << int(c.code);
    }
    const auto& buyers = Characters().GetBuyers();
    ASSERT_EQ(buyers.size(), 3u);
    std::uint16_t number = 1;
    for (const auto& [key, buyer] : buyers)
    {
        EXPECT_EQ(key, number);
        EXPECT_EQ(buyer->GetNumber(), number++);
        EXPECT_FALSE(buyer->IsActive());
    }
    EXPECT_NE(dynamic_cast<PersRunGardener*>(Characters().GetCharacters()[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<PersRunThief*>(Characters().GetCharacters()[5].get()), nullptr);
}

TEST_F(PersManagerTest, TheDrawingOrderIsFiveStableSorts)
{
    Home inside;
    inside.SetWorkerInside(true);
    Home outside;
    Pers* lowBuyer = Place(139, 300.0f);
    Pers* thief = Place(136, 100.0f);
    Pers* highBuyer = Place(140, 200.0f);
    Pers* sameBuyer = Place(141, 300.0f);
    Pers* climbingThief = Place(136, 50.0f, Pers::kUp);
    Pers* boyInside = Place(26, 400.0f);
    boyInside->SetHomeEntity(&inside);
    Pers* fairyOutside = Place(38, 500.0f);
    fairyOutside->SetHomeEntity(&outside);
    Pers* gardener = Place(5, 600.0f);
    gardener->SetHomeEntity(&outside);
    Pers* climbingBoy = Place(30, 10.0f, Pers::kUp);
    climbingBoy->SetHomeEntity(&outside);
    Characters().Update(0.0f);
    EXPECT_EQ(Order(), (std::vector<const Pers*>{boyInside, fairyOutside, gardener, climbingBoy,
                                                 climbingThief, highBuyer, lowBuyer, sameBuyer, thief}));
    Characters().Update(0.0f);
    EXPECT_EQ(Order()[6], lowBuyer) << "equal depths keep their order";
}

TEST_F(PersManagerTest, QueuePlacesAndCellsTaken)
{
    PersManager& characters = Characters();
    characters.GetBuyersQueue().Elements().clear();
    EXPECT_EQ(characters.GetQueuePlace(PersManager::kTailPlace), (IJ{-1, -1}));
    for (int place = 0; place < 3; ++place)
    {
        characters.GetBuyersQueue().push_back({place + 1, 22, 0});
    }
    EXPECT_EQ(characters.GetQueuePlace(PersManager::kTailPlace), (IJ{3, 22}));
    EXPECT_EQ(characters.GetQueuePlace(1), (IJ{2, 22}));
    EXPECT_EQ(characters.GetQueuePlace(3), (IJ{-1, -1}));
    EXPECT_EQ(characters.GetQueuePlace(998), (IJ{-1, -1}));
    characters.SetQueuePlaceTaken(2, true);
    characters.SetQueuePlaceTaken(3, true);
    characters.SetQueuePlaceTaken(-1, true);
    EXPECT_EQ(characters.GetBuyersQueue()[2].taken, 1);
    EXPECT_EQ(characters.GetBuyersQueue()[0].taken, 0);

    Pers* standing = Make(139);
    standing->SetIJ(4, 22);
    EXPECT_FALSE(characters.IsCellTaken(4, 22)) << "a buyer waiting off the field takes no cell";
    standing->SetActive(true);
    EXPECT_TRUE(characters.IsCellTaken(4, 22));
    EXPECT_FALSE(characters.IsCellTaken(4, 22, standing)) << "not for itself";
    EXPECT_FALSE(characters.IsCellTaken(5, 22));
}

TEST_F(PersManagerTest, TheAdmissionTimerWaitsPastFiveSeconds)
{
    Characters().SetAdmissionTimer(4.0f);
    Characters().Update(1.0f);
    EXPECT_EQ(Characters().GetAdmissionTimer(), 5.0f);
    Characters().Update(0.5f);
    EXPECT_EQ(Characters().GetAdmissionTimer(), 0.0f);
}

TEST_F(PersManagerTest, TheIdleSleeperIsFoundByNumber)
{
    Pers* other = Place(139, 300.0f);
    other->PlayAnimation("walk_idle", Pers::kKeepFacing);
    Korrin::Vector2 where{-1.0f, -1.0f};
    EXPECT_FALSE(Characters().IsPersWalkIdle(&where));
    Pers* first = Place(142, 300.0f);
    Pers* second = Place(142, 400.0f);
    second->PlayAnimation("walk_idle", Pers::kKeepFacing);
    first->PlayAnimation("walk_idle", Pers::kKeepFacing);
    first->SetPosition({7.0f, 8.0f});
    EXPECT_TRUE(Characters().IsPersWalkIdle(nullptr));
    EXPECT_TRUE(Characters().IsPersWalkIdle(&where));
    EXPECT_EQ(where, (Korrin::Vector2{7.0f, 8.0f}));
    first->SetActive(false);
    EXPECT_TRUE(Characters().IsPersWalkIdle(&where));
    EXPECT_EQ(where, second->GetPosition());
}

TEST_F(PersManagerTest, ABuyerIsFoundByItsSaveNumberAndNoOtherCharacterIs)
{
    const Pers* gardener = Characters().CreatePers(5);
    auto* buyer = dynamic_cast<PersRunBuyer*>(Characters().CreatePers(139));
    ASSERT_NE(buyer, nullptr);
    const ShopBuyer* found = Characters().FindBuyer(buyer->GetSaveNumber());
    EXPECT_EQ(found, buyer) << "the buyer's own part, not the character's address";
    EXPECT_EQ(Characters().FindBuyer(gardener->GetSaveNumber()), nullptr);
    EXPECT_EQ(Characters().FindBuyer(buyer->GetSaveNumber() + 1), nullptr);
}

TEST_F(PersManagerTest, TheTeleportSparkleStartsAtBothEnds)
{
    Characters().PlaceTeleportEffect(2, 20, 2, 17);
    ASSERT_EQ(Characters().GetTeleportEffects().GetCount(), 2u);
    const auto& systems = Characters().GetTeleportEffects().GetSystems();
    EXPECT_EQ(systems.front()->GetBaseParticleSystem(0)->GetPosition(),
              (Korrin::Vector2{128 + 33, 520 + 10}));
    EXPECT_EQ(systems.back()->GetBaseParticleSystem(2)->GetPosition(), (Korrin::Vector2{128 + 17, 448 - 25}));
}

TEST_F(PersManagerTest, TheBlockOfFourPlacesIs53BytesAndReadsBack)
{
    PersManager& characters = Characters();
    characters.GetBuyersQueue().Elements().clear();
    for (int place = 0; place < 4; ++place)
    {
        characters.GetBuyersQueue().push_back({place, 22, static_cast<std::uint8_t>(place % 2)});
    }
    characters.SetAdmissionTimer(2.5f);
    characters.BuyerEntered();
    characters.SetCounterTaken(true);
    Korrin::BinaryWriter out;
    characters.Save(out);
    ASSERT_EQ(out.Bytes().size(), 53u);

    characters.SetAdmissionTimer(0.0f);
    characters.GetBuyersQueue()[3].taken = 0;
    Korrin::BinaryReader in(out.Bytes());
    characters.Load(in);
    ASSERT_TRUE(in.Ok());
    Korrin::BinaryWriter again;
    characters.Save(again);
    EXPECT_EQ(again.Bytes(), out.Bytes());

    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case
    {
        const char* what;
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
    } cases[] = {{"a timer that is no number", 0, {}},
                 {"a negative buyer count", 4, {0xFF, 0xFF, 0xFF, 0xFF}},
                 {"another number of places", 9, {5, 0, 0, 0}},
                 {"a huge number of places", 9, {0xFF, 0xFF, 0xFF, 0x7F}},
                 {"a portrait place with no portraits", 49, {1, 0, 0, 0}}};
    for (const Case& c : cases)
    {
        std::vector<std::uint8_t> bytes = out.Bytes();
        if (c.bytes.empty())
        {
            std::memcpy(bytes.data(), &nan, 4);
        }
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(c.offset));
        Korrin::BinaryReader hostile(bytes);
        characters.Load(hostile);
        EXPECT_FALSE(hostile.Ok()) << c.what;
    }
}

// After a continue the buyers once came again from the front of the portrait queue: its place is kept
// in the block, including a slide under way when the level was saved.
TEST_F(PersManagerTest, ThePortraitQueuesPlaceIsSavedAndRestored)
{
    GamePanel panel;
    GamePanelPers& portraits = panel.GetPers();
    portraits.Reset();
    for (const std::uint8_t kind : {139, 140, 141, 142, 143})
    {
        portraits.AddPers(kind);
    }
    PersManager& characters = Characters();
    portraits.Advance();
    characters.BuyerEntered(); // the row slides on to place 2
    ASSERT_EQ(portraits.GetCurrentKind(), 140);
    Korrin::BinaryWriter out;
    characters.Save(out);

    portraits.Reset(); // a new start of the level: the front again
    Korrin::BinaryReader in(out.Bytes());
    characters.Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_EQ(portraits.GetHead(), 2u);
    EXPECT_FALSE(portraits.IsAnimating());
    EXPECT_EQ(portraits.GetCurrentKind(), 141);
    EXPECT_EQ(portraits.GetItems()[0].id, 2u);
    EXPECT_EQ(portraits.GetItems()[3].id, 0u); // the row wraps to the start
    Korrin::BinaryWriter again;
    characters.Save(again);
    EXPECT_EQ(again.Bytes(), out.Bytes());

    // The last place wraps to the front.
    portraits.SetPlace(4);
    portraits.StartSlide();
    EXPECT_EQ(portraits.GetPlace(), 0u);

    for (const std::uint32_t place : {5u, 0xFFFFFFFFu})
    {
        std::vector<std::uint8_t> bytes = out.Bytes();
        const std::size_t at = bytes.size() - 4;
        for (std::size_t k = 0; k < 4; ++k)
        {
            bytes[at + k] = static_cast<std::uint8_t>(place >> (8 * k));
        }
        portraits.SetPlace(1);
        Korrin::BinaryReader hostile(bytes);
        characters.Load(hostile);
        EXPECT_FALSE(hostile.Ok()) << place;
        EXPECT_EQ(portraits.GetHead(), 1u) << place;
    }
}

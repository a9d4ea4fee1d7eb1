#include "game/Pers/PersManager.h"

#include "engine/Log/LogManager.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Particle/ParticleSystemList.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityShop.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GamePanelPers.h"
#include "game/Game/Level.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersFairy.h"
#include "game/Pers/PersRunBoy.h"
#include "game/Pers/PersRunBuyer.h"
#include "game/Pers/PersRunGardener.h"
#include "game/Pers/PersRunThief.h"
#include "game/Pers/PersThiefManager.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace
{

constexpr std::uint8_t kIdleBuyerKind = 142;
// How near two bubbles may come before the later one is raised: the cloud's drawn width and height in its
// 80 x 72 frame.
constexpr float kDreamWidth = 70.0f;
constexpr float kDreamHeight = 60.0f;

bool IsClimbing(const Pers& character)
{
    return character.GetFacing() == Pers::kUp || character.GetFacing() == Pers::kDown;
}

bool IsWorkerInside(const Pers& character)
{
    const Entity* home = character.GetHomeEntity();
    return home != nullptr && home->GetStateByte() != 0;
}

// A stable sort by insertion: the list is short and mostly in order already, and it allocates nothing
// (std::stable_sort takes a buffer every frame).
template <typename Before>
void StableSort(std::vector<std::unique_ptr<Pers>>& characters, Before before)
{
    for (std::size_t i = 1; i < characters.size(); ++i)
    {
        for (std::size_t k = i; k > 0 && before(*characters[k], *characters[k - 1]); --k)
        {
            std::swap(characters[k], characters[k - 1]);
        }
    }
}

// One stable sort of the drawing order: the characters with the key go first.
template <typename Key>
void KeyFirst(std::vector<std::unique_ptr<Pers>>& characters, Key key)
{
    StableSort(characters, [&key](const Pers& a, const Pers& b) { return key(a) && !key(b); });
}

} // namespace

PersManager::PersManager()
    : mThiefManager(std::make_unique<PersThiefManager>()),
      mTeleportEffects(std::make_unique<ParticleSystemList>())
{
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek())
    {
        mTeleportPrototype = particles->CreateParticleSystem("TeleportingPS.particle", "TeleportingPS");
        for (std::size_t i = 0; i < mTeleportPrototype->GetEmitterCount(); ++i)
        {
            mTeleportPrototype->GetBaseParticleSystem(i)->SetActive(false);
        }
    }
}

PersManager::~PersManager()
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("PersManager::~PersManager()");
    }
    mBuyersPersList.clear();
    mCharacters.clear();
    mThiefManager.reset();
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek(); particles && mTeleportPrototype)
    {
        particles->DeleteParticleSystem(mTeleportPrototype);
    }
    mTeleportEffects.reset();
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Unregister(this);
    }
}

Pers* PersManager::MakeCharacter(std::uint8_t kindCode) const
{
    if (kindCode == PersRunGardener::kKindCode)
    {
        return new PersRunGardener();
    }
    if (!PersRunBoy::KindListFile(kindCode).empty())
    {
        return new PersRunBoy(kindCode);
    }
    if (!PersFairy::KindListFile(kindCode).empty())
    {
        return new PersFairy(kindCode);
    }
    if (kindCode == Pers::kThief)
    {
        return new PersRunThief();
    }
    return new PersRunBuyer(kindCode);
}

Pers* PersManager::CreatePers(std::uint8_t kindCode)
{
    mCharacters.emplace_back(MakeCharacter(kindCode));
    Pers* character = mCharacters.back().get();
    if (auto* buyer = dynamic_cast<PersRunBuyer*>(character))
    {
        buyer->SetActive(false);
        ++mLastBuyerNumber;
        buyer->SetNumber(mLastBuyerNumber);
        mBuyersPersList[mLastBuyerNumber] = buyer;
    }
    if (auto* thief = dynamic_cast<PersRunThief*>(character))
    {
        mThiefManager->AddThief(thief);
    }
    character->SetSaveNumber(mNextCharacterIndex++);
    return character;
}

bool PersManager::IsCellTaken(std::int32_t I, std::int32_t J, const Pers* asking) const
{
    return std::any_of(mCharacters.begin(), mCharacters.end(),
                       [I, J, asking](const std::unique_ptr<Pers>& character)
                       {
                           if (character.get() == asking || !character->IsActive())
                           {
                               return false;
                           }
                           std::int32_t i = 0;
                           std::int32_t j = 0;
                           character->GetIJ(i, j);
                           return i == I && j == J;
                       });
}

IJ PersManager::GetQueuePlace(std::uint16_t place) const
{
    const std::size_t count = mBuyersQue.size();
    if (place == kTailPlace && count > 0)
    {
        place = static_cast<std::uint16_t>(count - 1);
    }
    if (place >= count)
    {
        return {-1, -1};
    }
    return {mBuyersQue[place].I, mBuyersQue[place].J};
}

void PersManager::SetQueuePlaceTaken(std::int32_t place, bool taken)
{
    if (place >= 0 && static_cast<std::size_t>(place) < mBuyersQue.size())
    {
        mBuyersQue.Elements()[static_cast<std::size_t>(place)].taken = taken ? 1 : 0;
    }
}

bool PersManager::IsPersWalkIdle(Korrin::Vector2* position) const
{
    for (const auto& [number, buyer] : mBuyersPersList)
    {
        if (buyer->IsActive() && buyer->GetKind() == kIdleBuyerKind &&
            buyer->GetAnimationName() == "walk_idle")
        {
            if (position != nullptr)
            {
                *position = buyer->GetPosition();
            }
            return true;
        }
    }
    return false;
}

EntityShop* PersManager::LevelShop()
{
    const Level* level = Level::Peek();
    EntityManager* entities = level != nullptr ? level->GetEntityManager() : nullptr;
    return dynamic_cast<EntityShop*>(entities != nullptr ? entities->GetEntity(Entity::kShop) : nullptr);
}

void PersManager::AdmitBuyer()
{
    EntityShop* shop = LevelShop();
    if (shop == nullptr || shop->IsEmpty())
    {
        return;
    }
    if (mBuyersOnField > static_cast<std::int32_t>(shop->GetUpgradeLevel()) + 1)
    {
        return;
    }
    // Without queue places a buyer would take place -1, which means "on the way to the counter".
    const Level* level = Level::Peek();
    EntityManager* entities = level != nullptr ? level->GetEntityManager() : nullptr;
    Entity* entrance = entities != nullptr ? entities->GetEntity(Entity::kBuyersEntry) : nullptr;
    GamePanel* panel = GamePanel::Peek();
    if (mBuyersQue.size() == 0 || entrance == nullptr || panel == nullptr ||
        panel->GetPers().GetQueue().empty())
    {
        return;
    }
    const auto kind = static_cast<std::uint8_t>(panel->GetPers().GetCurrentKind());
    for (const auto& [number, buyer] : mBuyersPersList)
    {
        if (buyer->IsActive() || buyer->GetKind() != kind)
        {
            continue;
        }
        if (!shop->UpdateDreamBuyers(buyer, number, true))
        {
            // A buyer that keeps a wish from an earlier visit may have had some goods set aside, short of
            // its count; it stays off the field, so they go back to the shelf for the next buyer.
            buyer->ReleaseReservedCells();
            buyer->SetObjBuyCount(0);
            continue;
        }
        WalkTarget cell;
        entrance->GetWalkTarget(&cell, 1);
        buyer->SetIJ(cell.I, cell.J);
        const std::int32_t wish = buyer->GetFrameIndexDream();
        buyer->SetActive(true);
        buyer->SetDream(wish);
        buyer->StartAction(PersRunBuyer::kGoToQueue);
        buyer->SetQueuePlace(static_cast<std::int32_t>(mBuyersQue.size()) - 1);
        BuyerEntered();
        return;
    }
}

ShopBuyer* PersManager::FindBuyer(std::uint32_t saveNumber) const
{
    for (const auto& character : mCharacters)
    {
        if (character->GetSaveNumber() == saveNumber)
        {
            return dynamic_cast<PersRunBuyer*>(character.get());
        }
    }
    return nullptr;
}

void PersManager::StartThieves(std::uint8_t minutes, std::uint8_t seconds, float dt)
{
    mThiefManager->StartThief(minutes, seconds, dt);
}

bool PersManager::IsThiefHiding() const
{
    return mThiefManager->GetThiefCount() > 0 && mThiefManager->IsThiefInBush();
}

void PersManager::RecalcBuyersObj()
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("PersManager::RecalcBuyersObj() mBuyersPersList.size()==%u",
                   static_cast<unsigned>(mBuyersPersList.size()));
    }
    EntityShop* shop = LevelShop();
    if (shop == nullptr)
    {
        return;
    }
    for (const auto& [number, buyer] : mBuyersPersList)
    {
        if (!buyer->IsActive() || buyer->GetCarriedGoods() != 0 || buyer->IsFirstVisitPending())
        {
            continue;
        }
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("чото там ... (*it).second->GetFrameIndexDream()==%i", buyer->GetFrameIndexDream());
        }
        shop->UpdateDreamBuyers(buyer, number, false);
    }
}

void PersManager::PlaceTeleportEffect(std::int32_t fromI, std::int32_t fromJ, std::int32_t toI,
                                      std::int32_t toJ)
{
    if (mTeleportPrototype == nullptr)
    {
        return;
    }
    static constexpr std::array<Korrin::Vector2, 3> kEmitterOffsets{
        {{33.0f, 10.0f}, {17.0f, 15.0f}, {17.0f, -25.0f}}};
    for (const IJ end : {IJ{fromI, fromJ}, IJ{toI, toJ}})
    {
        const float x = FieldGeometry::CellX(end.I);
        const float y = FieldGeometry::CellY(end.J);
        for (std::size_t e = 0; e < kEmitterOffsets.size() && e < mTeleportPrototype->GetEmitterCount(); ++e)
        {
            mTeleportPrototype->GetBaseParticleSystem(e)->SetPosition(
                {x + kEmitterOffsets[e].x, y + kEmitterOffsets[e].y});
        }
        mTeleportEffects->Add(*mTeleportPrototype);
    }
}

void PersManager::Init()
{
    for (auto& character : mCharacters)
    {
        character->Init();
    }
}

void PersManager::Reset()
{
    for (auto& character : mCharacters)
    {
        character->Reset();
    }
}

bool PersManager::Update(float dt)
{
    mAdmissionTimer += dt;
    if (mAdmissionTimer > kAdmissionPeriod)
    {
        mAdmissionTimer = 0.0f;
        AdmitBuyer();
    }
    for (auto& character : mCharacters)
    {
        if (character->IsActive())
        {
            character->Update(dt);
        }
    }
    SortForDrawing();
    if (mTeleportEffects->GetCount() > 0)
    {
        mTeleportEffects->Update();
    }
    return true;
}

float PersManager::DepthOf(const Pers& character)
{
    return IsClimbing(character) ? character.GetRootPosition().y : character.GetPosition().y;
}

void PersManager::SortForDrawing()
{
    StableSort(mCharacters, [](const Pers& a, const Pers& b) { return DepthOf(a) < DepthOf(b); });
    KeyFirst(mCharacters, [](const Pers& c) { return c.GetHomeEntity() != nullptr && !IsClimbing(c); });
    KeyFirst(mCharacters, [](const Pers& c) { return !(c.GetType() == Pers::kThief && !IsClimbing(c)); });
    KeyFirst(mCharacters, [](const Pers& c)
             { return c.GetType() == Pers::kFairy && c.GetHomeEntity() != nullptr && !IsWorkerInside(c); });
    KeyFirst(mCharacters, [](const Pers& c) { return IsWorkerInside(c); });
}

void PersManager::Draw()
{
    const std::uint16_t pass = GetDrawCount();
    if (pass > 1)
    {
        return;
    }
    for (auto& character : mCharacters)
    {
        if (character->IsActive() && (character->GetType() == Pers::kGardener) == (pass == 0))
        {
            character->Draw();
        }
    }
    if (pass == 1)
    {
        mTeleportEffects->Draw();
    }
}

void PersManager::LiftOverlappingDreams()
{
    mPlacedDreams.clear();
    for (auto& character : mCharacters)
    {
        Korrin::Vector2 at;
        if (!character->IsActive() || !character->FindDreamPosition(at))
        {
            character->SetDreamLift(0.0f);
            continue;
        }
        // Each move puts the bubble clear above one placed before and y only falls, so this ends.
        float y = at.y;
        for (bool moved = true; moved;)
        {
            moved = false;
            for (const Korrin::Vector2& placed : mPlacedDreams)
            {
                if (std::fabs(placed.x - at.x) < kDreamWidth && std::fabs(placed.y - y) < kDreamHeight)
                {
                    y = placed.y - kDreamHeight;
                    moved = true;
                }
            }
        }
        character->SetDreamLift(at.y - y);
        mPlacedDreams.push_back({at.x, y});
    }
    // The trails once every bubble has its place: a later one may stand in an earlier one's way.
    for (auto& character : mCharacters)
    {
        character->PlanDreamTail(mPlacedDreams);
    }
}

void PersManager::BuyerEntered()
{
    ++mBuyersOnField;
    if (GamePanel* panel = GamePanel::Peek())
    {
        panel->GetPers().StartSlide();
    }
}

void PersManager::Save(Korrin::BinaryWriter& out)
{
    out.WriteF32(mAdmissionTimer);
    out.WriteI32(mBuyersOnField);
    out.WriteU8(mCounterTaken);
    out.WriteU32(static_cast<std::uint32_t>(mBuyersQue.size()));
    for (const BuyersQue& place : mBuyersQue.Elements())
    {
        out.WriteI32(place.I);
        out.WriteI32(place.J);
        out.WriteU8(place.taken);
    }
    out.WriteU32(PortraitPlace());
}

// The place of the panel's portrait queue, which decides the kind of the next buyer let in.
std::uint32_t PersManager::PortraitPlace()
{
    GamePanel* panel = GamePanel::Peek();
    return panel != nullptr ? panel->GetPers().GetPlace() : 0;
}

void PersManager::Load(Korrin::BinaryReader& in)
{
    const float timer = in.ReadF32();
    const std::int32_t buyersOnField = in.ReadI32();
    const std::uint8_t counterTaken = in.ReadU8();
    const std::uint32_t count = in.ReadU32();
    if (!in.Ok() || !std::isfinite(timer) || buyersOnField < 0 || count != mBuyersQue.size() ||
        !in.CheckCount(count, 9, kMaxQueuePlaces))
    {
        in.Fail();
        return;
    }
    std::vector<BuyersQue> places;
    for (std::uint32_t k = 0; k < count; ++k)
    {
        BuyersQue place;
        place.I = in.ReadI32();
        place.J = in.ReadI32();
        place.taken = in.ReadU8();
        places.push_back(place);
    }
    const std::uint32_t portraitPlace = in.ReadU32();
    GamePanel* panel = GamePanel::Peek();
    // Without the panel (the save checker) the level's buyers stand for its portraits, one each.
    const bool placeFits = panel != nullptr
                               ? panel->GetPers().IsPlace(portraitPlace)
                               : portraitPlace < std::max<std::size_t>(mBuyersPersList.size(), 1);
    if (!in.Ok() || !placeFits)
    {
        in.Fail();
        return;
    }
    if (panel != nullptr)
    {
        panel->GetPers().SetPlace(portraitPlace);
    }
    mAdmissionTimer = timer;
    mBuyersOnField = buyersOnField;
    mCounterTaken = counterTaken;
    mBuyersQue.Elements() = std::move(places);
}

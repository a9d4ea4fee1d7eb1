#pragma once

#include "engine/Util/SafeVector.h"
#include "engine/Util/Singleton.h"
#include "engine/Util/Vector2.h"
#include "game/Game/IJ.h"
#include "game/Game/SaveLoadObject.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class EntityShop;
class ParticleSystemList;
class Pers;
class PersRunBuyer;
class PersThiefManager;
class ShopBuyer;

namespace Korrin
{
class ParticleSystem;
} // namespace Korrin

// The level's characters and the buyers' queue before the shop. It owns every character, updates the
// active ones, keeps them in drawing order and runs the teleport sparkles.
class PersManager : public Blank, public SaveLoadObject, public Korrin::Singleton<PersManager>
{
public:
    // One place of the buyers' queue; place 0 is the head, next to the serving cell.
    struct BuyersQue
    {
        std::int32_t I = 0;
        std::int32_t J = 0;
        std::uint8_t taken = 0;
    };

    // GetQueuePlace's name for the tail place.
    static constexpr std::uint16_t kTailPlace = 999;
    static constexpr float kAdmissionPeriod = 5.0f;
    // The level file's markers number the queue places: there are never more than these.
    static constexpr std::uint32_t kMaxQueuePlaces = 256;

    // Registers with the level's SaveLoadManager when there is one, before any character exists.
    PersManager();
    ~PersManager() override;
    PersManager(const PersManager&) = delete;
    PersManager& operator=(const PersManager&) = delete;

    static PersManager* GetInstance()
    {
        return CheckedInstance("PersManager::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\Pers\\PersManager", 40);
    }

    // Makes and keeps the character for a code: 5 a gardener; a building's type code its errand boy or
    // fairy; 136 the thief; any other code a buyer of that kind, switched off until let onto the field.
    Pers* CreatePers(std::uint8_t kindCode);
    // True when an active character other than `asking` stands on the cell.
    bool IsCellTaken(std::int32_t I, std::int32_t J, const Pers* asking = nullptr) const;
    // The cell of a queue place (kTailPlace: the last place); (-1, -1) for a place that does not exist.
    IJ GetQueuePlace(std::uint16_t place) const;
    // A place outside the queue is ignored.
    void SetQueuePlaceTaken(std::int32_t place, bool taken);
    // True when an active buyer of kind 142 plays "walk_idle"; the first such buyer by number writes its
    // position through `position` when given.
    bool IsPersWalkIdle(Korrin::Vector2* position) const;
    // The shop sets goods aside again for every buyer on the field that waits for its turn (active, carrying
    // nothing, not on its way to the counter), in ascending number: after goods were taken or stolen.
    void RecalcBuyersObj();
    // The sparkle at both ends of a teleport link.
    void PlaceTeleportEffect(std::int32_t fromI, std::int32_t fromJ, std::int32_t toI, std::int32_t toJ);

    void Init() override;
    void Reset() override;
    // Runs the admission timer, updates the active characters and sorts them into drawing order.
    bool Update(float dt) override;
    // The first draw pass paints the gardeners, the second every other active character and the
    // teleport sparkles.
    void Draw() override;
    // Before the level draws the bubbles: a bubble that would cover one drawn before it on the same spot
    // (two buyers walking or waiting together) is raised above it, so each one's wish and count stay
    // readable.
    void LiftOverlappingDreams();

    // Fields in order: admission timer, buyers on field, counter taken, the queue places, the place of the
    // panel's portrait queue.
    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a timer that is not a finite number, a negative buyer count or a queue whose
    // number of places differs from the level's, or a portrait place the panel's queue does not have.
    void Load(Korrin::BinaryReader& in) override;

    // The thieves' start step, which the panel runs every frame with the level clock.
    void StartThieves(std::uint8_t minutes, std::uint8_t seconds, float dt);
    // A thief has started and hides in a bush.
    bool IsThiefHiding() const;
    PersThiefManager& GetThiefManager() { return *mThiefManager; }
    const PersThiefManager& GetThiefManager() const { return *mThiefManager; }
    // The buyers walking on the field: one more for each let in, one less (never below 0) for each that
    // reaches a signpost.
    std::int32_t GetBuyersOnField() const { return mBuyersOnField; }
    // A waiting buyer goes onto the field: the panel's row of portraits slides forward.
    void BuyerEntered();
    void BuyerLeft() { mBuyersOnField = mBuyersOnField > 0 ? mBuyersOnField - 1 : 0; }
    float GetAdmissionTimer() const { return mAdmissionTimer; }
    void SetAdmissionTimer(float seconds) { mAdmissionTimer = seconds; }
    bool IsCounterTaken() const { return mCounterTaken != 0; }
    void SetCounterTaken(bool taken) { mCounterTaken = taken ? 1 : 0; }
    Korrin::SafeVector<BuyersQue>& GetBuyersQueue() { return mBuyersQue; }
    const std::vector<std::unique_ptr<Pers>>& GetCharacters() const { return mCharacters; }
    // The first character with the save number, when it is a buyer; null otherwise.
    ShopBuyer* FindBuyer(std::uint32_t saveNumber) const;
    const std::map<std::uint16_t, PersRunBuyer*>& GetBuyers() const { return mBuyersPersList; }
    const ParticleSystemList& GetTeleportEffects() const { return *mTeleportEffects; }

    // The drawing order's depth of a character: the root bone's y while it climbs, else its position's.
    static float DepthOf(const Pers& character);

private:
    // The level's shop, or null.
    static EntityShop* LevelShop();
    static std::uint32_t PortraitPlace();
    Pers* MakeCharacter(std::uint8_t kindCode) const;
    void SortForDrawing();
    // Lets in the first waiting buyer of the kind the panel's portraits ask for for whom the shop can set
    // goods aside, while the shop offers goods and has room: at the entrance signpost, on to the queue.
    void AdmitBuyer();

    std::vector<std::unique_ptr<Pers>> mCharacters;
    // The bubbles placed so far in this frame's lift, kept between frames so that none is allocated.
    std::vector<Korrin::Vector2> mPlacedDreams;
    std::unique_ptr<PersThiefManager> mThiefManager;
    std::map<std::uint16_t, PersRunBuyer*> mBuyersPersList;
    std::uint16_t mLastBuyerNumber = 0;
    float mAdmissionTimer = 0.0f;
    std::int32_t mBuyersOnField = 0;
    Korrin::SafeVector<BuyersQue> mBuyersQue{"PersManager::mBuyersQue"};
    std::uint8_t mCounterTaken = 0;
    std::unique_ptr<ParticleSystemList> mTeleportEffects;
    Korrin::ParticleSystem* mTeleportPrototype = nullptr;
    std::uint32_t mNextCharacterIndex = 0;
};

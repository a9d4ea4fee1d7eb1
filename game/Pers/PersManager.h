#pragma once

#include "engine/Util/SafeVector.h"
#include "engine/Util/Singleton.h"
#include "engine/Util/Vector2.h"
#include "game/Blank.h"
#include "game/Game/SaveLoadObject.h"

#include <cstdint>
#include <memory>
#include <vector>

class Pers;
class PersThiefManager;

// The level's characters and the buyers' queue before the shop.
class PersManager : public Blank, public SaveLoadObject, public Korrin::Singleton<PersManager>
{
public:
    struct BuyersQue
    {
        std::int32_t I = 0;
        std::int32_t J = 0;
        std::uint8_t taken = 0;
    };

    // Registers with the level's SaveLoadManager when there is one.
    PersManager();
    ~PersManager() override;

    static PersManager* GetInstance()
    {
        return CheckedInstance("PersManager::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\Pers\\PersManager", 40);
    }

    // Makes and keeps the character for a type code: 5 a gardener; a building's base code its errand boy
    // or fairy; 136 a thief; any other code a buyer of that kind (switched off until let onto the field).
    Pers* CreatePers(std::uint8_t type);
    // True when a switched-on character stands on the cell.
    bool IsCellTaken(std::int32_t i, std::int32_t j) const;

    PersThiefManager& GetThiefManager() { return *mThiefManager; }
    // The buyers walking on the field: one more for each let in, one less (never below 0) for each that
    // reaches a signpost.
    std::int32_t GetBuyersOnField() const { return mBuyersOnField; }
    // A waiting buyer goes onto the field: the panel's row of portraits slides forward.
    void BuyerEntered();
    void BuyerLeft() { mBuyersOnField = mBuyersOnField > 0 ? mBuyersOnField - 1 : 0; }
    // True when a switched-on fairy stands idle; its position is then written to position (when given).
    bool IsPersWalkIdle(Korrin::Vector2* position) const;
    Korrin::SafeVector<BuyersQue>& GetBuyersQueue() { return mBuyersQueue; }
    const std::vector<std::unique_ptr<Pers>>& GetCharacters() const { return mCharacters; }

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    // The characters stand over the field's ground and the entities of the second pass.
    void Draw() override;

private:
    std::unique_ptr<PersThiefManager> mThiefManager;
    Korrin::SafeVector<BuyersQue> mBuyersQueue{"PersManager::mBuyersQue"};
    std::vector<std::unique_ptr<Pers>> mCharacters;
    std::int32_t mBuyersOnField = 0;
};

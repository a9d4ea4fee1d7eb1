#pragma once

#include "engine/Util/SafeVector.h"
#include "engine/Util/Singleton.h"
#include "game/Game/CostRecord.h"
#include "game/Game/LevelStar.h"
#include "game/Game/TimeScoreItem.h"

#include <cstdint>
#include <map>

// The number of levels of the game.
inline constexpr std::uint32_t kLevelCount = 67;

// The level bonuses and the best times, one entry per level (index = level number - 1); empty until
// TableCost::BuildLevelTables.
extern Korrin::SafeVector<LevelStar> gLevelStars;
extern Korrin::SafeVector<TimeScoreItem> gBestTimes;

// The game's economy: upgrade levels and prices of every buyable thing by its id, goods prices and
// order costs.
class TableCost : public Korrin::Singleton<TableCost>
{
public:
    static constexpr std::uint8_t kFirstGoodsId = 84;
    static constexpr std::uint32_t kGoodsCostCount = 45;

    TableCost();
    ~TableCost();

    static TableCost* GetInstance()
    {
        return CheckedInstance("TableCost::mSingleton==NULL", Korrin::kGameModule, "Source\\Game\\TableCost",
                               128);
    }

    // Back to the built-in records, every upgrade level 0.
    void Fill();
    bool GetCost(std::uint8_t id, CostRecord& out) const;
    CostRecord* GetCostPtr(std::uint8_t id);
    static std::uint16_t GetSalePrice(std::uint8_t goodsId);
    static std::uint16_t GetStoreHousePrice(std::uint8_t goodsId);
    // index = goods id - 84; 0 outside 0 to 44.
    static std::uint16_t GetGoodsCost(std::int32_t index);

    static void BuildLevelTables();
    static void BuildBestTimes();
    static void FreeLevelTables();

    // In ascending id order, the order of the player's upgrade file.
    std::map<std::uint8_t, CostRecord>& Records() { return mRecords; }
    const std::map<std::uint8_t, CostRecord>& Records() const { return mRecords; }

private:
    std::map<std::uint8_t, CostRecord> mRecords;
};

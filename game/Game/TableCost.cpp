#include "game/Game/TableCost.h"

#include "engine/Log/LogManager.h"

#include <array>
#include <initializer_list>

Korrin::SafeVector<LevelStar> gLevelStars;
Korrin::SafeVector<TimeScoreItem> gBestTimes;

namespace
{

struct RecordSpec
{
    std::uint8_t id;
    std::initializer_list<CostRow> rows;
    std::uint16_t unlockLevel;
    std::uint8_t owned;
};

const std::initializer_list<RecordSpec>& RecordSpecs()
{
    static const std::initializer_list<RecordSpec> specs = {
        {1, {{80, 120}, {260, 300}, {655, 450}, {3500, 700}}, 2, 1},                  // "Rope"
        {5, {{0, 120}, {125, 230}, {315, 300}, {790, 500}, {5100, 850}}, 0, 1},       // "Garden"
        {10, {{0, 400}, {130, 800}, {16000, 2000}, {19800, 0}}, 0, 1},                // "Storehouse"
        {14, {{0, 200}, {180, 500}, {1000, 0}}, 0, 1},                                // "Waterwell"
        {17, {{0, 500}, {160, 1000}, {4500, 2000}, {12000, 4000}, {41500, 0}}, 0, 1}, // "Shop"
        {26, {{6150, 910}, {10700, 1500}, {15600, 2500}}, 27, 0},                     // "Mill"
        {30, {{100, 190}, {180, 310}, {450, 520}}, 3, 0},                             // "Juicer"
        {34, {{150, 240}, {215, 400}, {545, 670}}, 5, 0},                             // "TomatoB"
        {38, {{27300, 4100}, {69400, 6900}, {121000, 11000}}, 42, 0},                 // "Roaster"
        {42, {{12900, 6500}, {32000, 10000}, {83000, 18000}}, 34, 0},                 // "Confectionery"
        {46, {{8900, 4900}, {22600, 8200}, {57600, 14000}}, 30, 0},                   // "Bakery"
        {50, {{950, 530}, {1660, 900}, {2400, 1400}}, 15, 0},                         // "OilB"
        {54, {{47800, 10000}, {100000, 18000}, {146000, 30000}}, 51, 0},              // "SandwichB"
        {58, {{7400, 2700}, {18800, 4600}, {39600, 7700}}, 28, 0},                    // "DoughB"
        {62, {{370, 330}, {1380, 550}, {2000, 980}}, 10, 0},                          // "Packing"
        {66, {{1150, 1500}, {2900, 2500}, {4200, 4200}}, 16, 0},                      // "FriedPotatoes"
        {130, {{0, 350}, {390, 850}, {11300, 1800}}, 0, 1},                           // "ShopBox"
        {131, {{60, 350}, {1400, 850}, {23900, 1800}}, 0, 1},                         // "ShopBox"
        {132, {{0, 70}, {60, 120}, {570, 250}}, 0, 1},                                // "Gardener"
        {133, {{0, 150}, {270, 300}, {3800, 700}}, 3, 1},                             // "Boy"
        {134, {{0, 300}, {7800, 750}, {14600, 1400}}, 16, 1},                         // "Fairy"
        {138, {{0, 0}, {60, 0}, {6300, 0}}, 16, 1},                                   // "Cage"
    };
    return specs;
}

struct GoodsPrice
{
    std::uint8_t id;
    std::uint16_t sale;
    std::uint16_t storeHouse;
};

constexpr std::array<GoodsPrice, 19> kGoodsPrices = {{
    {84, 60, 90},      {85, 75, 110},     {86, 100, 150},      {87, 165, 240},     {88, 280, 420},
    {89, 210, 310},    {92, 270, 400},    {95, 590, 880},      {98, 1020, 1500},   {101, 370, 550},
    {104, 5500, 8200}, {107, 1700, 2500}, {110, 3100, 4600},   {113, 355, 710},    {114, 1000, 2000},
    {115, 4600, 6900}, {118, 500, 1000},  {119, 12000, 18000}, {122, 7300, 11000},
}};

constexpr std::array<std::uint16_t, TableCost::kGoodsCostCount> kGoodsCosts = {
    5,   10,   20,   40,   80,  70,   110,  150,  90,   140,  180,  190,  310,  410,  340,
    540, 1020, 120,  200,  260, 1800, 2900, 3900, 570,  920,  1200, 1100, 1600, 2100, 0,
    0,   1500, 2400, 3200, 0,   4000, 6000, 8000, 2400, 3900, 5100, 0,    15,   26,   36,
};

constexpr std::array<LevelStar, kLevelCount> kLevelStars = {{
    {15, 25, 55},          {15, 25, 55},          {35, 65, 95},          {45, 80, 110},
    {65, 85, 145},         {70, 110, 140},        {75, 140, 180},        {80, 180, 240},
    {95, 220, 380},        {110, 260, 440},       {150, 300, 400},       {165, 380, 550},
    {215, 440, 630},       {270, 520, 720},       {310, 640, 840},       {450, 700, 1070},
    {570, 810, 1010},      {720, 940, 1240},      {800, 1200, 1700},     {700, 1700, 2300},
    {900, 2000, 2800},     {1100, 2400, 3300},    {1200, 3000, 4200},    {640, 1400, 3100},
    {960, 2100, 2550},     {850, 1700, 2220},     {1100, 2500, 3070},    {2200, 5200, 5850},
    {1000, 2500, 3210},    {1600, 3800, 4570},    {1300, 3000, 3830},    {1900, 4500, 5200},
    {1600, 3600, 4800},    {2300, 5400, 7300},    {1900, 4400, 6900},    {2800, 6500, 9700},
    {1200, 2600, 7200},    {1900, 4400, 5600},    {2600, 6100, 8300},    {7600, 15000, 18400},
    {3300, 8000, 12500},   {5000, 11000, 12200},  {1900, 4500, 8500},    {2300, 5200, 12000},
    {2500, 6000, 20600},   {2900, 6700, 14200},   {3500, 8300, 16800},   {4000, 9400, 11700},
    {4400, 10000, 16500},  {7000, 12000, 23000},  {8800, 20000, 28900},  {11000, 26000, 41000},
    {12000, 30000, 35000}, {15000, 33000, 41500}, {25000, 58000, 70000}, {12000, 28000, 44000},
    {18000, 42000, 52000}, {15000, 34000, 45000}, {21000, 51000, 66000}, {18000, 40000, 52000},
    {26000, 62000, 80000}, {9000, 21000, 27000},  {14000, 31000, 40000}, {18000, 42000, 54000},
    {23000, 52000, 67000}, {27000, 63000, 81000}, {30000, 71000, 92000},
}};

// Minutes and seconds of levels 1 to 30; every later level defaults to 5:30.
constexpr std::array<std::array<std::uint32_t, 2>, 30> kFirstBestTimes = {{
    {0, 49}, {1, 50}, {2, 0},  {2, 40}, {3, 3},  {3, 20}, {3, 55}, {5, 0},  {4, 50}, {4, 50},
    {5, 5},  {5, 2},  {6, 32}, {5, 1},  {5, 46}, {4, 47}, {5, 19}, {4, 25}, {4, 34}, {5, 32},
    {5, 10}, {5, 17}, {5, 41}, {4, 43}, {5, 12}, {4, 47}, {5, 33}, {5, 28}, {5, 45}, {4, 50},
}};

const GoodsPrice* FindPrice(std::uint8_t goodsId)
{
    for (const GoodsPrice& price : kGoodsPrices)
    {
        if (price.id == goodsId)
        {
            return &price;
        }
    }
    return nullptr;
}

} // namespace

TableCost::TableCost()
{
    Fill();
}

TableCost::~TableCost() = default;

void TableCost::Fill()
{
    mRecords.clear();
    for (const RecordSpec& spec : RecordSpecs())
    {
        CostRecord record;
        record.rows.assign(spec.rows.begin(), spec.rows.end());
        record.maxLevel = static_cast<std::uint16_t>(record.rows.size() - 1);
        record.upgradeLevel = 0;
        record.unlockLevel = spec.unlockLevel;
        record.owned = spec.owned;
        mRecords[spec.id] = std::move(record);
    }
}

bool TableCost::GetCost(std::uint8_t id, CostRecord& out) const
{
    const auto found = mRecords.find(id);
    if (found == mRecords.end())
    {
        return false;
    }
    out = found->second;
    return true;
}

CostRecord* TableCost::GetCostPtr(std::uint8_t id)
{
    const auto found = mRecords.find(id);
    if (found == mRecords.end())
    {
        return nullptr;
    }
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("PTR %i", static_cast<int>(found->second.maxLevel));
    }
    return &found->second;
}

std::uint16_t TableCost::GetSalePrice(std::uint8_t goodsId)
{
    const GoodsPrice* price = FindPrice(goodsId);
    return price != nullptr ? price->sale : 0;
}

std::uint16_t TableCost::GetStoreHousePrice(std::uint8_t goodsId)
{
    const GoodsPrice* price = FindPrice(goodsId);
    return price != nullptr ? price->storeHouse : 0;
}

std::uint16_t TableCost::GetGoodsCost(std::int32_t index)
{
    if (index < 0 || index >= static_cast<std::int32_t>(kGoodsCostCount))
    {
        return 0;
    }
    return kGoodsCosts[static_cast<std::size_t>(index)];
}

void TableCost::BuildLevelTables()
{
    gLevelStars.clear();
    for (const LevelStar& star : kLevelStars)
    {
        gLevelStars.push_back(star);
    }
    BuildBestTimes();
}

void TableCost::BuildBestTimes()
{
    gBestTimes.clear();
    for (std::uint32_t level = 0; level < kLevelCount; ++level)
    {
        if (level < kFirstBestTimes.size())
        {
            gBestTimes.push_back(TimeScoreItem(kFirstBestTimes[level][0], kFirstBestTimes[level][1], {}));
        }
        else
        {
            gBestTimes.push_back(TimeScoreItem(5, 30, {}));
        }
    }
}

void TableCost::FreeLevelTables()
{
    gLevelStars.clear();
    gBestTimes.clear();
}

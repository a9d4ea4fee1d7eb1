#include "game/MapSettings.h"

#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Game/TableCost.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

// A script number cut towards zero; what lies outside 32 bits is held at the nearest end.
std::int32_t ToInteger(const LuaValue& value)
{
    return Korrin::CheckedInteger<std::int32_t>(lua_tonumber(value.GetState(), value.GetIndex()));
}

// 0 when the key is missing or not a number.
std::int32_t IntegerField(const LuaValue& table, const char* key)
{
    Korrin::LuaStackGuard guard(table.GetState());
    const LuaValue value = table.GetField(key);
    return value.IsNumber() ? ToInteger(value) : 0;
}

MapSettings::LevelSettings ReadLevel(const LuaValue& entry)
{
    MapSettings::LevelSettings level;
    Korrin::LuaStackGuard guard(entry.GetState());
    const LuaValue scenery = entry.GetField("sceneryItem");
    level.sceneryItem = scenery.IsNumber() ? ToInteger(scenery) : -1;
    entry.GetField("shopItems")
        .ForEachEntry(
            [&level](const LuaValue& /*key*/, const LuaValue& item)
            {
                if (item.IsTable())
                {
                    level.shopItems.push_back({IntegerField(item, "id"), IntegerField(item, "upgrade")});
                }
            });
    return level;
}

} // namespace

std::uint8_t MapSettings::ShopItem::CostId() const
{
    return static_cast<std::uint8_t>(std::clamp(id, 0, 255));
}

bool MapSettings::ShopItem::IsMissing(const TableCost* table) const
{
    CostRecord record;
    const bool known = table != nullptr && id >= 0 && id <= 255 && table->GetCost(CostId(), record);
    return !known || record.owned == 0 || record.upgradeLevel < upgrade;
}

void MapSettings::Load()
{
    Korrin::LuaScript script;
    script.LoadFile("MapSettings.lua", Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    script.GetGlobal("MapSettings")
        .ForEachEntry(
            [this](const LuaValue& /*key*/, const LuaValue& entry)
            {
                if (entry.IsTable())
                {
                    mLevels.push_back(ReadLevel(entry));
                }
            });
    const LuaValue start = script.GetGlobal("ProgressStartLevel");
    if (start.IsNumber())
    {
        mProgressStartLevel = ToInteger(start);
    }
    const LuaValue swap = script.GetGlobal("ProgressSwapLevel");
    if (swap.IsNumber())
    {
        mProgressSwapLevel = ToInteger(swap);
    }
}

const MapSettings::LevelSettings& MapSettings::GetLevel(std::uint32_t index) const
{
    if (index >= mLevels.size())
    {
        Korrin::ReportAndBreak("Trying to get wrong level while loading map settings!", Korrin::kGameModule,
                               "Source\\MapSettings", 108);
    }
    return mLevels[index];
}

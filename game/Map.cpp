#include "game/Map.h"

#include "engine/Log/ReportAssert.h"
#include "game/Game/GameInfo.h"

#include <algorithm>

Map::Map()
{
    mSettings.Load();
    firstProgressLevel = static_cast<std::uint32_t>(std::max(mSettings.GetProgressStartLevel(), 0));
    secondProgressLevel = static_cast<std::uint32_t>(std::max(mSettings.GetProgressSwapLevel(), 0));
    for (std::uint32_t index = 0; index < kItemCount; ++index)
    {
        mItems.push_back(new MapItem{0.0f, false, false, index});
    }
}

Map::~Map()
{
    for (MapItem* item : mItems)
    {
        delete item;
    }
    mItems.clear();
}

MapItem* Map::GetItem(std::uint32_t index)
{
    if (index >= mItems.size())
    {
        Korrin::ReportAndBreak("Wrong map item index!", Korrin::kGameModule, "Source\\Map", 0);
        return nullptr;
    }
    return mItems.Elements()[index];
}

void Map::ResetItems()
{
    for (MapItem* item : mItems)
    {
        item->time = 0.0f;
        item->visible = false;
        item->running = false;
    }
    for (std::uint32_t index : {kSecondStartItem, kFirstStartItem})
    {
        if (MapItem* item = GetItem(index))
        {
            item->time = 0.0f;
            item->visible = true;
        }
    }
}

void Map::ShowReachedItems()
{
    const GameInfo* info = GameInfo::Peek();
    if (info == nullptr)
    {
        return;
    }
    const std::uint32_t last = std::min<std::uint32_t>(info->highestLevel, mSettings.GetLevelCount() - 1);
    for (std::uint32_t level = 0; mSettings.GetLevelCount() > 0 && level <= last; ++level)
    {
        const std::int32_t scenery = mSettings.GetLevel(level).sceneryItem;
        if (scenery < 0)
        {
            continue;
        }
        MapItem* item = GetItem(static_cast<std::uint32_t>(scenery));
        if (item == nullptr)
        {
            continue;
        }
        item->time = 0.0f;
        item->running = false;
        item->visible = scenery != kFirstStartItem && scenery != kSecondStartItem;
    }
}

#include "game/Map.h"

void Map::ShowNewHighestLevel(std::uint16_t highestLevel)
{
    const MapSettings& settings = GetSettings();
    if (highestLevel < settings.GetLevelCount())
    {
        // The item of the level now reached fades in.
        const std::int32_t item = settings.GetLevel(highestLevel).sceneryItem;
        if (item >= 0 && static_cast<std::uint32_t>(item) < GetItemCount())
        {
            MapItem* shown = GetItem(static_cast<std::uint32_t>(item));
            shown->time = 0.0f;
            shown->visible = !shown->visible;
            shown->running = !shown->running;
        }
    }
    GetBoards().OnNewLevel(highestLevel, settings.GetProgressStartLevel(), settings.GetProgressSwapLevel());
}

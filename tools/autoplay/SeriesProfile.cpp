#include "tools/autoplay/SeriesProfile.h"

#include "game/GUI/ProgressBoardManager.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/GameInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Map.h"
#include "game/MapSettings.h"
#include "game/Profile.h"

#include <algorithm>
#include <map>

namespace
{

// The price of buying a good up to a purchase level from what the player owns of it.
std::uint32_t PriceUpTo(const CostRecord& record, std::int32_t ownedLevels, std::int32_t upgrade)
{
    std::uint32_t price = 0;
    for (std::int32_t row = ownedLevels;
         row <= upgrade && row < static_cast<std::int32_t>(record.rows.size()); ++row)
    {
        price += record.rows[static_cast<std::size_t>(row)].price;
    }
    return price;
}

// The story stage a player has reached on arriving at a level (index from 0) for the first time.
std::int32_t StoryStageBefore(std::int32_t index)
{
    std::int32_t stage = 0;
    for (const Map::StoryLevel& story : Map::kStoryLevels)
    {
        if (static_cast<std::int32_t>(story.level) < index)
        {
            stage = std::max(stage, story.stageBelow);
        }
    }
    return stage;
}

} // namespace

SeriesProfile SeriesProfile::ForLevel(std::int32_t level, bool tipsOn)
{
    SeriesProfile profile;
    profile.level = level;
    profile.tipsOn = tipsOn;
    Main main;
    MapSettings settings;
    settings.Load();
    TableCost* table = TableCost::GetInstance();
    // How many rows of each good are bought so far (0: not owned; n: owned up to purchase level n - 1).
    std::map<std::int32_t, std::int32_t> rowsBought;
    for (std::int32_t earlier = 1; earlier <= level; ++earlier)
    {
        const std::uint32_t index = static_cast<std::uint32_t>(earlier - 1);
        if (index < settings.GetLevelCount())
        {
            for (const MapSettings::ShopItem& item : settings.GetLevel(index).shopItems)
            {
                CostRecord record;
                if (table == nullptr || !table->GetCost(static_cast<std::uint8_t>(item.id), record))
                {
                    continue;
                }
                std::int32_t& bought = rowsBought[item.id];
                const std::uint32_t price = PriceUpTo(record, bought, item.upgrade);
                if (item.upgrade + 1 > bought)
                {
                    bought = item.upgrade + 1;
                    profile.purchases.push_back({item.id, item.upgrade, price, earlier});
                    profile.spent += price;
                }
            }
        }
        if (profile.firstShortLevel == 0 && profile.spent > profile.banked)
        {
            profile.firstShortLevel = earlier;
        }
        if (earlier < level && index < gLevelStars.size())
        {
            profile.banked += gLevelStars[index].complete + gLevelStars[index].silver;
        }
    }
    return profile;
}

bool SeriesProfile::Write() const
{
    Main main;
    ProgressBoardManager boards;
    Profile player;
    player.LoadUserList(true);
    player.CreateUser(u"Autoplay");
    TableCost* table = TableCost::GetInstance();
    for (const Purchase& purchase : purchases)
    {
        if (CostRecord* record = table->GetCostPtr(static_cast<std::uint8_t>(purchase.id)))
        {
            record->owned = 1;
            record->upgradeLevel =
                std::max<std::uint16_t>(record->upgradeLevel, static_cast<std::uint16_t>(purchase.upgrade));
        }
    }
    GameInfo* info = GameInfo::GetInstance();
    info->highestLevel = static_cast<std::uint16_t>(level - 1);
    info->totalMoney = static_cast<std::uint32_t>(MoneyLeft());
    for (std::int32_t earlier = 1; earlier < level; ++earlier)
    {
        info->SetLevelPassType(kLevelPassedSilver, static_cast<std::uint32_t>(earlier - 1));
    }
    player.storyStage = StoryStageBefore(level - 1);
    Profile::Settings playerSettings = player.GetSettings();
    playerSettings.tipsEnabled = tipsOn ? 1 : 0;
    playerSettings.displayMode = 1;
    player.ChangeSettings(playerSettings);
    // The settings file takes the tips switch from the tutorial's slot.
    if (EducationSlot* tips = main.GetEducationSlot())
    {
        tips->SetEnabled(tipsOn);
    }
    player.SaveAll();
    player.SaveSettings();
    return player.SaveUserList();
}

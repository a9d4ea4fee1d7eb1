#include "tools/autoplay/RoadPlayer.h"

#include "game/GUI/ExitGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/TypeNameGui.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Game/TableCost.h"
#include "game/GameApplication.h"
#include "game/LogoScreen.h"
#include "game/Main.h"
#include "game/Map.h"
#include "game/MapSettings.h"
#include "game/MapShopGui.h"
#include "tools/autoplay/GuiScan.h"
#include "tools/autoplay/Hands.h"
#include "tools/autoplay/TraceLine.h"

#include <cstdarg>
#include <cstdio>

namespace
{

constexpr const char* kPlayerName = "Road";

// Clicks the first clickable widget of that name; false when there is none.
bool ClickNamed(const std::vector<GuiScan::Target>& targets, const std::string& name, Hands& hands)
{
    if (const GuiScan::Target* target = GuiScan::Find(targets, name))
    {
        hands.Click(target->centre.x, target->centre.y);
        hands.Wait(20);
        return true;
    }
    return false;
}

} // namespace

void RoadPlayer::Trace(const char* format, ...) const
{
    if (!mOptions.trace)
    {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    TraceLine(mFrame, "road: ", format, arguments);
    va_end(arguments);
}

void RoadPlayer::Fail(const std::string& why)
{
    if (mFailure.empty())
    {
        mFailure = why;
    }
}

bool RoadPlayer::BuyRequirements(std::int32_t level, Hands& hands)
{
    Main* main = Main::Peek();
    auto* map = main != nullptr ? dynamic_cast<Map*>(main->GetByIndex(Main::kMapScreen)) : nullptr;
    TableCost* table = TableCost::Peek();
    if (map == nullptr || table == nullptr)
    {
        return false;
    }
    const std::uint32_t index = static_cast<std::uint32_t>(level - 1);
    if (index >= map->GetSettings().GetLevelCount())
    {
        return false;
    }
    int missing = -1;
    for (const MapSettings::ShopItem& item : map->GetSettings().GetLevel(index).shopItems)
    {
        CostRecord record;
        if (table->GetCost(static_cast<std::uint8_t>(item.id), record) &&
            (record.owned == 0 || record.upgradeLevel < item.upgrade))
        {
            missing = MapShopGui::GetIndexById(static_cast<std::uint8_t>(item.id));
            break;
        }
    }
    MapShopGui* shop = map->GetShop();
    const bool shopOpen = shop != nullptr && shop->IsActive() && shop->GetContainer() != nullptr &&
                          shop->GetContainer()->IsVisible();
    if (missing < 0)
    {
        if (shopOpen)
        {
            Trace("map shop: done");
            return ClickNamed(GuiScan::ClickableIn(*shop->GetContainer(), "shop"), "MAP_SHOP_OK", hands);
        }
        return false;
    }
    if (++mShopClicks > 40)
    {
        Fail("the map shop did not sell what level " + std::to_string(level) + " requires (money " +
             std::to_string(GameInfo::Peek() != nullptr ? GameInfo::Peek()->totalMoney : 0) + ")");
        return false;
    }
    if (!shopOpen)
    {
        Trace("map shop: open for level %d", level);
        if (ClickNamed(GuiScan::Clickable(), "MAP_SHOP", hands))
        {
            return true;
        }
        hands.Wait(10);
        return true;
    }
    Trace("map shop: buy item %d", missing);
    if (!ClickNamed(GuiScan::ClickableIn(*shop->GetContainer(), "shop"), "button" + std::to_string(missing),
                    hands))
    {
        hands.Wait(10);
    }
    return true;
}

bool RoadPlayer::AtMap(Hands& hands)
{
    const GameInfo* info = GameInfo::Peek();
    if (info == nullptr)
    {
        hands.Wait(5);
        return true;
    }
    const std::int32_t next = info->highestLevel + 1;
    if (mLevel >= mOptions.lastLevel && !mPlayer)
    {
        Fail("back on the map after the last level, without the final clip");
        return false;
    }
    if (BuyRequirements(next, hands))
    {
        return true;
    }
    if (!mFailure.empty())
    {
        return false;
    }
    return StartLevel(hands);
}

bool RoadPlayer::StartLevel(Hands& hands)
{
    const GameInfo* info = GameInfo::Peek();
    const std::int32_t next = info != nullptr ? info->highestLevel + 1 : 1;
    mShopClicks = 0;
    mLevel = next;
    Player::Options playing;
    playing.level = next;
    playing.trace = mOptions.trace;
    playing.giveUpSeconds = mOptions.giveUpSeconds;
    playing.watchClips = true;
    mPlayer = std::make_unique<Player>(playing);
    Trace("level %d", next);
    return mPlayer->Think(mFrame, hands);
}

bool RoadPlayer::Think(std::uint64_t frame, Hands& hands)
{
    mFrame = frame;
    if (!mFailure.empty())
    {
        return false;
    }
    if (mPlayer)
    {
        if (mPlayer->Think(frame, hands))
        {
            mFinalClip = mFinalClip || (mLevel == mOptions.lastLevel && mPlayer->SawClip());
            return true;
        }
        mFinalClip = mFinalClip || (mLevel == mOptions.lastLevel && mPlayer->SawClip());
        const LevelOutcome outcome = mPlayer->Outcome();
        mPlayer.reset();
        if (mLevelDone)
        {
            mLevelDone(mLevel, outcome);
        }
        if (!outcome.won)
        {
            Fail("level " + std::to_string(mLevel) + " lost: " + outcome.reason);
            return false;
        }
        hands.Wait(1);
        return true;
    }
    GameApplication* app = GameApplication::GetCurrentGame();
    Main* main = Main::Peek();
    if (app == nullptr || main == nullptr || !app->IsStarted() ||
        (app->GetLogo() != nullptr && app->GetLogo()->IsRunning()))
    {
        if (app != nullptr && app->GetLogo() != nullptr && app->GetLogo()->IsRunning())
        {
            hands.Click(512.0f, 384.0f);
        }
        else
        {
            hands.Wait(5);
        }
        return true;
    }
    const std::uint8_t shown = main->GetGameGuiManager()->GetShown();
    const Game* game = Game::Peek();
    if (main->GetCurrent() == Main::kGameScreen && game != nullptr && game->GetLevelNumber() != 0 &&
        mLevel < mOptions.lastLevel)
    {
        // A clip that hands over to its level: the level's own player takes over from here.
        return StartLevel(hands);
    }
    if (shown == TypeNameGui::kWindowId && !mNamed)
    {
        Trace("the name window");
        mNamed = true;
        hands.Wait(60);
        hands.Type(kPlayerName);
        hands.Key("Return");
        hands.Wait(30);
        return true;
    }
    if (shown == ExitGui::kWindowId && mExiting)
    {
        ClickNamed(GuiScan::ClickableInWindows(), "EXIT_GAME_OK", hands) || (hands.Wait(10), true);
        return true;
    }
    if (shown < GameGuiManager::kNoWindow)
    {
        // A window of the main menu or the map (a reward, the map's hint): its OK.
        if (frame % 120 == 0)
        {
            Trace("window %d offers:\n%s", shown, GuiScan::Describe(GuiScan::ClickableInWindows()).c_str());
        }
        for (const GuiScan::Target& target : GuiScan::ClickableInWindows())
        {
            if (target.name.find("OK") != std::string::npos)
            {
                hands.Click(target.centre.x, target.centre.y);
                hands.Wait(20);
                return true;
            }
        }
        hands.Wait(10);
        return true;
    }
    switch (main->GetCurrent())
    {
    case Main::kMainMenuScreen:
        if (mLevel >= mOptions.lastLevel)
        {
            // The end of the road: the main menu after the final clip; Exit.
            Trace("the main menu at the end; Exit");
            mEnded = true;
            mExiting = true;
            ClickNamed(GuiScan::Clickable(), "MAINMENU_EXIT", hands) || (hands.Wait(10), true);
            return true;
        }
        ClickNamed(GuiScan::Clickable(), "MAINMENU_PLAY", hands) || (hands.Wait(10), true);
        return true;
    case Main::kScriptMovieScreen:
        if (frame % 600 < 30)
        {
            Trace("a clip plays (window %d)", shown);
        }
        // The opening clip plays to its end.
        hands.Wait(30);
        return true;
    case Main::kMapScreen:
        return AtMap(hands);
    default:
        hands.Wait(10);
        return true;
    }
}

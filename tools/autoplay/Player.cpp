#include "tools/autoplay/Player.h"

#include "engine/Gui/GuiContainer.h"
#include "game/ClipGui.h"
#include "game/Entity/BuildingKind.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/EntityWaterWell.h"
#include "game/Entity/StoreCellManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/LevelStatistics.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/GUI/StoreHouseGUI.h"
#include "game/Game/Education.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/Game.h"
#include "game/Game/GameField.h"
#include "game/Game/GamePanel.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/GameApplication.h"
#include "game/LogoScreen.h"
#include "game/Main.h"
#include "game/Map.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersRunThief.h"
#include "game/Pers/PersThiefManager.h"
#include "game/Pers/ThiefBag.h"
#include "game/Util/Hint.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"
#include "tools/autoplay/GuiScan.h"
#include "tools/autoplay/Hands.h"
#include "tools/autoplay/TraceLine.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <sstream>

namespace
{

// Where the pointer waits between actions: the sky above the field, where nothing is clickable.
constexpr Korrin::Vector2 kRestPlace{900.0f, 110.0f};
// The panel's two tabs (the object's page and its worker's).
constexpr Korrin::Vector2 kFirstTab{94.0f, 655.0f};
constexpr Korrin::Vector2 kSecondTab{274.0f, 655.0f};
// The storehouse window's two page tabs.
constexpr Korrin::Vector2 kShopPageTab{250.0f, 50.0f};
constexpr Korrin::Vector2 kStorePageTab{760.0f, 50.0f};
// A level's opening windows and the statistics window wait this long for a click before the run
// counts as stuck.
constexpr std::uint64_t kStuckFrames = 60 * 60;
// Frames between looks at the same kind of chore, so that the field's people get to act.
constexpr std::uint64_t kStoreVisitGap = 90;
// How long a chore whose button was missing, disabled or without effect waits before it is tried again.
constexpr std::uint64_t kChoreRest = 240;
// What an unflagged rope leaves besides its price: a shortcut waits while the money is needed elsewhere.
constexpr std::int32_t kRopeSpare = 500;
// Below this much money the field cannot order anything: spare goods are sold, inputs too.
constexpr std::int32_t kBrokeBelow = 60;
// Where a thief's bag is clicked, from its corner: the middle of the sack.
constexpr Korrin::Vector2 kBagAim{30.0f, 43.0f};
constexpr std::uint64_t kUpgradeLookGap = 600;
// Frames from the winning move to the statistics window beyond which the level counts as stuck.
constexpr std::uint64_t kStatisticsWait = 3600;

Korrin::Vector2 CentreOf(const Korrin::Rect& rect)
{
    return {(rect.left + rect.right) * 0.5f, (rect.top + rect.bottom) * 0.5f};
}

template <typename T>
std::vector<T*> EntitiesOf(const Level& level)
{
    std::vector<T*> out;
    if (EntityManager* entities = level.GetEntityManager())
    {
        for (const auto& [type, entity] : entities->GetEntities())
        {
            if (auto* kind = dynamic_cast<T*>(entity))
            {
                out.push_back(kind);
            }
        }
    }
    return out;
}

Level* RunningLevel()
{
    Game* game = Game::Peek();
    return game != nullptr ? game->GetLevel() : nullptr;
}

} // namespace

void Player::Trace(const char* format, ...) const
{
    if (!mOptions.trace)
    {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    TraceLine(mFrame, "", format, arguments);
    va_end(arguments);
}

void Player::Lose(const std::string& reason)
{
    if (mFinished)
    {
        return;
    }
    Trace("lost: %s", reason.c_str());
    mOutcome.won = false;
    mOutcome.reason = reason;
    if (const LevelTaskInfo* task = LevelTaskInfo::Peek())
    {
        mOutcome.clock = task->levelTime;
        mOutcome.money = task->money;
    }
    mFinished = true;
    mStage = Stage::Done;
}

bool Player::Think(std::uint64_t frame, Hands& hands)
{
    if (mFrame == 0 && mStageFrame == 0)
    {
        mStageFrame = frame;
        mLastProgressFrame = frame;
    }
    mFrame = frame;
    if (mStage == Stage::Done)
    {
        return false;
    }
    if (mStage == Stage::Playing)
    {
        ThinkInLevel(hands);
        return mStage != Stage::Done;
    }
    return ThinkOutsideLevel(hands);
}

// ---- Menus, map and windows ----------------------------------------------------------------------

bool Player::ClickWindowButton(const std::vector<std::string>& names, Hands& hands, bool anyContainer)
{
    const std::vector<GuiScan::Target> targets =
        anyContainer ? GuiScan::Clickable() : GuiScan::ClickableInWindows();
    for (const std::string& name : names)
    {
        for (const GuiScan::Target& target : targets)
        {
            // A name, or the end of one after an underscore ("STARTNEW_OK" answers to "OK").
            const std::string& has = target.name;
            const bool matches =
                has == name || (has.size() > name.size() && has[has.size() - name.size() - 1] == '_' &&
                                has.compare(has.size() - name.size(), name.size(), name) == 0);
            if (matches)
            {
                Trace("window button %s", has.c_str());
                hands.Click(target.centre.x, target.centre.y);
                hands.Wait(20);
                return true;
            }
        }
    }
    return false;
}

bool Player::AnswerWindow(std::uint8_t shown, Hands& hands)
{
    if (shown == LevelStatistics::kWindowId && mStage == Stage::Playing)
    {
        return false;
    }
    if (shown == LevelStatistics::kWindowId && mStage != Stage::Won)
    {
        mStage = Stage::Won;
    }
    // The achievements' reward window stands in a container of its own, not in a window frame.
    const bool rewards = shown == RewardAlertSystemGui::kWindowId;
    if (ClickWindowButton({"OK", "OK_BUTTON", "YES", "CLOSE", "CONTINUE"}, hands, rewards))
    {
        return true;
    }
    if (mFrame - mLastProgressFrame > 120)
    {
        mLastProgressFrame = mFrame;
        Trace("window %d offers:\n%s", shown, GuiScan::Describe(GuiScan::ClickableInWindows()).c_str());
    }
    // A window that shows nothing to click yet (it is still sliding in): wait.
    hands.Wait(10);
    return true;
}

bool Player::ThinkOutsideLevel(Hands& hands)
{
    GameApplication* app = GameApplication::GetCurrentGame();
    if (mFrame - mLastProgressFrame > 300)
    {
        mLastProgressFrame = mFrame;
        Main* shownMain = Main::Peek();
        Trace("outside: screen %d window %d", shownMain != nullptr ? shownMain->GetCurrent() : -1,
              shownMain != nullptr ? shownMain->GetGameGuiManager()->GetShown() : -1);
    }
    if (app == nullptr)
    {
        hands.Wait(1);
        return true;
    }
    if (LogoScreen* logo = app->GetLogo(); logo != nullptr && logo->IsRunning())
    {
        hands.Click(512.0f, 384.0f);
        return true;
    }
    Main* main = Main::Peek();
    if (main == nullptr || !app->IsStarted())
    {
        hands.Wait(5);
        return true;
    }
    if (mFrame - mStageFrame > kStuckFrames * 3)
    {
        Lose("stuck outside the level (screen " + std::to_string(main->GetCurrent()) + ")");
        return false;
    }
    GameGuiManager* windows = main->GetGameGuiManager();
    const std::uint8_t shown = windows != nullptr ? windows->GetShown() : GameGuiManager::kNoWindow;
    if (shown < GameGuiManager::kNoWindow)
    {
        return AnswerWindow(shown, hands);
    }
    switch (main->GetCurrent())
    {
    case Main::kMainMenuScreen:
        if (mStage == Stage::Won)
        {
            mStage = Stage::Done;
            return false;
        }
        if (!ClickWindowButton({"MAINMENU_PLAY"}, hands, true))
        {
            hands.Wait(10);
        }
        return true;
    case Main::kScriptMovieScreen:
        mSawClip = true;
        if (mOptions.watchClips || !ClickWindowButton({ClipGui::kSkipButton}, hands, true))
        {
            hands.Wait(10);
        }
        return true;
    case Main::kMapScreen:
    {
        if (mStage == Stage::Won)
        {
            // Back on the map after the win: the game has banked and saved.
            mStage = Stage::Done;
            return false;
        }
        auto* map = dynamic_cast<Map*>(main->GetByIndex(Main::kMapScreen));
        MapButton* button =
            map != nullptr ? map->GetButton(static_cast<std::uint32_t>(mOptions.level - 1)) : nullptr;
        if (button == nullptr)
        {
            hands.Wait(10);
            return true;
        }
        if (button->state == MapButton::kLocked || button->state == MapButton::kWaitingForGoods)
        {
            Lose(button->state == MapButton::kLocked ? "its map button is locked"
                                                     : "its map button waits for goods of the map shop");
            return false;
        }
        Trace("map: level %d", mOptions.level);
        hands.Click(button->pos.x + 17.0f, button->pos.y + 25.0f);
        hands.Wait(30);
        return true;
    }
    case Main::kGameScreen:
    {
        const LevelTaskInfo* task = LevelTaskInfo::Peek();
        if (task != nullptr && task->level == mOptions.level && mStage == Stage::ToLevel)
        {
            Trace("level %d running", mOptions.level);
            if (Level* level = RunningLevel(); level != nullptr && mOptions.trace)
            {
                for (const auto& [type, entity] : level->GetEntityManager()->GetEntities())
                {
                    const auto* building = dynamic_cast<const EntityBuilding*>(entity);
                    Trace("  %s at %.0f,%.0f level %d%s%s", KindName(type).c_str(),
                          static_cast<double>(entity->GetX()), static_cast<double>(entity->GetY()),
                          entity->GetUpgradeLevel(),
                          building != nullptr && building->IsForSale() ? " for sale" : "",
                          entity->GetWorker() != nullptr && entity->GetWorker()->IsActive() ? " manned" : "");
                }
            }
            mStage = Stage::Playing;
            mStageFrame = mFrame;
            mOutcome.goldSeconds = task->goldMinutes * 60u + task->goldSeconds;
            mOutcome.silverSeconds = task->silverMinutes * 60u + task->silverSeconds;
            hands.Rest(kRestPlace.x, kRestPlace.y);
            return true;
        }
        hands.Wait(10);
        return true;
    }
    default:
        hands.Wait(10);
        return true;
    }
}

// ---- The level ------------------------------------------------------------------------------------

std::string Player::FieldState() const
{
    // The shop's shelves (x: locked), the storehouse's goods and each building's orders, for the trace.
    std::ostringstream text;
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return {};
    }
    text << "shelves";
    for (EntityShop* shop : EntitiesOf<EntityShop>(*level))
    {
        for (const StoreCell& cell : shop->GetCells().GetCells())
        {
            text << ' ';
            cell.unlocked == 0 ? text << 'x' : text << static_cast<int>(cell.goods);
        }
    }
    text << " | store";
    for (EntityStorehouse* store : EntitiesOf<EntityStorehouse>(*level))
    {
        for (const auto& [goods, count] : store->GetCells().GetGoodsCounts())
        {
            text << ' ' << static_cast<int>(goods) << 'x' << count;
        }
    }
    text << " | buildings";
    for (EntityBuilding* building : EntitiesOf<EntityBuilding>(*level))
    {
        text << " [" << static_cast<int>(building->GetType()) << " tasks";
        for (std::uint8_t i = 0; i < building->GetTaskCount(); ++i)
        {
            text << ' ' << static_cast<int>(building->GetTask(i));
        }
        text << " runs " << building->GetRunsLeft() << " inside " << building->IsWorkerInside() << " missing "
             << building->GetMissingInputBubble() << ']';
    }
    return text.str();
}

std::int32_t Player::Money() const
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    return task != nullptr ? task->money : 0;
}

std::map<std::uint8_t, std::int32_t> Player::GoalsLeft() const
{
    std::map<std::uint8_t, std::int32_t> left;
    if (const LevelTaskInfo* task = LevelTaskInfo::Peek())
    {
        for (std::size_t i = 0; i < task->goals.size(); ++i)
        {
            const LevelTaskInfo::Obj& goal = task->goals[i];
            if (goal.goods != LevelTaskInfo::kMoneyGoods && goal.remaining > 0)
            {
                left[goal.goods] += goal.remaining;
            }
        }
    }
    return left;
}

std::int32_t Player::GoalMoneyLeft() const
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (task == nullptr)
    {
        return 0;
    }
    for (std::size_t i = 0; i < task->goals.size(); ++i)
    {
        if (task->goals[i].goods == LevelTaskInfo::kMoneyGoods)
        {
            return std::max(0, task->goals[i].target - task->money);
        }
    }
    return 0;
}

std::int32_t Player::InStock(std::uint8_t goods) const
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return 0;
    }
    std::int32_t count = 0;
    for (EntityStorehouse* store : EntitiesOf<EntityStorehouse>(*level))
    {
        const auto counts = store->GetCells().GetGoodsCounts();
        if (const auto found = counts.find(goods); found != counts.end())
        {
            count += static_cast<std::int32_t>(found->second);
        }
    }
    return count;
}

std::int32_t Player::OnShelves(std::uint8_t goods) const
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return 0;
    }
    std::int32_t count = 0;
    for (EntityShop* shop : EntitiesOf<EntityShop>(*level))
    {
        for (const StoreCell& cell : shop->GetCells().GetCells())
        {
            count += cell.goods == goods ? 1 : 0;
        }
    }
    return count;
}

std::uint32_t Player::FreeShopCells() const
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return 0;
    }
    std::uint32_t count = 0;
    for (EntityShop* shop : EntitiesOf<EntityShop>(*level))
    {
        for (const StoreCell& cell : shop->GetCells().GetCells())
        {
            count += cell.goods == 0 && cell.unlocked != 0 ? 1 : 0;
        }
    }
    return count;
}

std::int32_t Player::InProduction(std::uint8_t goods) const
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return 0;
    }
    std::int32_t count = 0;
    for (EntityGarden* garden : EntitiesOf<EntityGarden>(*level))
    {
        for (std::uint8_t i = 0; i < garden->GetTaskCount(); ++i)
        {
            count += garden->GetTask(i) == goods ? 3 : 0;
        }
        for (std::size_t bed = 0; bed < EntityGarden::kBeds; ++bed)
        {
            const Plant& plant = garden->GetBed(bed);
            count += plant.GetCrop() == goods ? std::max<std::int32_t>(plant.GetFruitCount(), 1) : 0;
        }
    }
    for (EntityBuilding* building : EntitiesOf<EntityBuilding>(*level))
    {
        for (std::uint8_t i = 0; i < building->GetTaskCount(); ++i)
        {
            count += building->GetTask(i) == goods ? 1 : 0;
        }
    }
    return count;
}

std::map<std::uint8_t, std::int32_t> Player::Wanted() const
{
    std::map<std::uint8_t, std::int32_t> wanted = GoalsLeft();
    // The inputs of the goods the goals want from buildings, and the inputs of those inputs that are made
    // in buildings too (oil for fried potatoes, sunflowers for the oil), less what is made already.
    std::map<std::uint8_t, std::int32_t> frontier = wanted;
    for (int depth = 0; depth < 3 && !frontier.empty(); ++depth)
    {
        std::map<std::uint8_t, std::int32_t> inputs;
        for (const auto& [goods, count] : frontier)
        {
            // An order queued in a building counts as made, but its inputs are still to be fetched.
            const std::int32_t need =
                depth == 0 ? count
                           : std::max(0, count - InStock(goods) - InProduction(goods)) + QueuedOrders(goods);
            for (std::uint8_t type = 0; need > 0 && type < 255; ++type)
            {
                const BuildingKind* kind = BuildingKind::Find(type);
                if (kind == nullptr || goods < kind->product || goods >= kind->product + 3 ||
                    !OnTheField(type))
                {
                    continue;
                }
                inputs[kind->firstInput] += need;
                if (kind->fairy && kind->secondInput != kind->firstInput)
                {
                    inputs[kind->secondInput] += need;
                }
            }
        }
        for (const auto& [goods, count] : inputs)
        {
            wanted[goods] += count;
        }
        frontier = std::move(inputs);
    }
    return wanted;
}

bool Player::OnTheField(std::uint8_t buildingType) const
{
    // Goods bought ready in the storehouse window need no inputs: only a building of the field makes them.
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return false;
    }
    for (EntityBuilding* building : EntitiesOf<EntityBuilding>(*level))
    {
        const BuildingKind* kind = building->GetKind();
        if (kind != nullptr && kind->type == buildingType)
        {
            return true;
        }
    }
    return false;
}

std::string Player::KindName(std::uint8_t type)
{
    switch (type)
    {
    case Entity::kRope:
        return "the rope";
    case Entity::kGarden:
        return "a garden";
    case Entity::kStorehouse:
        return "the storehouse";
    case Entity::kWaterWell:
        return "the well";
    case Entity::kShop:
        return "the shop";
    case 132:
        return "the gardener";
    case EntityBuilding::kBoyType:
        return "a boy";
    case EntityBuilding::kFairyType:
        return "a fairy";
    case Pers::kBuyer:
        return "a buyer";
    case Pers::kThief:
        return "a thief";
    default:
        break;
    }
    if (const BuildingKind* kind = BuildingKind::Find(type))
    {
        return std::string("the ") + kind->name;
    }
    return "object " + std::to_string(type);
}

namespace
{

// The rectangle in which an object takes the pointer now: a character's follows its figure.
Korrin::Rect CurrentRect(const Clickable& object)
{
    if (const auto* person = dynamic_cast<const Pers*>(&object))
    {
        const Korrin::Vector2 root = person->GetRootPosition();
        return {root.x - 32.0f, root.y - 64.0f, root.x + 32.0f, root.y + 32.0f};
    }
    return object.GetRect();
}

bool Inside(const Korrin::Vector2& point, const Korrin::Rect& rect)
{
    return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom;
}

} // namespace

const Clickable* Player::TakerOf(const Korrin::Vector2& point) const
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return nullptr;
    }
    for (const Clickable* other : level->GetObjects())
    {
        if (!other->IsSelectable() || dynamic_cast<const ThiefBag*>(other) != nullptr)
        {
            continue;
        }
        const auto* store = dynamic_cast<const EntityStorehouse*>(other);
        if (Inside(point, CurrentRect(*other)) || (store != nullptr && Inside(point, store->GetFlagRect())))
        {
            return other;
        }
    }
    return nullptr;
}

bool Player::ClickPart(const Clickable& object, const Korrin::Rect& part, Hands& hands)
{
    // A player aims at the middle of what he means. Another object of the field that takes that point
    // is a fault of the level; a character walking over it is waited for, or clicked around.
    const Korrin::Vector2 aim = CentreOf(part);
    const Clickable* taker = TakerOf(aim);
    if (taker != &object && taker != nullptr && dynamic_cast<const Pers*>(taker) == nullptr)
    {
        Lose("a click on the middle of " + KindName(object.GetType()) + " reaches " +
             KindName(taker->GetType()));
        return true;
    }
    if (taker == &object)
    {
        hands.Click(aim.x, aim.y);
        return true;
    }
    for (float dy = 0.0f; dy <= (part.bottom - part.top) * 0.5f; dy += 8.0f)
    {
        for (float dx = 0.0f; dx <= (part.right - part.left) * 0.5f; dx += 8.0f)
        {
            for (const Korrin::Vector2 at :
                 {Korrin::Vector2{aim.x - dx, aim.y - dy}, Korrin::Vector2{aim.x + dx, aim.y - dy},
                  Korrin::Vector2{aim.x - dx, aim.y + dy}, Korrin::Vector2{aim.x + dx, aim.y + dy}})
            {
                if (TakerOf(at) == &object)
                {
                    hands.Click(at.x, at.y);
                    return true;
                }
            }
        }
    }
    // Covered for now: the character moves on.
    Trace("%s is covered by %s", KindName(object.GetType()).c_str(),
          taker != nullptr ? KindName(taker->GetType()).c_str() : "nothing");
    hands.Wait(10);
    return true;
}

std::int32_t Player::Reserve() const
{
    // The money the goals' buildings (and the buildings of their inputs) still need: bought and manned
    // before anything else is spent.
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return 0;
    }
    const std::map<std::uint8_t, std::int32_t> goals = Wanted();
    std::int32_t reserve = 0;
    for (EntityBuilding* building : EntitiesOf<EntityBuilding>(*level))
    {
        const BuildingKind* kind = building->GetKind();
        bool wanted = false;
        for (int k = 0; kind != nullptr && k < 3; ++k)
        {
            wanted = wanted || goals.count(static_cast<std::uint8_t>(kind->product + k)) != 0;
        }
        if (!wanted)
        {
            continue;
        }
        if (building->IsForSale())
        {
            reserve += CostRecord::GetLevelValue(0, building->GetCost());
        }
        if (building->GetWorker() == nullptr || !building->GetWorker()->IsActive())
        {
            reserve += building->WorkerHirePrice();
        }
        reserve += ReadyOrderPrice(*building, goals);
    }
    return reserve;
}

std::int32_t Player::ReadyOrderPrice(EntityBuilding& building,
                                     const std::map<std::uint8_t, std::int32_t>& wanted) const
{
    // Inputs in store for a wanted order not yet placed: its price is kept, or the inputs wait for
    // nothing while the money goes to seeds and upgrades.
    const BuildingKind* kind = building.GetKind();
    if (kind == nullptr || building.IsForSale() || building.GetTaskCount() != 0 || !InputsInStock(*kind, 0))
    {
        return 0;
    }
    for (int k = 0; k < 3; ++k)
    {
        const auto goods = static_cast<std::uint8_t>(kind->product + k);
        const auto found = wanted.find(goods);
        if (found != wanted.end() && found->second > InStock(goods) + OnShelves(goods) + InProduction(goods))
        {
            return EntityTask::OrderPrice(goods);
        }
    }
    return 0;
}

std::int32_t Player::Missing(std::uint8_t goods, std::int32_t alsoBought) const
{
    const std::map<std::uint8_t, std::int32_t> wanted = Wanted();
    const auto want = wanted.find(goods);
    return want == wanted.end()
               ? 0
               : want->second - InStock(goods) - OnShelves(goods) - InProduction(goods) - alsoBought;
}

bool Player::WorthBuying(std::uint8_t goods, std::int32_t alsoBought, std::int32_t spent,
                         bool grownPass) const
{
    // What the field cannot make is bought at once; a crop the gardens grow only when all that is
    // missing of it can be paid now, since seeds cost far less.
    const std::int32_t missing = Missing(goods, alsoBought);
    const std::int32_t price = TableCost::GetStoreHousePrice(goods);
    if (missing <= 0)
    {
        return false;
    }
    const std::int32_t order = OrderPriceOfUsing(goods);
    return Growable(goods) ? grownPass && Affords(spent + missing * price + order)
                           : !grownPass && Affords(spent + price + order);
}

bool Player::Growable(std::uint8_t goods) const
{
    Level* level = RunningLevel();
    if (level == nullptr || goods < Plant::kCarrot || goods > Plant::kWheat)
    {
        return false;
    }
    for (EntityGarden* garden : EntitiesOf<EntityGarden>(*level))
    {
        if (garden->GetUpgradeLevel() >= goods - Plant::kCarrot && !garden->IsForSale())
        {
            return true;
        }
    }
    return false;
}

bool Player::Affords(std::int32_t price) const
{
    return Money() - price >= Reserve();
}

std::int32_t Player::KeptForOrders(std::uint8_t goods) const
{
    const std::map<std::uint8_t, std::int32_t> wanted = Wanted();
    const std::map<std::uint8_t, std::int32_t> goals = GoalsLeft();
    const auto want = wanted.find(goods);
    const auto goal = goals.find(goods);
    return (want != wanted.end() ? want->second : 0) - (goal != goals.end() ? goal->second : 0) +
           QueuedInputs(goods);
}

std::int32_t Player::QueuedOrders(std::uint8_t goods) const
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return 0;
    }
    std::int32_t count = 0;
    for (EntityBuilding* building : EntitiesOf<EntityBuilding>(*level))
    {
        for (std::uint8_t i = 0; i < building->GetTaskCount(); ++i)
        {
            count += building->GetTask(i) == goods ? 1 : 0;
        }
    }
    return count;
}

std::int32_t Player::QueuedInputs(std::uint8_t goods) const
{
    // An order waiting in a building's queue counts as made already, but its input is still in the store.
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return 0;
    }
    std::int32_t count = 0;
    for (EntityBuilding* building : EntitiesOf<EntityBuilding>(*level))
    {
        const BuildingKind* kind = building->GetKind();
        if (kind != nullptr && (kind->firstInput == goods || (kind->fairy && kind->secondInput == goods)))
        {
            count += building->GetTaskCount();
        }
    }
    return count;
}

bool Player::SellingForMoney() const
{
    return GoalMoneyLeft() > 0 || ShortOfOrderMoney();
}

bool Player::ShortOfOrderMoney() const
{
    // An order the goals want, with its inputs in store, that the money cannot pay: the goods nothing
    // needs go to the shop until it can.
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return false;
    }
    const std::map<std::uint8_t, std::int32_t> wanted = Wanted();
    for (EntityBuilding* building : EntitiesOf<EntityBuilding>(*level))
    {
        const BuildingKind* kind = building->GetKind();
        if (kind == nullptr || building->IsForSale() || building->GetTaskCount() != 0 ||
            !InputsInStock(*kind, 0))
        {
            continue;
        }
        for (int k = 0; k < 3; ++k)
        {
            const auto goods = static_cast<std::uint8_t>(kind->product + k);
            const auto found = wanted.find(goods);
            if (found != wanted.end() &&
                found->second > InStock(goods) + OnShelves(goods) + InProduction(goods) &&
                Money() < EntityTask::OrderPrice(goods))
            {
                return true;
            }
        }
    }
    return false;
}

bool Player::Broke() const
{
    // Too little for any order or the dearer seeds: only a sale starts the field again.
    return Money() < kBrokeBelow;
}

bool Player::Sells(std::uint8_t goods, std::int32_t inStore, std::int32_t onShelves) const
{
    // For the money goal, or to free a box for a worker who waits with goods in hand, or for the harvests
    // and purchases that a full storehouse keeps out.
    if ((SellingForMoney() || WorkerWaitsForRoom() || StoreFull()) && inStore > KeptForOrders(goods))
    {
        return true;
    }
    // Broke, one unit at a time goes to the shop even from the inputs kept for orders still to place, but
    // never from those of an order already paid and queued: it would wait for them for ever. With a
    // worker's goods waiting for a box that only the orders' inputs fill, even those go.
    const bool broke = Broke() && inStore > QueuedInputs(goods);
    return (broke || WorkerWaitsForRoom()) && inStore > 0 && onShelves == 0;
}

std::int32_t Player::OrderPriceOfUsing(std::uint8_t goods) const
{
    // The dearest order of a goal's building that takes these goods in: bought inputs are worth
    // nothing without the money to order what they go into.
    std::int32_t price = 0;
    for (const auto& [wanted, count] : GoalsLeft())
    {
        for (std::uint8_t type = 0; type < 255; ++type)
        {
            const BuildingKind* kind = BuildingKind::Find(type);
            if (kind != nullptr && wanted >= kind->product && wanted < kind->product + 3 &&
                (kind->firstInput == goods || (kind->fairy && kind->secondInput == goods)))
            {
                price = std::max<std::int32_t>(price, EntityTask::OrderPrice(wanted));
            }
        }
    }
    return price;
}

bool Player::StoreFull() const
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return false;
    }
    const auto stores = EntitiesOf<EntityStorehouse>(*level);
    return std::any_of(stores.begin(), stores.end(),
                       [](const EntityStorehouse* store) { return store->GetCells().IsFull(); });
}

bool Player::WorkerWaitsForRoom() const
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return false;
    }
    const auto stores = EntitiesOf<EntityStorehouse>(*level);
    const bool full = std::any_of(stores.begin(), stores.end(),
                                  [](const EntityStorehouse* store) { return store->GetCells().IsFull(); });
    if (!full)
    {
        return false;
    }
    for (EntityBuilding* building : EntitiesOf<EntityBuilding>(*level))
    {
        const Pers* worker = building->GetWorker();
        if (worker != nullptr && worker->IsActive() && worker->GetCarriedGoods() != 0)
        {
            return true;
        }
    }
    return false;
}

void Player::ClickObject(const Clickable& object, Hands& hands)
{
    ClickPart(object, object.GetRect(), hands);
}

bool Player::PanelButton(const std::string& name, Korrin::Vector2& at) const
{
    GamePanel* panel = GamePanel::Peek();
    Korrin::GuiContainer* page = panel != nullptr ? panel->GetPanel(panel->GetCurrent()) : nullptr;
    if (page == nullptr)
    {
        return false;
    }
    const std::vector<GuiScan::Target> targets = GuiScan::ClickableIn(*page, page->GetName());
    const GuiScan::Target* target = GuiScan::Find(targets, name);
    if (target == nullptr)
    {
        return false;
    }
    at = target->centre;
    return true;
}

bool Player::ClickObjectThenButton(Clickable& object, const std::string& button, Hands& hands, int tab)
{
    // A chore whose button was missing or did nothing rests a while, so the other chores go on.
    const std::string key = std::to_string(reinterpret_cast<std::uintptr_t>(&object)) + button;
    if (const auto resting = mResting.find(key); resting != mResting.end() && mFrame < resting->second)
    {
        return false;
    }
    if (!object.IsSelected())
    {
        if (mMeant == &object && ++mMisses > 3)
        {
            Lose("a click on an object of the field did not reach it");
            return true;
        }
        mMeant = &object;
        Trace("select object type %d", object.GetType());
        ClickObject(object, hands);
        hands.Wait(2);
        return true;
    }
    mMeant = nullptr;
    mMisses = 0;
    if (tab >= 0 && object.GetPanelMode() != static_cast<std::uint32_t>(tab))
    {
        const Korrin::Vector2 at = tab == 0 ? kFirstTab : kSecondTab;
        hands.Click(at.x, at.y);
        hands.Wait(2);
        return true;
    }
    Korrin::Vector2 at;
    if (!PanelButton(button, at))
    {
        mResting[key] = mFrame + kChoreRest;
        return false;
    }
    mRepeats = key == mLastButton ? mRepeats + 1 : 0;
    mLastButton = key;
    if (mRepeats >= 4)
    {
        mResting[key] = mFrame + kChoreRest;
        mRepeats = 0;
        return false;
    }
    Trace("panel button %s", button.c_str());
    hands.Click(at.x, at.y);
    hands.Wait(2);
    return true;
}

bool Player::AnswerTip(Hands& hands)
{
    HintManager* hints = HintManager::Peek();
    HintManager::HintRecord* current = hints != nullptr ? hints->GetCurrent() : nullptr;
    if (current == nullptr || current->hint == nullptr)
    {
        return false;
    }
    const Hint& hint = *current->hint;
    // A tip that ends when the pointer is over it goes at once; one that waits for a deed of the
    // player's stays, and the player goes on with the deed.
    if (mTip == &hint && ++mTipLooks > 2)
    {
        return false;
    }
    if (mTip != &hint)
    {
        mTip = &hint;
        mTipLooks = 0;
    }
    for (float y = 8.0f; y < 768.0f; y += 16.0f)
    {
        for (float x = 8.0f; x < 1024.0f; x += 16.0f)
        {
            if (hint.IsPointOver({x, y}))
            {
                if (mFrame % 4 == 0)
                {
                    Trace("tip under the pointer");
                }
                hands.Rest(x, y);
                hands.Wait(3);
                return true;
            }
        }
    }
    return false;
}

bool Player::CatchThief(Hands& hands)
{
    Level* level = RunningLevel();
    PersManager* people = level != nullptr ? level->GetPersManager() : nullptr;
    if (people == nullptr)
    {
        return false;
    }
    for (PersRunThief* thief : people->GetThiefManager().GetThieves())
    {
        if (thief == nullptr || thief->IsHidden() || !thief->IsActive() || !thief->IsSelectable())
        {
            continue;
        }
        const Korrin::Vector2 root = thief->GetRootPosition();
        if (root.x < 0.0f || root.x > 1024.0f || root.y < 0.0f || root.y > 620.0f)
        {
            continue;
        }
        Trace("thief at %.0f,%.0f", static_cast<double>(root.x), static_cast<double>(root.y));
        hands.Click(root.x, root.y - 16.0f);
        return true;
    }
    return false;
}

bool Player::CatchBag(Hands& hands)
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return false;
    }
    for (Clickable* object : level->GetObjects())
    {
        auto* bags = dynamic_cast<ThiefBag*>(object);
        if (bags == nullptr)
        {
            continue;
        }
        for (const ThiefBag::Bag& bag : bags->GetBags())
        {
            // A bag over the storehouse's flag or another object is left: the click would open that. The
            // bag takes clicks in the box below its top, the sack itself.
            const Korrin::Vector2 at{bag.x + kBagAim.x, bag.y + kBagAim.y};
            const Clickable* taker = TakerOf(at);
            if ((bag.speed == ThiefBag::kLanded || bag.speed > 0.0f) &&
                (taker == nullptr || dynamic_cast<const Pers*>(taker) != nullptr))
            {
                Trace("bag at %.0f,%.0f", static_cast<double>(bag.x), static_cast<double>(bag.y));
                hands.Click(at.x, at.y);
                return true;
            }
        }
    }
    return false;
}

bool Player::TendGardens(Hands& hands)
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return false;
    }
    const std::map<std::uint8_t, std::int32_t> wanted = Wanted();
    for (EntityGarden* garden : EntitiesOf<EntityGarden>(*level))
    {
        if (garden->IsConstructing())
        {
            continue;
        }
        if (garden->IsForSale())
        {
            const CostRecord& cost = garden->GetCost();
            if (Money() >= static_cast<std::int32_t>(CostRecord::GetLevelValue(0, cost)))
            {
                if (ClickObjectThenButton(*garden, "TABGARDEN_BUY", hands))
                {
                    return true;
                }
            }
            continue;
        }
        if (!garden->IsGardenerHired())
        {
            if (ClickObjectThenButton(*garden, "CHAR_BUY", hands, 1))
            {
                return true;
            }
            continue;
        }
        if (garden->GetTaskCount() >= garden->GetTaskLimit() || garden->GetTaskCount() >= 2)
        {
            continue;
        }
        // The crops the goals (and the goals' buildings) want; a crop above the garden's level asks for
        // its upgrade.
        bool upgradeWanted = false;
        for (std::uint8_t k = 0; k < 5; ++k)
        {
            const auto crop = static_cast<std::uint8_t>(Plant::kCarrot + k);
            const auto found = wanted.find(crop);
            const std::int32_t need = found != wanted.end() ? found->second : 0;
            if (need <= 0 || InStock(crop) + OnShelves(crop) + InProduction(crop) >= need)
            {
                continue;
            }
            if (k > garden->GetUpgradeLevel())
            {
                upgradeWanted = true;
                continue;
            }
            if (Money() < TableCost::GetGoodsCost(k))
            {
                continue;
            }
            if (ClickObjectThenButton(*garden, "GARDEN_TASK" + std::to_string(k + 1), hands, 0))
            {
                return true;
            }
        }
        if (upgradeWanted && ClickObjectThenButton(*garden, "GARDEN_UPGRADE", hands, 0))
        {
            return true;
        }
        // Crops sell: with the money goal open, grow the dearest crop the garden has, keeping the money
        // the goals' buildings need.
        if (SellingForMoney() && garden->GetTaskCount() < 2)
        {
            for (int k = std::min<int>(garden->GetUpgradeLevel(), 4); k >= 0; --k)
            {
                const auto crop = static_cast<std::uint8_t>(Plant::kCarrot + k);
                if (Affords(TableCost::GetGoodsCost(k)) && InStock(crop) + OnShelves(crop) < 8 &&
                    ClickObjectThenButton(*garden, "GARDEN_TASK" + std::to_string(k + 1), hands, 0))
                {
                    return true;
                }
            }
        }
    }
    return false;
}

bool Player::TendWells(Hands& hands)
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return false;
    }
    bool gardensNeedWater = false;
    for (EntityGarden* garden : EntitiesOf<EntityGarden>(*level))
    {
        for (std::size_t bed = 0; bed < EntityGarden::kBeds; ++bed)
        {
            gardensNeedWater =
                gardensNeedWater || garden->GetBed(bed).HasCrop() || garden->GetTaskCount() > 0;
        }
    }
    if (!gardensNeedWater)
    {
        return false;
    }
    for (EntityWaterWell* well : EntitiesOf<EntityWaterWell>(*level))
    {
        if (well->GetTaskCount() == 0 && !well->IsBusy() &&
            Money() >= EntityTask::OrderPrice(EntityWaterWell::kSmallPail))
        {
            if (ClickObjectThenButton(*well, "WAT_TASK1", hands))
            {
                return true;
            }
        }
    }
    return false;
}

bool Player::SomeoneWaitsForARope(Level& level)
{
    GameField* field = level.GetGameField();
    EntityManager* entities = level.GetEntityManager();
    WalkTarget store;
    if (field == nullptr || entities == nullptr)
    {
        return false;
    }
    Entity* storehouse = entities->GetEntity(Entity::kStorehouse);
    if (storehouse == nullptr || !storehouse->GetWalkTarget(&store, 0))
    {
        return false;
    }
    std::vector<IJ> path;
    for (const auto& [type, entity] : entities->GetEntities())
    {
        WalkTarget from;
        const bool walks = dynamic_cast<EntityBuilding*>(entity) != nullptr || type == Entity::kGarden ||
                           type == Entity::kWaterWell || type == Entity::kShop;
        if (!walks || entity == storehouse || !entity->GetWalkTarget(&from, 0) ||
            (from.I == store.I && from.J == store.J))
        {
            continue;
        }
        if (!field->FindPath({from.I, from.J}, {store.I, store.J}, path) &&
            field->FindPathIgnoringRopes({from.I, from.J}, {store.I, store.J}, path))
        {
            return true;
        }
    }
    return false;
}

bool Player::TendRopes(Hands& hands)
{
    // A rope is bought at every table the money spares: each shortens the workers' and gardeners' ways.
    // A flagged table is on a way someone walks now, and where the only way runs over a rope still to
    // buy, the rope comes before everything else.
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return false;
    }
    const bool needed = SomeoneWaitsForARope(*level);
    for (EntityRope* rope : EntitiesOf<EntityRope>(*level))
    {
        const std::int32_t price = CostRecord::GetLevelValue(0, rope->GetCost());
        for (const EntityRope::RopeTablePoint& table : rope->GetPoints())
        {
            if (!needed && table.flagged == 0 && !Affords(price + kRopeSpare))
            {
                continue;
            }
            const std::string key = "rope table " + std::to_string(static_cast<int>(table.x)) + "," +
                                    std::to_string(static_cast<int>(table.y));
            const auto resting = mResting.find(key);
            if (!Affords(price) || (resting != mResting.end() && mFrame < resting->second))
            {
                continue;
            }
            Korrin::Vector2 at;
            if (rope->IsSelected() && mMeant == rope && PanelButton("TABROPE_BUY", at))
            {
                Trace("panel button TABROPE_BUY");
                hands.Click(at.x, at.y);
                hands.Wait(2);
                mMeant = nullptr;
                mResting[key] = mFrame + kChoreRest;
                return true;
            }
            if (mMeant == rope && ++mMisses > 3)
            {
                // The table did not take the click: it rests, and the other chores go on.
                mMeant = nullptr;
                mMisses = 0;
                mResting[key] = mFrame + kChoreRest;
                continue;
            }
            Trace("rope table at %.0f,%.0f", static_cast<double>(table.x), static_cast<double>(table.y));
            mMeant = rope;
            hands.Click(table.x + EntityRope::kTableWidth * 0.5f, table.y + EntityRope::kTableHeight * 0.5f);
            hands.Wait(2);
            return true;
        }
    }
    return false;
}

bool Player::TendBuildings(Hands& hands)
{
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return false;
    }
    const std::map<std::uint8_t, std::int32_t> goals = Wanted();
    for (EntityBuilding* building : EntitiesOf<EntityBuilding>(*level))
    {
        const BuildingKind* kind = building->GetKind();
        if (kind == nullptr || building->IsConstructionPlaying())
        {
            continue;
        }
        // The order of the building that a goal, or a goal's building, wants, if any.
        int order = -1;
        std::int32_t need = 0;
        for (int k = 0; k < 3; ++k)
        {
            const auto goods = static_cast<std::uint8_t>(kind->product + k);
            if (const auto found = goals.find(goods); found != goals.end())
            {
                const std::int32_t short_ =
                    found->second - InStock(goods) - OnShelves(goods) - InProduction(goods);
                if (short_ > 0)
                {
                    order = k;
                    need = short_;
                    break;
                }
            }
        }
        if (order < 0)
        {
            continue;
        }
        if (building->IsForSale())
        {
            if (ClickObjectThenButton(*building, "TABBUILDING_BUY", hands))
            {
                return true;
            }
            continue;
        }
        if (building->GetWorker() == nullptr || !building->GetWorker()->IsActive())
        {
            if (ClickObjectThenButton(*building, "CHAR_BUY", hands, 1))
            {
                return true;
            }
            continue;
        }
        const auto product = static_cast<std::uint8_t>(kind->product + order);
        if (need > 0 && building->GetTaskCount() < building->GetTaskLimit() && building->GetTaskCount() < 2 &&
            InputsInStock(*kind, static_cast<std::int32_t>(building->GetTaskCount())) &&
            Money() >= EntityTask::OrderPrice(product))
        {
            if (ClickObjectThenButton(*building, "BUILDING_TASK" + std::to_string(order + 1), hands, 0))
            {
                return true;
            }
        }
    }
    return false;
}

bool Player::InputsInStock(const BuildingKind& kind, std::int32_t queued) const
{
    // A fairy's building takes both inputs at once: ordered while one of them is still to be made, its
    // fairy waits at the storehouse with the first in hand, over the flag, and the order's price is spent.
    if (InStock(kind.firstInput) <= queued)
    {
        return false;
    }
    if (!kind.fairy || kind.secondInput == kind.firstInput)
    {
        return true;
    }
    return InStock(kind.secondInput) > queued;
}

bool Player::OpenStorehouseWindow(Hands& hands)
{
    if (mFrame < mNextStoreVisit)
    {
        return false;
    }
    Level* level = RunningLevel();
    if (level == nullptr)
    {
        return false;
    }
    const std::map<std::uint8_t, std::int32_t> goals = GoalsLeft();
    const std::uint32_t free = FreeShopCells();
    bool worthIt = false;
    EntityStorehouse* store = nullptr;
    for (EntityStorehouse* candidate : EntitiesOf<EntityStorehouse>(*level))
    {
        store = candidate;
        for (const auto& [goods, count] : candidate->GetCells().GetGoodsCounts())
        {
            if (goods == 0 || count == 0 || free == 0)
            {
                continue;
            }
            // Goal goods go to the shop as long as the goal wants more than the shelves hold; other goods
            // go while the money goal is open or a worker waits for a free box, keeping the inputs of the
            // buildings' orders.
            const auto goal = goals.find(goods);
            const bool forGoal = goal != goals.end() && OnShelves(goods) < goal->second;
            const bool goalServed = goal == goals.end() || OnShelves(goods) >= goal->second;
            const bool forMoney =
                goalServed && Sells(goods, static_cast<std::int32_t>(count), OnShelves(goods));
            worthIt = worthIt || forGoal || forMoney;
        }
    }
    if (store == nullptr)
    {
        return false;
    }
    // Buying in the storehouse window pays when it gives a goal's goods now.
    StoreHouseGUI* window = nullptr;
    if (Main* main = Main::Peek())
    {
        window = dynamic_cast<StoreHouseGUI*>(main->GetGameGuiManager()->Get(StoreHouseGUI::kWindowId));
    }
    if (window != nullptr)
    {
        for (const auto& [goods, one] : window->GetBuyList())
        {
            worthIt = worthIt || (!store->IsFull() &&
                                  (WorthBuying(goods, 0, 0, false) || WorthBuying(goods, 0, 0, true)));
        }
    }
    if (!worthIt)
    {
        return false;
    }
    Trace("to the storehouse window (flag %.0f,%.0f-%.0f,%.0f)",
          static_cast<double>(store->GetFlagRect().left), static_cast<double>(store->GetFlagRect().top),
          static_cast<double>(store->GetFlagRect().right), static_cast<double>(store->GetFlagRect().bottom));
    mNextStoreVisit = mFrame + kStoreVisitGap;
    mStoreSteps = 0;
    // The storehouse opens its window with a click on its flag.
    ClickPart(*store, store->GetFlagRect(), hands);
    hands.Wait(6);
    return true;
}

bool Player::TendStorehouseWindow(Hands& hands)
{
    Main* main = Main::Peek();
    auto* window =
        main != nullptr
            ? dynamic_cast<StoreHouseGUI*>(main->GetGameGuiManager()->Get(StoreHouseGUI::kWindowId))
            : nullptr;
    if (window == nullptr || main->GetGameGuiManager()->GetShown() != StoreHouseGUI::kWindowId)
    {
        return false;
    }
    if (++mStoreSteps > 40)
    {
        Lose("the storehouse window did not close");
        return true;
    }
    if (window->GetMainWindow() == nullptr)
    {
        Lose("the storehouse window has no widgets");
        return true;
    }
    // A question about moves not yet committed: yes, keep them.
    for (Korrin::GuiContainer* confirm : {window->GetSaleConfirm(), window->GetBuyConfirm()})
    {
        if (confirm != nullptr && confirm->IsVisible() && !confirm->IsDisabled())
        {
            const std::vector<GuiScan::Target> answers = GuiScan::ClickableIn(*confirm, confirm->GetName());
            Trace("store window asks:\n%s", GuiScan::Describe(answers).c_str());
            if (!answers.empty())
            {
                hands.Click(answers.front().centre.x, answers.front().centre.y);
                hands.Wait(2);
                return true;
            }
        }
    }
    const std::vector<GuiScan::Target> targets =
        GuiScan::ClickableIn(*window->GetMainWindow(), window->GetMainWindow()->GetName());
    if (targets.empty())
    {
        // The window's buttons wait while a tip runs over it.
        --mStoreSteps;
        if (!AnswerTip(hands))
        {
            hands.Wait(5);
        }
        return true;
    }
    StoreTrade& trade = window->GetTrade();
    const std::map<std::uint8_t, std::int32_t> goals = GoalsLeft();
    const std::map<std::uint8_t, std::int32_t> wanted = Wanted();
    auto clickRow = [&](std::uint32_t row, bool all)
    {
        const std::string name = std::to_string(row + 1) + (all ? "_all" : "_one");
        if (const GuiScan::Target* target = GuiScan::Find(targets, name))
        {
            Trace("store window %s", name.c_str());
            hands.Click(target->centre.x, target->centre.y);
            hands.Wait(1);
            return true;
        }
        return false;
    };
    if (window->GetPage() == StoreHouseGUI::kShopPage)
    {
        // Goal goods first, one unit at a time up to what the goal still wants; then the rest for money,
        // or to free a box for a worker who waits with goods in hand.
        for (int pass = 0; pass < 2 && trade.HasFreeShopCell(); ++pass)
        {
            for (std::uint32_t row = 0; row < StoreHouseGUI::kRowCount; ++row)
            {
                std::uint8_t goods = 0;
                if (!trade.GetStoreGoods(row, goods))
                {
                    break;
                }
                const auto left = trade.GetStoreCounts().find(goods);
                if (left == trade.GetStoreCounts().end() || left->second == 0)
                {
                    continue;
                }
                std::int32_t placed = 0;
                for (const StoreTrade::Cell& cell : trade.GetShopCells())
                {
                    placed += cell.goods == goods ? 1 : 0;
                }
                const auto goal = goals.find(goods);
                if (pass == 0 && goal != goals.end() && placed < goal->second && clickRow(row, false))
                {
                    return true;
                }
                const bool goalServed = goal == goals.end() || placed >= goal->second;
                if (pass == 1 && goalServed &&
                    Sells(goods, static_cast<std::int32_t>(left->second), placed) && clickRow(row, false))
                {
                    return true;
                }
            }
        }
        // Then the storehouse page, when a purchase there gives a goal's goods.
        bool buy = false;
        for (const auto& [goods, one] : trade.GetBuyList())
        {
            buy = buy || (trade.CanAfford(goods) && trade.HasFreeStoreCell() &&
                          (WorthBuying(goods, 0, 0, false) || WorthBuying(goods, 0, 0, true)));
        }
        if (buy && !trade.HasNewShopGoods())
        {
            Trace("store window: the storehouse page");
            hands.Click(kStorePageTab.x, kStorePageTab.y);
            hands.Wait(3);
            return true;
        }
    }
    else
    {
        if (mOptions.trace && !mToldBuyList)
        {
            std::string list;
            for (const auto& [goods, one] : trade.GetBuyList())
            {
                list += " " + std::to_string(goods);
            }
            Trace("the storehouse sells%s", list.c_str());
            mToldBuyList = true;
        }
        // What the field cannot make comes first; crops the gardens grow are bought only with money to
        // spare, since seeds cost far less.
        const auto total = static_cast<std::int32_t>(trade.GetBuyTotal());
        for (int pass = 0; pass < 2; ++pass)
        {
            std::uint32_t row = 0;
            for (const auto& [goods, one] : trade.GetBuyList())
            {
                const std::int32_t bought = BoughtNow(trade, goods);
                const bool wantedNow = WorthBuying(goods, bought, total, pass == 1);
                if (wantedNow && trade.CanAfford(goods) && trade.HasFreeStoreCell() &&
                    LeavesRoomForOtherInputs(trade, goods) && clickRow(row, false))
                {
                    return true;
                }
                ++row;
            }
        }
    }
    // Done: OK commits the page's moves and closes the window.
    // Done: OK commits the page's moves and closes the window; with nothing moved, Cancel closes it.
    for (const char* ending : {"_OK", "_Cancel"})
    {
        for (const GuiScan::Target& target : targets)
        {
            const std::string end = ending;
            if (target.name.size() >= end.size() &&
                target.name.compare(target.name.size() - end.size(), end.size(), end) == 0)
            {
                Trace("store window %s", target.name.c_str());
                hands.Click(target.centre.x, target.centre.y);
                hands.Wait(4);
                return true;
            }
        }
    }
    Trace("store window offers:\n%s", GuiScan::Describe(targets).c_str());
    hands.Wait(2);
    return true;
}

std::int32_t Player::BoughtNow(const StoreTrade& trade, std::uint8_t goods)
{
    std::int32_t bought = 0;
    for (const StoreTrade::Cell& cell : trade.GetStoreCells())
    {
        bought += cell.HoldsNewGoods() && cell.goods == goods ? 1 : 0;
    }
    return bought;
}

bool Player::LeavesRoomForOtherInputs(const StoreTrade& trade, std::uint8_t goods) const
{
    // A building of two inputs waits for both: a storehouse filled with one of them while the other finds
    // no box stalls the field. A second unit of one input leaves a box free for each other bought input
    // not in store yet.
    if (InStock(goods) + BoughtNow(trade, goods) == 0)
    {
        return true;
    }
    std::int32_t free = 0;
    for (const StoreTrade::Cell& cell : trade.GetStoreCells())
    {
        free += cell.IsFree() ? 1 : 0;
    }
    std::int32_t others = 0;
    for (const auto& [other, one] : trade.GetBuyList())
    {
        const std::int32_t bought = BoughtNow(trade, other);
        if (other != goods && !Growable(other) && InStock(other) + bought == 0 && Missing(other, bought) > 0)
        {
            ++others;
        }
    }
    return free > others;
}

bool Player::UpgradeWhereItPays(Hands& hands)
{
    // A storehouse with at most one free box stops the field: the gardens' harvests and the second input
    // of a fairy's building wait for room. It is raised when the map shop has unlocked the next level
    // and the money spares it.
    Level* level = RunningLevel();
    if (level == nullptr || mFrame < mNextUpgradeLook)
    {
        return false;
    }
    for (EntityStorehouse* store : EntitiesOf<EntityStorehouse>(*level))
    {
        std::uint32_t free = 0;
        for (const StoreCell& cell : store->GetCells().GetCells())
        {
            free += cell.IsFree() ? 1 : 0;
        }
        const bool unlocked = store->GetUpgradeLevel() < store->GetCost().upgradeLevel;
        if (free <= 1 && unlocked &&
            Affords(CostRecord::GetLevelValue(store->GetUpgradeLevel(), store->GetCost())))
        {
            Trace("upgrade the storehouse to level %d", store->GetUpgradeLevel() + 1);
            if (ClickObjectThenButton(*store, "STOREHOUSE_UPGRADE", hands))
            {
                return true;
            }
        }
    }
    mNextUpgradeLook = mFrame + kUpgradeLookGap;
    return false;
}

void Player::ThinkInLevel(Hands& hands)
{
    Main* main = Main::Peek();
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (main == nullptr || task == nullptr)
    {
        Lose("the level went away");
        return;
    }
    // A level not won by twice its silver time is lost, unless a limit was given.
    const float giveUp = mOptions.giveUpSeconds > 0.0f
                             ? mOptions.giveUpSeconds
                             : 2.0f * static_cast<float>(std::max(mOutcome.silverSeconds, 60u));
    if (task->levelTime > giveUp)
    {
        Lose("not won within " + std::to_string(static_cast<int>(giveUp / 60.0f)) + " minutes" +
             (mOptions.giveUpSeconds > 0.0f ? "" : " (twice its silver time)"));
        return;
    }
    const std::uint8_t shown = main->GetGameGuiManager()->GetShown();
    if (mOptions.trace && mFrame - mLastProgressFrame > 600)
    {
        mLastProgressFrame = mFrame;
        std::string goals;
        for (std::size_t i = 0; i < task->goals.size(); ++i)
        {
            goals += " " + std::to_string(task->goals[i].goods) + ":" +
                     std::to_string(task->goals[i].remaining) + "/" + std::to_string(task->goals[i].target);
        }
        HintManager* hints = HintManager::Peek();
        std::string tip = "none";
        if (EducationSlot* slot = main->GetEducationSlot(); slot != nullptr && slot->Get() != nullptr)
        {
            if (Education::TipEvent* event = slot->Get()->GetCurrentEvent())
            {
                tip = event->hintName + (slot->IsEventActive() ? " (armed)" : "");
            }
        }
        Trace("%s", FieldState().c_str());
        Trace("clock %.0f money %d window %d hint %s tip %s locks %d%d%d goals%s",
              static_cast<double>(task->levelTime), task->money, shown,
              hints != nullptr && hints->GetCurrent() != nullptr ? "shown" : "none", tip.c_str(),
              InputLocks::first, InputLocks::second, InputLocks::third, goals.c_str());
    }
    if (shown == LevelStatistics::kWindowId || task->allGoalsMet != 0)
    {
        if (!mOutcome.won)
        {
            mOutcome.won = true;
            mOutcome.clock = task->levelTime;
            mOutcome.money = task->money;
            mOutcome.cup = static_cast<int>(task->RateTime());
            mOutcome.winFrame = mFrame;
            Trace("won at %.1f s", static_cast<double>(task->levelTime));
        }
        if (shown == LevelStatistics::kWindowId)
        {
            mStage = Stage::Won;
            mStageFrame = mFrame;
            mFinished = true;
        }
        else if (mFrame - mOutcome.winFrame > kStatisticsWait)
        {
            // The level clock stops with the win, so the give-up time never comes: a window that keeps
            // the statistics away would hold the run for ever.
            const float clock = mOutcome.clock;
            Lose("won at " + std::to_string(static_cast<int>(clock)) +
                 " s, but the statistics window did not open within a minute (window " +
                 std::to_string(shown) + " stayed)");
            return;
        }
        else if (shown < GameGuiManager::kNoWindow)
        {
            // A reward earned with the last move shows before the statistics.
            AnswerWindow(shown, hands);
            return;
        }
        hands.Wait(10);
        return;
    }
    if (main->GetCurrent() != Main::kGameScreen)
    {
        Lose("the level's screen closed");
        return;
    }
    if (shown == StoreHouseGUI::kWindowId)
    {
        if (!TendStorehouseWindow(hands))
        {
            hands.Wait(2);
        }
        return;
    }
    if (shown < GameGuiManager::kNoWindow)
    {
        AnswerWindow(shown, hands);
        return;
    }
    if (AnswerTip(hands) || CatchThief(hands) || CatchBag(hands) || UpgradeWhereItPays(hands) ||
        TendRopes(hands) || TendBuildings(hands) || OpenStorehouseWindow(hands) || TendGardens(hands) ||
        TendWells(hands))
    {
        return;
    }
    hands.Rest(kRestPlace.x, kRestPlace.y);
    hands.Wait(6);
}

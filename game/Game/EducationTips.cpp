#include "engine/App/TimerManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/Clickable.h"
#include "game/Game/Education.h"
#include "game/Game/GameField.h"
#include "game/Game/Level.h"
#include "game/Game/LevelContent.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Game/WatchedEntity.h"
#include "game/Main.h"
#include "game/Pers/PersManager.h"
#include "game/Util/Hint.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"

#include <algorithm>

namespace
{

constexpr const char* kSource = "Source\\Game\\Education";
constexpr std::uint8_t kStorehouseWindow = GameGuiManager::kStoreHouse;
// The type codes of the entities the tips watch.
constexpr std::uint8_t kRope = 1;
constexpr std::uint8_t kGarden = 5;
constexpr std::uint8_t kStorehouse = 10;
constexpr std::uint8_t kWaterWell = 14;
constexpr std::uint8_t kShop = 17;
constexpr std::uint8_t kJuicer = 30;
constexpr std::int32_t kTipGroup = 0;
constexpr std::int32_t kSecondGroup = 1;
constexpr std::int32_t kWellMoney = 15;
constexpr std::int32_t kGardenerMoney = 5;
constexpr std::int32_t kRopeMoney = 120;
constexpr std::int32_t kJuicerMoney = 70;
constexpr float kFirstMoneyDelay = 3.0f;
constexpr float kIdleBuyerTipRise = 50.0f;
constexpr std::int32_t kRopeTileI = 4;
constexpr std::int32_t kRopeTileJ = 11;

std::int32_t Money()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    return task != nullptr ? task->money : 0;
}

WatchedEntity Watch(std::uint8_t type)
{
    const Level* level = Level::Peek();
    return level != nullptr ? level->GetContent().Watch(*level, type) : WatchedEntity{};
}

bool OwnPage(const Clickable& entity)
{
    return entity.IsSelected() && entity.GetPanelMode() == 0;
}

bool WorkerPage(const Clickable& entity)
{
    return entity.IsSelected() && entity.GetPanelMode() == 1;
}

// A storehouse or shop holding goods that show.
bool HasGoods(std::uint8_t type)
{
    return Watch(type).holdsGoods;
}

void ReportMissing(const char* text, int line)
{
    Korrin::ReportAndBreak(text, Korrin::kEngineModule, kSource, line);
}

} // namespace

void Education::AppointTips()
{
    if (!mLevelRoutines)
    {
        return;
    }
    const std::uint8_t window = OpenWindow();
    const std::uint16_t level = LevelNumber();
    if (window == GameGuiManager::kNoWindow)
    {
        switch (level)
        {
        case 1:
            AppointTipsLevel1();
            break;
        case 2:
            AppointmentTipsIndexLevel2();
            break;
        case 3:
        {
            PersManager* characters = PersManager::Peek();
            const auto thieves = mGroups.find(kSecondGroup);
            if (characters != nullptr && thieves != mGroups.end() && !IsGroupDone(thieves->second) &&
                characters->IsThiefHiding())
            {
                AppointTipsThief();
            }
            else
            {
                AppointmentTipsIndexLevel3();
            }
            break;
        }
        case 4:
            AppointmentTipsIndexLevel4();
            break;
        case 8:
            AppointTipsLevel8();
            break;
        case 21:
            AppointTipsLevel21();
            break;
        default:
            break;
        }
    }
    else if (window == kStorehouseWindow)
    {
        if (level == 1)
        {
            AppointTipsLevel1Store();
        }
        else if (level == 21)
        {
            AppointTipsLevel21Store();
        }
    }
    else
    {
        mCurrentGroup = kTipGroup;
    }
}

void Education::AppointTipsLevel1()
{
    if (!EnterGroup(kTipGroup))
    {
        return;
    }
    Group& group = *CurrentGroup();
    const WatchedEntity garden = Watch(kGarden);
    if (group.local == 1)
    {
        if (garden.object == nullptr || !garden.object->IsSelected())
        {
            return;
        }
        if (!NextTip())
        {
            return;
        }
    }
    switch (group.local)
    {
    case 2:
        if (garden.object != nullptr && OwnPage(*garden.object))
        {
            if (garden.tasks > 0)
            {
                NextTip();
            }
        }
        else
        {
            BackTo(1);
        }
        break;
    case 3:
        if (HasGoods(kStorehouse))
        {
            ArmCurrentTip();
        }
        else if (HasGoods(kShop))
        {
            NextTip();
        }
        break;
    case 4:
    {
        const PersManager* characters = PersManager::Peek();
        if (characters != nullptr && characters->GetBuyersOnField() > 0 && !InputLocks::third)
        {
            ArmCurrentTipLocked();
        }
        break;
    }
    case 5:
    {
        TipEvent& event = group.events[group.local];
        if (event.timer == kUnarmed && Money() > 0)
        {
            event.timer = kFirstMoneyDelay;
        }
        else if (event.timer <= 0.0f && Money() > 0 && !InputLocks::third)
        {
            ArmCurrentTipLocked();
        }
        break;
    }
    default:
        break;
    }
}

void Education::AppointTipsLevel1Store()
{
    if (!EnterGroup(kSecondGroup))
    {
        return;
    }
    if (HasGoods(kStorehouse))
    {
        ArmCurrentTip();
    }
}

void Education::AppointmentTipsIndexLevel2()
{
    if (!EnterGroup(kTipGroup))
    {
        return;
    }
    const WatchedEntity garden = Watch(kGarden);
    if (garden.object == nullptr || !garden.known)
    {
        ReportMissing("Education::AppointmentTipsIndexLevel2() Error with entGarden", 306);
        return;
    }
    const WatchedEntity well = Watch(kWaterWell);
    if (well.object == nullptr)
    {
        ReportMissing("Education::AppointmentTipsIndexLevel2() Error with entWaterwell", 311);
        return;
    }
    const std::uint32_t step = CurrentGroup()->local;
    const std::int32_t money = Money();
    const std::size_t wellTasks = well.tasks;
    if (step <= 6)
    {
        StepLevel2GardenerTips(step, garden, money);
    }
    else
    {
        StepLevel2WellTips(step, *well.object, money, wellTasks);
    }
    sRememberedWellCount = static_cast<std::uint8_t>(wellTasks);
}

void Education::StepLevel2GardenerTips(std::uint32_t step, const WatchedEntity& garden, std::int32_t money)
{
    switch (step)
    {
    case 0:
        if (OwnPage(*garden.object))
        {
            NextTip();
        }
        break;
    case 1:
        if (!garden.forSale)
        {
            NextTip();
        }
        else if (!OwnPage(*garden.object))
        {
            BackTo(0);
        }
        break;
    case 2:
        if (garden.object->IsSelected())
        {
            NextTip();
        }
        break;
    case 3:
        if (!garden.object->IsSelected())
        {
            BackTo(2);
        }
        else if (WorkerPage(*garden.object))
        {
            NextTip();
        }
        break;
    case 4:
    {
        if (garden.workerActive)
        {
            NextTip();
        }
        else if (!WorkerPage(*garden.object))
        {
            BackTo(3);
        }
        break;
    }
    case 5:
        if (money >= kGardenerMoney)
        {
            for (int skipped = 0; skipped < 3 && NextTip(); ++skipped)
            {
            }
        }
        if (OwnPage(*garden.object))
        {
            ArmCurrentTip();
        }
        break;
    case 6:
        if (money >= kGardenerMoney)
        {
            NextTip();
        }
        break;
    default:
        break;
    }
}

void Education::StepLevel2WellTips(std::uint32_t step, const Clickable& well, std::int32_t money,
                                   std::size_t wellTasks)
{
    switch (step)
    {
    case 8:
        if (wellTasks > 0 || money < kWellMoney)
        {
            HideCurrentHint();
        }
        else if (well.IsSelected())
        {
            NextTip();
        }
        else
        {
            ArmCurrentTip();
        }
        break;
    case 9:
        if (money < kWellMoney)
        {
            BackTo(8);
        }
        else if (well.IsSelected())
        {
            NextTip();
        }
        else if (wellTasks == 0)
        {
            BackTo(8);
        }
        else
        {
            ArmCurrentTip();
        }
        break;
    case 10:
        if (wellTasks > sRememberedWellCount)
        {
            NextTip();
        }
        else if (money < kWellMoney)
        {
            BackTo(8);
        }
        else if (!well.IsSelected())
        {
            BackTo(9);
        }
        break;
    default:
        break;
    }
}

void Education::AppointmentTipsIndexLevel3()
{
    if (!EnterGroup(kTipGroup))
    {
        return;
    }
    const WatchedEntity rope = Watch(kRope);
    if (rope.object == nullptr || !rope.known)
    {
        ReportMissing("Education::AppointmentTipsIndexLevel3() Error with ent", 488);
        return;
    }
    if (Money() < kRopeMoney)
    {
        HideCurrentHint();
        return;
    }
    const Level* level = Level::Peek();
    const GameField* field = level != nullptr ? level->GetGameField() : nullptr;
    const bool ropeBuilt = field != nullptr && field->GetRopeKind(kRopeTileI, kRopeTileJ) != 0;
    const std::int32_t lastPoint = rope.ropePoints;
    Group& group = *CurrentGroup();
    switch (group.local)
    {
    case 0:
        if (ropeBuilt && NextTip())
        {
            NextTip();
        }
        if (rope.object->GetPressed() == lastPoint)
        {
            NextTip();
        }
        break;
    case 1:
        if (ropeBuilt)
        {
            NextTip();
        }
        else if (rope.object->GetPressed() != lastPoint)
        {
            BackTo(0);
        }
        break;
    default:
        break;
    }
}

void Education::AppointTipsThief()
{
    if (!EnterGroup(kSecondGroup))
    {
        return;
    }
    if (CurrentGroup()->local == 0)
    {
        ArmCurrentTipLocked();
    }
}

void Education::AppointmentTipsIndexLevel4()
{
    if (!EnterGroup(kTipGroup))
    {
        return;
    }
    const WatchedEntity juicer = Watch(kJuicer);
    if (juicer.object == nullptr || !juicer.known)
    {
        ReportMissing("Education::AppointmentTipsIndexLevel4() Error with entJuice", 574);
        return;
    }
    Group& group = *CurrentGroup();
    switch (group.local)
    {
    case 0:
        if (OwnPage(*juicer.object))
        {
            NextTip();
        }
        break;
    case 1:
        if (!juicer.forSale)
        {
            NextTip();
        }
        else if (!OwnPage(*juicer.object))
        {
            BackTo(0);
        }
        break;
    case 2:
        if (juicer.tasks > 0)
        {
            NextTip();
        }
        else if (OwnPage(*juicer.object) && Money() >= kJuicerMoney)
        {
            ArmCurrentTip();
        }
        else
        {
            HideCurrentHint();
        }
        break;
    default:
        break;
    }
}

void Education::AppointTipsLevel8()
{
    if (!EnterGroup(kTipGroup))
    {
        return;
    }
    const PersManager* characters = PersManager::Peek();
    Korrin::Vector2 buyer;
    if (CurrentGroup()->local == 0 && characters != nullptr && characters->IsPersWalkIdle(&buyer))
    {
        if (TipEvent* event = GetCurrentEvent())
        {
            event->hintPos = {buyer.x, buyer.y - kIdleBuyerTipRise};
        }
        ArmCurrentTip();
    }
}

void Education::AppointTipsLevel21()
{
    EnterGroup(kTipGroup);
}

void Education::AppointTipsLevel21Store()
{
    // The tips of the field end for good once the storehouse window opens.
    if (const auto first = mGroups.find(kTipGroup); first != mGroups.end() && !first->second.events.empty())
    {
        Group& group = first->second;
        group.finished = 1;
        group.local = static_cast<std::uint32_t>(group.events.size() - 1);
        group.events[group.local].timer = kUnarmed;
    }
    if (!EnterGroup(kSecondGroup))
    {
        return;
    }
    Group& group = *CurrentGroup();
    if (group.local != 0)
    {
        return;
    }
    group.events[0].timer = 0.0f;
    const Main* main = Main::Peek();
    const GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr;
    if (windows != nullptr && windows->IsStorehousePageOpen())
    {
        NextTip();
    }
}

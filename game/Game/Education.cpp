#include "game/Game/Education.h"

#include "engine/App/TimerManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/StoreHouseGUI.h"
#include "game/Game/GameField.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Main.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersThiefManager.h"
#include "game/Util/Hint.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"

#include <algorithm>

namespace
{

constexpr const char* kSource = "Source\\Game\\Education";
constexpr std::uint8_t kStorehouseWindow = StoreHouseGUI::kWindowId;
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

std::uint8_t OpenWindow()
{
    const Main* main = Main::Peek();
    const GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr;
    return windows != nullptr ? windows->GetRequested() : GameGuiManager::kNoWindow;
}

std::uint16_t LevelNumber()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    return task != nullptr ? task->level : 0;
}

std::int32_t Money()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    return task != nullptr ? task->money : 0;
}

Entity* FindEntity(std::uint8_t type)
{
    const Level* level = Level::Peek();
    const EntityManager* entities = level != nullptr ? level->GetEntityManager() : nullptr;
    return entities != nullptr ? entities->GetEntity(type) : nullptr;
}

bool OwnPage(const Entity& entity)
{
    return entity.IsSelected() && entity.GetPanelMode() == 0;
}

bool WorkerPage(const Entity& entity)
{
    return entity.IsSelected() && entity.GetPanelMode() == 1;
}

// A storehouse or shop holding goods that show.
template <typename Store>
bool HasGoods(std::uint8_t type)
{
    auto* store = dynamic_cast<Store*>(FindEntity(type));
    return store != nullptr && !store->GetCells().IsEmpty();
}

void ReportMissing(const char* text, int line)
{
    Korrin::ReportAndBreak(text, Korrin::kEngineModule, kSource, line);
}

} // namespace

Education::Education(const std::string& scriptFile) : mScriptFile(scriptFile)
{
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
}

Education::~Education()
{
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Unregister(this);
    }
}

void Education::Init()
{
    Korrin::LuaScript script;
    script.LoadFile(mScriptFile, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue list = script.GetGlobal("Education");
    if (!list.IsTable())
    {
        return;
    }
    // The entries in their order in the script: a group keeps its tips in that order.
    list.ForEachElement(
        [this](int /*position*/, const LuaValue& entry)
        {
            if (!entry.IsTable())
            {
                return;
            }
            Korrin::LuaStackGuard entryGuard(entry.GetState());
            const LuaValue group = entry.GetField("iGroup");
            if (!group.IsNumber())
            {
                Korrin::ReportAndBreak("Cannot Load iGroup (not found)", Korrin::kGameModule, kSource, 74);
                return;
            }
            TipEvent event;
            entry.GetField("hintPos").GetFloat2(event.hintPos.x, event.hintPos.y);
            event.eventType = Korrin::CheckedInteger<std::int32_t>(entry.GetField("eventType").ToFloat());
            event.hintName = entry.GetField("hintName").ToString();
            if (const LuaValue start = entry.GetField("startTime"); start.IsNumber())
            {
                event.timer = start.ToFloat();
            }
            event.lock = Korrin::CheckedInteger<std::int32_t>(entry.GetField("lock").ToFloat());
            mGroups[Korrin::CheckedInteger<std::int32_t>(group.ToFloat())].events.push_back(std::move(event));
        });
}

Education::Group* Education::CurrentGroup()
{
    const auto found = mGroups.find(mCurrentGroup);
    return found != mGroups.end() ? &found->second : nullptr;
}

Education::TipEvent* Education::GetCurrentEvent()
{
    Group* group = CurrentGroup();
    if (group == nullptr)
    {
        Korrin::ReportAndBreak("incorrect mIGroup in GetCurrentEvent()", Korrin::kGameModule, kSource, 1009);
        return nullptr;
    }
    if (group->local >= group->events.size())
    {
        Korrin::ReportAndBreak("incorrect mILocal in GetCurrentEvent()", Korrin::kGameModule, kSource, 1012);
        return nullptr;
    }
    return &group->events[group->local];
}

bool Education::IsGroupDone(const Group& group)
{
    return group.finished != 0 || group.events.empty();
}

void Education::SetInputLocks(bool locked)
{
    InputLocks::first = locked;
    InputLocks::second = locked;
    InputLocks::third = locked;
}

void Education::HideCurrentHint()
{
    if (HintManager* hints = HintManager::Peek())
    {
        hints->DropCurrent();
    }
}

void Education::ArmCurrentTip()
{
    if (TipEvent* event = GetCurrentEvent())
    {
        event->timer = 0.0f;
    }
}

void Education::ArmCurrentTipLocked()
{
    ArmCurrentTip();
    SetInputLocks(true);
}

bool Education::NextTip()
{
    Korrin::LogManager::GetInstance()->Write("Education::NextTip()");
    Group* group = CurrentGroup();
    if (group == nullptr)
    {
        return false;
    }
    const std::size_t count = group->events.size();
    if (group->local < count)
    {
        ++group->local;
    }
    else
    {
        ReportMissing("Education::DestroyCurrentEvent() Error with index", 982);
    }
    if (group->local != count)
    {
        return true;
    }
    group->finished = 1;
    group->local = count > 0 ? static_cast<std::uint32_t>(count - 1) : 0;
    SetInputLocks(false);
    if (count > 0)
    {
        group->events[group->local].timer = kUnarmed;
    }
    HideCurrentHint();
    return false;
}

void Education::BackTo(std::uint32_t step)
{
    if (Group* group = CurrentGroup())
    {
        group->local = step;
    }
}

bool Education::EnterGroup(std::int32_t number)
{
    mCurrentGroup = number;
    const Group* group = CurrentGroup();
    if (group == nullptr || IsGroupDone(*group) || group->local >= group->events.size())
    {
        return false;
    }
    if (InputLocks::third && group->events[group->local].lock > 0)
    {
        return false;
    }
    return true;
}

bool Education::Update(float /*dt*/)
{
    if (!IsRunning())
    {
        return false;
    }
    AppointTips();
    TipEvent* event = GetCurrentEvent();
    if (event == nullptr)
    {
        return true;
    }
    if (InputLocks::third)
    {
        const std::uint8_t window = OpenWindow();
        const std::uint16_t level = LevelNumber();
        const bool storehouseTip =
            window == kStorehouseWindow && (level == 1 || level == 21) && mCurrentGroup == kSecondGroup;
        const bool lockingTip = event->lock > 0 && window == GameGuiManager::kNoWindow;
        if (!storehouseTip && !lockingTip)
        {
            HideCurrentHint();
            return true;
        }
    }
    if (event->timer == kUnarmed)
    {
        return true;
    }
    const Korrin::TimerManager* timer = Korrin::TimerManager::Peek();
    event->timer -= timer != nullptr ? timer->GetDelta() : 0.0f;
    if (event->timer >= 0.0f)
    {
        return true;
    }
    event->timer = 0.0f;
    HintManager* hints = HintManager::Peek();
    if (hints == nullptr)
    {
        return true;
    }
    hints->Show(event->hintName, HintManager::kUrgent, event->hintPos);
    if (event->lock > 0)
    {
        SetInputLocks(true);
    }
    const HintManager::HintRecord* record = hints->GetByName(event->hintName);
    if (event->eventType == 0 && record != nullptr && record->hint->IsMouseOver())
    {
        if (event->lock > 0)
        {
            SetInputLocks(false);
        }
        NextTip();
    }
    return true;
}

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
            if (characters != nullptr && characters->GetThiefManager().GetThiefCount() > 0 &&
                thieves != mGroups.end() && !IsGroupDone(thieves->second) &&
                characters->GetThiefManager().IsThiefInBush())
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
    const Entity* garden = FindEntity(Entity::kGarden);
    if (group.local == 1)
    {
        if (garden == nullptr || !garden->IsSelected())
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
        if (garden != nullptr && OwnPage(*garden))
        {
            if (garden->GetTaskCount() > 0)
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
        if (HasGoods<EntityStorehouse>(Entity::kStorehouse))
        {
            ArmCurrentTip();
        }
        else if (HasGoods<EntityShop>(Entity::kShop))
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
    if (HasGoods<EntityStorehouse>(Entity::kStorehouse))
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
    auto* garden = dynamic_cast<EntityGarden*>(FindEntity(Entity::kGarden));
    if (garden == nullptr)
    {
        ReportMissing("Education::AppointmentTipsIndexLevel2() Error with entGarden", 306);
        return;
    }
    Entity* well = FindEntity(Entity::kWaterWell);
    if (well == nullptr)
    {
        ReportMissing("Education::AppointmentTipsIndexLevel2() Error with entWaterwell", 311);
        return;
    }
    Group& group = *CurrentGroup();
    const std::int32_t money = Money();
    const std::size_t wellTasks = well->GetTaskCount();
    switch (group.local)
    {
    case 0:
        if (OwnPage(*garden))
        {
            NextTip();
        }
        break;
    case 1:
        if (!garden->IsForSale())
        {
            NextTip();
        }
        else if (!OwnPage(*garden))
        {
            BackTo(0);
        }
        break;
    case 2:
        if (garden->IsSelected())
        {
            NextTip();
        }
        break;
    case 3:
        if (!garden->IsSelected())
        {
            BackTo(2);
        }
        else if (WorkerPage(*garden))
        {
            NextTip();
        }
        break;
    case 4:
    {
        const Pers* gardener = garden->GetWorker();
        if (gardener != nullptr && gardener->IsActive())
        {
            NextTip();
        }
        else if (!WorkerPage(*garden))
        {
            BackTo(3);
        }
        break;
    }
    case 5:
        if (money >= kGardenerMoney)
        {
            for (int step = 0; step < 3 && NextTip(); ++step)
            {
            }
        }
        if (OwnPage(*garden))
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
    case 8:
        if (wellTasks > 0 || money < kWellMoney)
        {
            HideCurrentHint();
        }
        else if (well->IsSelected())
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
        else if (well->IsSelected())
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
        else if (!well->IsSelected())
        {
            BackTo(9);
        }
        break;
    default:
        break;
    }
    sRememberedWellCount = static_cast<std::uint8_t>(wellTasks);
}

void Education::AppointmentTipsIndexLevel3()
{
    if (!EnterGroup(kTipGroup))
    {
        return;
    }
    const auto* rope = dynamic_cast<const EntityRope*>(FindEntity(Entity::kRope));
    if (rope == nullptr)
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
    const auto lastPoint = static_cast<std::int32_t>(rope->GetPoints().size());
    Group& group = *CurrentGroup();
    switch (group.local)
    {
    case 0:
        if (ropeBuilt && NextTip())
        {
            NextTip();
        }
        if (rope->GetPressed() == lastPoint)
        {
            NextTip();
        }
        break;
    case 1:
        if (ropeBuilt)
        {
            NextTip();
        }
        else if (rope->GetPressed() != lastPoint)
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
    const auto* juicer = dynamic_cast<const EntityBuilding*>(FindEntity(kJuicer));
    if (juicer == nullptr)
    {
        ReportMissing("Education::AppointmentTipsIndexLevel4() Error with entJuice", 574);
        return;
    }
    Group& group = *CurrentGroup();
    switch (group.local)
    {
    case 0:
        if (OwnPage(*juicer))
        {
            NextTip();
        }
        break;
    case 1:
        if (!juicer->IsForSale())
        {
            NextTip();
        }
        else if (!OwnPage(*juicer))
        {
            BackTo(0);
        }
        break;
    case 2:
        if (juicer->GetTaskCount() > 0)
        {
            NextTip();
        }
        else if (OwnPage(*juicer) && Money() >= kJuicerMoney)
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
    const auto* storehouse =
        windows != nullptr ? dynamic_cast<const StoreHouseGUI*>(windows->Get(kStorehouseWindow)) : nullptr;
    if (storehouse != nullptr && storehouse->GetPage() == StoreHouseGUI::kStorehousePage)
    {
        NextTip();
    }
}

void Education::Save(Korrin::BinaryWriter& out)
{
    for (const auto& [number, group] : mGroups)
    {
        for (const TipEvent& event : group.events)
        {
            out.WriteU32(static_cast<std::uint32_t>(event.eventType));
            out.WriteF32(event.hintPos.x);
            out.WriteF32(event.hintPos.y);
            out.WriteF32(event.timer);
            out.WriteU32(static_cast<std::uint32_t>(event.lock));
        }
        out.WriteU32(group.local);
        out.WriteU8(group.finished);
    }
    out.WriteU32(static_cast<std::uint32_t>(mCurrentGroup));
    for (const std::uint8_t flag : mFlags)
    {
        out.WriteU8(flag);
    }
}

void Education::Load(Korrin::BinaryReader& in)
{
    // Read whole into a copy first: a short record changes nothing.
    std::map<std::int32_t, Group> groups = mGroups;
    for (auto& [number, group] : groups)
    {
        for (TipEvent& event : group.events)
        {
            event.eventType = static_cast<std::int32_t>(in.ReadU32());
            event.hintPos.x = in.ReadF32();
            event.hintPos.y = in.ReadF32();
            event.timer = in.ReadF32();
            event.lock = static_cast<std::int32_t>(in.ReadU32());
        }
        group.local = in.ReadU32();
        group.finished = in.ReadU8();
    }
    const auto current = static_cast<std::int32_t>(in.ReadU32());
    std::array<std::uint8_t, 3> flags{};
    for (std::uint8_t& flag : flags)
    {
        flag = in.ReadU8();
    }
    if (!in.Ok())
    {
        return;
    }
    for (auto& [number, group] : groups)
    {
        if (!group.events.empty() && group.local >= group.events.size())
        {
            Korrin::LogManager::GetInstance()->Write(
                "Education: tip %u of group %d is past its %u tips; taken as the last", group.local, number,
                static_cast<unsigned>(group.events.size()));
            group.local = static_cast<std::uint32_t>(group.events.size() - 1);
        }
    }
    mGroups = std::move(groups);
    mCurrentGroup = mGroups.count(current) != 0 ? current : kTipGroup;
    mFlags = flags;
}

#include "game/Game/Education.h"

#include "engine/App/TimerManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/GameField.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Main.h"
#include "game/Util/Hint.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"

#include <algorithm>

namespace
{

constexpr const char* kSource = "Source\\Game\\Education";
constexpr std::uint8_t kStorehouseWindow = GameGuiManager::kStoreHouse;
constexpr std::int32_t kTipGroup = 0;
constexpr std::int32_t kSecondGroup = 1;

void ReportMissing(const char* text, int line)
{
    Korrin::ReportAndBreak(text, Korrin::kEngineModule, kSource, line);
}

} // namespace

std::uint8_t Education::OpenWindow()
{
    const Main* main = Main::Peek();
    const GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr;
    return windows != nullptr ? windows->GetRequested() : GameGuiManager::kNoWindow;
}

std::uint16_t Education::LevelNumber()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    return task != nullptr ? task->level : 0;
}

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

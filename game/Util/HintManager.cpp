#include "game/Util/HintManager.h"

#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "game/Util/Hint.h"

#include <algorithm>

HintManager::HintManager() = default;

HintManager::~HintManager() = default;

void HintManager::Load()
{
    LoadFile("GameHint.lua", false);
    LoadFile("CharacterHint.lua", true);
    LoadFile("MapHint.lua", false);
}

void HintManager::LoadFile(const std::string& file, bool isCharacterList)
{
    if (isCharacterList)
    {
        mCharacterNames.clear();
    }
    Korrin::LuaScript script;
    script.LoadFile(file, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue list = script.GetGlobal("HintList");
    const LuaValue corners = script.GetGlobal("hintCorners");
    std::vector<std::string> names;
    list.ForEachEntry(
        [&names](const LuaValue& /*key*/, const LuaValue& value)
        {
            if (value.IsString())
            {
                names.push_back(value.ToString());
            }
        });
    for (const std::string& name : names)
    {
        if (mHints.find(name) == mHints.end())
        {
            Korrin::LuaStackGuard tableGuard(script.GetState());
            HintRecord record;
            record.hint = std::make_unique<Hint>(script.GetGlobal(name.c_str()), corners);
            mHints.emplace(name, std::move(record));
        }
        if (isCharacterList)
        {
            mCharacterNames.push_back(name);
        }
    }
}

HintManager::HintRecord* HintManager::GetByName(const std::string& name)
{
    const auto found = mHints.find(name);
    if (found == mHints.end())
    {
        Korrin::ReportAndBreak("Double name: " + name + " (HintManager::GetByName)", Korrin::kGameModule,
                               "Source\\Util\\HintManager", 133);
        return nullptr;
    }
    return &found->second;
}

void HintManager::Show(const std::string& name, std::uint32_t priority, const Korrin::Vector2& anchor)
{
    HintRecord* record = GetByName(name);
    if (record != nullptr && record != mCurrent && priority >= mPriority)
    {
        mPriority = priority;
        if (mCurrent != nullptr)
        {
            mCurrent->pending = 0;
            mCurrent->time = 0.0f;
            if (priority != kUrgent)
            {
                record->time = 0.0f;
            }
            mCurrent = nullptr;
        }
        if (priority == kUrgent)
        {
            record->time = kUrgentTime;
        }
        record->hint->SetPosition(anchor.x, anchor.y);
        record->pending = 1;
    }
    mRequested = 1;
}

void HintManager::DropCurrent()
{
    if (mCurrent != nullptr)
    {
        mCurrent->pending = 0;
        mCurrent->time = 0.0f;
        mPriority = 1;
        mCurrent = nullptr;
    }
}

void HintManager::ResetState()
{
    mCurrent = nullptr;
    mRequested = 0;
    mPriority = 1;
}

void HintManager::Update(float dt)
{
    if (mRequested == 0)
    {
        DropCurrent();
    }
    if (mCurrent == nullptr)
    {
        for (auto& [name, record] : mHints)
        {
            if (record.pending == 0)
            {
                continue;
            }
            if (mRequested == 0)
            {
                record.pending = 0;
                record.time = 0.0f;
                break;
            }
            record.time += dt;
            if (record.time > record.hint->GetDelay())
            {
                record.time = record.hint->GetDelay();
                mCurrent = &record;
                break;
            }
        }
    }
    else
    {
        mCurrent->time = std::min(mCurrent->time + dt * kFadeSpeed, kOpaqueTime);
    }
    mRequested = 0;
}

Korrin::Colour HintManager::FadeColour(float time)
{
    const float alpha = time > 1.0f ? time - 2.0f : 0.0f;
    return {1.0f, 1.0f, 1.0f, std::max(alpha, 0.0f)};
}

void HintManager::Draw()
{
    if (mCurrent != nullptr)
    {
        mCurrent->hint->Draw(FadeColour(mCurrent->time));
    }
}

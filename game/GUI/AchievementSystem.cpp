#include "game/GUI/AchievementSystem.h"

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Util/CheckedInteger.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/Main.h"
#include "game/Util/SaveFormat.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace
{

constexpr std::size_t kRecordBytes = 12;

// A script number as an unsigned 32-bit value, truncated toward zero; what does not fit is clamped.
std::uint32_t ToU32(const LuaValue& value)
{
    return Korrin::CheckedInteger<std::uint32_t>(lua_tonumber(value.GetState(), value.GetIndex()));
}

std::string ReadText(const LuaValue& entry, const char* key)
{
    Korrin::LuaStackGuard guard(entry.GetState());
    const LuaValue value = entry.GetField(key);
    return value.IsString() ? value.ToString() : std::string();
}

std::uint32_t ReadNumber(const LuaValue& entry, const char* key)
{
    Korrin::LuaStackGuard guard(entry.GetState());
    const LuaValue value = entry.GetField(key);
    return value.IsNumber() ? ToU32(value) : 0;
}

} // namespace

void AchievementSystem::Init()
{
    Korrin::LuaScript script;
    script.LoadFile(kDefinitionsFile, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    ReadDefinitions(script.GetGlobal("AchievementsData"));
}

void AchievementSystem::ReadDefinitions(const LuaValue& table)
{
    if (!table.IsTable())
    {
        return;
    }
    table.ForEachEntry(
        [this](const LuaValue& /*key*/, const LuaValue& entry)
        {
            if (!entry.IsTable())
            {
                return;
            }
            auto data = std::make_unique<AchievementData>();
            data->mHeader = ReadText(entry, "Header");
            data->mDescription = ReadText(entry, "Description");
            data->mPrize = ReadNumber(entry, "Prize");
            data->mMaxProgress = ReadNumber(entry, "MaxProgress");
            Korrin::LuaStackGuard guard(entry.GetState());
            const LuaValue id = entry.GetField("Id");
            if (id.IsNumber())
            {
                mAchievementsData.emplace(ToU32(id), std::move(data));
            }
        });
}

void AchievementSystem::Define(std::uint32_t id, const AchievementData& data)
{
    mAchievementsData.emplace(id, std::make_unique<AchievementData>(data));
}

bool AchievementSystem::AddProgress(std::uint32_t id, std::uint32_t amount)
{
    AchievementData* data = GetData(id);
    if (data == nullptr || data->IsComplete())
    {
        return false;
    }
    // Saturates rather than wrapping round to a small number.
    data->mProgress = data->mProgress > std::numeric_limits<std::uint32_t>::max() - amount
                          ? std::numeric_limits<std::uint32_t>::max()
                          : data->mProgress + amount;
    if (data->mProgress < data->mMaxProgress)
    {
        return false;
    }
    data->mProgress = data->mMaxProgress;
    data->mFlags |= AchievementData::kComplete;
    mPrizeTotal += data->mPrize;
    ++mCompletedCount;
    data->mFlags &= ~AchievementData::kAnnounced;
    mChanged = true;
    return true;
}

AchievementData* AchievementSystem::GetData(std::uint32_t id) const
{
    const auto found = mAchievementsData.find(id);
    return found != mAchievementsData.end() ? found->second.get() : nullptr;
}

std::vector<std::uint32_t> AchievementSystem::GetCompletedIds() const
{
    std::vector<std::uint32_t> ids;
    for (const auto& [id, data] : mAchievementsData)
    {
        if (data != nullptr && data->IsComplete())
        {
            ids.push_back(id);
        }
    }
    return ids;
}

void AchievementSystem::ClearCompleted()
{
    for (auto& entry : mAchievementsData)
    {
        entry.second->mFlags &= ~AchievementData::kComplete;
    }
}

void AchievementSystem::Write(Korrin::BinaryWriter& out) const
{
    std::map<std::uint32_t, Record> records = mForeignRecords;
    for (const auto& [id, data] : mAchievementsData)
    {
        records[id] = Record{data->mProgress, data->mFlags};
    }
    out.WriteU32(SaveFormat::kVersion);
    out.WriteU32(mPrizeTotal);
    out.WriteU32(static_cast<std::uint32_t>(records.size()));
    for (const auto& [id, record] : records)
    {
        out.WriteU32(id);
        out.WriteU32(record.progress);
        out.WriteU32(record.flags);
    }
}

bool AchievementSystem::Save(const std::string& path) const
{
    Korrin::BinaryWriter out;
    Write(out);
    return SaveFormat::WriteSave(path, out.Bytes());
}

void AchievementSystem::ResetRewardWindow()
{
    GameGuiManager* windows = GameGuiManager::Current();
    if (Blank* rewards = windows != nullptr ? windows->Get(RewardAlertSystemGui::kWindowId) : nullptr)
    {
        rewards->Reset();
    }
}

void AchievementSystem::ApplyRecord(const std::string& path, std::uint32_t id, const Record& record)
{
    AchievementData* data = GetData(id);
    if (data == nullptr)
    {
        SaveFormat::Log("load not found mAchievementsData[%u]", id);
        mForeignRecords[id] = record;
        return;
    }
    if (record.progress > data->mMaxProgress)
    {
        SaveFormat::Clamped(path, "achievement %u progress %u read as %u", id, record.progress,
                            data->mMaxProgress);
    }
    data->mProgress = std::min(record.progress, data->mMaxProgress);
    data->mFlags = record.flags;
}

bool AchievementSystem::Load(const std::string& path)
{
    ClearCompleted();
    ResetRewardWindow();
    for (auto& entry : mAchievementsData)
    {
        entry.second->mProgress = 0;
        entry.second->mFlags = 0;
    }
    mPrizeTotal = 0;
    mForeignRecords.clear();
    std::vector<std::uint8_t> bytes;
    if (!SaveFormat::ReadFile(path, bytes))
    {
        return false;
    }
    Korrin::BinaryReader in(bytes);
    if (!SaveFormat::ReadVersion(in, path, "Wrong vesrion"))
    {
        return false;
    }
    const std::uint32_t prizeTotal = in.ReadU32();
    const std::uint32_t count = in.ReadU32();
    if (!in.Ok() || !in.CheckCount(count, kRecordBytes, count))
    {
        SaveFormat::Refused(path, "achievements");
        return false;
    }
    if (count != mAchievementsData.size())
    {
        // Another set of definitions: said as ever, but the records are still read by id, so none is lost.
        SaveFormat::Log("несоответствие размеров массивов mAchievementsData (%u) и загружаемого (%u)",
                        static_cast<unsigned>(mAchievementsData.size()), count);
        SaveFormat::Log("The achievements file's records are read by id");
    }
    std::vector<std::pair<std::uint32_t, Record>> records(count);
    for (auto& [id, record] : records)
    {
        id = in.ReadU32();
        record.progress = in.ReadU32();
        record.flags = in.ReadU32();
    }
    if (!in.Ok() || !in.AtEnd())
    {
        SaveFormat::Refused(path, "achievements");
        return false;
    }
    for (const auto& [id, record] : records)
    {
        ApplyRecord(path, id, record);
    }
    mPrizeTotal = prizeTotal;
    return true;
}

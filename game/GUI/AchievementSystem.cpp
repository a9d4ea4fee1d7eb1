#include "game/GUI/AchievementSystem.h"

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/File/DiskFile.h"
#include "engine/Log/LogManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/Main.h"
#include "game/SaveFormat.h"

#include <algorithm>

void AchievementSystem::Define(std::uint32_t id, std::uint32_t maximum, std::uint32_t prize)
{
    mAchievements[id] = Achievement{maximum, prize, 0, 0};
}

bool AchievementSystem::AddProgress(std::uint32_t id, std::uint32_t amount)
{
    const auto found = mAchievements.find(id);
    if (found == mAchievements.end() || (found->second.flags & kCompleteFlag) != 0)
    {
        return false;
    }
    Achievement& achievement = found->second;
    const std::uint64_t progress = static_cast<std::uint64_t>(achievement.progress) + amount;
    achievement.progress = static_cast<std::uint32_t>(std::min<std::uint64_t>(progress, achievement.maximum));
    if (achievement.progress < achievement.maximum)
    {
        return false;
    }
    achievement.flags |= kCompleteFlag;
    mPrizeTotal += achievement.prize;
    ++newlyCompleted;
    return true;
}

void AchievementSystem::Write(Korrin::BinaryWriter& out) const
{
    out.WriteU32(SaveFormat::kVersion);
    out.WriteU32(mPrizeTotal);
    out.WriteU32(static_cast<std::uint32_t>(mAchievements.size()));
    for (const auto& [id, achievement] : mAchievements)
    {
        out.WriteU32(id);
        out.WriteU32(achievement.progress);
        out.WriteU32(achievement.flags);
    }
}

bool AchievementSystem::Save(const std::string& fileName) const
{
    Korrin::BinaryWriter out;
    Write(out);
    return SaveFormat::WriteSave(fileName, out.Bytes());
}

void AchievementSystem::ResetRewardWindow()
{
    Main* main = Main::Peek();
    GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr;
    if (Blank* rewards = windows != nullptr ? windows->Get(RewardAlertSystemGui::kWindowId) : nullptr)
    {
        rewards->Reset();
    }
}

void AchievementSystem::ClearProgress()
{
    for (auto& [id, achievement] : mAchievements)
    {
        achievement.progress = 0;
        achievement.flags = 0;
    }
    mPrizeTotal = 0;
}

bool AchievementSystem::Load(const std::string& fileName)
{
    ClearProgress();
    ResetRewardWindow();
    std::vector<std::uint8_t> bytes;
    if (!SaveFormat::ReadFile(fileName, bytes))
    {
        return false;
    }
    Korrin::BinaryReader in(bytes);
    if (!SaveFormat::ReadVersion(in, fileName, "Wrong vesrion"))
    {
        return false;
    }
    const std::uint32_t prizeTotal = in.ReadU32();
    const std::uint32_t count = in.ReadU32();
    constexpr std::size_t kRecordBytes = 12;
    if (!in.Ok() || in.Remaining() != std::size_t{count} * kRecordBytes)
    {
        SaveFormat::Refused(fileName, "achievements");
        return false;
    }
    // A well-formed file of another set of definitions holds the player's progress all the same: it is
    // kept as it is, not renamed and not written over by the cleared list.
    if (count != mAchievements.size())
    {
        SaveFormat::Log("несоответствие размеров массивов mAchievementsData (%u) и загружаемого (%u)",
                        static_cast<unsigned>(mAchievements.size()), count);
        SaveFormat::KeepAsItIs(fileName, "other achievements");
        return false;
    }
    std::map<std::uint32_t, Achievement> loaded = mAchievements;
    for (std::uint32_t record = 0; record < count; ++record)
    {
        const std::uint32_t id = in.ReadU32();
        const std::uint32_t progress = in.ReadU32();
        const std::uint32_t flags = in.ReadU32();
        const auto found = loaded.find(id);
        if (found == loaded.end())
        {
            SaveFormat::Log("load not found mAchievementsData[%u]", id);
            SaveFormat::KeepAsItIs(fileName, "other achievements");
            return false;
        }
        if (progress > found->second.maximum)
        {
            SaveFormat::Clamped(fileName, "achievement %u progress %u read as %u", id, progress,
                                found->second.maximum);
        }
        found->second.progress = std::min(progress, found->second.maximum);
        found->second.flags = flags;
    }
    mAchievements = std::move(loaded);
    mPrizeTotal = prizeTotal;
    return true;
}

std::uint32_t AchievementSystem::GetProgress(std::uint32_t id) const
{
    const auto found = mAchievements.find(id);
    return found == mAchievements.end() ? 0 : found->second.progress;
}

bool AchievementSystem::IsComplete(std::uint32_t id) const
{
    const auto found = mAchievements.find(id);
    return found != mAchievements.end() && (found->second.flags & kCompleteFlag) != 0;
}

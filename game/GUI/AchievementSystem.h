#pragma once

#include "engine/Util/Singleton.h"
#include "game/GUI/AchievementData.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class LuaValue;

namespace Korrin
{
class BinaryWriter;
} // namespace Korrin

// The player's achievements by id: the definitions read from "AchievementGui.lua", the progress the
// game's events add, the prizes won, and the player's achievements file.
class AchievementSystem : public Korrin::Singleton<AchievementSystem>
{
public:
    static constexpr const char* kDefinitionsFile = "AchievementGui.lua";

    AchievementSystem() = default;
    virtual ~AchievementSystem() = default;

    static AchievementSystem* GetInstance()
    {
        return CheckedInstance("AchievementSystem::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\GUI\\AchievementSystem", 20);
    }

    // Reads the definitions (once, at start-up).
    void Init();
    // Adds the definitions of a table of definition tables; an entry without a numeric "Id", or whose
    // id is already defined, is skipped.
    void ReadDefinitions(const LuaValue& table);

    // True only when this call completed the achievement.
    bool AddProgress(std::uint32_t id, std::uint32_t amount);
    // Null when no definition has the id. The records live as long as the system.
    AchievementData* GetData(std::uint32_t id) const;
    // The ids of the completed achievements, smallest first.
    std::vector<std::uint32_t> GetCompletedIds() const;
    void ClearCompleted();

    // The player's achievements file; false when it is not written (the previous file stays).
    bool Save(const std::string& path) const;
    // The file's bytes.
    void Write(Korrin::BinaryWriter& out) const;
    // Starts every achievement at 0, then applies the file's records by id. False when the file is
    // missing, short, damaged or of another version (then kept aside and everything stays at 0).
    bool Load(const std::string& path);

    using DataById = std::map<std::uint32_t, std::unique_ptr<AchievementData>>;
    // Every definition, smallest id first.
    const DataById& GetAll() const { return mAchievementsData; }
    // Adds a copy of the definition unless the id is already defined.
    void Define(std::uint32_t id, const AchievementData& data);

    std::uint32_t mPrizeTotal = 0;
    bool mChanged = false;
    // Completions since it was last zeroed.
    std::uint32_t mCompletedCount = 0;

private:
    DataById mAchievementsData;

    struct Record
    {
        std::uint32_t progress = 0;
        std::uint32_t flags = 0;
    };

    static void ResetRewardWindow();
    void ApplyRecord(const std::string& path, std::uint32_t id, const Record& record);

    // Records of the player's file for ids this program does not define: written back unchanged, so a
    // file from another set of definitions loses nothing.
    std::map<std::uint32_t, Record> mForeignRecords;
};

#pragma once

#include "engine/Util/Vector2.h"
#include "game/Game/SaveLoadObject.h"
#include "game/Util/Blank.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class Clickable;
struct WatchedEntity;

// One tutorial: tips read from a script, grouped so that the game switches between lines of tips by what
// the player does. Each frame it picks the current group, shows the current tip when its delay has run
// out or the level's state asks for it, moves on when the player has dealt with it, and may hold the
// level still while a locking tip is shown.
class Education : public Blank, public SaveLoadObject
{
public:
    static constexpr float kUnarmed = -1.0f;

    struct TipEvent
    {
        std::int32_t eventType = 0; // 0: ends when the mouse is over the pop-up
        Korrin::Vector2 hintPos;
        std::string hintName;
        float timer = kUnarmed; // seconds to go; held at 0 while shown
        std::int32_t lock = 0;  // above 0: the level is held while the tip shows
    };

    struct Group
    {
        std::vector<TipEvent> events;
        std::uint32_t local = 0;
        std::uint8_t finished = 0;
    };

    // Registers with the level's save manager when there is one.
    explicit Education(const std::string& scriptFile);
    // Leaves the level's save manager, which may outlive it.
    ~Education() override;

    // Reads the script.
    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override {}

    void Save(Korrin::BinaryWriter& out) override;
    void Load(Korrin::BinaryReader& in) override;

    // The event at the current group's local index; null (reported) when there is none.
    TipEvent* GetCurrentEvent();
    bool NextTip();
    void ArmCurrentTip();
    void ArmCurrentTipLocked();
    static bool IsGroupDone(const Group& group);
    // Hides the hint manager's shown hint at once.
    static void HideCurrentHint();
    // Chooses the level routine by the open window and the level number.
    void AppointTips();

    bool IsRunning() const { return mFlags[1] != 0; }
    void SetRunning(bool running) { mFlags[1] = running ? 1 : 0; }
    // A tutorial of another screen than the level's (the map shop's) runs none of the levels' routines.
    void SetLevelRoutines(bool levelRoutines) { mLevelRoutines = levelRoutines; }
    bool HasLevelRoutines() const { return mLevelRoutines; }
    std::int32_t GetCurrentGroup() const { return mCurrentGroup; }
    void SetCurrentGroup(std::int32_t group) { mCurrentGroup = group; }
    std::map<std::int32_t, Group>& GetGroups() { return mGroups; }
    const std::string& GetScriptFile() const { return mScriptFile; }

    // The water well's task count the level-2 routine saw last (255 before it ever ran).
    static std::uint8_t GetRememberedWellCount() { return sRememberedWellCount; }
    static void SetRememberedWellCount(std::uint8_t count) { sRememberedWellCount = count; }

private:
    void AppointTipsLevel1();
    void AppointTipsLevel1Store();
    void AppointmentTipsIndexLevel2();
    // Level 2's tips in two parts: hiring the gardener (steps 0 to 6), ordering water (8 to 10).
    void StepLevel2GardenerTips(std::uint32_t step, const WatchedEntity& garden, std::int32_t money);
    void StepLevel2WellTips(std::uint32_t step, const Clickable& well, std::int32_t money,
                            std::size_t wellTasks);
    void AppointmentTipsIndexLevel3();
    void AppointTipsThief();
    void AppointmentTipsIndexLevel4();
    void AppointTipsLevel8();
    void AppointTipsLevel21();
    void AppointTipsLevel21Store();
    // Makes the group current; false when the routine stops there (group ended, or a locking tip holds
    // the level).
    bool EnterGroup(std::int32_t group);
    Group* CurrentGroup();
    void BackTo(std::uint32_t step);
    static void SetInputLocks(bool locked);
    // The window asked for this frame, and the running level's number (0 without one).
    static std::uint8_t OpenWindow();
    static std::uint16_t LevelNumber();

    std::map<std::int32_t, Group> mGroups;
    std::int32_t mCurrentGroup = 0;
    bool mLevelRoutines = true;
    std::string mScriptFile;
    std::array<std::uint8_t, 3> mFlags{0, 1, 0};

    static inline std::uint8_t sRememberedWellCount = 255;
};

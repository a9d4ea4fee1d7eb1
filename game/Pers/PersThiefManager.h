#pragma once

#include "game/Game/SaveLoadObject.h"

#include <cstdint>
#include <list>
#include <vector>

class Entity;
class EntityManager;
class GameField;
class PersRunThief;

// When and where thieves appear and what they may rob: the level's start shelves with their start
// times, the schedule of pending starts, the rob targets and the thieves (owned by the character
// manager). The panel runs its start step every frame with the level clock.
class PersThiefManager : public SaveLoadObject
{
public:
    struct Target
    {
        Entity* entity = nullptr;
        std::uint8_t part = 0;
    };
    struct StartShelf
    {
        std::int32_t I = 0;
        std::int32_t J = 0;
        std::uint8_t minutes = 0;
        std::uint8_t seconds = 0;
    };
    using ThiefPath = std::vector<Target>;

    // A new series of starts is scheduled this long after the last pending one was taken.
    static constexpr float kRefillDelay = 17.0f;
    // A level file holds at most 255 start shelves, so no more starts are ever pending.
    static constexpr std::uint32_t kMaxPendingStarts = 255;

    // Registers with the level's SaveLoadManager when there is one.
    PersThiefManager();
    ~PersThiefManager() override;
    PersThiefManager(const PersThiefManager&) = delete;
    PersThiefManager& operator=(const PersThiefManager&) = delete;

    void AddThief(PersRunThief* thief);
    // Creates the start shelf at the cell, registers it with the entity manager and makes it the next
    // rob target; a thief runs out of it at the given clock time.
    void AddStartShelf(EntityManager& entities, std::int32_t i, std::int32_t j, std::uint8_t minutes,
                       std::uint8_t seconds);
    // The shop is robbed from either half (parts 1 and 2); any other entity as a whole (part 0).
    void AddTarget(Entity* entity);
    // Clears the object code of the cell below every start shelf.
    void ClearShelfCells(GameField& field) const;

    // The start step. An entry is due once the clock, in whole seconds, is past its time; a due entry
    // starts the first thief that is not out and goes, whether a thief was free or not.
    void StartThief(std::uint8_t minutes, std::uint8_t seconds, float dt);
    // A random entry of the working targets (refilled from the full list when empty); null when the
    // level has no target at all.
    const Target* ChooseTarget();
    // False when another thief on the field stands or steals on this thief's cell.
    bool MayStealHere(const PersRunThief* thief) const;
    // True when a thief hides in a bush (plays "bush" or "bush1").
    bool IsThiefInBush() const;

    // Started count, refill timer, then the pending starts.
    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a timer that is negative or not a finite number, more pending starts than a
    // level can have, a cell off the field or a second past 59.
    void Load(Korrin::BinaryReader& in) override;

    std::uint32_t GetThiefCount() const { return mStarted; }
    void SetThiefCount(std::uint32_t count) { mStarted = count; }
    float GetRefillTimer() const { return mRefillTimer; }
    const ThiefPath& GetTargets() const { return mTargets; }
    const std::vector<StartShelf>& GetShelves() const { return mShelves; }
    const std::list<StartShelf>& GetPendingStarts() const { return mStartShelfList; }
    const std::vector<PersRunThief*>& GetThieves() const { return mThieves; }

private:
    void ScheduleSeries(std::uint8_t minutes, std::uint8_t seconds);

    ThiefPath mTargets;
    ThiefPath mWorkingTargets;
    std::vector<PersRunThief*> mThieves;
    std::list<StartShelf> mStartShelfList;
    std::vector<StartShelf> mShelves;
    std::uint32_t mStarted = 0;
    float mRefillTimer = 0.0f;
};

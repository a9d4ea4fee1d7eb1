#pragma once

#include "game/Game/SaveLoadObject.h"

#include <cstdint>
#include <vector>

class Entity;
class EntityManager;
class GameField;

// The thieves' start shelves and the entities they may rob.
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

    // Registers with the level's SaveLoadManager when there is one.
    PersThiefManager();

    // Creates the start shelf at the cell, registers it with the entity manager and makes it the next
    // rob target; the thief appears at the given clock time.
    void AddStartShelf(EntityManager& entities, std::int32_t i, std::int32_t j, std::uint8_t minutes,
                       std::uint8_t seconds);
    // The shop is robbed from either half (parts 1 and 2); any other entity as a whole (part 0).
    void AddTarget(Entity* entity);
    // Clears the object code of the cell below every start shelf.
    void ClearShelfCells(GameField& field) const;

    // The thieves' start timing, run by the panel every frame with the level clock.
    void StartThief(std::uint8_t minutes, std::uint8_t seconds, float dt);
    // True when a thief hides in a bush (plays "bush" or "bush1").
    bool IsThiefInBush() const;
    std::uint32_t GetThiefCount() const { return mThiefCount; }
    void SetThiefCount(std::uint32_t count) { mThiefCount = count; }
    const std::vector<Target>& GetTargets() const { return mTargets; }
    const std::vector<StartShelf>& GetShelves() const { return mShelves; }

private:
    std::vector<Target> mTargets;
    std::vector<StartShelf> mShelves;
    std::uint32_t mThiefCount = 0;
};

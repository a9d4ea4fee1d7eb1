#pragma once

#include "game/Game/WatchedEntity.h"

#include <cstdint>

class EntityManager;
class GameField;
class Level;
class LevelFile;
class MoneyAnimatedSprite;
class PersManager;

// The field's entities and the characters as the level builds and draws them: the level reads its file
// and calls these in a fixed order, so that the records join the save list as they always did, while the
// classes that make them live above the level's folder.
class LevelContent
{
public:
    // The members the level keeps hold of.
    struct Members
    {
        GameField* field = nullptr;
        EntityManager* entities = nullptr;
        PersManager* characters = nullptr;
        MoneyAnimatedSprite* money = nullptr;
    };

    // The game's own content, defined beside the characters.
    static LevelContent& Standard();

    virtual ~LevelContent() = default;

    // Adds the level's members (backdrop, tasks, field, entities, characters, money, thief's bags) and
    // their draw passes. Each one goes into the level's `members` as soon as it is made, as the later
    // ones find the earlier through the level while they are built.
    virtual void AddMembers(Level& level, std::uint8_t backgroundType, Members& members) = 0;
    // The thief of each start shelf, off the field until its start time.
    virtual void AddThieves(Level& level, const LevelFile& file) = 0;
    // A buyer of the kind, waiting off the field.
    virtual void AddBuyer(Level& level, std::uint8_t kind) = 0;
    // Scans the filled field for the entities and their workers, the rope and the buyers' queue.
    virtual void AddEntities(Level& level) = 0;
    // Clears the shelves' cells and reports a level without signposts, storehouse or shop.
    virtual void Finish(Level& level) = 0;
    // The overlays of every entity, then the dream bubbles of the active characters.
    virtual void DrawOverlays(Level& level) = 0;
    // The first entity of the type code, as the tutorial's tips read it.
    virtual WatchedEntity Watch(const Level& level, std::uint8_t type) const = 0;

protected:
    LevelContent() = default;
    LevelContent(const LevelContent&) = default;
    LevelContent& operator=(const LevelContent&) = default;
};

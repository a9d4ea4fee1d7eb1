#pragma once

#include "game/Game/LevelContent.h"

#include <cstdint>

class Entity;
class EntityRope;

// The game's entities and characters: what the level makes of its file's object codes. It keeps no
// state between calls, so one instance serves every level.
class StandardLevelContent : public LevelContent
{
public:
    void AddMembers(Level& level, std::uint8_t backgroundType, Members& members) override;
    void AddThieves(Level& level, const LevelFile& file) override;
    void AddBuyer(Level& level, std::uint8_t kind) override;
    void AddEntities(Level& level) override;
    void Finish(Level& level) override;
    void DrawOverlays(Level& level) override;
    WatchedEntity Watch(const Level& level, std::uint8_t type) const override;

private:
    // The level's objects of a field cell; buildingCells counts the cells of the building being scanned.
    void ScanCell(Level& level, std::int32_t i, std::int32_t j, EntityRope& rope, int& buildingCells);
    bool AddRopePoint(Level& level, std::int32_t i, std::int32_t j, EntityRope& rope);
    // A second storehouse, shop or signpost is not made.
    void AddStorehouse(Level& level, std::int32_t i, std::int32_t j);
    void AddWell(Level& level, std::int32_t i, std::int32_t j);
    void AddShop(Level& level, std::int32_t i, std::int32_t j);
    void AddSignpost(Level& level, std::int32_t i, std::int32_t j, std::uint8_t type);
    void AddGarden(Level& level, std::int32_t i, std::int32_t j, std::uint16_t code);
    void AddBuilding(Level& level, std::int32_t i, std::int32_t j, std::uint16_t code);
    // Adds the entity to the level's objects and its entity manager.
    void Register(Level& level, Entity* entity);
    void LinkWorker(Level& level, Entity& entity, std::uint8_t workerCode, std::int32_t i, std::int32_t j);
    void SetSideFromMarkers(const Level& level, Entity& entity, std::int32_t i, std::int32_t j,
                            std::int32_t leftColumn, std::int32_t rightColumn) const;
    void AddQueuePlaces(Level& level);
};

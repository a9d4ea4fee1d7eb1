#pragma once

#include "game/Blank.h"

#include <cstdint>
#include <map>
#include <vector>

class Entity;

// Owns every entity of the running level, by type code; entities of one code (a level's garden beds)
// keep the order in which they were registered.
class EntityManager : public Blank
{
public:
    EntityManager() = default;
    ~EntityManager() override;
    EntityManager(const EntityManager&) = delete;
    EntityManager& operator=(const EntityManager&) = delete;

    // Takes the entity: gives it the next save id and files it under its type code.
    void Register(Entity* entity);
    // The first entity registered under the code; null when there is none.
    Entity* GetEntity(std::uint8_t type) const;
    Entity* GetEntityById(std::uint32_t id) const;
    std::size_t Count() const { return mEntities.size(); }
    std::size_t Count(std::uint8_t type) const { return mEntities.count(type); }
    void AddOverlayEntity(Entity* entity) { mOverlays.push_back(entity); }
    const std::vector<Entity*>& GetOverlays() const { return mOverlays; }
    // Every entity, ascending type code, each code in registration order.
    const std::multimap<std::uint8_t, Entity*>& GetEntities() const { return mEntities; }
    std::uint32_t GetNextSaveId() const { return mNextSaveId; }

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    // Pass 0: garden beds (their ground); pass 1: every entity but the storehouse; later: the storehouse.
    void Draw() override;

private:
    std::multimap<std::uint8_t, Entity*> mEntities;
    std::vector<Entity*> mOverlays;
    std::uint32_t mNextSaveId = 0;
};

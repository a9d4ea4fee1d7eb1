#pragma once

#include "game/Util/Blank.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class Entity;
class ParticleSystemList;

namespace Korrin
{
class ParticleSystem;
} // namespace Korrin

// Owns every entity of the running level, by type code; entities of one code (a level's garden beds)
// keep the order in which they were registered, and every walk over them runs in that order. It also
// holds the effects that entities ask for: the thief's stealing puff, a finished building's puff and the
// upgrade sparkle.
class EntityManager : public Blank
{
public:
    EntityManager();
    ~EntityManager() override;
    EntityManager(const EntityManager&) = delete;
    EntityManager& operator=(const EntityManager&) = delete;

    // Takes the entity: gives it the next save id and files it under its type code.
    void Register(Entity* entity);
    // The first entity registered under the code; null when there is none.
    Entity* GetEntity(std::uint8_t type) const;
    // The first entity, in walking order, with that save id; null when there is none.
    Entity* GetEntityById(std::uint32_t id) const;
    std::size_t Count() const { return mEntities.size(); }
    std::size_t Count(std::uint8_t type) const { return mEntities.count(type); }
    // Entities drawn again in the level's overlay pass; not owned.
    void AddOverlayEntity(Entity* entity) { mOverlays.push_back(entity); }
    const std::vector<Entity*>& GetOverlays() const { return mOverlays; }
    const std::multimap<std::uint8_t, Entity*>& GetEntities() const { return mEntities; }
    std::uint32_t GetNextSaveId() const { return mNextSaveId; }

    // The puff of a finished building, placed for the building whose anchor is at (x, y).
    void AddBuildingUpPS(float x, float y);
    // The upgrade sparkle with its first emitter at (x, y), the others keeping their places around it.
    void AddUpgradePS(float x, float y);
    // The effects the manager draws itself in its last pass (the stealing puff goes here).
    ParticleSystemList& GetParticles() { return *mParticles; }
    Korrin::ParticleSystem* GetStealingEffect() const { return mStealing; }
    Korrin::ParticleSystem* GetBuildingUpEffect() const { return mBuildingUp; }
    Korrin::ParticleSystem* GetUpgradeEffect() const { return mUpgrade; }

    // Creates the three effects, then initialises every entity.
    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    // Pass 0: garden beds (their ground); pass 1: every entity but the storehouse; later: the storehouse
    // and the manager's own effects.
    void Draw() override;

private:
    void ReleaseEffects();

    std::multimap<std::uint8_t, Entity*> mEntities;
    std::unique_ptr<ParticleSystemList> mParticles;
    Korrin::ParticleSystem* mStealing = nullptr;
    Korrin::ParticleSystem* mBuildingUp = nullptr;
    Korrin::ParticleSystem* mUpgrade = nullptr;
    std::vector<Entity*> mOverlays;
    std::uint32_t mNextSaveId = 0;
};

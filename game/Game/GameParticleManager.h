#pragma once

#include "engine/Particle/ParticleSystemList.h"
#include "engine/Util/SafeVector.h"
#include "engine/Util/Singleton.h"
#include "engine/Util/Vector2.h"

#include <cstdint>
#include <memory>

namespace Korrin
{
class ParticleSystem;
} // namespace Korrin

// The effect kinds of the game's events, in the order their prototypes are loaded.
enum NameParticles : std::uint32_t
{
    kParticleProfessor = 0,
    kParticleDeleteThief = 1,
    kParticleBushThief = 2,
    kParticleSalePers = 3,
    kParticleSalePersSecond = 4,
    kParticleCompleteOneGoods = 5,
    kParticleBagBlast = 6,
    kParticleShopStoreUpgrade = 7,
    kParticleWaterwellUpgrade = 8,
    kParticleRopeUpgrade = 9,
    kParticleStorehouseUpgrade = 10,
    kParticleBuildingUpgrade = 11,
    kParticleKinds = 12,
};

// One prepared effect per kind of game event, and the queue of running copies that the game screen
// updates and draws.
class GameParticleManager : public Korrin::Singleton<GameParticleManager>
{
public:
    GameParticleManager();
    ~GameParticleManager();
    GameParticleManager(const GameParticleManager&) = delete;
    GameParticleManager& operator=(const GameParticleManager&) = delete;

    static GameParticleManager* GetInstance()
    {
        return CheckedInstance("Level::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\Game\\GameParticleManager", 20);
    }

    // The prototype of every kind, each from "<name>.particle", table <name>.
    void Load();
    // Queues a running copy of the kind's effect at the place; false (logged) for an unknown kind or an
    // effect with no emitters.
    bool AddParticleToDQ(NameParticles kind, const Korrin::Vector2& place);
    // Queues a running copy of an effect the caller holds; false (logged) for none.
    bool AddParticleToDQ(const Korrin::ParticleSystem* system);

    ParticleSystemList* GetQueue() const { return mQueue.get(); }
    std::size_t GetPrototypeCount() const { return mSystems.size(); }
    Korrin::ParticleSystem* GetPrototype(std::size_t kind) const;

    // The running copies advance by the frame's time; finished ones are dropped.
    void Update();
    void Draw();

private:
    void Release();

    std::unique_ptr<ParticleSystemList> mQueue;
    Korrin::SafeVector<Korrin::ParticleSystem*> mSystems{"GameParticleManager::mSystems"};
};

#pragma once

#include "engine/Util/Vector2.h"

#include <list>
#include <memory>

namespace Korrin
{
class ParticleSystem;
} // namespace Korrin

// The running particle effects of a game object: copies of prototypes, updated every frame and
// dropped once none of their emitters is active.
class ParticleSystemList
{
public:
    ParticleSystemList();
    ~ParticleSystemList();
    ParticleSystemList(const ParticleSystemList&) = delete;
    ParticleSystemList& operator=(const ParticleSystemList&) = delete;

    // Appends a running copy of the prototype and returns it (owned by the list).
    Korrin::ParticleSystem* Add(const Korrin::ParticleSystem& prototype);
    // Advances every system by the frame's time; a system with no active emitter is destroyed instead.
    void Update();
    // Every emitter of every system, where it is.
    void Draw();
    void Clear();

    std::size_t GetCount() const { return mSystems.size(); }
    const std::list<std::unique_ptr<Korrin::ParticleSystem>>& GetSystems() const { return mSystems; }

private:
    std::list<std::unique_ptr<Korrin::ParticleSystem>> mSystems;
};

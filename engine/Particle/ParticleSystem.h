#pragma once

#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Util/Vector2.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class LuaValue;

namespace Korrin
{

// A particle effect: a group of emitters read from one global table of a ".particle" file, and the
// time it has run. Prototypes are loaded once (ParticleManager); running copies are made from them.
class ParticleSystem
{
public:
    // Data files are untrusted: larger figures are cut to these, with a log line.
    static constexpr std::size_t kMaxEmitters = 64;
    static constexpr std::size_t kMaxQuota = 10000;
    static constexpr float kMaxPerSecond = 100000.0f;

    ParticleSystem();
    // Loads the emitters of the global table `table` of the script file `file`.
    ParticleSystem(const std::string& file, const std::string& table);
    virtual ~ParticleSystem();
    ParticleSystem(const ParticleSystem&) = delete;
    ParticleSystem& operator=(const ParticleSystem&) = delete;

    // Becomes a running copy of a prototype: the same settings, paths and quotas, no live particles.
    void CopyFrom(const ParticleSystem& prototype);

    void Update(float dt);
    // Every emitter's particles, moved by offset.
    void Draw(const Vector2& offset);
    void Restart();
    void Stop();
    void SetLoop(bool loop);
    void SetPosition(const Vector2& position);

    BaseParticleSystem* GetBaseParticleSystem(std::size_t index);
    std::size_t GetEmitterCount() const { return mEmitters.size(); }
    bool HasActiveEmitter() const;
    float GetTime() const { return mTime; }

private:
    void LoadEmitter(const std::string& file, const LuaValue& table);

    std::vector<std::unique_ptr<BaseParticleSystem>> mEmitters;
    float mTime = 0.0f;
};

} // namespace Korrin

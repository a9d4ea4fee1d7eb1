#pragma once

#include "engine/Particle/Particle.h"
#include "engine/Util/Colour.h"
#include "engine/Util/Moveable.h"
#include "engine/Util/Vector2.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// One emitter of a particle system: its settings (read from one table of a ".particle" file), a fixed
// store of particles (its quota) and, optionally, a path that carries it across the screen.
//
// The store is made when the quota is set; updating, emitting and retiring particles afterwards only
// moves pointers between the live list and the free pool, so a running effect never allocates.
class BaseParticleSystem
{
public:
    static constexpr std::size_t kMaxKeys = 7;

    struct ScaleKey
    {
        float time = 0.0f; // key position, 0 .. last index
        Korrin::Vector2 scale{1.0f, 1.0f};
    };

    struct ColourKey
    {
        float time = 0.0f;
        Korrin::Colour colour{1.0f, 1.0f, 1.0f, 1.0f};
    };

    // Everything read from the emitter's table, with the defaults of a table that gives nothing.
    struct Settings
    {
        Korrin::Vector2 randomPosition;
        float emissionLength = 0.0f; // seconds
        float startTime = 0.0f;      // seconds
        bool loop = false;
        float particleLife = 2.0f; // seconds; kImmortal: particles never age
        float randomLife = 0.0f;
        float perSecond = 10.0f;
        float direction = 0.0f;       // degrees; 0 is straight down the screen, 90 to the right
        float randomDirection = 1.0f; // radians
        float velocity = 0.0f;
        float randomVelocity = 0.0f;   // whole-number speed multiplier range
        float gravityDirection = 0.0f; // degrees
        float gravity = 0.0f;
        float randomGravity = 0.0f; // radians
        std::array<ScaleKey, kMaxKeys> scaleKeys{};
        std::uint32_t lastScaleKey = 0;
        std::array<ColourKey, kMaxKeys> colourKeys{};
        std::uint32_t lastColourKey = 0;
        float spin = 0.0f;          // radians over one particle life
        float randomSpin = 0.0f;    // radians, range of the start angle
        bool spinDirection = false; // particles face their direction of travel
        bool moveParticles = false; // live particles follow when the emitter moves

        Settings();
    };

    static constexpr float kImmortal = -1.0f;

    // A place cut to whole pixels, as the emitter moves by; a broken or far-off value is held in range.
    static int ToPixel(float value);

    // An emitter drawing with the sprite (made by the sprite manager, given back to it by the emitter;
    // null draws nothing) from the sprite's place.
    explicit BaseParticleSystem(Korrin::AnimatedSprite* sprite);
    ~BaseParticleSystem();
    BaseParticleSystem(const BaseParticleSystem&) = delete;
    BaseParticleSystem& operator=(const BaseParticleSystem&) = delete;

    // Grows the store to n particles (it never shrinks); the new ones join the back of the free pool.
    void SetQuota(std::size_t n);
    std::size_t GetQuota() const { return mStore.size(); }

    // Advances the emitter by dt; systemTime is its system's running time.
    void Update(float dt, float systemTime);
    // Every live particle at its place moved by offset, in its frame, colour, scale and turn.
    void Draw(const Korrin::Vector2& offset);
    // The path starts again and every live particle goes back to the pool.
    void Reset();
    // Moves the emitter and every live particle with it.
    void MoveTo(int x, int y);

    Settings& GetSettings() { return mSettings; }
    const Settings& GetSettings() const { return mSettings; }
    Korrin::AnimatedSprite* GetSprite() const { return mSprite; }
    Korrin::Moveable& GetPath() { return mPath; }
    const Korrin::Moveable& GetPath() const { return mPath; }
    Korrin::Vector2 GetPosition() const { return mPosition; }
    void SetPosition(const Korrin::Vector2& position) { mPosition = position; }
    bool IsActive() const { return mActive; }
    void SetActive(bool active) { mActive = active; }
    // The live particles in emission order.
    const std::vector<Particle*>& GetLiveParticles() const { return mLive; }
    std::size_t GetFreeCount() const { return mFreeCount; }

private:
    void Retire(Particle* particle);
    Particle* TakeFree();
    void AdvanceParticle(Particle& particle, float dt) const;
    void Emit(float dt);
    void SetUpParticle(Particle& particle) const;

    std::size_t FrameCount() const;

    Korrin::AnimatedSprite* mSprite = nullptr;
    std::vector<std::unique_ptr<Particle>> mStore;
    std::vector<Particle*> mLive;
    // The free pool, first in first out, as a ring over the store's size.
    std::vector<Particle*> mFreeRing;
    std::size_t mFreeHead = 0;
    std::size_t mFreeCount = 0;
    Korrin::Vector2 mPosition{400.0f, 300.0f};
    Settings mSettings;
    float mEmissionRemainder = 0.0f;
    Korrin::Moveable mPath;
    bool mActive = true;
};

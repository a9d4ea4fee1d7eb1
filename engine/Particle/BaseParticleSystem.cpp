#include "engine/Particle/BaseParticleSystem.h"

#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/CheckedInteger.h"
#include "engine/Util/Random.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr float kRadiansPerDegree = 0.017453292f;

// The key index at a key position: its whole part, within 0 .. last (a broken position reads as 0).
std::uint32_t KeyIndex(float position, std::uint32_t last)
{
    return std::min(Korrin::CheckedInteger<std::uint32_t>(position), last);
}

// The fraction of the way from key k to key n at a key position; a zero span counts as 1.
template <typename Key>
float KeyFraction(const Key& current, const Key& next, float position)
{
    float span = next.time - current.time;
    if (span == 0.0f)
    {
        span = 1.0f;
    }
    return (position - current.time) / span;
}

// A rate that runs through `units` over a particle's life. A particle born with no life left would
// divide by zero: it keeps its first key and does not turn.
float PerLife(float units, float life)
{
    return life != 0.0f ? units / life : 0.0f;
}

} // namespace

BaseParticleSystem::Settings::Settings()
{
    colourKeys[0].time = 100.0f;
}

int BaseParticleSystem::ToPixel(float value)
{
    constexpr float kFarthest = 1.0e6f;
    return Korrin::CheckedInteger<int>(std::clamp(value, -kFarthest, kFarthest));
}

BaseParticleSystem::BaseParticleSystem(Korrin::AnimatedSprite* sprite) : mSprite(sprite)
{
    if (mSprite != nullptr)
    {
        mPosition = mSprite->GetPosition();
    }
}

BaseParticleSystem::~BaseParticleSystem()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
        sprites != nullptr && mSprite != nullptr)
    {
        sprites->DeleteSprite(mSprite);
    }
}

std::size_t BaseParticleSystem::FrameCount() const
{
    return mSprite != nullptr ? mSprite->GetFrameCount() : 0;
}

void BaseParticleSystem::SetQuota(std::size_t n)
{
    if (mStore.size() >= n)
    {
        return;
    }
    // Lay the pool out again from its front, in a ring of the new size.
    std::vector<Particle*> ring;
    ring.reserve(n);
    for (std::size_t i = 0; i < mFreeCount; ++i)
    {
        ring.push_back(mFreeRing[(mFreeHead + i) % mFreeRing.size()]);
    }
    while (mStore.size() < n)
    {
        mStore.push_back(std::make_unique<Particle>());
        ring.push_back(mStore.back().get());
    }
    mFreeCount = ring.size();
    mFreeHead = 0;
    ring.resize(n, nullptr);
    mFreeRing = std::move(ring);
    mLive.reserve(n);
}

void BaseParticleSystem::Retire(Particle* particle)
{
    mFreeRing[(mFreeHead + mFreeCount) % mFreeRing.size()] = particle;
    ++mFreeCount;
}

Particle* BaseParticleSystem::TakeFree()
{
    if (mFreeCount == 0)
    {
        return nullptr;
    }
    Particle* particle = mFreeRing[mFreeHead];
    mFreeHead = (mFreeHead + 1) % mFreeRing.size();
    --mFreeCount;
    return particle;
}

void BaseParticleSystem::Update(float dt, float systemTime)
{
    if (!mActive)
    {
        return;
    }
    bool emitting = true;
    const bool immortal = mSettings.particleLife == kImmortal;
    if (!mSettings.loop)
    {
        if (systemTime < mSettings.startTime)
        {
            return;
        }
        if (systemTime >= mSettings.startTime + mSettings.emissionLength)
        {
            emitting = false;
            if (immortal)
            {
                mActive = false;
            }
        }
    }
    if (mPath.GetCount() > 0)
    {
        Korrin::Vector2 place;
        if (mPath.Update(dt, place))
        {
            if (mSettings.moveParticles)
            {
                MoveTo(ToPixel(place.x), ToPixel(place.y));
            }
            else
            {
                mPosition = place;
            }
        }
        else
        {
            emitting = false;
            if (immortal)
            {
                mActive = false;
            }
        }
    }
    if (!emitting && mLive.empty())
    {
        mActive = false;
        return;
    }

    // Advance the living in order, retiring the dead and closing up the list behind them.
    std::size_t kept = 0;
    for (Particle* particle : mLive)
    {
        if (particle->remainingLife < 0.0f)
        {
            Retire(particle);
            continue;
        }
        AdvanceParticle(*particle, dt);
        mLive[kept++] = particle;
    }
    mLive.resize(kept);

    if (emitting)
    {
        Emit(dt);
    }
}

void BaseParticleSystem::AdvanceParticle(Particle& particle, float dt) const
{
    if (const std::size_t frames = FrameCount(); frames > 0)
    {
        const float count = static_cast<float>(frames);
        particle.framePosition += particle.frameSpeed * dt;
        if (mSprite->IsLooping())
        {
            if (particle.framePosition >= count)
            {
                particle.framePosition = 0.0f;
            }
        }
        else if (particle.framePosition > count - 1.0f)
        {
            particle.framePosition = count - 1.0f;
        }
    }
    particle.velocityX += particle.accelerationX * dt;
    particle.velocityY += particle.accelerationY * dt;
    particle.x += particle.velocityX * dt;
    particle.y += particle.velocityY * dt;
    if (mSettings.particleLife != kImmortal)
    {
        particle.remainingLife -= dt;
    }

    particle.scaleKeyPosition += particle.scaleRate * dt;
    {
        const std::uint32_t k = KeyIndex(particle.scaleKeyPosition, mSettings.lastScaleKey);
        const std::uint32_t n = k == mSettings.lastScaleKey ? k : k + 1;
        const ScaleKey& from = mSettings.scaleKeys[k];
        const ScaleKey& to = mSettings.scaleKeys[n];
        const float f = KeyFraction(from, to, particle.scaleKeyPosition);
        particle.scaleX = from.scale.x + (to.scale.x - from.scale.x) * f;
        particle.scaleY = from.scale.y + (to.scale.y - from.scale.y) * f;
    }

    particle.colourKeyPosition += particle.colourRate * dt;
    {
        const std::uint32_t k = KeyIndex(particle.colourKeyPosition, mSettings.lastColourKey);
        const std::uint32_t n = k == mSettings.lastColourKey ? k : k + 1;
        const Korrin::Colour& from = mSettings.colourKeys[k].colour;
        const Korrin::Colour& to = mSettings.colourKeys[n].colour;
        const float f =
            KeyFraction(mSettings.colourKeys[k], mSettings.colourKeys[n], particle.colourKeyPosition);
        particle.colour.red = from.red + (to.red - from.red) * f;
        particle.colour.green = from.green + (to.green - from.green) * f;
        particle.colour.blue = from.blue + (to.blue - from.blue) * f;
        particle.colour.alpha = from.alpha + (to.alpha - from.alpha) * f;
    }

    particle.angle += particle.spinSpeed * dt;
}

void BaseParticleSystem::Emit(float dt)
{
    mEmissionRemainder += dt * mSettings.perSecond;
    if (!std::isfinite(mEmissionRemainder))
    {
        mEmissionRemainder = 0.0f;
        return;
    }
    const float whole = std::trunc(mEmissionRemainder);
    mEmissionRemainder -= whole;
    // Births beyond the free pool are skipped, not kept for later; counting them one by one would only
    // take time.
    const std::size_t births =
        whole > 0.0f ? std::min(mFreeCount, static_cast<std::size_t>(std::min(whole, 1.0e9f))) : 0;
    for (std::size_t i = 0; i < births; ++i)
    {
        Particle* particle = TakeFree();
        mLive.push_back(particle);
        SetUpParticle(*particle);
    }
}

void BaseParticleSystem::SetUpParticle(Particle& particle) const
{
    const Settings& s = mSettings;
    particle.x =
        s.randomPosition.x > 0.0f ? mPosition.x + Korrin::RandUnit() * s.randomPosition.x : mPosition.x;
    particle.y =
        s.randomPosition.y > 0.0f ? mPosition.y + Korrin::RandUnit() * s.randomPosition.y : mPosition.y;

    const float life = s.particleLife == kImmortal
                           ? 1.0f
                           : Korrin::RandomRange(s.particleLife, s.particleLife + s.randomLife);
    particle.remainingLife = life;

    const float spread = s.randomDirection > 0.0f ? Korrin::RandUnit() * s.randomDirection : 0.0f;
    const float angle = s.direction * kRadiansPerDegree + spread - s.randomDirection * 0.5f;

    float factor = 1.0f;
    if (s.randomVelocity > 1.0f)
    {
        factor = 1.0f + (s.randomVelocity - 1.0f) * Korrin::RandUnit();
    }
    factor = std::trunc(factor);
    particle.velocityX = std::sin(angle) * s.velocity * factor;
    particle.velocityY = std::cos(angle) * s.velocity * factor;

    particle.angle = s.spinDirection ? -angle : Korrin::RandomRange(0.0f, s.randomSpin);
    particle.spinSpeed = PerLife(s.spin, life);

    const float gravitySpread = s.randomGravity > 0.0f ? Korrin::RandUnit() * s.randomGravity : 0.0f;
    const float gravityAngle =
        s.gravityDirection * kRadiansPerDegree + gravitySpread - s.randomGravity * 0.5f;
    particle.accelerationX = std::sin(gravityAngle) * s.gravity;
    particle.accelerationY = std::cos(gravityAngle) * s.gravity;

    particle.scaleX = s.scaleKeys[0].scale.x;
    particle.scaleY = s.scaleKeys[0].scale.y;
    particle.scaleRate = PerLife(static_cast<float>(s.lastScaleKey), life);
    particle.scaleKeyPosition = 0.0f;

    particle.colour = s.colourKeys[0].colour;
    particle.colourRate = PerLife(static_cast<float>(s.lastColourKey), life);
    particle.colourKeyPosition = 0.0f;

    particle.framePosition = 0.0f;
    const bool looping = mSprite != nullptr && mSprite->IsLooping();
    particle.frameSpeed =
        looping ? mSprite->GetFrameSpeed() : PerLife(static_cast<float>(FrameCount()), life);
}

void BaseParticleSystem::Draw(const Korrin::Vector2& offset)
{
    if (!mActive || mSprite == nullptr)
    {
        return;
    }
    const std::size_t frames = FrameCount();
    for (const Particle* particle : mLive)
    {
        if (frames > 0)
        {
            const auto frame = static_cast<std::uint16_t>(
                KeyIndex(particle->framePosition,
                         static_cast<std::uint32_t>(std::min<std::size_t>(frames, 65536) - 1)));
            mSprite->SetSrcRectF(mSprite->GetFrameRect(frame));
        }
        mSprite->SetColourV(particle->colour);
        mSprite->DrawEx(particle->x + offset.x, particle->y + offset.y, particle->scaleX, particle->scaleY,
                        particle->angle, 0.0f, 0.0f);
    }
}

void BaseParticleSystem::Reset()
{
    mPath.SetTravelled(0.0f);
    for (Particle* particle : mLive)
    {
        Retire(particle);
    }
    mLive.clear();
}

void BaseParticleSystem::MoveTo(int x, int y)
{
    const float dx = static_cast<float>(x) - mPosition.x;
    const float dy = static_cast<float>(y) - mPosition.y;
    for (Particle* particle : mLive)
    {
        particle->x += dx;
        particle->y += dy;
    }
    mPosition = {static_cast<float>(x), static_cast<float>(y)};
}

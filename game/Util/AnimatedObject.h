#pragma once

#include <cstdint>

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// A decoration that plays its sprite animation now and then (a bird, smoke, a blinking light): it waits
// a random time, plays once at 7 frames a second, turns to a random side and waits again. A continuous
// animation plays all the time instead.
class AnimatedObject
{
public:
    static constexpr float kFramesPerSecond = 7.0f;
    static constexpr std::uint32_t kDefaultPeriod = 10;

    AnimatedObject() = default;

    void Init(float x, float y, Korrin::AnimatedSprite* sprite, float period, float scale, bool enabled,
              float alpha);
    // Starts a play now (not for continuous animations nor disabled objects).
    void Restart();
    // False when the object is disabled or cannot show anything.
    bool Update(float dt);
    void Draw();

    // Back to waiting from the start: time, frame and next start 0, not playing.
    void Rewind(bool enabled);

    bool IsEnabled() const { return mEnabled; }
    bool IsPlaying() const { return mPlaying; }
    bool IsFacing() const { return mFacing; }
    std::uint16_t GetFrame() const { return mFrame; }
    float GetTime() const { return mTime; }
    float GetNextStart() const { return mNextStart; }
    std::uint32_t GetPeriod() const { return mPeriod; }
    float GetScale() const { return mScale; }
    float GetAlpha() const { return mAlpha; }
    float GetX() const { return mX; }
    float GetY() const { return mY; }
    Korrin::AnimatedSprite* GetSprite() const { return mSprite; }

private:
    bool IsContinuous() const;
    void ScheduleNextStart();

    float mX = 0.0f;
    float mY = 0.0f;
    Korrin::AnimatedSprite* mSprite = nullptr;
    std::uint32_t mPeriod = kDefaultPeriod;
    float mScale = 1.0f;
    float mAlpha = 1.0f;
    float mTime = 0.0f;
    std::uint16_t mFrame = 0;
    float mNextStart = 0.0f;
    bool mPlaying = false;
    bool mEnabled = true;
    // Drawn as the frames are when set, mirrored when clear; an object starts unmirrored.
    bool mFacing = true;
};

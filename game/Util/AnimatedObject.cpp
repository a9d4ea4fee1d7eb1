#include "game/Util/AnimatedObject.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Util/CheckedInteger.h"
#include "engine/Util/Random.h"

#include <cmath>

namespace
{

// The frame a play has reached: the time at 7 frames a second, to the nearest whole, as a byte.
std::uint32_t FrameAt(float time)
{
    return static_cast<std::uint8_t>(std::lround(time * AnimatedObject::kFramesPerSecond));
}

} // namespace

bool AnimatedObject::IsContinuous() const
{
    return mSprite != nullptr && mSprite->IsLooping();
}

void AnimatedObject::ScheduleNextStart()
{
    mNextStart = static_cast<float>(static_cast<std::uint32_t>(Korrin::Rand()) % mPeriod + mPeriod);
}

void AnimatedObject::Init(float x, float y, Korrin::AnimatedSprite* sprite, float period, float scale,
                          bool enabled, float alpha)
{
    mX = x;
    mY = y;
    mSprite = sprite;
    mPeriod = Korrin::CheckedInteger<std::uint32_t>(period);
    mScale = scale;
    mEnabled = enabled;
    mAlpha = alpha;
    mTime = 0.0f;
    mNextStart = 0.0f;
    mPlaying = IsContinuous();
    if (!IsContinuous())
    {
        if (mPeriod == 0)
        {
            mPeriod = kDefaultPeriod;
        }
        ScheduleNextStart();
    }
}

void AnimatedObject::Restart()
{
    if (!mEnabled || IsContinuous())
    {
        return;
    }
    mFacing = (Korrin::Rand() & 1) != 0;
    mTime = 0.0f;
    mNextStart = 0.0f;
    mFrame = 0;
    mPlaying = true;
}

void AnimatedObject::Rewind(bool enabled)
{
    mTime = 0.0f;
    mFrame = 0;
    mNextStart = 0.0f;
    mEnabled = enabled;
    mPlaying = false;
}

bool AnimatedObject::Update(float dt)
{
    if (!mEnabled)
    {
        return false;
    }
    const std::size_t frames = mSprite != nullptr ? mSprite->GetFrameCount() : 0;
    if (frames == 0)
    {
        Korrin::LogManager::GetInstance()->Write("нет кадров AnimatedObject::Update()");
        return false;
    }
    mTime += dt;
    if (!IsContinuous())
    {
        if (mPlaying)
        {
            mFrame = static_cast<std::uint16_t>(FrameAt(mTime) % (frames + 1));
            if (mFrame == frames)
            {
                mPlaying = false;
                ScheduleNextStart();
            }
        }
        else if (mNextStart <= mTime)
        {
            Restart();
        }
        return true;
    }
    if (!mPlaying)
    {
        Korrin::LogManager::GetInstance()->Write("нет отображения AnimatedObject::Update()");
        return false;
    }
    mFrame = static_cast<std::uint16_t>(FrameAt(mTime) % frames);
    return true;
}

void AnimatedObject::Draw()
{
    if (!mEnabled || mSprite == nullptr)
    {
        return;
    }
    mSprite->SetColour(1.0f, 1.0f, 1.0f, mAlpha);
    if (mPlaying)
    {
        mSprite->DrawFrameEx(mFrame, mX, mY, mFacing ? mScale : -mScale, mScale, 0.0f, 0.0f, 0.0f);
    }
}

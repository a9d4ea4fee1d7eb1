#pragma once

#include "platform/HeadlessWindowSystem.h"

#include <functional>

// The headless window of an automatic run: before each frame, when the engine takes its messages,
// it lets the player look at the game and plan that frame's mouse and key events.
class AutoplayWindows : public Platform::HeadlessWindowSystem
{
public:
    using BetweenFrames = std::function<void()>;

    void SetBetweenFrames(BetweenFrames callback) { mBetweenFrames = std::move(callback); }

protected:
    void PumpEvents() override
    {
        if (mBetweenFrames)
        {
            mBetweenFrames();
        }
    }

private:
    BetweenFrames mBetweenFrames;
};

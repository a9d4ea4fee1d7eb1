#pragma once

#include "platform/GraphicsTypes.h"

namespace Platform
{

// The life of a graphics device: working, lost (nothing can be drawn or reset), or ready for its
// reset. Both devices follow it so that the engine's lost-device road sees them alike.
class DeviceLife
{
public:
    bool IsWorking() const { return mState == State::Working; }
    bool IsLost() const { return mState == State::Lost; }

    void MakeLost() { mState = State::Lost; }
    // A lost device may now be reset.
    void AllowReset()
    {
        if (mState == State::Lost)
        {
            mState = State::NeedsReset;
        }
    }
    void MarkReset() { mState = State::Working; }

    // What the test of the device's cooperation answers.
    DeviceResult Result() const
    {
        switch (mState)
        {
        case State::Working:
            return DeviceResult::Ok;
        case State::Lost:
            return DeviceResult::DeviceLost;
        case State::NeedsReset:
            break;
        }
        return DeviceResult::DeviceNotReset;
    }

private:
    enum class State
    {
        Working,
        Lost,
        NeedsReset,
    };

    State mState = State::Working;
};

} // namespace Platform

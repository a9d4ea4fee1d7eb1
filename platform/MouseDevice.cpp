#include "platform/MouseDevice.h"

#include "platform/WindowSystem.h"

namespace Platform
{

MouseDevice::MouseDevice(WindowSystem& windows) : mWindows(windows) {}

std::int32_t MouseDevice::SetCooperativeLevel(WindowHandle window)
{
    if (!mWindows.IsWindow(window))
    {
        return InputResult::InvalidParameter;
    }
    mWindow = window;
    return InputResult::Ok;
}

std::int32_t MouseDevice::Acquire()
{
    if (mWindow == 0 || !mWindows.IsWindow(mWindow) || !mWindows.HasFocus())
    {
        return InputResult::OtherAppHasPriority;
    }
    if (mAcquired && mFocusLossesAtAcquire == mWindows.FocusLosses())
    {
        return InputResult::AlreadyAcquired;
    }
    if (!mAcquired)
    {
        // Nothing that happened before the device was acquired is reported.
        mWindows.Mouse().DiscardMovement();
        mAcquired = true;
        mFocusLossesAtAcquire = mWindows.FocusLosses();
    }
    // An acquisition that has outlived a loss of focus stays stale until a read has reported it.
    return InputResult::Ok;
}

void MouseDevice::Unacquire()
{
    mAcquired = false;
}

std::int32_t MouseDevice::GetState(MouseState& out)
{
    if (!mAcquired)
    {
        return InputResult::NotAcquired;
    }
    if (mFocusLossesAtAcquire != mWindows.FocusLosses())
    {
        mAcquired = false;
        return InputResult::InputLost;
    }
    out = mWindows.Mouse().TakeState();
    return InputResult::Ok;
}

} // namespace Platform

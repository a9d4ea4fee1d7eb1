#pragma once

#include "platform/Message.h"
#include "platform/MouseState.h"

#include <cstdint>

namespace Platform
{

class WindowSystem;

// Results of the mouse device; failures keep the numbers callers compare against.
namespace InputResult
{
inline constexpr std::int32_t Ok = 0;
inline constexpr std::int32_t AlreadyAcquired = 1;
inline constexpr std::int32_t OtherAppHasPriority = static_cast<std::int32_t>(0x80070005u);
inline constexpr std::int32_t NotAcquired = static_cast<std::int32_t>(0x8007000Cu);
inline constexpr std::int32_t InputLost = static_cast<std::int32_t>(0x8007001Eu);
inline constexpr std::int32_t InvalidParameter = static_cast<std::int32_t>(0x80070057u);
} // namespace InputResult

inline bool InputFailed(std::int32_t result)
{
    return result < 0;
}

// The mouse as a device that is bound to a window, acquired and read: buttons and the movement of the
// axes since the last read. Bound non-exclusively to the foreground window, it can be acquired only
// while that window has the focus, and losing the focus loses the acquisition: the next read says
// the input was lost.
class MouseDevice
{
public:
    explicit MouseDevice(WindowSystem& windows);

    std::int32_t SetCooperativeLevel(WindowHandle window);
    std::int32_t Acquire();
    void Unacquire();
    std::int32_t GetState(MouseState& out);
    bool IsAcquired() const { return mAcquired; }

private:
    WindowSystem& mWindows;
    WindowHandle mWindow = 0;
    bool mAcquired = false;
    std::uint64_t mFocusLossesAtAcquire = 0;
};

} // namespace Platform

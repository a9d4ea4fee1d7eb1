#pragma once

#include <array>
#include <cstdint>

namespace Platform
{

// One read of the mouse device: the axes' movement since the last read (z is the wheel, 120 units a
// notch, positive away from the player) and four buttons (bit 7 set = down).
struct MouseState
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t z = 0;
    std::array<std::uint8_t, 4> buttons{};
};

// Units of the wheel axis per notch.
inline constexpr std::int32_t kWheelUnitsPerNotch = 120;

} // namespace Platform

#pragma once

#include <cstdint>

namespace Platform
{

// Virtual-key code of an SDL scancode; 0 when the key has none.
std::uint8_t VirtualKeyFromScancode(int scancode);

} // namespace Platform

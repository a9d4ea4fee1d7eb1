#pragma once

#include <cstdint>
#include <string>

// A time as the windows show it: minutes and seconds, each with a leading "0" below 10, joined by ":"
// (minutes of 100 or more are written in full).
std::u16string ClockText(std::uint32_t minutes, std::uint32_t seconds);
// A whole number in decimal, as displayed text.
std::u16string NumberText(std::int64_t value);

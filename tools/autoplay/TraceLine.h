#pragma once

#include <cstdarg>
#include <cstdint>

// One line of the players' --trace output on stderr: the frame, a prefix, then the formatted text.
void TraceLine(std::uint64_t frame, const char* prefix, const char* format, va_list arguments);

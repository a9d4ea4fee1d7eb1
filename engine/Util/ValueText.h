#pragma once

#include <string>

namespace Korrin
{

struct Rect;

// Numbers and flags as text, in the classic format: no grouping, no fill.
std::string ToString(int value);
std::string ToString(unsigned int value);
std::string ToString(long value);
std::string ToString(bool value);
std::string ToString(const Rect& rect);

// Names are compared lower-cased: A to Z become a to z, every other byte stays as it is.
std::string ToLower(std::string text);

} // namespace Korrin

#include "game/GUI/ClockText.h"

#include <string>

namespace
{

std::u16string Widen(const std::string& narrow)
{
    return {narrow.begin(), narrow.end()};
}

std::string TwoDigits(std::uint32_t value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::u16string ClockText(std::uint32_t minutes, std::uint32_t seconds)
{
    return Widen(TwoDigits(minutes) + ":" + TwoDigits(seconds));
}

std::u16string NumberText(std::int64_t value)
{
    return Widen(std::to_string(value));
}

#pragma once

#include <cstdint>
#include <string>

// A level's best time and the name of the player who set it.
struct TimeScoreItem
{
    TimeScoreItem() = default;
    TimeScoreItem(std::uint32_t minutesValue, std::uint32_t secondsValue, std::u16string nameValue)
        : minutes(minutesValue), seconds(secondsValue), name(std::move(nameValue))
    {
    }

    std::uint32_t minutes = 0;
    std::uint32_t seconds = 0;
    std::u16string name;
};

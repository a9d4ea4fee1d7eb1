#pragma once

#include <cstdint>
#include <vector>

// The progress boards as the player's purchases file stores them, field by field.
namespace ProgressBoardRecord
{

constexpr std::uint32_t kMostRivals = 5;
constexpr std::size_t kRivalBytes = 45;

struct Rival
{
    std::uint32_t id = 15;
    std::uint32_t state = 0;
    float speed = 0.0f;
    float score = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    std::uint8_t flag = 1;
    float alpha = 1.0f;
    float verticalSpeed = 0.0f;
    float targetX = 0.0f;
    float targetY = 0.0f;
    float phase = 0.0f;
};

struct Rivals
{
    std::uint8_t shown = 0;
    std::uint32_t stage = 0;
    std::vector<Rival> entries;
    float x = 10.0f;
    float y = 10.0f;
    std::uint8_t busy = 0;
    float fadeTimer = 1.0f;
    std::int32_t swapFirst = -1;
    std::int32_t swapSecond = -1;
    std::uint32_t finishCounter = 0;
    std::int32_t pendingRemoval = -1;
};

struct Companion
{
    std::uint8_t shown = 0;
    std::uint32_t maxMoney = 0;
    std::uint32_t currentMoney = 0;
    float unused = 1.0f;
    std::uint32_t levels = 0;
};

struct Boards
{
    std::uint32_t shownIndex = 2;
    Rivals rivals;
    Companion companion;
};

} // namespace ProgressBoardRecord

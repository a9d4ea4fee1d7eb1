#pragma once

#include <cstdint>

struct RewardItem;

// A completed achievement's decoration on its way into view (or already there) during one visit of the
// main menu.
struct PendingReward
{
    std::uint32_t id = 0;
    RewardItem* item = nullptr; // an entry of the menu's reward items
    float revealTime = 0.0f;
    bool addStarted = false;
};

#pragma once

#include <cstdint>

// One goods place of a shop shelf or a storehouse box. Its fade rate tells its state: 0 settled, +1 goods
// going in, -1 goods going out.
struct StoreCell
{
    std::uint8_t goods = 0; // 0: empty
    float x = 0.0f;
    float y = 0.0f;
    // From 0 up to the grid's full value while goods go in, down below 0 while they go out.
    float animation = 0.0f;
    float fadeRate = 0.0f;
    std::uint8_t unlocked = 1;
    // The buyer who reserved the goods, 0 for none.
    std::uint16_t buyer = 0;

    bool IsLeaving() const { return fadeRate < 0.0f; }
    bool IsSettled() const { return fadeRate == 0.0f; }
    // Unlocked, empty and not on its way out.
    bool IsFree() const { return unlocked != 0 && goods == 0 && !IsLeaving(); }
    // Holds goods that stay (settled or arriving).
    bool HoldsGoods() const { return goods != 0 && !IsLeaving(); }
    void Empty()
    {
        goods = 0;
        buyer = 0;
        animation = 0.0f;
        fadeRate = 0.0f;
    }
};

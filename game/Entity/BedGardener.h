#pragma once

#include <cstdint>

// What a garden bed needs of its gardener beyond its worker: the bubbles it reads and sets, the pails of
// water that are not a crop, and the hand-back when the gardener is dismissed. The gardener implements it.
class BedGardener
{
public:
    // The bubbles the gardener shows.
    static constexpr std::int32_t kDreamToStorehouse = 0;
    static constexpr std::int32_t kDreamStorehouseFull = 7;
    static constexpr std::int32_t kDreamNoWater = 8;
    static constexpr std::int32_t kDreamNoWay = 33;

    // The well's orders: three kinds of pail.
    static constexpr std::uint8_t kFirstWater = 126;
    static constexpr std::uint8_t kLastWater = 128;

    static bool IsWater(std::uint8_t goods) { return goods >= kFirstWater && goods <= kLastWater; }

    // The end of a dismissal: a crop in hand goes to the storehouse, a well whose pail is being drawn is
    // released for the next order.
    virtual void HandBack() = 0;

protected:
    BedGardener() = default;
    BedGardener(const BedGardener&) = default;
    BedGardener& operator=(const BedGardener&) = default;
    // Not deleted through the interface: the character manager owns the characters.
    ~BedGardener() = default;
};

#pragma once

#include <cstdint>

// A customer as the shop serves it: its wish (the frame of its bubble), the count of goods set aside for
// it against the count it wants, what the companion tells it at the counter, and its save number, by
// which a loaded shop finds the buyer it was serving. The buyer implements it.
class ShopBuyer
{
public:
    // What the buyer is told to do.
    static constexpr std::int32_t kGoToQueue = 0;
    static constexpr std::int32_t kTakeGoods = 1;
    static constexpr std::int32_t kRefused = 2;

    virtual std::int32_t GetFrameIndexDream() const = 0;
    virtual void SetDream(std::int32_t wish) = 0;
    virtual std::uint32_t GetWantedCount() const = 0;
    virtual std::uint16_t GetObjBuyCount() const = 0;
    virtual void SetObjBuyCount(std::uint16_t count) = 0;
    virtual void StartAction(std::int32_t command) = 0;
    // The goods handed over at the counter, and the pace of the companion's service.
    virtual void SetCarriedGoods(std::uint8_t goods) = 0;
    virtual void SetAnimationSpeed(float speed) = 0;
    virtual std::uint32_t GetSaveNumber() const = 0;

protected:
    ShopBuyer() = default;
    ShopBuyer(const ShopBuyer&) = default;
    ShopBuyer& operator=(const ShopBuyer&) = default;
    // Not deleted through the interface: the character manager owns the characters.
    ~ShopBuyer() = default;
};

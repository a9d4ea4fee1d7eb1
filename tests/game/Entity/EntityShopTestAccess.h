#pragma once

#include "game/Entity/EntityShop.h"

#include <cstdint>

// The shop's reservation, booking and search start, which the game reaches only through its buyers'
// steps, called directly so that a test can set up one case at a time.
struct EntityShopTestAccess
{
    static bool Reserve(EntityShop& shop, std::int32_t& wish, std::uint32_t wanted, std::uint16_t& reserved,
                        std::uint16_t buyerId, bool advanceStart)
    {
        return shop.Reserve(wish, wanted, reserved, buyerId, advanceStart);
    }
    static void BookSale(EntityShop& shop, std::uint8_t goods, std::uint32_t count)
    {
        shop.BookSale(goods, count);
    }
    static void SetSearchStart(EntityShop& shop, std::uint32_t start) { shop.SetSearchStart(start); }
};

#pragma once

#include <cstdint>

// One upgrade level of a buyable thing: what reaching it costs in the map shop and the value it gives.
struct CostRow
{
    std::uint32_t price = 0;
    std::uint32_t value = 0;
};

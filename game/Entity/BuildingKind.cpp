#include "game/Entity/BuildingKind.h"

#include <array>

namespace
{

constexpr std::array<BuildingKind, 11> kKinds{{
    {26, "Mill", "Mill", 1, false, 98, 88, 88, 16, 1, 25, 14, 4, "GOODS_MILL"},
    {30, "Juicer", "Juicer", 2, false, 89, 84, 84, 25, 4, 24, 5, 0, "GOODS_JUICER"},
    {34, "TomatoB", "TomatoB", 3, false, 92, 85, 85, 31, 7, 23, 8, 1, "GOODS_TOMATO"},
    {38, "Roaster", "Roaster", 4, true, 115, 114, 95, 37, 10, 30, 29, 40, "GOODS_ROASTER"},
    {42, "Confectionery", "Confectionery", 5, true, 122, 110, 118, 28, 13, 31, 35, 42, "GOODS_CONFECTIONERY"},
    {46, "Bakery", "Bakery", 6, false, 104, 110, 110, 34, 16, 26, 20, 26, "GOODS_BAKERY"},
    {50, "OilB", "OilB", 7, false, 95, 87, 87, 19, 19, 22, 11, 2, "GOODS_OIL"},
    {54, "SandwichB", "SandwichB", 8, true, 119, 115, 104, 40, 22, 28, 32, 38, "GOODS_SANDWICH"},
    {58, "DoughB", "DoughB", 9, true, 110, 98, 113, 46, 25, 32, 26, 41, "GOODS_DOUGH"},
    {62, "Packing", "Packing", 10, false, 101, 86, 86, 22, 28, 27, 17, 3, "GOODS_PACKING"},
    {66, "FriedPotatoes", "FriedPotatoesB", 11, true, 107, 101, 95, 43, 31, 29, 23, 39, "GOODS_FRIES"},
}};

} // namespace

const BuildingKind* BuildingKind::Find(std::uint8_t type)
{
    for (const BuildingKind& kind : kKinds)
    {
        if (kind.type == type)
        {
            return &kind;
        }
    }
    return nullptr;
}

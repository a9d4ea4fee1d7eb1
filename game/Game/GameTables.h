#pragma once

#include "engine/Util/Array.h"
#include "engine/Util/Vector2.h"

#include <cstdint>

// Dense goods index: 84 to 89 give 0 to 5, then 92 6, 95 7, ... 128 21; money (125) gives 27, past
// the dense range; every other id -1. Arrays indexed by it hold kGoodsIndexCount entries.
std::int32_t GetGoodsIndex(std::uint8_t goodsId);
inline constexpr std::int32_t kGoodsIndexCount = 28;

// The worker kind that serves a field object: 0 gardener, 1 errand boy, 2 fairy, 3 thief, 4 none.
std::uint8_t GetHelperKind(std::uint8_t objectType);

// The goods a production building makes; 0 for any other type.
std::uint8_t GetBuildingProduct(std::uint8_t buildingType);

// The frame sequences, frame counts and drawing offsets of the garden plants, the water well and the
// thief's bags: 41 arrays, built once by the game screen and freed with it.
class GameTables
{
public:
    static constexpr std::uint32_t kArrayCount = 41;

    static void Build();
    static void Free();

    // Arrays 0 to 24, 33 to 38 and 40.
    static Korrin::Array<std::uint8_t>& Frames(std::uint32_t array);
    // Arrays 25 to 29 and 39: the last index of each sequence they describe.
    static Korrin::Array<float>& LastIndexes(std::uint32_t array);
    // Arrays 30 to 32.
    static Korrin::Array<Korrin::Vector2>& Offsets(std::uint32_t array);
};

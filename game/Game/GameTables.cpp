#include "game/Game/GameTables.h"

#include "engine/Log/ReportAssert.h"

#include <array>
#include <vector>

namespace
{

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kFirstLastIndexArray = 25;
constexpr std::uint32_t kFirstOffsetArray = 30;
constexpr std::uint32_t kWellLastIndexArray = 39;

std::array<Korrin::Array<std::uint8_t>, GameTables::kArrayCount>& FrameArrays()
{
    static std::array<Korrin::Array<std::uint8_t>, GameTables::kArrayCount> arrays;
    return arrays;
}

std::array<Korrin::Array<float>, GameTables::kArrayCount>& FloatArrays()
{
    static std::array<Korrin::Array<float>, GameTables::kArrayCount> arrays;
    return arrays;
}

std::array<Korrin::Array<Korrin::Vector2>, GameTables::kArrayCount>& OffsetArrays()
{
    static std::array<Korrin::Array<Korrin::Vector2>, GameTables::kArrayCount> arrays;
    return arrays;
}

bool IsFrameArray(std::uint32_t array)
{
    return array < kFirstLastIndexArray || (array >= 33 && array <= 38) || array == 40;
}

bool IsFloatArray(std::uint32_t array)
{
    return (array >= kFirstLastIndexArray && array < kFirstOffsetArray) || array == kWellLastIndexArray;
}

bool IsOffsetArray(std::uint32_t array)
{
    return array >= kFirstOffsetArray && array <= 32;
}

Bytes Ramp(int from, int to)
{
    Bytes out;
    const int step = from <= to ? 1 : -1;
    for (int frame = from;; frame += step)
    {
        out.push_back(static_cast<std::uint8_t>(frame));
        if (frame == to)
        {
            break;
        }
    }
    return out;
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& part : parts)
    {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

Bytes Zeros(std::size_t count)
{
    return Bytes(count, 0);
}

// The first 38 steps of every growing tomato: a sprout that wobbles, then a bush that fills out.
Bytes TomatoOpening()
{
    return {1, 2, 4, 3, 4, 5, 4, 3, 4, 5, 4, 3, 4, 5, 4, 3, 2, 1, 10,
            9, 8, 7, 6, 7, 8, 7, 6, 7, 8, 7, 6, 7, 8, 7, 6, 7, 8, 7};
}

// The frame sequences of the plants, the well and the bags, arrays 0 to 24, 33 to 38 and 40. Arrays 1
// to 3 carrot, 4 to 8 tomato, 9 to 12 potatoes, 13 to 18 sunflower, 19 to 24 wheat.
Bytes FrameSequence(std::uint32_t array)
{
    const Bytes bagSequence = {1, 2, 3, 4, 5, 6, 7, 8, 8, 9, 10, 5, 6};
    switch (array)
    {
    case 0:
    case 40:
        return bagSequence;
    case 1:
        return {1, 2, 3, 4, 5, 6, 5, 7, 5, 6, 5, 7};
    case 2:
        return {1, 2, 3, 4, 5, 6, 5, 3, 5};
    case 3:
        return {1, 2, 3, 4, 3, 5, 3, 6, 3};
    case 4:
        return Join({TomatoOpening(), {9,  10, 11, 12, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                                       24, 25, 26, 27, 24, 25, 26, 27, 24, 25, 26, 27, 24}});
    case 5:
        return Join({TomatoOpening(), {9,  10, 11, 12, 13, 14, 13, 15, 16, 17, 18, 19, 28, 29, 30, 31, 32,
                                       33, 34, 35, 36, 37, 38, 39, 36, 37, 38, 39, 36, 37, 38, 39, 36}});
    case 6:
        return Join(
            {TomatoOpening(), {9,  10, 11, 12, 13, 14, 13, 15, 16, 17, 18, 19, 28, 29, 30, 40, 41, 42, 43,
                               44, 45, 46, 47, 48, 49, 50, 49, 52, 49, 50, 49, 52, 49, 50, 49, 52, 49}});
    case 7:
        return {13, 13, 13, 13, 13, 13, 12, 11, 10, 1};
    case 8:
        return {49, 36, 24, 13};
    case 9:
        return {16, 14, 13, 14, 15, 14, 13, 14, 15, 14, 13, 14, 15, 14, 13, 14, 16, 3, 2,  1, 2,  3,  2,  1,
                4,  1,  2,  3,  2,  1,  4,  1,  2,  3,  2,  1,  4,  1,  2,  3,  2,  1, 4,  5, 6,  7,  8,  9,
                10, 9,  11, 12, 11, 9,  10, 9,  11, 12, 11, 9,  10, 9,  11, 12, 11, 9, 10, 9, 11, 12, 11, 9};
    case 10:
        return {12, 13, 14, 13, 12, 13, 14, 13, 12, 13, 14, 13, 12, 13, 14, 13, 15, 16, 1, 2, 3, 2,
                1,  16, 1,  2,  3,  2,  1,  16, 1,  2,  3,  2,  1,  16, 1,  2,  3,  4,  5, 6, 7, 8,
                9,  8,  10, 11, 10, 8,  9,  8,  10, 11, 10, 8,  9,  8,  10, 11, 10, 8,  9, 8};
    case 11:
        return {13, 14, 15, 14, 13, 14, 15, 14, 13, 14, 15, 14, 13, 14, 15, 14, 13, 16, 3,  2,  1,
                4,  1,  2,  3,  2,  1,  4,  1,  2,  3,  2,  1,  4,  1,  2,  3,  2,  1,  4,  5,  6,
                7,  8,  9,  10, 9,  11, 12, 11, 9,  10, 9,  11, 12, 11, 9,  10, 9,  11, 12, 11, 9};
    case 12:
        return Ramp(1, 11);
    case 13:
        return {1,  2,  3,  4,  5,  4, 6,  3,  6,  4,  5,  4, 6,  3,  6,  4,  5,  4,  6,
                3,  6,  4,  5,  4,  6, 3,  2,  3,  6,  7,  8, 9,  10, 11, 12, 11, 10, 9,
                10, 11, 12, 11, 10, 9, 10, 11, 12, 11, 10, 9, 10, 11, 12, 11, 10, 9};
    case 14:
        return Join({Zeros(34), {1, 2, 3, 4, 5, 6, 7, 8, 9, 8, 9, 7, 8, 9, 8, 7, 8, 9, 8, 7, 8, 9}});
    case 15:
        return Join({Zeros(38), Ramp(1, 9)});
    case 16:
        return Join({Zeros(44), Ramp(1, 9)});
    case 17:
        return {9, 11, 6, 3, 2, 1};
    case 18:
        return {14, 15, 16, 9};
    case 19:
        return {1,  2,  3,  4,  5,  6,  25, 26, 27, 26, 25, 28, 25, 26, 27, 26, 25, 28, 25, 26, 27, 26, 25,
                28, 25, 26, 27, 26, 25, 28, 7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                21, 20, 24, 20, 21, 22, 21, 20, 24, 20, 21, 22, 21, 20, 24, 20, 21, 22, 21, 20, 24, 20};
    case 20:
        return {1,  2,  3,  4,  5,  6,  7,  8,  9,  8,  7,  10, 7,  8,  9,  8,  7,  10,
                7,  8,  9,  8,  7,  10, 7,  8,  9,  8,  7,  10, 11, 12, 13, 14, 15, 16,
                17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 29, 30, 31, 32, 33, 32, 31, 30,
                31, 32, 33, 32, 31, 30, 31, 32, 33, 32, 31, 30, 31, 32, 33, 32, 31};
    case 21:
        return {1,  2,  3,  4,  5,  6,  7,  8,  9,  8,  7,  31, 10, 11, 12, 13, 14, 15,
                16, 15, 17, 21, 20, 23, 24, 23, 25, 26, 27, 28, 29, 28, 27, 30, 27, 28,
                29, 28, 27, 30, 27, 28, 29, 28, 27, 30, 27, 28, 29, 28, 27, 30, 27};
    case 22:
        return {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 6, 5, 4, 2, 1};
    case 23:
        return {31, 7, 7, 7, 6, 5, 4, 2, 1};
    case 24:
        return {27, 7, 7, 7, 6, 5, 4, 2, 1};
    case 33:
        return {1, 2, 3, 4, 5, 1, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
    case 34:
        return {1, 1, 2, 3, 4, 5, 6, 7, 8, 1, 9, 10, 11, 12, 13, 14, 15, 8};
    case 35:
        return {1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    case 36:
    case 37:
    case 38:
        return {1, 1, 1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    default:
        return {};
    }
}

// The sunflower heads' offsets from their place, one per stalk frame (1 to 12, index frame - 1), so that
// the heads follow the stalk as it bends.
std::vector<Korrin::Vector2> OffsetSequence(std::uint32_t array)
{
    std::vector<Korrin::Vector2> offsets;
    if (array == 30)
    {
        offsets.assign(7, {});
        offsets.insert(offsets.end(), {{-7, -26}, {-7, -26}, {-5, -21}, {-3, -11}, {-5, -12}});
    }
    else if (array == 31)
    {
        offsets.assign(8, {});
        offsets.insert(offsets.end(), {{14, 1}, {14, 6}, {15, 9}, {14, 12}});
    }
    else if (array == 32)
    {
        offsets.assign(8, {});
        offsets.insert(offsets.end(), {{-20, 8}, {-22, 11}, {-20, 12}, {-21, 16}});
    }
    return offsets;
}

// The arrays whose last indexes an array of counts holds, in its order.
std::vector<std::uint32_t> DescribedArrays(std::uint32_t array)
{
    switch (array)
    {
    case 25:
        return {1, 3, 2};
    case 26:
        return {4, 5, 6, 7};
    case 27:
        return {9, 10, 11, 12};
    case 28:
        return {13, 14, 15, 16, 17};
    case 29:
        return {19, 20, 21, 22, 23, 24};
    case 39:
        return {33, 34, 35, 36, 37, 38};
    default:
        return {};
    }
}

void BuildArray(std::uint32_t array)
{
    if (IsFrameArray(array))
    {
        for (const std::uint8_t frame : FrameSequence(array))
        {
            FrameArrays()[array].Add(frame);
        }
    }
    else if (IsFloatArray(array))
    {
        for (const std::uint32_t described : DescribedArrays(array))
        {
            FloatArrays()[array].Add(static_cast<float>(FrameArrays()[described].Size()) - 1.0f);
        }
    }
    else if (IsOffsetArray(array))
    {
        for (const Korrin::Vector2& offset : OffsetSequence(array))
        {
            OffsetArrays()[array].Add(offset);
        }
    }
}

} // namespace

std::int32_t GetGoodsIndex(std::uint8_t goodsId)
{
    if (goodsId >= 84 && goodsId <= 89)
    {
        return goodsId - 84;
    }
    switch (goodsId)
    {
    case 92:
        return 6;
    case 95:
        return 7;
    case 98:
        return 8;
    case 101:
        return 9;
    case 104:
        return 10;
    case 107:
        return 11;
    case 110:
        return 12;
    case 113:
        return 13;
    case 114:
        return 14;
    case 115:
        return 15;
    case 118:
        return 16;
    case 119:
        return 17;
    case 122:
        return 18;
    case 126:
        return 19;
    case 127:
        return 20;
    case 128:
        return 21;
    case 125:
        return 27;
    default:
        return -1;
    }
}

std::uint8_t GetHelperKind(std::uint8_t objectType)
{
    switch (objectType)
    {
    case 5:
        return 0;
    case 26:
    case 30:
    case 34:
    case 46:
    case 50:
    case 62:
        return 1;
    case 38:
    case 42:
    case 54:
    case 58:
    case 66:
        return 2;
    case 136:
        return 3;
    default:
        return 4;
    }
}

std::uint8_t GetBuildingProduct(std::uint8_t buildingType)
{
    switch (buildingType)
    {
    case 26:
        return 98;
    case 30:
        return 89;
    case 34:
        return 92;
    case 38:
        return 115;
    case 42:
        return 122;
    case 46:
        return 104;
    case 50:
        return 95;
    case 54:
        return 119;
    case 58:
        return 110;
    case 62:
        return 101;
    case 66:
        return 107;
    default:
        return 0;
    }
}

void GameTables::Build()
{
    for (std::uint32_t array = 0; array < kArrayCount; ++array)
    {
        BuildArray(array);
    }
}

void GameTables::Free()
{
    for (std::uint32_t array = 0; array < kArrayCount; ++array)
    {
        FrameArrays()[array].Free();
        FloatArrays()[array].Free();
        OffsetArrays()[array].Free();
    }
}

Korrin::Array<std::uint8_t>& GameTables::Frames(std::uint32_t array)
{
    if (!IsFrameArray(array))
    {
        Korrin::ReportAndBreak("GameTables: array " + std::to_string(array) + " holds no frames",
                               Korrin::kGameModule, "Source\\Game\\GameTables", __LINE__);
        return FrameArrays()[0];
    }
    return FrameArrays()[array];
}

Korrin::Array<float>& GameTables::LastIndexes(std::uint32_t array)
{
    if (!IsFloatArray(array))
    {
        Korrin::ReportAndBreak("GameTables: array " + std::to_string(array) + " holds no frame counts",
                               Korrin::kGameModule, "Source\\Game\\GameTables", __LINE__);
        return FloatArrays()[kFirstLastIndexArray];
    }
    return FloatArrays()[array];
}

Korrin::Array<Korrin::Vector2>& GameTables::Offsets(std::uint32_t array)
{
    if (!IsOffsetArray(array))
    {
        Korrin::ReportAndBreak("GameTables: array " + std::to_string(array) + " holds no offsets",
                               Korrin::kGameModule, "Source\\Game\\GameTables", __LINE__);
        return OffsetArrays()[kFirstOffsetArray];
    }
    return OffsetArrays()[array];
}

#include "game/Entity/BuyerWishFrames.h"

#include <array>
#include <utility>

namespace
{
// (wish, bubble frame): the goods, the angry face and the extras' and complaints' pictures.
constexpr std::array<std::pair<std::int32_t, std::int32_t>, 25> kFrames{{
    {-1, -1},  {84, 0},   {85, 1},   {86, 2},   {88, 3},  {98, 4},  {104, 5}, {-6, 6},   {122, 9},
    {110, 10}, {113, 11}, {118, 12}, {107, 13}, {92, 14}, {87, 15}, {89, 16}, {115, 17}, {95, 18},
    {101, 19}, {119, 20}, {114, 21}, {-2, 34},  {-3, 35}, {-4, 36}, {-5, 37},
}};
} // namespace

namespace BuyerWishFrames
{
bool FrameOfWish(std::int32_t wish, std::int32_t& frame)
{
    for (const auto& [known, shown] : kFrames)
    {
        if (known == wish)
        {
            frame = shown;
            return true;
        }
    }
    return false;
}

std::int32_t WishOfFrame(std::int32_t frame)
{
    for (const auto& [wish, known] : kFrames)
    {
        if (known == frame)
        {
            return wish;
        }
    }
    return frame;
}
} // namespace BuyerWishFrames

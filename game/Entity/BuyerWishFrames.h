#pragma once

#include <cstdint>

// How a buyer's wish shows in its bubble: goods ids and the complaints (negative wishes) each have a
// frame of the bubble picture; the workers' own bubble frames read back as themselves.
namespace BuyerWishFrames
{
// No wish, and no bubble.
inline constexpr std::int32_t kNone = -1;

// The bubble frame of a wish; false, with frame unchanged, for a wish the bubble cannot show.
bool FrameOfWish(std::int32_t wish, std::int32_t& frame);
// The wish that a frame shows; a frame no wish uses reads back as the frame itself.
std::int32_t WishOfFrame(std::int32_t frame);
} // namespace BuyerWishFrames

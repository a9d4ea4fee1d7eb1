#pragma once

#include "platform/Image.h"
#include "tools/ClipPictures/Canvas.h"

#include <cstdint>

// The pictures around the figures: goods in the hand, the wish bubble and its digits, the selection
// mark, the pointing finger, the fairies' wings, the thief's cage and his bag.
namespace Props
{

constexpr int kGoodsSize = 32;      // a carried-goods frame
constexpr int kCarryFrames = 29;    // frame 0 empty, then dense goods index + 1 (28 is money)
constexpr int kGardenerFrames = 47; // seeds, harvested crops, three pails emptying
constexpr int kBubbleWidth = 80;
constexpr int kBubbleHeight = 72;
constexpr int kBubbleFrames = 38;
constexpr int kDigitWidth = 32;
constexpr int kDigitHeight = 22;
constexpr int kFingerWidth = 32;
constexpr int kFingerHeight = 40;
constexpr int kFingerFrames = 6;
constexpr int kWingWidth = 64;
constexpr int kWingHeight = 56;
constexpr int kCageWidth = 100;
constexpr int kCageHeight = 112;
constexpr int kBagWidth = 48;
constexpr int kBagHeight = 46;
constexpr int kBagFrames = 10;

// One goods by its dense index (0 carrot ... 21 the largest pail, 27 money), centred at (cx, cy),
// about `size` pixels across.
void PaintGoods(Canvas& canvas, int denseIndex, float cx, float cy, float size);

// Frames in rows of eight.
Platform::Image CarryGoods();
Platform::Image GardenerCarry();
Platform::Image FairyCarry();
Platform::Image DreamBubbles();
// Digits 0 to 9 at the left of a frame ("2"), and the same after a slash at the right ("/3").
Platform::Image Digits(bool afterSlash);
Platform::Image SelectionMark();
Platform::Image Finger();
Platform::Image Wings(std::uint32_t colour);
// The cage closing in `frames` steps: the bars in front, or the back wall behind the thief.
Platform::Image Cage(int frames, bool front);
Platform::Image Bag();

} // namespace Props

// Writes the pictures of the field's entity machinery: the buyers' signposts (one frame per background
// type), the icons of the order queues and the lid of a goods box.
//
//   wf_entity_pictures OUTPUT_FOLDER

#include "game/Entity/EntityTaskManager.h"
#include "game/Game/GameTables.h"
#include "platform/Image.h"
#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

using Painting::Argb;
using Painting::Mix;
using Painting::Paint;
using Painting::WritePng;

namespace
{

constexpr int kArrowWidth = 64;
constexpr int kArrowHeight = 73;
constexpr int kIcon = 23;
constexpr int kIconFrames = 43;

// The wood of each background type's signpost: mill oak, riverside birch, lakeside pine, hill cedar.
constexpr std::uint32_t kPostWood[4] = {0xFF7A5230u, 0xFFB8A888u, 0xFF5E4A36u, 0xFF8C4A2Cu};
constexpr std::uint32_t kBoardPaint[4] = {0xFF3F8F3Fu, 0xFF2F6FB0u, 0xFFC8A040u, 0xFFB04A3Au};

// A signpost pointing right: a post in the ground and an arrow-shaped board with a white chevron.
std::uint32_t Arrow(int x, int y)
{
    const int style = x / kArrowWidth;
    const int lx = x % kArrowWidth;
    const std::uint32_t dark = Argb(255, 40, 28, 18);
    // The board: a rectangle from 6 to 44 across, 10 to 34 down, with a point to x 58.
    const int mid = 22;
    const int half = 12;
    const int reach = lx <= 44 ? half : half - (lx - 44) * half / 14;
    const bool board = lx >= 6 && lx <= 58 && std::abs(y - mid) <= reach;
    if (board)
    {
        const bool rim = lx == 6 || std::abs(y - mid) >= reach - 1;
        if (rim)
        {
            return dark;
        }
        // A white chevron in the middle of the board repeats the direction.
        const int cx = lx - 22;
        const bool chevron = cx >= 0 && cx <= 14 && std::abs(std::abs(y - mid) - (14 - cx) * 7 / 14) <= 1;
        return chevron ? Argb(255, 250, 250, 240) : kBoardPaint[style];
    }
    // The post, grain lines down its length, from below the board to the foot of the cell.
    if (lx >= 26 && lx <= 33 && y > 6 && y < kArrowHeight - 2)
    {
        return lx == 26 || lx == 33 ? dark : Mix(kPostWood[style], dark, (lx % 3 == 0) ? 0.25f : 0.0f);
    }
    // A tuft of grass round the foot.
    const int grass = kArrowHeight - 1 - y;
    if (grass >= 0 && grass < 5 && lx >= 18 && lx <= 41 && (lx * 7 + y * 3) % 4 != 0)
    {
        return Argb(255, 70, 130, 50);
    }
    return 0;
}

// The goods that an icon frame shows (0 for the place frames and frames no goods use).
std::uint8_t GoodsOfFrame(int frame)
{
    for (int goods = 84; goods <= 128; ++goods)
    {
        if (EntityTaskManager::IconFrame(static_cast<std::uint8_t>(goods)) == frame)
        {
            return static_cast<std::uint8_t>(goods);
        }
    }
    return 0;
}

// The queue's icons, 23 x 23 each: a free place (an empty slot), a locked place (a dark slot with a
// padlock), then one per goods: the slot holding the goods' round fruit or, for the well's pails, a
// blue pail.
std::uint32_t TaskIcon(int x, int y)
{
    const int frame = x / kIcon;
    const int lx = x % kIcon;
    const bool rim = lx == 0 || y == 0 || lx == kIcon - 1 || y == kIcon - 1;
    const std::uint32_t frameColour = Argb(255, 110, 74, 36);
    if (rim)
    {
        return frameColour;
    }
    if (frame == EntityTaskManager::kFreeFrame)
    {
        return Argb(200, 236, 224, 190);
    }
    if (frame == EntityTaskManager::kLockedFrame)
    {
        const bool shackle = std::abs(std::hypot(lx - 11.0f, y - 9.0f) - 4.0f) < 1.2f && y <= 9;
        const bool body = lx >= 6 && lx <= 16 && y >= 10 && y <= 18;
        return shackle || body ? Argb(255, 200, 170, 60) : Argb(230, 70, 60, 50);
    }
    const std::uint8_t goods = GoodsOfFrame(frame);
    const std::uint32_t slot = Argb(255, 236, 224, 190);
    if (goods >= 126)
    {
        // A pail: a tapered blue bucket with a handle; fuller for the dearer orders.
        const int fill = 14 - (goods - 126) * 3;
        const int widthAt = 5 + (y - 7) / 3;
        const bool bucket = y >= 8 && y <= 18 && std::abs(lx - 11) <= widthAt;
        const bool handle = std::abs(std::hypot(lx - 11.0f, y - 9.0f) - 6.0f) < 0.8f && y < 9;
        if (handle)
        {
            return Argb(255, 60, 60, 70);
        }
        if (bucket)
        {
            return y >= fill ? Argb(255, 60, 120, 220) : Argb(255, 150, 150, 160);
        }
        return slot;
    }
    const float dx = static_cast<float>(lx) - 11.0f;
    const float dy = static_cast<float>(y) - 12.0f;
    if (dx * dx + dy * dy <= 49.0f)
    {
        const std::int32_t index = GetGoodsIndex(goods);
        const std::uint32_t colour = index >= 0 ? Painting::GoodsColour(index) : Argb(255, 160, 140, 110);
        // A highlight at the upper left makes it round.
        return dx + dy < -6.0f ? Mix(colour, Argb(255, 255, 255, 255), 0.4f) : colour;
    }
    if (lx >= 11 && lx <= 12 && y >= 2 && y <= 5)
    {
        return Argb(255, 70, 110, 40); // the stalk
    }
    return slot;
}

// The lid of a goods box, 40 x 20: boards across with a darker rim and a brass handle.
std::uint32_t Lid(int x, int y)
{
    const std::uint32_t wood = Argb(255, 150, 104, 60);
    const std::uint32_t dark = Argb(255, 80, 52, 28);
    if (x == 0 || y == 0 || x == 39 || y == 19 || y % 6 == 0)
    {
        return dark;
    }
    if (y >= 8 && y <= 11 && x >= 16 && x <= 23)
    {
        return Argb(255, 210, 170, 70);
    }
    return (x * 5 + y * 11) % 17 == 0 ? Mix(wood, dark, 0.3f) : wood;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_entity_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;
    ok &= WritePng(Paint(kArrowWidth * 4, kArrowHeight, Arrow), folder + "buyers_arrow.png");
    ok &= WritePng(Paint(kIcon * kIconFrames, kIcon, TaskIcon), folder + "building_tasks.png");
    ok &= WritePng(Paint(40, 20, Lid), folder + "store_lid.png");
    return ok ? 0 : 1;
}

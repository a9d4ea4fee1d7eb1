#include "tools/CharacterPictures/Preview.h"

#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr float kZoom = 2.0f; // figures drawn twice their size, to see the details
constexpr int kCellWidth = 200;
constexpr int kCellHeight = 260;
constexpr int kPosesPerRow = 9;
constexpr float kGround = 230.0f; // the soles' line in a cell

struct Shot
{
    const char* animation;
    int key;
    int carryFrame; // the frame the game's correction would set; -1 keeps the key's own
};

std::vector<Shot> ShotsOf(Repertoire repertoire)
{
    switch (repertoire)
    {
    case Repertoire::Buyer:
        return {{"stand", 0, -1}, {"run", 2, -1},           {"run", 6, -1},
                {"run1", 3, 3},   {"moveup_ladder", 3, -1}, {"walk_idle", 3, -1},
                {"drope", 8, 19}, {"idle1", 3, -1},         {"extra", 14, -1}};
    case Repertoire::Monster:
        return {{"stand", 0, -1}, {"eat_monster", 2, -1}, {"eat_monster", 5, -1}};
    case Repertoire::Boy:
        return {{"stand", 0, -1},       {"run", 2, -1},    {"run1", 5, 1},
                {"moveup_rope1", 2, 9}, {"magic", 4, -1},  {"in_house1", 6, 5},
                {"idle1", 4, -1},       {"idle_p", 3, -1}, {"out_house", 8, -1}};
    case Repertoire::Fairy:
        return {{"run", 0, -1},        {"run", 4, -1},          {"run1", 2, -1},
                {"magic", 6, -1},      {"in_fairy1", 3, -1},    {"in_fairy1", 8, -1},
                {"out_fairy", 14, -1}, {"idle_fairy13", 4, -1}, {"idle_fairy21", 3, -1}};
    case Repertoire::Gardener:
        return {{"stand", 0, -1},    {"run1", 2, 8},       {"drip", 7, 1},
                {"getwater", 6, 21}, {"setwater1", 4, 24}, {"carrot03", 2, -1},
                {"carrot03", 9, -1}, {"wheat03", 12, -1},  {"idle_st02", 4, -1}};
    case Repertoire::Thief:
        return {{"stand", 0, -1},    {"run", 2, -1},       {"firstrun", 5, -1},
                {"stealing", 4, -1}, {"stealing1", 6, -1}, {"bush", 8, -1},
                {"bush1", 8, -1},    {"tremble", 3, -1},   {"moveup_rope", 3, -1}};
    case Repertoire::Companion:
        return {{"idle1", 0, -1}, {"left", 4, -1}, {"left3", 4, 2}, {"right2", 4, 11}, {"drop", 2, 18},
                {"drop", 7, -1},  {"red1", 4, -1}, {"red2", 4, -1}, {"idle7", 4, -1}};
    }
    return {};
}

struct Placed
{
    float x;
    float y;
    float angle;
    float scaleX;
    float scaleY;
    bool flip;
    float frame;
    float depth;
};

// Draws frame `frame` (of frameWidth x frameHeight, `columns` a row) of a picture turned and scaled about
// the bone's place, as the game's sprite drawing does.
void DrawSprite(Platform::Image& target, const Platform::Image& picture, int frameWidth, int frameHeight,
                int columns, int frame, float pivotX, float pivotY, const Placed& bone)
{
    const float fw = static_cast<float>(frameWidth);
    const float fh = static_cast<float>(frameHeight);
    float px = pivotX * bone.scaleX;
    const float py = pivotY * bone.scaleY;
    if (bone.flip)
    {
        px = -px;
    }
    const float c = std::cos(bone.angle);
    const float s = std::sin(bone.angle);
    const float cx = bone.x + px * c - py * s;
    const float cy = bone.y + px * s + py * c;
    const float reach = std::max(fw * std::abs(bone.scaleX), fh * std::abs(bone.scaleY));
    const int fx = (frame % columns) * frameWidth;
    const int fy = (frame / columns) * frameHeight;
    for (int y = static_cast<int>(cy - reach); y <= static_cast<int>(cy + reach); ++y)
    {
        for (int x = static_cast<int>(cx - reach); x <= static_cast<int>(cx + reach); ++x)
        {
            if (x < 0 || y < 0 || x >= target.width || y >= target.height || bone.scaleX == 0.0f ||
                bone.scaleY == 0.0f)
            {
                continue;
            }
            const float dx = static_cast<float>(x) + 0.5f - cx;
            const float dy = static_cast<float>(y) + 0.5f - cy;
            float u = (dx * c + dy * s) / bone.scaleX + fw / 2.0f;
            const float v = (-dx * s + dy * c) / bone.scaleY + fh / 2.0f;
            if (bone.flip)
            {
                u = fw - u;
            }
            if (u < 0.0f || v < 0.0f || u >= fw || v >= fh)
            {
                continue;
            }
            const std::uint32_t colour = picture.At(fx + static_cast<int>(u), fy + static_cast<int>(v));
            const float alpha = static_cast<float>(colour >> 24) / 255.0f;
            if (alpha <= 0.0f)
            {
                continue;
            }
            std::uint32_t& pixel = target.pixels[static_cast<std::size_t>(y * target.width + x)];
            pixel = Painting::Mix(pixel, colour | 0xFF000000u, alpha);
        }
    }
}

// Poses the bones from one key frame exactly as the game does: the root at the position minus its
// offset, every other bone at its parent plus its offset turned by its own angle.
std::vector<Placed> PoseFromKeys(const Look& look, const Motion& motion, std::size_t key, float px, float py)
{
    const std::array<BoneKey, kBoneCount> keys = KeysOf(GeometryOf(look.rig), motion.poses[key]);
    std::vector<Placed> placed(kBoneCount);
    for (const BoneId bone : BonesOf(look))
    {
        const BoneKey& k = keys[bone];
        Placed& p = placed[bone];
        p.flip = motion.mirrored && bone != kRoot;
        p.angle = p.flip ? -k.angle : k.angle;
        p.scaleX = k.scaleX;
        p.scaleY = k.scaleY;
        p.frame = k.frame;
        p.depth = k.depth;
        if (bone == kRoot)
        {
            p.x = px - k.x;
            p.y = py - k.y;
            continue;
        }
        float ox = k.x * k.scaleX;
        const float oy = k.y * k.scaleY;
        if (p.flip)
        {
            ox = -ox;
        }
        const Placed& parent = placed[Bone(bone).parent];
        p.x = parent.x + ox * std::cos(p.angle) - oy * std::sin(p.angle);
        p.y = parent.y + oy * std::cos(p.angle) + ox * std::sin(p.angle);
    }
    return placed;
}

void DrawFigure(Platform::Image& target, const FigureArt& art, const Shot& shot, float px, float py)
{
    const auto found = std::find_if(art.animations.begin(), art.animations.end(),
                                    [&](const auto& entry) { return entry.first == shot.animation; });
    if (found == art.animations.end())
    {
        return;
    }
    const Motion& motion = found->second;
    const std::size_t key =
        std::min<std::size_t>(static_cast<std::size_t>(shot.key), motion.poses.size() - 1);
    std::vector<Placed> placed = PoseFromKeys(*art.look, motion, key, 0.0f, 0.0f);
    for (Placed& p : placed)
    {
        p.x = px + kZoom * p.x;
        p.y = py + kZoom * p.y;
        p.scaleX *= kZoom;
        p.scaleY *= kZoom;
    }
    std::vector<BoneId> order = BonesOf(*art.look);
    std::stable_sort(order.begin(), order.end(),
                     [&](BoneId a, BoneId b) { return placed[a].depth > placed[b].depth; });
    if (!art.wings.pixels.empty())
    {
        Placed wing = placed[kBody];
        wing.angle = -0.4f;
        wing.scaleX = wing.scaleY = kZoom;
        wing.flip = motion.mirrored;
        DrawSprite(target, art.wings, art.wings.width / 3, art.wings.height, 3, 0, 30.0f, 0.0f, wing);
    }
    for (const BoneId bone : order)
    {
        const Placed& p = placed[bone];
        if (bone == kCarry)
        {
            const int frame =
                shot.carryFrame >= 0 && p.frame > 0.0f ? shot.carryFrame : static_cast<int>(p.frame);
            if (frame > 0 && art.carry != nullptr)
            {
                DrawSprite(target, *art.carry, 32, 32, 8, frame, 0.0f, 0.0f, p);
            }
            continue;
        }
        for (const PartPicture& part : art.parts)
        {
            if (part.bone == bone)
            {
                const int frame = std::clamp(static_cast<int>(p.frame), 0, part.frames - 1);
                DrawSprite(target, part.image, part.frameWidth, part.frameHeight, part.frames, frame,
                           static_cast<float>(part.frameWidth) / 2.0f - part.anchorX,
                           static_cast<float>(part.frameHeight) / 2.0f - part.anchorY, p);
            }
        }
    }
}

} // namespace

Platform::Image ContactSheet(const std::vector<const FigureArt*>& figures)
{
    Platform::Image sheet;
    sheet.width = kCellWidth * kPosesPerRow;
    sheet.height = kCellHeight * static_cast<int>(figures.size());
    sheet.pixels.assign(static_cast<std::size_t>(sheet.width * sheet.height), 0u);
    for (int y = 0; y < sheet.height; ++y)
    {
        const int inCell = y % kCellHeight;
        const bool ground = static_cast<float>(inCell) >= kGround;
        const std::uint32_t colour =
            ground ? Painting::Argb(255, 110, 160, 70) : Painting::Argb(255, 200, 225, 240);
        for (int x = 0; x < sheet.width; ++x)
        {
            const bool edge = x % kCellWidth == 0 || inCell == 0;
            sheet.pixels[static_cast<std::size_t>(y * sheet.width + x)] =
                edge ? Painting::Argb(255, 150, 170, 190) : colour;
        }
    }
    for (std::size_t row = 0; row < figures.size(); ++row)
    {
        const FigureArt& art = *figures[row];
        const std::vector<Shot> shots = ShotsOf(art.look->repertoire);
        const float feet = GeometryOf(art.look->rig).feet;
        for (std::size_t column = 0; column < shots.size() && column < kPosesPerRow; ++column)
        {
            const float px = static_cast<float>(column * kCellWidth) + kCellWidth * 0.5f;
            // Climbs and runs are shown from their key's own root offset: put the position so the
            // figure stays in its cell.
            const auto found =
                std::find_if(art.animations.begin(), art.animations.end(),
                             [&](const auto& entry) { return entry.first == shots[column].animation; });
            float rootX = 0.0f;
            float rootY = 0.0f;
            if (found != art.animations.end())
            {
                const Pose& pose = found->second.poses[std::min<std::size_t>(
                    static_cast<std::size_t>(shots[column].key), found->second.poses.size() - 1)];
                rootX = pose.rootX;
                rootY = pose.rootY;
            }
            const float py = static_cast<float>(row * kCellHeight) + kGround - feet * kZoom;
            DrawFigure(sheet, art, shots[column], px + rootX * kZoom, py + rootY * kZoom);
        }
    }
    return sheet;
}

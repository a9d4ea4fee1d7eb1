#include "tools/CharacterPictures/Parts.h"

#include "tools/CharacterPictures/Outline.h"
#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace
{

using Painting::Argb;
using Painting::Mix;

const std::uint32_t kBlack = Argb(255, 20, 16, 16);
const std::uint32_t kWhite = Argb(255, 255, 255, 255);

std::uint32_t Shade(std::uint32_t colour, float amount)
{
    return Mix(colour, Argb(255, 0, 0, 0), amount);
}

std::uint32_t Light(std::uint32_t colour, float amount)
{
    return Mix(colour, kWhite, amount);
}

int Even(float value)
{
    const int whole = static_cast<int>(std::ceil(value));
    return whole + whole % 2;
}

using FramePainter = std::function<void(Canvas&, int frame)>;

PartPicture Picture(BoneId bone, int frames, int width, int height, float anchorX, float anchorY,
                    const FramePainter& paint)
{
    PartPicture part;
    part.bone = bone;
    part.frames = frames;
    part.frameWidth = width;
    part.frameHeight = height;
    part.anchorX = anchorX;
    part.anchorY = anchorY;
    part.image.width = width * frames;
    part.image.height = height;
    part.image.pixels.assign(static_cast<std::size_t>(part.image.width * height), 0u);
    for (int frame = 0; frame < frames; ++frame)
    {
        Canvas canvas(part.image, frame * width, 0, width, height);
        paint(canvas, frame);
        OutlineRegion(part.image, frame * width, 0, width, height);
    }
    return part;
}

bool Skirted(const Look& look)
{
    return look.garment == Garment::Dress || look.garment == Garment::Gown;
}

// A leg: trousers or stockings, and a shoe whose toe points forward (left).
PartPicture Leg(const Look& look, const Geometry& g, BoneId bone)
{
    const bool back = bone == kLegBack;
    const float thick = std::round(7.0f * g.legLength / 32.0f + (look.width > 1.2f ? 2.0f : 0.0f)) + 1.0f;
    const int width = Even(thick + 12.0f);
    const int height = Even(g.legLength + 8.0f);
    const float ax = static_cast<float>(width) - thick / 2.0f - 3.0f;
    const float ay = 4.0f;
    return Picture(bone, 1, width, height, ax, ay,
                   [&](Canvas& c, int)
                   {
                       const float dim = back ? 0.22f : 0.0f;
                       std::uint32_t cloth =
                           Skirted(look) || look.garment == Garment::Bare ? look.bottom : look.bottom;
                       if (look.garment == Garment::Overalls)
                       {
                           cloth = look.bottom;
                       }
                       const float sole = ay + g.legLength;
                       c.Line(ax, ay, ax, sole - 3.0f, thick, Shade(cloth, dim));
                       const std::uint32_t shoe = Shade(look.shoes, dim);
                       const float toe = thick * 0.9f + 2.0f;
                       c.Ellipse(ax - toe * 0.45f, sole - 2.6f, toe, 2.8f, shoe);
                       c.Rect(ax - thick / 2.0f, sole - 5.0f, ax + thick / 2.0f, sole - 2.0f, shoe);
                   });
}

// An arm: a sleeve, the forearm and the hand at the arm's full length.
PartPicture Arm(const Look& look, const Geometry& g, BoneId bone)
{
    const bool back = bone == kArmBack;
    const float thick = std::round(6.0f * g.armLength / 27.0f) + (look.width > 1.2f ? 2.0f : 1.0f);
    const int width = Even(thick + 6.0f);
    const int height = Even(g.armLength + 10.0f);
    const float ax = static_cast<float>(width) / 2.0f;
    const float ay = 4.0f;
    return Picture(
        bone, 1, width, height, ax, ay,
        [&](Canvas& c, int)
        {
            const float dim = back ? 0.22f : 0.0f;
            const float hand = ay + g.armLength;
            float sleeve = 0.7f;
            if (look.garment == Garment::Dress || look.rig == Rig::Fairy || look.garment == Garment::Bare)
            {
                sleeve = 0.3f;
            }
            const std::uint32_t skin = Shade(look.skin, dim);
            c.Line(ax, ay, ax, hand - 2.0f, thick * 0.8f, skin);
            std::uint32_t cloth = look.top;
            if (look.extra == Extra::LabCoat)
            {
                cloth = look.top;
            }
            if (look.garment != Garment::Bare)
            {
                c.Line(ax, ay, ax, ay + g.armLength * sleeve, thick, Shade(cloth, dim));
                if (look.extra == Extra::Stripes || look.extra == Extra::Pyjamas)
                {
                    for (float y = ay + 3.0f; y < ay + g.armLength * sleeve - 1.0f; y += 5.0f)
                    {
                        c.Rect(ax - thick / 2.0f, y, ax + thick / 2.0f, y + 2.0f, Shade(look.trim, dim));
                    }
                }
            }
            c.Circle(ax, hand - 1.0f, thick * 0.55f + 0.5f, skin);
            if (look.face == Face::Monster)
            {
                c.Circle(ax - 2.0f, hand + 2.0f, 1.2f, Argb(255, 250, 245, 220));
            }
        });
}

// The torso from the shoulders down past the hip; its clothes and what hangs on them.
PartPicture Torso(const Look& look, const Geometry& g)
{
    const float s = g.torso / 30.0f;
    const float shoulders = 11.0f * s * std::min(look.width, 1.25f);
    const float waist = 9.0f * s * look.width;
    float skirt = 4.0f;
    switch (look.garment)
    {
    case Garment::Coat:
        skirt = 14.0f * s;
        break;
    case Garment::Dress:
        skirt = g.legLength * 0.55f;
        break;
    case Garment::Gown:
        skirt = g.legLength - 3.0f;
        break;
    default:
        break;
    }
    const float top = 14.0f;
    const int width =
        Even(std::max(shoulders, waist) * 2.0f + 26.0f + (look.extra == Extra::Cape ? 8.0f : 0.0f));
    const int height = Even(top + g.torso + skirt + 6.0f);
    const float ax = static_cast<float>(width) / 2.0f;
    const float ay = top + g.torso;
    return Picture(
        kBody, 1, width, height, ax, ay,
        [&](Canvas& c, int)
        {
            const float shoulderY = top;
            const float hip = ay;
            if (look.extra == Extra::Cape)
            {
                c.Polygon({{ax - shoulders * 0.2f, shoulderY},
                           {ax + shoulders + 2.0f, shoulderY},
                           {ax + shoulders + 10.0f, hip + 10.0f},
                           {ax + 2.0f, hip + 8.0f}},
                          look.trim);
            }
            // Trousers' top under everything.
            c.Rect(ax - waist, hip - 4.0f, ax + waist, hip + 5.0f, look.bottom);
            std::uint32_t cloth = look.top;
            const float bottomY = hip + skirt;
            if (Skirted(look))
            {
                const float flare = look.garment == Garment::Gown ? 2.1f : 1.7f;
                c.Polygon({{ax - waist, hip - 6.0f},
                           {ax + waist, hip - 6.0f},
                           {ax + waist * flare, bottomY},
                           {ax - waist * flare - 2.0f, bottomY}},
                          cloth);
                for (float x = -waist * flare + 3.0f; x < waist * flare - 2.0f; x += 6.0f)
                {
                    c.Line(ax + x * 0.55f, hip, ax + x, bottomY - 1.0f, 1.0f, Shade(cloth, 0.12f));
                }
            }
            // The shirt, tunic or coat: rounded shoulders, narrowing to the waist.
            const float hem = look.garment == Garment::Coat ? bottomY : hip + 3.0f;
            c.Polygon({{ax - shoulders, shoulderY + 3.0f},
                       {ax + shoulders, shoulderY + 3.0f},
                       {ax + waist, hem},
                       {ax - waist, hem}},
                      cloth);
            c.Circle(ax - shoulders + 3.0f, shoulderY + 3.0f, 3.5f, cloth);
            c.Circle(ax + shoulders - 3.0f, shoulderY + 3.0f, 3.5f, cloth);
            c.Rect(ax - shoulders + 3.0f, shoulderY - 0.5f, ax + shoulders - 3.0f, shoulderY + 4.0f, cloth);
            if (look.garment == Garment::Bare)
            {
                c.Ellipse(ax - 2.0f, hip - g.torso * 0.4f, waist * 0.8f, g.torso * 0.35f, look.trim);
            }
            if (look.extra == Extra::Belly || look.width > 1.3f)
            {
                c.Ellipse(ax - waist * 0.45f, hip - g.torso * 0.35f, waist * 1.05f, g.torso * 0.42f,
                          look.garment == Garment::Bare ? look.trim : cloth);
                c.Ellipse(ax - waist * 0.7f, hip - g.torso * 0.42f, waist * 0.35f, g.torso * 0.15f,
                          Light(look.garment == Garment::Bare ? look.trim : cloth, 0.35f));
            }
            if (look.garment == Garment::Overalls)
            {
                c.Rect(ax - waist + 1.0f, shoulderY + g.torso * 0.35f, ax + waist - 2.0f, hip + 4.0f,
                       look.bottom);
                c.Line(ax - waist + 3.0f, shoulderY + 1.0f, ax - waist + 3.0f, shoulderY + g.torso * 0.4f,
                       2.5f, look.bottom);
                c.Line(ax + waist - 4.0f, shoulderY + 1.0f, ax + waist - 4.0f, shoulderY + g.torso * 0.4f,
                       2.5f, look.bottom);
                c.Rect(ax - 4.0f, shoulderY + g.torso * 0.45f, ax + 2.0f, shoulderY + g.torso * 0.62f,
                       Shade(look.bottom, 0.2f));
            }
            switch (look.extra)
            {
            case Extra::Stripes:
                for (float y = shoulderY + 4.0f; y < hip; y += 6.0f)
                {
                    c.Rect(ax - shoulders + 1.0f, y, ax + shoulders - 1.0f, y + 2.5f, look.trim);
                }
                break;
            case Extra::Pyjamas:
                for (float x = -shoulders + 3.0f; x < shoulders - 1.0f; x += 5.0f)
                {
                    c.Rect(ax + x, shoulderY + 2.0f, ax + x + 1.8f, hip + 3.0f, look.trim);
                }
                c.Circle(ax - waist + 3.0f, shoulderY + 10.0f, 1.2f, Shade(look.top, 0.4f));
                c.Circle(ax - waist + 3.0f, shoulderY + 17.0f, 1.2f, Shade(look.top, 0.4f));
                break;
            case Extra::Braces:
                c.Line(ax - waist + 3.0f, shoulderY, ax - waist + 3.0f, hip, 2.5f, look.trim);
                c.Line(ax + waist - 3.0f, shoulderY, ax + waist - 3.0f, hip, 2.5f, look.trim);
                break;
            case Extra::Apron:
                c.Rect(ax - waist - 1.0f, shoulderY + g.torso * 0.3f, ax + 2.0f, hip + 8.0f * s, look.trim);
                c.Line(ax + 1.0f, shoulderY + g.torso * 0.55f, ax + waist + 2.0f, shoulderY + g.torso * 0.55f,
                       1.5f, Shade(look.trim, 0.25f));
                break;
            case Extra::Medals:
                c.Ellipse(ax - shoulders + 4.0f, shoulderY + 1.0f, 5.0f, 2.5f, look.trim);
                c.Ellipse(ax + shoulders - 4.0f, shoulderY + 1.0f, 5.0f, 2.5f, look.trim);
                for (int m = 0; m < 3; ++m)
                {
                    const float x = ax - waist + 4.0f + static_cast<float>(m) * 4.0f;
                    c.Rect(x - 1.0f, shoulderY + 7.0f, x + 1.0f, shoulderY + 11.0f, Argb(255, 200, 30, 40));
                    c.Circle(x, shoulderY + 13.0f, 1.8f, look.trim);
                }
                c.Rect(ax - waist, hip - 4.0f, ax + waist, hip - 1.0f, Argb(255, 40, 30, 20));
                break;
            case Extra::Stink:
                for (int w = 0; w < 3; ++w)
                {
                    const float x0 = ax - shoulders + static_cast<float>(w) * shoulders * 0.9f;
                    for (int k = 0; k < 4; ++k)
                    {
                        const float y = shoulderY - 2.0f - static_cast<float>(k) * 3.0f;
                        const float dx = (k % 2 == 0 ? 1.5f : -1.5f);
                        c.Line(x0 + dx, y, x0 - dx, y - 3.0f, 1.2f, Argb(220, 120, 170, 60));
                    }
                }
                for (float x = -waist + 2.0f; x < waist; x += 7.0f)
                {
                    c.Rect(ax + x, hip - 10.0f, ax + x + 4.0f, hip - 6.0f, look.trim);
                }
                break;
            case Extra::Guitar:
            {
                const std::uint32_t wood = Argb(255, 170, 100, 40);
                c.Line(ax - waist - 6.0f, hip - 6.0f, ax + shoulders, shoulderY - 4.0f, 2.5f,
                       Argb(255, 90, 55, 25));
                c.Ellipse(ax - waist - 1.0f, hip - 5.0f, 7.0f, 5.5f, wood);
                c.Ellipse(ax - waist + 5.0f, hip - 9.0f, 5.0f, 4.0f, wood);
                c.Circle(ax - waist + 1.0f, hip - 6.0f, 1.8f, Argb(255, 50, 30, 15));
                break;
            }
            case Extra::LabCoat:
                c.Rect(ax - waist + 1.0f, shoulderY + 8.0f, ax - waist + 7.0f, shoulderY + 14.0f,
                       Shade(look.top, 0.1f));
                c.Rect(ax - waist + 2.0f, shoulderY + 5.0f, ax - waist + 3.2f, shoulderY + 10.0f,
                       Argb(255, 40, 80, 200));
                c.Rect(ax - waist + 4.5f, shoulderY + 5.0f, ax - waist + 5.7f, shoulderY + 10.0f, look.trim);
                c.Polygon({{ax - 3.0f, shoulderY}, {ax + 3.0f, shoulderY}, {ax, shoulderY + 5.0f}},
                          look.trim);
                break;
            case Extra::Necklace:
                for (int k = 0; k < 7; ++k)
                {
                    const float a = 0.4f + static_cast<float>(k) * 0.38f;
                    c.Circle(ax + std::cos(a) * 6.0f, shoulderY + std::sin(a) * 5.0f, 1.4f, look.trim);
                }
                break;
            case Extra::Shawl:
                c.Polygon({{ax - shoulders - 1.0f, shoulderY},
                           {ax + shoulders + 1.0f, shoulderY},
                           {ax + shoulders * 0.5f, shoulderY + g.torso * 0.55f},
                           {ax - shoulders * 0.3f, shoulderY + g.torso * 0.5f}},
                          look.trim);
                break;
            case Extra::Cape:
                c.Rect(ax - shoulders, shoulderY - 1.0f, ax + shoulders, shoulderY + 3.0f, kWhite);
                c.Rect(ax - waist, hip - 4.0f, ax + waist, hip - 1.0f, Argb(255, 240, 200, 50));
                break;
            case Extra::Belly:
            case Extra::None:
                break;
            }
            if (look.garment == Garment::Coat && look.extra != Extra::LabCoat)
            {
                for (float y = shoulderY + 5.0f; y < bottomY - 2.0f; y += 6.0f)
                {
                    c.Circle(ax - waist + 2.5f, y, 1.3f, look.trim);
                }
            }
            if (look.rig == Rig::Fairy)
            {
                c.Rect(ax - waist, hip - 4.0f, ax + waist, hip - 2.0f, look.trim);
            }
        });
}

void Hair(Canvas& c, const Look& look, float cx, float cy, float r)
{
    const std::uint32_t hair = look.hair;
    switch (look.headwear)
    {
    case Headwear::Bald:
        return;
    case Headwear::LongHair:
        c.Ellipse(cx + r * 0.45f, cy + r * 0.6f, r * 0.75f, r * 1.2f, hair);
        break;
    case Headwear::Pigtails:
        for (int side = 0; side < 2; ++side)
        {
            const float x = cx + r * (side == 0 ? 0.55f : 0.95f);
            c.Line(x, cy, x + r * 0.35f, cy + r * 1.3f, r * 0.38f, Shade(hair, side == 0 ? 0.0f : 0.15f));
            c.Circle(x + r * 0.35f, cy + r * 1.35f, r * 0.28f, look.hat);
        }
        break;
    case Headwear::Bun:
        c.Circle(cx + r * 0.8f, cy - r * 0.7f, r * 0.45f, hair);
        break;
    case Headwear::TallWig:
        c.Ellipse(cx + r * 0.2f, cy - r * 1.0f, r * 1.05f, r * 1.15f, hair);
        c.Circle(cx - r * 0.4f, cy - r * 1.5f, r * 0.4f, Light(hair, 0.4f));
        break;
    default:
        break;
    }
    c.Ellipse(cx + r * 0.22f, cy - r * 0.12f, r * 1.02f, r * 0.98f, hair);
}

void Headgear(Canvas& c, const Look& look, float cx, float cy, float r)
{
    const std::uint32_t hat = look.hat;
    switch (look.headwear)
    {
    case Headwear::StrawHat:
        c.Ellipse(cx + r * 0.1f, cy - r * 0.8f, r * 0.8f, r * 0.55f, hat);
        c.Ellipse(cx, cy - r * 0.45f, r * 1.55f, r * 0.28f, Light(hat, 0.1f));
        c.Rect(cx - r * 0.68f, cy - r * 0.75f, cx + r * 0.86f, cy - r * 0.58f, Argb(255, 170, 60, 40));
        break;
    case Headwear::Crown:
        c.Polygon({{cx - r * 0.7f, cy - r * 0.6f},
                   {cx - r * 0.75f, cy - r * 1.45f},
                   {cx - r * 0.35f, cy - r * 1.0f},
                   {cx, cy - r * 1.6f},
                   {cx + r * 0.35f, cy - r * 1.0f},
                   {cx + r * 0.75f, cy - r * 1.45f},
                   {cx + r * 0.7f, cy - r * 0.6f}},
                  hat);
        c.Circle(cx, cy - r * 0.85f, r * 0.16f, Argb(255, 200, 20, 40));
        break;
    case Headwear::Tiara:
        c.Polygon({{cx - r * 0.6f, cy - r * 0.75f},
                   {cx - r * 0.3f, cy - r * 1.35f},
                   {cx, cy - r * 0.9f},
                   {cx + r * 0.2f, cy - r * 0.85f}},
                  hat);
        c.Circle(cx - r * 0.3f, cy - r * 1.1f, r * 0.15f, Argb(255, 120, 200, 255));
        break;
    case Headwear::NightCap:
        c.Polygon({{cx - r * 0.85f, cy - r * 0.35f},
                   {cx + r * 0.95f, cy - r * 0.2f},
                   {cx + r * 1.6f, cy + r * 0.5f},
                   {cx + r * 0.3f, cy - r * 1.2f}},
                  hat);
        c.Rect(cx - r * 0.9f, cy - r * 0.62f, cx + r * 0.95f, cy - r * 0.42f, look.trim);
        c.Circle(cx + r * 1.6f, cy + r * 0.55f, r * 0.3f, look.trim);
        break;
    case Headwear::PeakedCap:
        c.Ellipse(cx + r * 0.1f, cy - r * 0.85f, r * 1.05f, r * 0.35f, hat);
        c.Rect(cx - r * 0.75f, cy - r * 0.85f, cx + r * 0.9f, cy - r * 0.45f, hat);
        c.Rect(cx - r * 0.75f, cy - r * 0.65f, cx + r * 0.9f, cy - r * 0.45f, Argb(255, 190, 30, 40));
        c.Ellipse(cx - r * 0.95f, cy - r * 0.42f, r * 0.5f, r * 0.13f, kBlack);
        c.Circle(cx - r * 0.4f, cy - r * 0.72f, r * 0.14f, look.trim);
        break;
    case Headwear::Beret:
        c.Ellipse(cx + r * 0.3f, cy - r * 0.75f, r * 1.0f, r * 0.4f, hat);
        c.Circle(cx + r * 0.3f, cy - r * 1.15f, r * 0.12f, hat);
        break;
    case Headwear::ChefHat:
        c.Rect(cx - r * 0.7f, cy - r * 1.3f, cx + r * 0.7f, cy - r * 0.5f, hat);
        c.Circle(cx - r * 0.45f, cy - r * 1.45f, r * 0.45f, hat);
        c.Circle(cx + r * 0.1f, cy - r * 1.65f, r * 0.5f, hat);
        c.Circle(cx + r * 0.55f, cy - r * 1.4f, r * 0.42f, hat);
        break;
    case Headwear::FlatCap:
        c.Ellipse(cx + r * 0.15f, cy - r * 0.62f, r * 0.95f, r * 0.45f, hat);
        c.Ellipse(cx - r * 0.85f, cy - r * 0.45f, r * 0.55f, r * 0.16f, Shade(hat, 0.2f));
        break;
    case Headwear::Beanie:
        c.Ellipse(cx + r * 0.1f, cy - r * 0.45f, r * 1.0f, r * 0.75f, hat);
        c.Rect(cx - r * 0.92f, cy - r * 0.35f, cx + r * 1.1f, cy - r * 0.1f, Light(hat, 0.15f));
        break;
    case Headwear::Horns:
        c.Polygon({{cx - r * 0.5f, cy - r * 0.75f},
                   {cx - r * 0.15f, cy - r * 0.85f},
                   {cx - r * 0.6f, cy - r * 1.5f}},
                  hat);
        c.Polygon({{cx + r * 0.3f, cy - r * 0.85f},
                   {cx + r * 0.65f, cy - r * 0.7f},
                   {cx + r * 0.55f, cy - r * 1.5f}},
                  hat);
        break;
    case Headwear::Bald:
        c.Ellipse(cx + r * 0.62f, cy - r * 0.05f, r * 0.3f, r * 0.22f, look.hair);
        c.Ellipse(cx + r * 0.75f, cy + r * 0.2f, r * 0.2f, r * 0.25f, look.hair);
        break;
    default:
        break;
    }
}

void Features(Canvas& c, const Look& look, float cx, float cy, float r, bool blush)
{
    const std::uint32_t skinDark = Shade(look.skin, 0.2f);
    c.Ellipse(cx + r * 0.2f, cy + r * 0.05f, r * 0.2f, r * 0.28f, skinDark); // ear
    c.Circle(cx - r * 0.98f, cy + r * 0.12f, r * 0.2f, skinDark);            // nose
    const float ex = cx - r * 0.48f;
    const float ey = cy - r * 0.12f;
    if (look.face == Face::Sleepy)
    {
        c.Line(ex - r * 0.2f, ey + r * 0.02f, ex + r * 0.2f, ey + r * 0.06f, 1.3f, kBlack);
    }
    else
    {
        const float eye = look.face == Face::Monster ? r * 0.3f : r * 0.16f;
        c.Ellipse(ex, ey, eye, eye * 1.2f, kWhite);
        c.Circle(ex - eye * 0.3f, ey + eye * 0.1f, eye * 0.7f, kBlack);
    }
    switch (look.face)
    {
    case Face::Beard:
        c.Ellipse(cx - r * 0.45f, cy + r * 0.62f, r * 0.62f, r * 0.45f, look.hair);
        break;
    case Face::Moustache:
        c.Ellipse(cx - r * 0.78f, cy + r * 0.38f, r * 0.35f, r * 0.13f, look.hair);
        break;
    case Face::Glasses:
        c.Line(ex + r * 0.25f, ey, cx + r * 0.15f, ey, 1.0f, kBlack);
        c.Circle(ex, ey, r * 0.33f, Argb(150, 40, 40, 40));
        c.Circle(ex, ey, r * 0.24f, Argb(90, 200, 230, 255));
        c.Circle(ex - r * 0.07f, ey + r * 0.02f, r * 0.11f, kBlack);
        break;
    case Face::Mask:
        c.Rect(cx - r * 1.0f, ey - r * 0.25f, cx + r * 0.95f, ey + r * 0.25f, kBlack);
        c.Ellipse(ex, ey, r * 0.18f, r * 0.16f, kWhite);
        c.Circle(ex - r * 0.06f, ey, r * 0.1f, kBlack);
        c.Circle(cx - r * 0.35f, cy + r * 0.7f, r * 0.3f, Shade(look.skin, 0.12f));
        break;
    case Face::Monster:
        c.Ellipse(cx - r * 0.5f, cy + r * 0.5f, r * 0.55f, r * 0.28f, Argb(255, 130, 20, 30));
        for (int k = 0; k < 3; ++k)
        {
            const float x = cx - r * 0.85f + static_cast<float>(k) * r * 0.3f;
            c.Polygon({{x, cy + r * 0.3f}, {x + r * 0.2f, cy + r * 0.3f}, {x + r * 0.1f, cy + r * 0.5f}},
                      kWhite);
        }
        break;
    case Face::Freckles:
        for (int k = 0; k < 3; ++k)
        {
            c.Circle(cx - r * 0.55f + static_cast<float>(k) * r * 0.15f,
                     cy + r * 0.25f + static_cast<float>(k % 2) * r * 0.08f, 0.7f, Shade(look.skin, 0.3f));
        }
        break;
    case Face::Plain:
    case Face::Sleepy:
        break;
    }
    if (look.face != Face::Beard && look.face != Face::Monster)
    {
        c.Line(cx - r * 0.72f, cy + r * 0.55f, cx - r * 0.42f, cy + r * 0.58f, 1.2f, Argb(255, 150, 60, 50));
    }
    if (blush)
    {
        c.Ellipse(cx - r * 0.45f, cy + r * 0.3f, r * 0.32f, r * 0.2f, Argb(200, 240, 60, 60));
    }
}

// The head on its neck: frame 0 as it is, frame 1 red in the face.
PartPicture Head(const Look& look, const Geometry& g)
{
    const float r = g.headRadius;
    const int width = Even(r * 2.0f + 26.0f);
    const int height = Even(r * 2.0f + 36.0f);
    const float ax = static_cast<float>(width) / 2.0f;
    const float ay = static_cast<float>(height) - 5.0f;
    return Picture(kHead, 2, width, height, ax, ay,
                   [&](Canvas& c, int frame)
                   {
                       const float cx = ax;
                       const float cy = ay - r - 1.0f;
                       c.Rect(cx - r * 0.3f, cy, cx + r * 0.3f, ay + 1.0f, Shade(look.skin, 0.1f));
                       Hair(c, look, cx, cy, r);
                       c.Circle(cx - r * 0.05f, cy + r * 0.1f, r * 0.95f, look.skin);
                       if (look.headwear == Headwear::Bald || look.face == Face::Monster)
                       {
                           c.Circle(cx, cy, r, look.skin);
                       }
                       Features(c, look, cx, cy, r, frame == 1);
                       Headgear(c, look, cx, cy, r);
                   });
}

// The gardener's straw hat (hat01) and its band with a flower (hat02); frames 1 and 2 shine, as new.
PartPicture Hat(const Look& look, const Geometry& g, BoneId bone)
{
    const float r = g.headRadius;
    const int width = Even(r * 3.4f + 6.0f);
    const int height = Even(r * 2.0f + 6.0f);
    const float ax = static_cast<float>(width) / 2.0f;
    const float ay = r + 3.0f;
    return Picture(
        bone, 3, width, height, ax, ay,
        [&](Canvas& c, int frame)
        {
            const float shine = frame == 0 ? 0.0f : (frame == 1 ? 0.25f : 0.45f);
            if (bone == kHat01)
            {
                const std::uint32_t straw = Light(look.hat, shine);
                c.Ellipse(ax + 1.0f, ay - r * 0.05f, r * 0.85f, r * 0.6f, straw);
                c.Ellipse(ax, ay + r * 0.42f, r * 1.6f, r * 0.3f, Light(straw, 0.1f));
                for (float x = -r * 1.3f; x < r * 1.4f; x += 4.0f)
                {
                    c.Line(ax + x, ay + r * 0.36f, ax + x + 2.0f, ay + r * 0.5f, 0.8f, Shade(straw, 0.2f));
                }
            }
            else
            {
                const std::uint32_t band = Light(Argb(255, 200, 40, 40), shine);
                c.Rect(ax - r * 0.78f, ay + r * 0.05f, ax + r * 0.92f, ay + r * 0.3f, band);
                const float fx = ax + r * 0.6f;
                const float fy = ay + r * 0.05f;
                for (int k = 0; k < 5; ++k)
                {
                    const float a = static_cast<float>(k) * 1.2566f;
                    c.Circle(fx + std::cos(a) * 2.2f, fy + std::sin(a) * 2.2f, 1.8f, Light(kWhite, 0.0f));
                }
                c.Circle(fx, fy, 1.4f, Argb(255, 250, 200, 40));
            }
            if (frame > 0)
            {
                for (int k = 0; k < frame + 1; ++k)
                {
                    const float x = ax - r + static_cast<float>(k) * r * 0.9f;
                    const float y = ay - r * 0.6f + static_cast<float>(k % 2) * 3.0f;
                    c.Line(x - 2.5f, y, x + 2.5f, y, 1.0f, Argb(255, 255, 255, 200));
                    c.Line(x, y - 2.5f, x, y + 2.5f, 1.0f, Argb(255, 255, 255, 200));
                }
            }
        });
}

} // namespace

std::vector<PartPicture> PaintParts(const Look& look)
{
    const Geometry& g = GeometryOf(look.rig);
    std::vector<PartPicture> parts;
    parts.push_back(Torso(look, g));
    parts.push_back(Leg(look, g, kLegBack));
    parts.push_back(Leg(look, g, kLegFront));
    parts.push_back(Arm(look, g, kArmBack));
    parts.push_back(Head(look, g));
    parts.push_back(Arm(look, g, kArmFront));
    if (look.repertoire == Repertoire::Gardener)
    {
        parts.push_back(Hat(look, g, kHat01));
        parts.push_back(Hat(look, g, kHat02));
    }
    return parts;
}

Platform::Image PartsSheet(std::vector<PartPicture>& parts)
{
    Platform::Image sheet;
    for (PartPicture& part : parts)
    {
        part.left = sheet.width;
        sheet.width += part.image.width;
        sheet.height = std::max(sheet.height, part.image.height);
    }
    sheet.pixels.assign(static_cast<std::size_t>(sheet.width * sheet.height), 0u);
    for (const PartPicture& part : parts)
    {
        for (int y = 0; y < part.image.height; ++y)
        {
            for (int x = 0; x < part.image.width; ++x)
            {
                sheet.pixels[static_cast<std::size_t>(y * sheet.width + part.left + x)] = part.image.At(x, y);
            }
        }
    }
    return sheet;
}

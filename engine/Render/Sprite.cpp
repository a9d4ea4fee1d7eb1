#include "engine/Render/Sprite.h"

#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Util/CheckedInteger.h"

#include <cmath>

namespace Korrin
{

Sprite::Sprite() = default;

Sprite::Sprite(const std::string& image)
{
    if (image == kNoImage)
    {
        mSrcRect = Rect{};
    }
    else
    {
        LoadImage(image);
    }
    BuildQuad(static_cast<float>(CheckedInteger<int>(mSrcRect.right)),
              static_cast<float>(CheckedInteger<int>(mSrcRect.bottom)));
}

Sprite::Sprite(const std::string& table, const std::string& file)
{
    LuaScript script;
    script.LoadFile(file, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());
    if (const LuaValue global = script.GetGlobal(table.c_str()); global.IsTable())
    {
        Load(global);
    }
}

Sprite::~Sprite() = default;

void Sprite::Draw(int x, int y)
{
    mPosition = Vector2{static_cast<float>(x), static_cast<float>(y)};
    SetCorners(static_cast<float>(x), static_cast<float>(y),
               static_cast<float>(x) + (mSrcRect.right - mSrcRect.left),
               static_cast<float>(y) + (mSrcRect.bottom - mSrcRect.top));
    Submit();
}

void Sprite::DrawScale(int x, int y, int width, int height)
{
    mPosition = Vector2{static_cast<float>(x), static_cast<float>(y)};
    SetCorners(static_cast<float>(x), static_cast<float>(y),
               static_cast<float>(x) + static_cast<float>(width),
               static_cast<float>(y) + static_cast<float>(height));
    Submit();
}

void Sprite::DrawEx(float x, float y, float scaleX, float scaleY, float angle, float pivotX, float pivotY)
{
    mPosition = Vector2{x, y};
    // Wide enough that making an odd size even cannot overflow.
    std::int64_t width = CheckedInteger<int>(mSrcRect.right - mSrcRect.left);
    std::int64_t height = CheckedInteger<int>(mSrcRect.bottom - mSrcRect.top);
    width += width % 2 != 0 ? 1 : 0;
    height += height % 2 != 0 ? 1 : 0;
    const float halfWidth = static_cast<float>(width) * 0.5f * scaleX;
    const float halfHeight = static_cast<float>(height) * 0.5f * scaleY;
    const float left = pivotX - halfWidth;
    const float right = pivotX + halfWidth;
    const float top = pivotY - halfHeight;
    const float bottom = pivotY + halfHeight;
    if (angle == 0.0f)
    {
        SetCorners(x + left, y + top, x + right, y + bottom);
    }
    else
    {
        const float c = std::cos(angle);
        const float s = std::sin(angle);
        const float offsets[4][2] = {{left, bottom}, {right, bottom}, {right, top}, {left, top}};
        for (std::size_t i = 0; i < 4; ++i)
        {
            const float ox = offsets[i][0];
            const float oy = offsets[i][1];
            mVertices[i].x = x + ox * c - oy * s;
            mVertices[i].y = y + ox * s + oy * c;
        }
    }
    Submit();
}

void Sprite::DrawInRect(const Rect& source, const Rect& clip, float x, float y)
{
    const float width = source.right - source.left;
    const float height = source.bottom - source.top;
    if (!(x < clip.right && y < clip.bottom && x + width > clip.left && y + height > clip.top))
    {
        return;
    }
    Rect narrowed = source;
    if (x + width > clip.right)
    {
        narrowed.right -= x + width - clip.right;
    }
    if (x < clip.left)
    {
        narrowed.left += clip.left - x;
        x = clip.left;
    }
    if (y + height > clip.bottom)
    {
        narrowed.bottom -= y + height - clip.bottom;
    }
    if (y < clip.top)
    {
        narrowed.top += clip.top - y;
        y = clip.top;
    }
    SetSrcRectF(narrowed);
    Draw(CheckedInteger<int>(x), CheckedInteger<int>(y));
}

void Sprite::DrawInRectRestoring(const Rect& clip, float x, float y)
{
    const Rect saved = mSrcRect;
    DrawInRect(saved, clip, x, y);
    mSrcRect = saved;
}

} // namespace Korrin

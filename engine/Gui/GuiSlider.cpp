#include "engine/Gui/GuiSlider.h"

#include "engine/Gui/GuiDrawing.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"

#include <algorithm>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Gui\\GuiSlider";

float Width(const Rect& rect)
{
    return rect.right - rect.left;
}

float Height(const Rect& rect)
{
    return rect.bottom - rect.top;
}

} // namespace

GuiSlider::GuiSlider(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    const LuaValue name = table.GetField("Name");
    if (name.IsString())
    {
        mName = name.ToString();
    }
    else
    {
        ReportAndBreak("Teg 'Name' not found. (GuiSlider::GuiSlider)", kEngineModule, kSource, 22);
    }
    const LuaValue image = table.GetField("Image");
    if (image.IsString())
    {
        mImage = GuiDrawing::CreateSprite(image.ToString());
    }
    table.GetField("Pos").GetVector2(mLocalPosition);
    if (table.GetField("Track").GetRect(mTrack))
    {
        mHitRect = SizeOf(mTrack);
    }
    table.GetField("Full").GetRect(mFull);
    table.GetField("Thumb").GetRect(mThumb);
    const LuaValue horizontal = table.GetField("Horizontal");
    if (horizontal.IsNumber())
    {
        mHorizontal = horizontal.ToFloat() != 0.0f;
    }
    // The value follows the mouse over the track's length less the thumb's; without any, there is
    // nothing to slide along.
    const float travel = mHorizontal ? Width(mHitRect) - Width(mThumb) : Height(mHitRect) - Height(mThumb);
    if (!(travel > 0.0f))
    {
        mUsable = false;
        ReportAndBreak("Slider " + mName + ": track not longer than its thumb (GuiSlider::GuiSlider)",
                       kEngineModule, kSource, 60);
    }
    mValue = 0.0f;
    mShownValue = 0.0f;
    Update();
}

GuiSlider::~GuiSlider() = default;

void GuiSlider::SetValue(float value)
{
    mValue = std::clamp(value, 0.0f, 1.0f);
    mShownValue = mValue;
    Update();
}

void GuiSlider::Update()
{
    if (!mVisible || !mUsable)
    {
        return;
    }
    const float width = Width(mHitRect);
    const float height = Height(mHitRect);
    const float thumbWidth = Width(mThumb);
    const float thumbHeight = Height(mThumb);
    if (mMouseState == kMouseDown)
    {
        const Vector2 mouse = MousePosition();
        const float value = mHorizontal
                                ? (mouse.x - mPosition.x - thumbWidth / 2.0f) / (width - thumbWidth)
                                : (mouse.y - mPosition.y - thumbHeight / 2.0f) / (height - thumbHeight);
        mValue = std::clamp(value, 0.0f, 1.0f);
    }
    if (mHorizontal)
    {
        mThumbPosition = Vector2{mPosition.x + mValue * (width - thumbWidth),
                                 mPosition.y + height / 2.0f - thumbHeight / 2.0f};
        mFillLength = (width - thumbWidth) * mValue + thumbWidth / 2.0f;
    }
    else
    {
        mThumbPosition = Vector2{mPosition.x + width / 2.0f - thumbWidth / 2.0f,
                                 mPosition.y + mValue * (height - thumbHeight)};
        mFillLength = (height - thumbHeight) * mValue + thumbHeight / 2.0f;
    }
}

void GuiSlider::Draw()
{
    if (!mVisible || !mUsable || mImage == nullptr)
    {
        return;
    }
    GuiDrawing::DrawPart(mImage, mTrack, mPosition);
    const Rect filled = mHorizontal ? Rect{mFull.left, mFull.top, mFull.left + mFillLength, mFull.bottom}
                                    : Rect{mFull.left, mFull.top, mFull.right, mFull.top + mFillLength};
    GuiDrawing::DrawPart(mImage, filled, mPosition);
    GuiDrawing::DrawPart(mImage, mThumb, mThumbPosition);
}

void GuiSlider::SetAlpha(float alpha)
{
    GuiDrawing::SetAlpha(mImage, alpha);
}

} // namespace Korrin

#include "engine/Gui/GuiList.h"

#include "engine/App/InputManager.h"
#include "engine/App/TimerManager.h"
#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiDrawing.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiSlider.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"

#include <algorithm>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Gui\\GuiList";
// Rows of a list beyond this come only from a broken layout.
constexpr int kMostRows = 10000;

const GuiList::Item& EmptyItem()
{
    static const GuiList::Item empty;
    return empty;
}

float FrameDelta()
{
    const TimerManager* timer = TimerManager::Peek();
    return timer != nullptr ? timer->GetDelta() : 0.0f;
}

} // namespace

GuiList::GuiList(const LuaValue& table, GuiContainer* container)
{
    LuaStackGuard guard(table.GetState());
    const LuaValue name = table.GetField("Name");
    if (name.IsString())
    {
        mName = name.ToString();
    }
    else
    {
        ReportAndBreak("Teg 'Name' not found. (GuiList::GuiList)", kEngineModule, kSource, 28);
    }
    if (container != nullptr)
    {
        container->AddGuiElement(this, "list", container, mName);
    }
    const LuaValue up = table.GetField("But_Top");
    if (up.IsTable())
    {
        mUpButton = new GuiButton(up);
        if (container != nullptr)
        {
            container->AddGuiElement(mUpButton, "button", container, mUpButton->GetName());
        }
    }
    const LuaValue down = table.GetField("But_Bottom");
    if (down.IsTable())
    {
        mDownButton = new GuiButton(down);
        if (container != nullptr)
        {
            container->AddGuiElement(mDownButton, "button", container, mDownButton->GetName());
        }
    }
    const LuaValue slider = table.GetField("Slider");
    if (slider.IsTable())
    {
        mSlider = new GuiSlider(slider);
        if (container != nullptr)
        {
            container->AddGuiElement(mSlider, "slider", container, mSlider->GetName());
        }
    }
    const LuaValue image = table.GetField("Image");
    if (image.IsString())
    {
        mImage = GuiDrawing::CreateSprite(image.ToString());
    }
    const LuaValue font = table.GetField("Font");
    if (font.IsString())
    {
        if (FontManager* fonts = FontManager::GetInstance())
        {
            mFont = fonts->GetFont(font.ToString());
        }
    }
    table.GetField("Pos").GetVector2(mLocalPosition);
    table.GetField("ListRect").GetRect(mListRect);
    table.GetField("SrcRect").GetRect(mSrcRect);
    mHitRect = mSrcRect == Rect{} ? SizeOf(mListRect) : SizeOf(mSrcRect);
    table.GetField("Hover").GetRect(mHoverRect);
    const bool hasSelect = table.GetField("Select").GetRect(mSelectRect);
    const Rect& row = hasSelect ? mSelectRect : mHoverRect;
    mRowWidth = row.right - row.left;
    mRowHeight = row.bottom - row.top;
    const LuaValue spacing = table.GetField("SRatio");
    if (spacing.IsNumber())
    {
        mSpacing = spacing.ToFloat();
    }
    // The rows are counted by dividing the list's height by a row's; a list whose rows have no
    // height (neither Hover nor Select given) has no rows to count.
    if (!(mRowHeight > 0.0f))
    {
        mUsable = false;
        ReportAndBreak("List " + mName + ": rows without height, neither Hover nor Select (GuiList::GuiList)",
                       kEngineModule, kSource, 80);
    }
    else
    {
        mRows =
            std::clamp(CheckedInteger<int>((mListRect.bottom - mListRect.top) / mRowHeight), 0, kMostRows);
    }
    UpdateVisibleItems();
}

GuiList::~GuiList() = default;

int GuiList::GetVisibleCount() const
{
    return std::clamp(GetCount() - mScrollOffset, 0, mRows);
}

int GuiList::LastOffset() const
{
    return std::max(0, GetCount() - mRows);
}

void GuiList::PlaceSlider(float value)
{
    if (mSlider != nullptr)
    {
        mSlider->SetValue(value);
    }
}

void GuiList::UpdateVisibleItems()
{
    if (Scrolls())
    {
        PlaceSlider(static_cast<float>(mScrollOffset) / static_cast<float>(GetCount() - mRows));
    }
    const bool arrows = Scrolls();
    if (mUpButton != nullptr)
    {
        mUpButton->SetVisible(arrows);
    }
    if (mDownButton != nullptr)
    {
        mDownButton->SetVisible(arrows);
    }
}

void GuiList::ScrollTo(int offset)
{
    mScrollOffset = std::clamp(offset, 0, LastOffset());
    UpdateVisibleItems();
}

void GuiList::AddItem(const std::u16string& text, std::uint32_t value)
{
    mItems.push_back(Item{text, value});
    if (mSlider != nullptr && Scrolls())
    {
        PlaceSlider(1.0f);
        mScrollOffset = GetCount() - mRows;
    }
    UpdateVisibleItems();
}

void GuiList::RemoveItem(int index)
{
    if (index >= 0 && index < GetCount())
    {
        mItems.erase(mItems.begin() + index);
    }
    mSelected = 0;
    mScrollOffset = 0;
    UpdateVisibleItems();
}

bool GuiList::GetItem(int index, Item& item) const
{
    if (index < 0 || index >= GetCount())
    {
        return false;
    }
    item = mItems[static_cast<std::size_t>(index)];
    return true;
}

const GuiList::Item& GuiList::GetSelectedItem() const
{
    if (mSelected < 0 || mSelected >= GetCount())
    {
        return EmptyItem();
    }
    return mItems[static_cast<std::size_t>(mSelected)];
}

void GuiList::SetSelected(int index)
{
    if (index >= 0 && index < GetCount())
    {
        mSelected = index;
    }
}

int GuiList::FindItem(const std::u16string& text) const
{
    for (std::size_t index = 0; index < mItems.size(); ++index)
    {
        if (mItems[index].text == text)
        {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void GuiList::RepeatScroll(GuiButton* button, int step)
{
    if (button == nullptr)
    {
        return;
    }
    if (button->GetMouseState() == kMouseDown)
    {
        mRepeatTimer += FrameDelta();
        if (mRepeatTimer > kRepeatDelay)
        {
            mRepeatTimer = 0.0f;
            ScrollTo(mScrollOffset + step);
        }
    }
    const GuiManager* manager = GuiManager::Peek();
    if (manager != nullptr && manager->GetMessage() == button)
    {
        // Released: the next press scrolls at once.
        mRepeatTimer = 1000.0f;
    }
}

Rect GuiList::RowRect(int row) const
{
    const float left = mListRect.left + mPosition.x;
    const float top = mListRect.top + mPosition.y + static_cast<float>(row) * mRowHeight;
    return Rect{left, top, left + mRowWidth, top + mRowHeight};
}

void GuiList::TrackMouse()
{
    // Not over the list, no row is hovered (the highlight would otherwise stay where the mouse left).
    mHovered = -1;
    if (!mOver)
    {
        return;
    }
    const InputManager* input = InputManager::Peek();
    const float wheel = input != nullptr ? input->GetWheel() : 0.0f;
    if (wheel != 0.0f && Scrolls())
    {
        ScrollTo(static_cast<int>(static_cast<float>(mScrollOffset) - wheel / kWheelStep));
    }
    const Vector2 mouse = MousePosition();
    for (int row = 0; row < GetVisibleCount(); ++row)
    {
        const Rect rect = RowRect(row);
        if (mouse.x >= rect.left && mouse.x < rect.right && mouse.y >= rect.top && mouse.y < rect.bottom)
        {
            mHovered = row;
            if (IsLeftButtonHeld())
            {
                mSelected = mScrollOffset + row;
            }
            return;
        }
    }
}

void GuiList::Update()
{
    if (!mVisible || !mUsable)
    {
        return;
    }
    RepeatScroll(mUpButton, -1);
    RepeatScroll(mDownButton, 1);
    if (mSlider != nullptr && mSlider->GetValue() != mSlider->GetShownValue())
    {
        mSlider->SetShownValue(mSlider->GetValue());
        if (Scrolls())
        {
            mScrollOffset = static_cast<int>(static_cast<float>(GetCount() - mRows) * mSlider->GetValue());
            UpdateVisibleItems();
        }
    }
    TrackMouse();
    if (!Scrolls() && mSlider != nullptr)
    {
        PlaceSlider(0.0f);
    }
}

void GuiList::Draw()
{
    if (!mVisible || !mUsable)
    {
        return;
    }
    GuiDrawing::DrawPart(mImage, mSrcRect, mPosition);
    if (mFont == nullptr)
    {
        return;
    }
    const Colour colour{1.0f, 1.0f, 1.0f, mAlpha};
    for (int row = 0; row < GetVisibleCount(); ++row)
    {
        const Rect rect = RowRect(row);
        const Vector2 corner{rect.left, rect.top};
        if (row == mSelected - mScrollOffset)
        {
            GuiDrawing::DrawPart(mImage, mSelectRect, corner);
        }
        if (row == mHovered)
        {
            GuiDrawing::DrawPart(mImage, mHoverRect, corner);
        }
        mFont->DrawAligned(Rect{rect.left - 10.0f, rect.top, rect.right, rect.bottom},
                           GetVisibleItem(row).text, Font::kAlignCentreX | Font::kAlignCentreY, colour,
                           mSpacing);
    }
}

void GuiList::SetAlpha(float alpha)
{
    if (mUpButton != nullptr)
    {
        mUpButton->SetAlpha(alpha);
    }
    if (mDownButton != nullptr)
    {
        mDownButton->SetAlpha(alpha);
    }
    if (mSlider != nullptr)
    {
        mSlider->SetAlpha(alpha);
    }
    GuiDrawing::SetAlpha(mImage, alpha);
    mAlpha = alpha;
}

} // namespace Korrin

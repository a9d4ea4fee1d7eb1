#pragma once

#include "engine/Gui/GuiElement.h"

#include <cstdint>
#include <string>
#include <vector>

class LuaValue;

namespace Korrin
{

class Font;
class GuiButton;
class GuiContainer;
class GuiSlider;
class Sprite;

// A scrolling list of text rows with hover and selection, scrolled by two arrow buttons, a slider and
// the mouse wheel. The arrows and the slider are widgets of the same window.
class GuiList : public GuiElement
{
public:
    struct Item
    {
        std::u16string text;
        std::uint32_t value = 0;

        bool operator==(const Item&) const = default;
    };

    static constexpr float kRepeatDelay = 0.4f;
    // The wheel's units per row scrolled.
    static constexpr float kWheelStep = 50.0f;

    // Reads the list and files it (and its arrows and slider) in the container.
    GuiList(const LuaValue& table, GuiContainer* container);
    ~GuiList() override;

    void Update() override;
    void Draw() override;
    void SetAlpha(float alpha) override;

    void AddItem(const std::u16string& text, std::uint32_t value);
    void RemoveItem(int index);
    bool GetItem(int index, Item& item) const;
    const Item& GetSelectedItem() const;
    void SetSelected(int index);
    int FindItem(const std::u16string& text) const;
    int GetCount() const { return static_cast<int>(mItems.size()); }

    int GetSelectedIndex() const { return mSelected; }
    int GetScrollOffset() const { return mScrollOffset; }
    int GetHoveredRow() const { return mHovered; }
    int GetRows() const { return mRows; }
    // The rows shown now: the items from the scroll offset, at most rows many.
    int GetVisibleCount() const;
    const Item& GetVisibleItem(int row) const
    {
        return mItems[static_cast<std::size_t>(mScrollOffset + row)];
    }
    GuiButton* GetUpButton() const { return mUpButton; }
    GuiButton* GetDownButton() const { return mDownButton; }
    GuiSlider* GetSlider() const { return mSlider; }
    // Rows of no height cannot be laid out: such a list does nothing.
    bool IsUsable() const { return mUsable; }

private:
    void UpdateVisibleItems();
    bool Scrolls() const { return GetCount() > mRows; }
    int LastOffset() const;
    void ScrollTo(int offset);
    void PlaceSlider(float value);
    void RepeatScroll(GuiButton* button, int step);
    void TrackMouse();
    Rect RowRect(int row) const;

    GuiButton* mUpButton = nullptr;
    GuiButton* mDownButton = nullptr;
    GuiSlider* mSlider = nullptr;
    Sprite* mImage = nullptr;
    Font* mFont = nullptr;
    Rect mListRect;
    Rect mSrcRect;
    Rect mHoverRect;
    Rect mSelectRect;
    std::vector<Item> mItems;
    float mRowWidth = 0.0f;
    float mRowHeight = 0.0f;
    int mScrollOffset = 0;
    int mRows = 0;
    int mSelected = 0;
    int mHovered = -1;
    float mRepeatTimer = 1000.0f;
    float mAlpha = 1.0f;
    float mSpacing = 1.0f;
    bool mUsable = true;
};

} // namespace Korrin

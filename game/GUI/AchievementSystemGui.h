#pragma once

#include "engine/Util/Rect.h"
#include "engine/Util/SafeVector.h"
#include "game/GUI/AchievementItem.h"
#include "game/Util/Blank.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class GameWindowFrame;

namespace Korrin
{
class GuiSlider;
class Sprite;
class Text;
} // namespace Korrin

// The achievements window (window 6): a row per achievement with its picture, texts, progress and
// prize, in three modes (all, completed, not completed), scrolled by a slider or the mouse wheel, with
// the sum of the prizes won.
class AchievementSystemGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 6;
    static constexpr const char* kLayoutFile = "AchievementGui.lua";
    static constexpr std::uint32_t kAll = 0;
    static constexpr std::uint32_t kCompleted = 1;
    static constexpr std::uint32_t kNotCompleted = 2;
    static constexpr float kRowHeight = 128.0f;
    static constexpr float kVisibleHeight = 414.0f;
    static constexpr std::size_t kRowsDrawn = 5;
    // Rows that fit without scrolling.
    static constexpr std::size_t kRowsWithoutScroll = 3;

    AchievementSystemGui();
    ~AchievementSystemGui() override;

    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    // Remembers the slider of the mode left, rebuilds the new mode's rows and puts its slider back.
    void SetMode(std::uint32_t mode);
    // The statistics' link of the first win of the last level: this window's OK then ends the game.
    void ArmEnding() { mEndingArmed = true; }
    bool IsEndingArmed() const { return mEndingArmed; }

    std::uint32_t GetMode() const { return mMode; }
    bool IsOpen() const { return mOpen != 0; }
    GameWindowFrame* GetFrame() const { return mFrame; }
    const std::vector<AchievementItem*>& GetRows(std::uint32_t mode) const { return mItems[mode]; }
    // How far the list scrolls for n rows.
    static float ScrollRange(std::size_t rows);
    // The first row drawn, and the list's top, for n rows at a slider value, from the list's origin.
    static std::size_t FirstRowDrawn(std::size_t rows, float slider, float originY, float& top);
    // The sum of the prizes of the completed achievements, each once.
    std::uint32_t PrizeSum() const;

private:
    struct Preview
    {
        Korrin::Sprite* mark = nullptr; // the sprite manager's
        std::unique_ptr<Korrin::Text> caption;
    };

    void LoadRows();
    void ReadAreas();
    Korrin::GuiSlider* Slider() const;
    void ScrollAndChooseMode(Korrin::GuiSlider& slider);
    void DrawPreviews(const Korrin::Vector2& anchor, float fade);
    void DrawRows(const Korrin::Vector2& anchor, float fade);

    AchievementItem::SharedSprites mShared;
    std::unique_ptr<Korrin::Text> mItemHeaderFont;
    std::unique_ptr<Korrin::Text> mItemDescriptionFont;
    std::unique_ptr<Korrin::Text> mItemProgressFont;
    std::unique_ptr<Korrin::Text> mItemPrizeFont;
    std::array<Preview, 3> mPreviews;
    std::vector<std::unique_ptr<AchievementItem>> mOwnedRows;
    // The rows of each mode: 0 every row in definition order, 1 and 2 rebuilt from it.
    Korrin::SafeVector<std::vector<AchievementItem*>> mItems{"AchievementSystemGui rows"};
    Korrin::Rect mViewClipArea;
    Korrin::SafeVector<Korrin::Rect> mPreviewAreas{"AchievementSystemGui preview areas"};
    GameWindowFrame* mFrame = nullptr; // the widget manager's
    std::uint32_t mMode = kAll;
    Korrin::SafeVector<float> mSliderPos{"AchievementSystemGui slider"};
    std::uint8_t mOpen = 0;
    bool mEndingArmed = false;
};

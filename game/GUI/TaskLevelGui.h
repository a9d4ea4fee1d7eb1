#pragma once

#include "engine/Util/Vector2.h"
#include "game/GUI/WindowDialog.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class LevelTaskInfo;

namespace Korrin
{
class AnimatedSprite;
class Font;
class GuiElement;
class Text;
} // namespace Korrin

// The level's goals (window 1), shown over the started level: the level number, the money target, the
// goods to deliver with their counts, the gold and silver times with their bonuses, the best time and
// its holder, and the portraits of the level's buyers with their hints. It holds the in-level panel
// until OK.
class TaskLevelGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 1;
    static constexpr const char* kLayout = "TaskLevelGui.gui";
    static constexpr const char* kOkButton = "TASKLEVEL_OK_BUTTON";
    static constexpr const char* kMoneyCaption = "TASKLEVEL_GETMONEY_TASK_CAPTION";
    static constexpr std::uint8_t kFirstBuyerKind = 139;
    static constexpr int kGoodsRowHeight = 39;
    static constexpr int kPortraitGap = 10;

    TaskLevelGui();
    ~TaskLevelGui() override;

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    WindowDialog& GetDialog() { return mDialog; }
    std::uint32_t GetPortraitWidth() const { return mPortraitWidth; }
    std::uint32_t GetPortraitHeight() const { return mPortraitHeight; }

    // Where the window puts things, from the frame's anchor A (its top-left corner).
    // The board's frame: 0 with a money line (the first goal is money), 1 without.
    static std::uint16_t BoardFrame(const LevelTaskInfo& task);
    static bool FirstGoalIsMoney(const LevelTaskInfo& task);
    // The top of the first goods row.
    static int GoodsRowsTop(float anchorY, bool firstIsMoney);
    // The left edge of the first of n portraits w pixels wide; the row is centred on A.x + 218 + w / 2.
    static int PortraitsLeft(float anchorX, std::size_t count, std::uint32_t width);
    // The portrait under the mouse whose hint shows (its index among the level's kinds), -1 for none:
    // only within the band from (A.x + 103, A.y + 433) to (A.x + 363, A.y + 473).
    static int HoveredPortrait(const Korrin::Vector2& mouse, const Korrin::Vector2& anchor, std::size_t count,
                               std::uint32_t width, std::uint32_t height);

private:
    void UpdateTexts();
    void SetText(const char* element, const std::u16string& text);
    void SetSpriteAlpha(float alpha);
    void ShowPortraitHint(const Korrin::Vector2& anchor);
    void DrawGoods(const Korrin::Vector2& anchor, const LevelTaskInfo& task, float alpha);
    void DrawPortraits(const Korrin::Vector2& anchor, const LevelTaskInfo& task);
    Korrin::Vector2 Anchor() const;

    WindowDialog mDialog;
    Korrin::AnimatedSprite* mBoard = nullptr; // the sprite manager's
    std::u16string mLevelWord;
    Korrin::GuiElement* mLevelCaption = nullptr; // the frame's
    std::unique_ptr<Korrin::Text> mCountText;
    Korrin::Font* mMoneyFont = nullptr;            // the font manager's
    Korrin::AnimatedSprite* mGoodsIcons = nullptr; // the sprite manager's
    Korrin::AnimatedSprite* mPortraits = nullptr;  // the sprite manager's
    std::uint32_t mPortraitWidth = 0;
    std::uint32_t mPortraitHeight = 0;
};

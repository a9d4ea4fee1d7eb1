#include "game/GUI/TaskLevelGui.h"

#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Gui/Text.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "game/GUI/ClockText.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/Game/GameInfo.h"
#include "game/Game/GameTables.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Util/HintManager.h"
#include "game/Util/VirtualMouse.h"

#include <cmath>

namespace
{

constexpr float kBoardX = 43.0f;
constexpr float kBoardY = 133.0f;
constexpr float kGoodsX = 70.0f + 15.0f;
constexpr float kGoodsY = 147.0f;
constexpr float kRowShift = 5.0f;
constexpr float kPortraitsCentre = 218.0f;
constexpr float kPortraitsY = 432.0f;
constexpr float kPortraitsHoverY = 435.0f;
constexpr float kMoneyX = 125.0f;
constexpr float kMoneyY = 367.0f;

int Trunc(float value)
{
    return static_cast<int>(value);
}

bool Inside(const Korrin::Vector2& p, float left, float top, float right, float bottom)
{
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
}

} // namespace

TaskLevelGui::TaskLevelGui() : mDialog("TaskWindowGui", kLayout, kOkButton, "")
{
    mActive = false;
}

TaskLevelGui::~TaskLevelGui() = default;

void TaskLevelGui::Init()
{
    {
        Korrin::LuaScript check;
        check.LoadFile(kLayout, Korrin::LuaScript::IfMissing::Report);
    }
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mGoodsIcons = sprites->LoadAnimatedSprite("TaskItemSprites", kLayout);
        mPortraits = sprites->LoadAnimatedSprite("PersPanelAnimSprite", "Panel.gui");
        mBoard = sprites->LoadAnimatedSprite("SaleMounts", kLayout);
    }
    mDialog.Init();
    mCountText = std::make_unique<Korrin::Text>("TextList", kLayout);
    if (Korrin::FontManager* fonts = Korrin::FontManager::Peek())
    {
        mMoneyFont = fonts->GetFont("font04.fnt");
    }
    if (GameWindowFrame* frame = mDialog.GetFrame())
    {
        mLevelCaption = frame->GetByName("TASKLEVEL_LEVEL_CAPTION");
    }
    if (const Korrin::LocaleManager* locale = Korrin::LocaleManager::Peek())
    {
        mLevelWord = std::u16string(locale->getStringByNameAsUtf16("Level"));
    }
}

void TaskLevelGui::Reset()
{
    Korrin::Rect first;
    if (mPortraits != nullptr && mPortraits->GetFrameCount() > 0)
    {
        first = mPortraits->GetFrameRect(0);
    }
    mPortraitWidth = static_cast<std::uint32_t>(std::max(0.0f, first.right - first.left));
    mPortraitHeight = static_cast<std::uint32_t>(std::max(0.0f, first.bottom - first.top));
    if (GameWindowFrame* frame = mDialog.GetFrame())
    {
        frame->UpdateAnimation(0.0f);
    }
    SetSpriteAlpha(0.0f);
}

void TaskLevelGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
    if (active)
    {
        WindowDialog::LockPanel();
    }
}

Korrin::Vector2 TaskLevelGui::Anchor() const
{
    Korrin::Vector2 anchor;
    if (const GameWindowFrame* frame = mDialog.GetFrame())
    {
        frame->GetAnchorPos(anchor);
    }
    return anchor;
}

bool TaskLevelGui::FirstGoalIsMoney(const LevelTaskInfo& task)
{
    return !task.goals.empty() && task.goals.Elements().front().goods == LevelTaskInfo::kMoneyGoods;
}

std::uint16_t TaskLevelGui::BoardFrame(const LevelTaskInfo& task)
{
    return FirstGoalIsMoney(task) ? 0 : 1;
}

int TaskLevelGui::GoodsRowsTop(float anchorY, bool firstIsMoney)
{
    return Trunc(firstIsMoney ? anchorY + kGoodsY - kRowShift : anchorY + kGoodsY + kRowShift);
}

int TaskLevelGui::PortraitsLeft(float anchorX, std::size_t count, std::uint32_t width)
{
    const float spacing = static_cast<float>(width + kPortraitGap);
    const float before = count > 0 ? static_cast<float>(count - 1) : -1.0f;
    return Trunc(anchorX + kPortraitsCentre - before * 0.5f * spacing);
}

int TaskLevelGui::HoveredPortrait(const Korrin::Vector2& mouse, const Korrin::Vector2& anchor,
                                  std::size_t count, std::uint32_t width, std::uint32_t height)
{
    if (!Inside(mouse, anchor.x + 103.0f, anchor.y + 433.0f, anchor.x + 363.0f, anchor.y + 473.0f))
    {
        return -1;
    }
    const int left = PortraitsLeft(anchor.x, count, width);
    const int top = Trunc(anchor.y + kPortraitsHoverY);
    for (std::size_t i = 0; i < count; ++i)
    {
        const float x = static_cast<float>(left + static_cast<int>((width + kPortraitGap) * i));
        if (Inside(mouse, x, static_cast<float>(top), x + static_cast<float>(width),
                   static_cast<float>(top) + static_cast<float>(height)))
        {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TaskLevelGui::SetText(const char* element, const std::u16string& text)
{
    GameWindowFrame* frame = mDialog.GetFrame();
    if (auto* shown = frame != nullptr ? dynamic_cast<Korrin::GuiText*>(frame->GetByName(element)) : nullptr)
    {
        shown->mCaption = text;
    }
}

void TaskLevelGui::UpdateTexts()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (task == nullptr)
    {
        return;
    }
    if (auto* caption = dynamic_cast<Korrin::GuiText*>(mLevelCaption))
    {
        caption->mCaption = mLevelWord + NumberText(task->level);
    }
    SetText("TASKLEVEL_GOLD_TIME", ClockText(task->goldMinutes, task->goldSeconds));
    SetText("TASKLEVEL_SILVER_TIME", ClockText(task->silverMinutes, task->silverSeconds));
    if (task->level >= 1 && task->level - 1u < gLevelStars.size())
    {
        const LevelStar& star = gLevelStars.Elements()[task->level - 1u];
        SetText("TASKLEVEL_BONUS_OK", NumberText(star.complete));
        SetText("TASKLEVEL_BONUS_SILVER", u"+" + NumberText(star.silver));
        SetText("TASKLEVEL_BONUS_GOLD", u"+" + NumberText(star.gold));
    }
    if (GameInfo* info = GameInfo::Peek(); info != nullptr && task->level >= 1)
    {
        const TimeScoreItem best = info->GetBestTime(task->level - 1u);
        SetText("TASKLEVEL_BEST_TIME", ClockText(best.minutes, best.seconds));
        SetText("TASKLEVEL_BEST_TIME_USERNAME", best.name);
    }
}

void TaskLevelGui::SetSpriteAlpha(float alpha)
{
    for (Korrin::AnimatedSprite* sprite : {mBoard, mGoodsIcons, mPortraits})
    {
        if (sprite != nullptr)
        {
            sprite->SetColour(1.0f, 1.0f, 1.0f, alpha);
        }
    }
}

void TaskLevelGui::ShowPortraitHint(const Korrin::Vector2& anchor)
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    const Main* main = Main::Peek();
    HintManager* hints = main != nullptr ? main->GetHintManager() : nullptr;
    Korrin::Vector2 mouse;
    if (task == nullptr || hints == nullptr || !VirtualMousePosition(mouse))
    {
        return;
    }
    const std::size_t count = task->buyerKinds.size();
    const int hovered = HoveredPortrait(mouse, anchor, count, mPortraitWidth, mPortraitHeight);
    if (hovered < 0)
    {
        return;
    }
    const std::uint8_t kind = task->buyerKinds[static_cast<std::size_t>(hovered)];
    const std::vector<std::string>& names = hints->GetCharacterNames();
    const auto name = static_cast<std::size_t>(kind) - kFirstBuyerKind;
    if (kind < kFirstBuyerKind || name >= names.size())
    {
        return;
    }
    const int left = PortraitsLeft(anchor.x, count, mPortraitWidth) +
                     static_cast<int>((mPortraitWidth + kPortraitGap) * static_cast<std::uint32_t>(hovered));
    const int top = Trunc(anchor.y + kPortraitsHoverY);
    hints->Show(names[name], 1,
                {static_cast<float>(left + static_cast<int>(mPortraitWidth / 2) - 4),
                 static_cast<float>(top + static_cast<int>(mPortraitHeight / 2))});
}

bool TaskLevelGui::Update(float dt)
{
    UpdateTexts();
    // The dialog steps the frame's slide, takes OK and reports the end of the slide-out.
    const bool closed = mDialog.Update(dt);
    if (const GameWindowFrame* frame = mDialog.GetFrame())
    {
        SetSpriteAlpha(frame->GetProgress());
    }
    if (closed)
    {
        WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
        return true;
    }
    if (mDialog.GetClicked() == kOkButton)
    {
        WindowDialog::UnlockPanel();
    }
    ShowPortraitHint(Anchor());
    return true;
}

void TaskLevelGui::DrawGoods(const Korrin::Vector2& anchor, const LevelTaskInfo& task, float alpha)
{
    const int x0 = Trunc(anchor.x + kGoodsX);
    const int y0 = GoodsRowsTop(anchor.y, FirstGoalIsMoney(task));
    int row = 0;
    for (const LevelTaskInfo::Obj& goal : task.goals.Elements())
    {
        if (goal.goods == LevelTaskInfo::kMoneyGoods)
        {
            continue;
        }
        const int y = y0 + kGoodsRowHeight * row;
        if (mGoodsIcons != nullptr)
        {
            mGoodsIcons->DrawFrame(static_cast<std::uint16_t>(GetGoodsIndex(goal.goods)), x0, y);
        }
        if (mCountText != nullptr)
        {
            Korrin::Colour colour = mCountText->mColour;
            colour.alpha = alpha;
            mCountText->SetColourV(colour);
            mCountText->mTextArea = {static_cast<float>(x0 + 45), static_cast<float>(y + 5),
                                     static_cast<float>(x0 + 125), static_cast<float>(y + 60)};
            mCountText->mCaption = u"x " + NumberText(goal.target);
            mCountText->Draw();
        }
        ++row;
    }
}

void TaskLevelGui::DrawPortraits(const Korrin::Vector2& anchor, const LevelTaskInfo& task)
{
    if (mPortraits == nullptr)
    {
        return;
    }
    const int x0 = PortraitsLeft(anchor.x, task.buyerKinds.size(), mPortraitWidth);
    const int y = Trunc(anchor.y + kPortraitsY);
    for (std::size_t i = 0; i < task.buyerKinds.size(); ++i)
    {
        const auto frame = static_cast<std::uint16_t>(task.buyerKinds[i] - kFirstBuyerKind);
        mPortraits->DrawFrame(frame, x0 + static_cast<int>((mPortraitWidth + kPortraitGap) * i), y);
    }
}

void TaskLevelGui::Draw()
{
    GameWindowFrame* frame = mDialog.GetFrame();
    if (frame == nullptr || !mDialog.IsShown())
    {
        return;
    }
    if (frame->HasClosed())
    {
        frame->SetDisabled(true);
        return;
    }
    mDialog.Draw();
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (task == nullptr)
    {
        return;
    }
    const Korrin::Vector2 anchor = Anchor();
    const bool money = FirstGoalIsMoney(*task);
    if (Korrin::GuiElement* caption = frame->GetByName(kMoneyCaption))
    {
        caption->SetVisible(money);
    }
    if (mBoard != nullptr)
    {
        mBoard->DrawFrame(BoardFrame(*task), Trunc(anchor.x + kBoardX), Trunc(anchor.y + kBoardY));
    }
    DrawGoods(anchor, *task, frame->GetProgress());
    if (money && mMoneyFont != nullptr)
    {
        // The target does not fade with the window.
        mMoneyFont->DrawText({anchor.x + kMoneyX, anchor.y + kMoneyY},
                             NumberText(task->goals.Elements().front().target), 0.9f,
                             {1.0f, 1.0f, 1.0f, 1.0f});
    }
    DrawPortraits(anchor, *task);
}

#include "game/GUI/AchievementSystemGui.h"

#include "engine/App/InputManager.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiSlider.h"
#include "engine/Gui/GuiText.h"
#include "engine/Gui/Text.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameEnding.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/Main.h"
#include "game/Util/GuiSound.h"
#include "game/Util/VirtualMouse.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace
{

constexpr const char* kOkButton = "ACHIEV_OK_BUTTON";
constexpr const char* kSlider = "ACHIEV_SLIDER";
constexpr const char* kPrizeText = "ACHIEV_ACHIEVEMENTS_VALUE_TEXT";
constexpr Korrin::Vector2 kMarkOffset{30.0f, 74.0f};
constexpr Korrin::Vector2 kListOffset{65.0f, 125.0f};
constexpr float kWheelStep = 1000.0f;
constexpr float kCaptionAlpha = 0.5f;
constexpr float kChosenCaptionLift = 2.0f;

bool Inside(const Korrin::Vector2& point, const Korrin::Rect& area)
{
    return point.x >= area.left && point.x <= area.right && point.y >= area.top && point.y <= area.bottom;
}

Korrin::Rect Moved(const Korrin::Rect& area, float dx, float dy)
{
    return Korrin::Rect{area.left + dx, area.top + dy, area.right + dx, area.bottom + dy};
}

} // namespace

AchievementSystemGui::AchievementSystemGui()
{
    mActive = false;
    mItems.Elements().resize(3);
    mPreviewAreas.Elements().resize(3);
    mSliderPos.Elements().assign(3, 0.0f);
}

AchievementSystemGui::~AchievementSystemGui() = default;

void AchievementSystemGui::Init()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mShared.enabledMount = sprites->LoadSprite("EnabledItemMount", kLayoutFile);
        mShared.disabledMount = sprites->LoadSprite("DisabledItemMount", kLayoutFile);
        mShared.disabledQuad = sprites->LoadSprite("DisabledItemQuad", kLayoutFile);
        mShared.progress = sprites->LoadSprite("ProgressSprite", kLayoutFile);
        mShared.backProgress = sprites->LoadSprite("BackProgressSprite", kLayoutFile);
        const char* marks[] = {"FullPreviewMark", "EnabledPreviewMark", "DisabledPreviewMark"};
        for (std::size_t mode = 0; mode < mPreviews.size(); ++mode)
        {
            mPreviews[mode].mark = sprites->LoadSprite(marks[mode], kLayoutFile);
        }
    }
    const char* captions[] = {"FullPreviewFont", "EnabledPreviewFont", "DisabledPreviewFont"};
    for (std::size_t mode = 0; mode < mPreviews.size(); ++mode)
    {
        mPreviews[mode].caption = std::make_unique<Korrin::Text>(captions[mode], kLayoutFile);
    }
    mFrame = GameWindowFrame::Create("AchievementGui", kLayoutFile);
    if (mFrame != nullptr)
    {
        mFrame->SetDisabled(true);
    }
    mItemHeaderFont = std::make_unique<Korrin::Text>("ItemHeaderFont", kLayoutFile);
    mItemDescriptionFont = std::make_unique<Korrin::Text>("ItemDescriptionFont", kLayoutFile);
    mItemProgressFont = std::make_unique<Korrin::Text>("ItemProgressFont", kLayoutFile);
    mItemPrizeFont = std::make_unique<Korrin::Text>("ItemPrizeFont", kLayoutFile);
    LoadRows();
}

void AchievementSystemGui::LoadRows()
{
    Korrin::LuaScript script;
    script.LoadFile(kLayoutFile, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    script.GetGlobal("AchievementsData")
        .ForEachEntry(
            [this](const LuaValue& /*key*/, const LuaValue& entry)
            {
                if (!entry.IsTable())
                {
                    return;
                }
                auto row = std::make_unique<AchievementItem>(mShared);
                if (row->Load(entry))
                {
                    mItems[kAll].push_back(row.get());
                    mOwnedRows.push_back(std::move(row));
                }
            });
    auto readArea = [&script](const char* name, Korrin::Rect& area)
    {
        Korrin::LuaStackGuard areaGuard(script.GetState());
        script.GetGlobal(name).GetFloat4(area.left, area.top, area.right, area.bottom);
    };
    readArea("ViewClipArea", mViewClipArea);
    readArea("FullPreviewArea", mPreviewAreas[kAll]);
    readArea("EnabledPreviewArea", mPreviewAreas[kCompleted]);
    readArea("DisabledPreviewArea", mPreviewAreas[kNotCompleted]);
}

Korrin::GuiSlider* AchievementSystemGui::Slider() const
{
    return mFrame != nullptr ? dynamic_cast<Korrin::GuiSlider*>(mFrame->GetByName(kSlider)) : nullptr;
}

void AchievementSystemGui::SetMode(std::uint32_t mode)
{
    Korrin::GuiSlider* slider = Slider();
    if (slider == nullptr)
    {
        return;
    }
    mSliderPos[mMode] = slider->GetValue();
    mMode = std::min(mode, kNotCompleted);
    if (mMode != kAll)
    {
        std::vector<AchievementItem*>& rows = mItems[mMode];
        rows.clear();
        for (AchievementItem* row : mItems[kAll])
        {
            if (row->IsComplete() == (mMode == kCompleted))
            {
                rows.push_back(row);
            }
        }
    }
    slider->SetValue(mItems[mMode].size() > kRowsWithoutScroll ? mSliderPos[mMode] : 0.0f);
}

void AchievementSystemGui::SetActive(bool active)
{
    Blank::SetActive(active);
    if (mFrame == nullptr)
    {
        return;
    }
    mFrame->SetDisabled(!active);
    if (active)
    {
        mFrame->Show();
        SetMode(mMode);
        mOpen = 1;
    }
}

bool AchievementSystemGui::Update(float dt)
{
    if (mFrame == nullptr)
    {
        return true;
    }
    mFrame->UpdateAnimation(dt);
    if (mFrame->HasClosed())
    {
        mFrame->SetDisabled(true);
        mOpen = 0;
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
        return true;
    }
    mOpen = 1;
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    if (clicked != nullptr && clicked->GetName() == kOkButton &&
        mFrame->GetState() != GameWindowFrame::kClosing)
    {
        PlayGuiSound("click_button");
        mFrame->Hide();
        // Only the link of the last level's first win leads to the ending, never a later opening.
        if (mEndingArmed)
        {
            mEndingArmed = false;
            if (GameEnding::IsDue(GameEnding::kLastLevel))
            {
                GameEnding::Start();
            }
        }
    }
    // Without its slider the window neither scrolls nor switches modes; nothing changed.
    if (Korrin::GuiSlider* slider = Slider())
    {
        ScrollAndChooseMode(*slider);
    }
    return true;
}

void AchievementSystemGui::ScrollAndChooseMode(Korrin::GuiSlider& slider)
{
    Korrin::Vector2 mouse;
    if (!VirtualMousePosition(mouse))
    {
        return;
    }
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    if (Inside(mouse, mViewClipArea) && input->GetWheel() != 0.0f)
    {
        slider.SetValue(slider.GetValue() - input->GetWheel() / kWheelStep);
    }
    if (!input->IsButtonDown(Korrin::InputManager::kLeftButton))
    {
        return;
    }
    for (std::uint32_t mode = kAll; mode <= kNotCompleted; ++mode)
    {
        if (Inside(mouse, mPreviewAreas[mode]))
        {
            SetMode(mode);
            return;
        }
    }
}

float AchievementSystemGui::ScrollRange(std::size_t rows)
{
    return std::fabs(kRowHeight * static_cast<float>(rows) - kVisibleHeight);
}

std::size_t AchievementSystemGui::FirstRowDrawn(std::size_t rows, float slider, float originY, float& top)
{
    top = originY;
    if (rows > kRowsWithoutScroll)
    {
        top -= slider * ScrollRange(rows);
    }
    return static_cast<std::size_t>(std::fabs(originY - top) / kRowHeight);
}

std::uint32_t AchievementSystemGui::PrizeSum() const
{
    std::uint32_t sum = 0;
    for (const AchievementItem* row : mItems[kAll])
    {
        if (row->IsComplete())
        {
            sum += row->mData->mPrize;
        }
    }
    return sum;
}

void AchievementSystemGui::Draw()
{
    if (mOpen == 0 || mFrame == nullptr)
    {
        return;
    }
    if (auto* prizes = dynamic_cast<Korrin::GuiText*>(mFrame->GetByName(kPrizeText)))
    {
        const std::string sum = std::to_string(PrizeSum());
        prizes->mCaption.assign(sum.begin(), sum.end());
    }
    mFrame->Draw();
    Korrin::Vector2 anchor;
    mFrame->GetAnchorPos(anchor);
    const float fade = mFrame->GetProgress();
    DrawPreviews(anchor, fade);
    DrawRows(anchor, fade);
}

void AchievementSystemGui::DrawPreviews(const Korrin::Vector2& anchor, float fade)
{
    if (Korrin::Sprite* mark = mPreviews[mMode].mark)
    {
        const Korrin::Colour colour = mark->GetColour();
        mark->SetColour(colour.red, colour.green, colour.blue, fade);
        mark->Draw(static_cast<int>(anchor.x + kMarkOffset.x), static_cast<int>(anchor.y + kMarkOffset.y));
        mark->SetColourV(colour);
    }
    for (std::size_t mode = 0; mode < mPreviews.size(); ++mode)
    {
        Korrin::Text* caption = mPreviews[mode].caption.get();
        const bool chosen = mode == mMode;
        const Korrin::Rect area = caption->mTextArea;
        const Korrin::Colour colour = caption->mColour;
        caption->mTextArea = Moved(area, anchor.x, anchor.y - (chosen ? kChosenCaptionLift : 0.0f));
        caption->mColour.alpha = chosen ? fade : std::min(fade, kCaptionAlpha);
        caption->Draw();
        caption->mTextArea = area;
        caption->mColour = colour;
    }
}

void AchievementSystemGui::DrawRows(const Korrin::Vector2& anchor, float fade)
{
    const Korrin::GuiSlider* slider = Slider();
    const std::vector<AchievementItem*>& rows = mItems[mMode];
    const Korrin::Vector2 origin{anchor.x + kListOffset.x, anchor.y + kListOffset.y};
    float top = origin.y;
    const std::size_t first =
        FirstRowDrawn(rows.size(), slider != nullptr ? slider->GetValue() : 0.0f, origin.y, top);
    const AchievementItem::Fonts fonts{mItemHeaderFont.get(), mItemDescriptionFont.get(),
                                       mItemProgressFont.get(), mItemPrizeFont.get()};
    for (std::size_t k = first; k < rows.size() && k < first + kRowsDrawn; ++k)
    {
        rows[k]->mPos = Korrin::Vector2{origin.x, top + kRowHeight * static_cast<float>(k)};
        rows[k]->Draw(fade, fonts, mViewClipArea);
    }
}

#include "game/GUI/QuibProgressGui.h"

#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiImage.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Render/Sprite.h"
#include "game/Util/TextFormat.h"

#include <algorithm>
#include <cstdlib>
#include <string>

void QuibProgressGui::Init()
{
    if (Korrin::GuiManager* widgets = Korrin::GuiManager::Peek())
    {
        mContainer = widgets->CreateContainer("QuibProgressGui", kScript);
    }
    if (auto* gauge = mContainer != nullptr
                          ? dynamic_cast<Korrin::GuiImage*>(mContainer->GetByName("QUIB_PROGRESS"))
                          : nullptr;
        gauge != nullptr && gauge->GetSprite() != nullptr)
    {
        mLayoutGauge = gauge->GetSprite()->GetSrcRect();
    }
}

void QuibProgressGui::Reset()
{
    auto* maximum = mContainer != nullptr
                        ? dynamic_cast<Korrin::GuiText*>(mContainer->GetByName("QUIB_MAX_MONEY_TEXT"))
                        : nullptr;
    if (maximum != nullptr)
    {
        mMaxMoney = static_cast<std::uint32_t>(std::strtoul(maximum->GetCaptionName().c_str(), nullptr, 10));
    }
    SetCurrentMoney(0);
    mLevels = 0;
}

void QuibProgressGui::SetMaxMoney(std::uint32_t money)
{
    mMaxMoney = money;
    if (auto* text = mContainer != nullptr
                         ? dynamic_cast<Korrin::GuiText*>(mContainer->GetByName("QUIB_MAX_MONEY_TEXT"))
                         : nullptr)
    {
        text->mCaption = TextFormat::Decimal(money);
    }
}

void QuibProgressGui::SetCurrentMoney(std::uint32_t money)
{
    mCurrentMoney = std::min(money, mMaxMoney);
    const float filled =
        mMaxMoney > 0 ? static_cast<float>(mCurrentMoney) / static_cast<float>(mMaxMoney) : 0.0f;
    // The gauge's right edge moves left as the money grows, as the layout's picture is drawn.
    mGaugeRect = mLayoutGauge;
    mGaugeRect.right -= kGaugeWidth * filled;
    if (auto* gauge = mContainer != nullptr
                          ? dynamic_cast<Korrin::GuiImage*>(mContainer->GetByName("QUIB_PROGRESS"))
                          : nullptr)
    {
        gauge->SetSrcRect(mGaugeRect);
    }
    if (auto* text = mContainer != nullptr
                         ? dynamic_cast<Korrin::GuiText*>(mContainer->GetByName("QUIB_CURRENT_MONEY_TEXT"))
                         : nullptr)
    {
        text->mCaption = TextFormat::Decimal(mCurrentMoney) + u" / " + TextFormat::Decimal(mMaxMoney);
    }
}

void QuibProgressGui::LevelCompleted(std::uint32_t /*highestLevel*/)
{
    ++mLevels;
    SetCurrentMoney(mCurrentMoney + kMoneyStep * mLevels);
}

void QuibProgressGui::Draw()
{
    if (IsShown() && mContainer != nullptr)
    {
        mContainer->Draw();
    }
}

ProgressBoardRecord::Companion QuibProgressGui::Capture() const
{
    return {shown, mMaxMoney, mCurrentMoney, mUnused, mLevels};
}

void QuibProgressGui::Restore(const ProgressBoardRecord::Companion* record)
{
    mCurrentMoney = 0;
    mMaxMoney = 0;
    mUnused = 1.0f;
    mLevels = 0;
    shown = 0;
    Reset();
    if (record != nullptr)
    {
        shown = record->shown;
        mMaxMoney = record->maxMoney;
        mCurrentMoney = record->currentMoney;
        mUnused = record->unused;
        mLevels = record->levels;
    }
    SetMaxMoney(mMaxMoney);
    SetCurrentMoney(mCurrentMoney);
}

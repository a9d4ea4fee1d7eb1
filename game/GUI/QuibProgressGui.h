#pragma once

#include "engine/Util/Rect.h"
#include "game/GUI/ProgressBoard.h"
#include "game/GUI/ProgressBoardRecord.h"

namespace Korrin
{
class GuiContainer;
} // namespace Korrin

// The companion's money board: a gauge and "current / maximum" money, filling as the player reaches
// new levels (148 more per level than at the level before).
class QuibProgressGui : public ProgressBoard
{
public:
    static constexpr const char* kScript = "CompeteBoard.lua";
    static constexpr std::uint32_t kMoneyStep = 148;
    static constexpr float kGaugeWidth = 153.0f;

    QuibProgressGui() = default;

    void Init() override;
    void Reset() override;
    bool Update(float /*dt*/) override { return IsShown(); }
    void Draw() override;
    void LevelCompleted(std::uint32_t highestLevel) override;

    void SetMaxMoney(std::uint32_t money);
    // Never above the maximum; a maximum of 0 shows an empty gauge.
    void SetCurrentMoney(std::uint32_t money);

    ProgressBoardRecord::Companion Capture() const;
    void Restore(const ProgressBoardRecord::Companion* record);

    std::uint32_t GetMaxMoney() const { return mMaxMoney; }
    std::uint32_t GetCurrentMoney() const { return mCurrentMoney; }
    std::uint32_t GetLevels() const { return mLevels; }
    // The part of the gauge's picture shown for the current money.
    const Korrin::Rect& GetGaugeRect() const { return mGaugeRect; }

private:
    Korrin::GuiContainer* mContainer = nullptr; // the widget manager's
    std::uint32_t mMaxMoney = 0;
    std::uint32_t mCurrentMoney = 0;
    float mUnused = 1.0f;
    std::uint32_t mLevels = 0;
    Korrin::Rect mLayoutGauge;
    Korrin::Rect mGaugeRect;
};

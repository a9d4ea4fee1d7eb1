#pragma once

#include "engine/Util/Rect.h"
#include "engine/Util/SafeVector.h"
#include "engine/Util/Singleton.h"
#include "engine/Util/Vector2.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <memory>
#include <vector>

class Clickable;
class GamePanelPers;

namespace Korrin
{
class AnimatedSprite;
class Font;
class GuiContainer;
class Sprite;
} // namespace Korrin

// The in-level panel: the goals, the money, the clock and the medal along the top, and at the bottom the
// page of whatever field object the player selected, with its tabs and upgrade dots, the portrait queue
// of the buyers and the game-menu button.
class GamePanel : public Blank, public Korrin::Singleton<GamePanel>
{
public:
    static constexpr std::uint16_t kPanelCount = 12;
    static constexpr std::uint16_t kNoPanel = 200;
    // Pages chosen by the entities themselves.
    static constexpr std::uint16_t kShopStorePage = 6;
    static constexpr std::uint16_t kGardenerPage = 8;
    static constexpr std::uint16_t kWorkerPage = 9;
    static constexpr std::uint8_t kGameMenuWindow = 3;

    GamePanel();
    ~GamePanel() override;

    static GamePanel* GetInstance()
    {
        return CheckedInstance("GamePanel::mSingleton==NULL", Korrin::kGameModule, "Source\\Game\\GamePanel",
                               22);
    }

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool on) override;

    void SetCurrent(std::uint16_t index);
    void SetCurrentByType(std::uint16_t type);
    void ShowPanel(std::uint16_t index);
    // A modal window over the running level holds the panel while it is open: the current page takes
    // no clicks and the top bar shows its figures as they stand, without hover or press.
    void LockForWindow();
    // Gives the panel its clicks back when the window closes.
    void UnlockAfterWindow();
    bool IsPointOverPanel(const Korrin::Vector2& point) const;
    // The page of an entity type (0 for every type that has none of its own).
    static std::uint16_t PanelOfType(std::uint16_t type);
    // The level's goals each get a flag: their completion effect is still to play.
    void ResetGoalFlags(std::size_t goals) { mGoalDone.assign(goals, true); }

    // The money figures and effects of the goal strip, per goal i.
    static float GoalTextBase(std::size_t i, bool money, bool firstIsMoney);
    // The medal frame (0 first, 1 second, 2 none) for a clock of t seconds and the two limits.
    static std::uint32_t MedalFrame(std::uint32_t t, std::uint32_t first, std::uint32_t second);

    std::uint16_t GetCurrent() const { return mCurrent; }
    GamePanelPers& GetPers() { return *mPers; }
    Korrin::GuiContainer* GetTopInfo() const
    {
        return mTopContainers.empty() ? nullptr : mTopContainers.front();
    }
    Korrin::GuiContainer* GetPanel(std::uint16_t index) const;
    std::int32_t GetHoveredTab() const { return mHoveredTab; }
    bool IsInfoReady() const { return mInfoReady != 0; }
    const std::vector<bool>& GetGoalDone() const { return mGoalDone; }

    // What an object shows on its page: the owner of the page's tabs (or none), the frame of its picture
    // (-1 none), the level marks (shown level of a level count). The fourth value is not kept.
    void SetPanelParam(Clickable* object, std::int32_t picture, std::uint32_t level, std::uint32_t levels,
                       std::uint32_t fourth);

    Clickable* GetTabOwner() const { return mTabOwner; }
    std::int32_t GetIconIndex() const { return mIconIndex; }
    std::uint32_t GetUpgradeLevel() const { return mUpgradeLevel; }
    std::uint32_t GetUpgradeMax() const { return mUpgradeMax; }

private:
    // Set by the objects when they fill their page (SetPanelParam).
    std::int32_t mIconIndex = -1;
    std::uint32_t mUpgradeLevel = 0;
    std::uint32_t mUpgradeMax = 0;
    Clickable* mTabOwner = nullptr;

    void UpdateInfo(float dt);
    void PlayGoalEffects();
    void UpdateMoney();
    void UpdateClock(float dt);
    void UpdateTabs();
    void DrawTaskTable();
    void DrawUpgradeDots();
    void ClearSelection();

    std::uint16_t mCurrent = 0;
    Korrin::SafeVector<Korrin::GuiContainer*> mPanels{"GamePanel::mPanels"};
    std::vector<Korrin::GuiContainer*> mTopContainers;
    Korrin::AnimatedSprite* mIcons = nullptr;
    Korrin::AnimatedSprite* mTaskTable = nullptr;
    Korrin::AnimatedSprite* mTaskTableObjList = nullptr;
    Korrin::AnimatedSprite* mTopTaskPanel = nullptr;
    Korrin::Font* mFont = nullptr;
    Korrin::AnimatedSprite* mMedal = nullptr;
    Korrin::Rect mMoneyArea;
    std::unique_ptr<GamePanelPers> mPers;
    Korrin::Sprite* mSelectedTab = nullptr;
    std::int32_t mHoveredTab = -1;
    Korrin::AnimatedSprite* mUpgradeDots = nullptr;
    Korrin::AnimatedSprite* mClosingRod = nullptr;
    Korrin::AnimatedSprite* mCheckSprite = nullptr;
    std::vector<bool> mGoalDone;
    std::uint8_t mInfoReady = 0;
    // The page shown last; a level start forgets it, so two levels in a row behave as fresh ones.
    std::uint16_t mLastShown = 0;
};

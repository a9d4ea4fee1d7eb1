#pragma once

#include "engine/Util/RandomGenerator.h"
#include "engine/Util/Vector2.h"
#include "game/ButterflyList.h"
#include "game/GUI/PendingReward.h"
#include "game/GUI/RewardItem.h"
#include "game/GUI/TextButton.h"
#include "game/MenuLeaves.h"
#include "game/MenuMill.h"
#include "game/Util/AniMeshContainer.h"
#include "game/Util/Blank.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class LuaValue;

namespace Korrin
{
class AnimatedSprite;
class GuiContainer;
class GuiText;
class Mesh;
class ParticleSystem;
class Sprite;
} // namespace Korrin

// The screen the game opens on: a living picture (sky, title with light sweeps, a swaying girl who
// blinks, leaves, a windmill the mouse spins, a thief, butterflies, a sparkle over Play and the rewards
// panel of completed achievements), the button box, the greeting and the link to the player list.
class MainMenu : public Blank
{
public:
    static constexpr const char* kBackgroundScript = "menu_background.lua";
    static constexpr const char* kButtonScript = "menu_button.lua";
    static constexpr const char* kGirlScript = "menu_girl.lua";
    static constexpr const char* kLeavesScript = "menu_leaves.lua";
    static constexpr const char* kRewardsScript = "menu_rewards.lua";
    static constexpr const char* kLinkFallbackFont = "font02.fnt";
    static constexpr int kGrid = 4;

    MainMenu();
    ~MainMenu() override;
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    // Loads the picture, the buttons, the link and the rewards; reads the player list and the selected
    // player's files.
    void Init() override;
    // Entering the screen: music, buttons, thief, the rewards to show, the all-gold achievement.
    void Reset() override;
    // False on the frame in which Play switched the screen.
    bool Update(float dt) override;
    void Draw() override;

    // The branch's target speed after the mouse moved from one place to another: a gust while both lie in
    // the square 900..1000 x 520..620 (edges included), at most five times the base speed.
    static float GustTarget(float target, float base, const Korrin::Vector2& previous,
                            const Korrin::Vector2& current);
    // The eye frame at a menu clock: a blink of three frames every 4.3 seconds.
    static std::uint16_t EyeFrameAt(float clock);

    void LoadRewards();
    // One reward item per table of "items" that has a "Key"; the first item of a key stays.
    void ReadRewardItems(const LuaValue& items);
    void UpdateRewards(float dt);
    void DrawRewards();

    Korrin::GuiContainer* GetButtons() const { return mButtons; }
    const MenuMill& GetMill() const { return mMill; }
    const MenuLeaves& GetBranch() const { return mBranch; }
    TextButton& GetLink() { return mLink; }
    std::uint16_t GetEyeFrame() const { return mEyeFrame; }
    float GetClock() const { return mClock; }
    bool IsSweepOn(int word) const { return mSweeps[static_cast<std::size_t>(word)].on; }
    Korrin::ParticleSystem* GetSparkle() const { return mSparkle; }
    bool IsThiefShown() const { return mThiefShown; }
    const std::map<std::int32_t, RewardItem>& GetRewardItems() const { return mRewardItems; }
    const std::vector<std::unique_ptr<PendingReward>>& GetPendingRewards() const { return mPending; }
    const ButterflyList& GetButterflies() const { return mButterflies; }

private:
    struct Sweep
    {
        Korrin::Mesh* mesh = nullptr; // deleted by the screen
        bool on = false;
        float timer = 0.0f;
        float limit = 3.0f;
    };
    using Grid = std::array<std::array<Korrin::Vector2, kGrid>, kGrid>;

    void LoadTitle();
    void LoadGirl();
    void LoadLink();
    // False when a completed achievement has no reward item (the list stops there).
    bool RebuildPendingRewards();
    void CheckAllGold();
    void PlayMusic();
    void SwayGirl(float dt);
    void UpdateSweep(Sweep& sweep, float dt);
    void UpdateThief(float dt);
    void UpdateMouse(bool windowShown, float dt);
    void UpdateSparkle(float dt);
    // Acts on a click of one of the five buttons; false when the element is none of them.
    bool HandleButton(const std::string& name, bool& switched);
    void Play();
    void DisableButtons();
    void ShowGreeting();
    void DrawGirl();
    // The steps of the rewards' frame; false when a decoration has no achievement.
    bool UpdateGhosts(float dt);
    static void UpdateGhost(RewardItem& item, bool underMouse, float dt);
    bool RevealPending(float dt);
    bool RestartShines();
    bool RevealStep(PendingReward& pending, float dt, bool& stop);
    void SelectStep();
    void RunSpecialEffect(std::uint32_t id);

    Korrin::Sprite* mBackground = nullptr; // the sprite manager's, as every drawable below
    Korrin::AnimatedSprite* mSky = nullptr;
    Korrin::Sprite* mTitle1 = nullptr;
    Korrin::Sprite* mTitle2 = nullptr;
    std::array<Sweep, 2> mSweeps{};
    Korrin::GuiContainer* mButtons = nullptr; // the widget manager's
    Korrin::GuiText* mHello = nullptr;        // in mButtons: the greeting's caption name
    Korrin::GuiText* mGreeting = nullptr;     // in mButtons: the greeting shown, with the player's name
    MenuLeaves mBranch;
    MenuLeaves mTree;
    std::array<Korrin::Sprite*, 4> mEdgeCovers{};
    Korrin::Mesh* mSkirt = nullptr;
    Korrin::Mesh* mApron = nullptr;
    Korrin::Sprite* mHead = nullptr;
    MenuLeaves mHair;
    Korrin::AnimatedSprite* mTail1 = nullptr;
    Korrin::AnimatedSprite* mTail2 = nullptr;
    Korrin::Sprite* mFlower = nullptr;
    Korrin::Mesh* mBody = nullptr;
    Korrin::AnimatedSprite* mEyes = nullptr;
    Korrin::Sprite* mMillSprite = nullptr;
    MenuMill mMill;
    AniMeshContainer mThief;
    bool mThiefShown = true;
    bool mThiefLeaving = false;
    float mThiefTimer = 0.0f;
    // The menu's own random sequence: sweep pauses, sparkle delays and the butterflies draw from it.
    Korrin::RandomGenerator mRandom;
    ButterflyList mButterflies;
    std::uint16_t mEyeFrame = 0;
    Korrin::AnimatedSprite* mRewardsSprite = nullptr;
    std::vector<std::unique_ptr<PendingReward>> mPending;
    std::map<std::int32_t, RewardItem> mRewardItems;
    Korrin::ParticleSystem* mSparkle = nullptr; // the particle manager's
    float mSparkleTimer = 0.0f;
    float mSparkleDelay = 5.0f;
    TextButton mLink;

    // Kept over every visit of the screen (Reset leaves them), for the whole run.
    float mClock = 0.0f;
    Grid mSkirtRest{};
    Grid mApronRest{};
    Grid mBodyRest{};
    Korrin::Vector2 mMouse{0.0f, 0.0f};
    Korrin::Vector2 mPreviousMouse{0.0f, 0.0f};
};

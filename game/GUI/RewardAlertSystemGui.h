#pragma once

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/Util/Vector2.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <deque>

namespace Korrin
{
class AnimatedSprite;
class GuiContainer;
class ParticleSystem;
} // namespace Korrin

// The window that announces completed achievements (window 7): the achievement's picture swings in,
// sparkles play, a panel with its description fades in, and OK sends it flying off. Achievements still
// to be announced wait in a queue, kept in the saved level; the alert on screen is always the last id.
class RewardAlertSystemGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 7;
    static constexpr std::uint32_t kMaxPending = 10000;
    static constexpr const char* kLayoutFile = "RewardSystem.lua";
    static constexpr const char* kOkButton = "REWARD_OK_BUTTON";
    static constexpr const char* kDescriptionText = "REWARD_DESCRIPTION_TEXT";
    // Reaching a new level is never announced.
    static constexpr std::uint32_t kSilentAchievement = 6;
    // Announcing the all-gold achievement rebuilds the main menu's rewards.
    static constexpr std::uint32_t kAllGoldAchievement = 12;
    static constexpr float kSwingEnd = -5.9f;
    static constexpr float kIconX = 510.0f;

    RewardAlertSystemGui();
    ~RewardAlertSystemGui() override;

    void Init() override;
    // Empties the queue, then queues what is complete and not yet announced.
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    // Every frame, before the shown window's update: shows this window when something waits.
    void ShowPending();
    // Queues one id (an id already queued stays where it is) and starts its alert.
    void AddReward(std::uint32_t id);
    // Queues every completed, unannounced achievement in ascending id.
    void QueueNewAchievements();
    // Starts the alert of the last id from its beginning.
    void PrepareCurrent();

    // The queue at the end of the saved level: its count, then the ids from first to last.
    void Save(Korrin::BinaryWriter& out) const;
    // False (queue left empty) when the data is short or its count impossible. Ids without an
    // achievement and repeated ids are dropped.
    bool Load(Korrin::BinaryReader& in);
    // The queue of a saved level that holds none: empty.
    void ClearPending();

    const std::deque<std::uint32_t>& Pending() const { return mPending; }
    float GetWindowAlpha() const { return mWindowAlpha; }
    float GetIconAlpha() const { return mIconAlpha; }
    float GetIconScale() const { return mIconScale; }
    const Korrin::Vector2& GetIconPos() const { return mIconPos; }
    bool IsAppearing() const { return mAppearing != 0; }
    bool IsShown() const { return mShown != 0; }

private:
    void UpdateAppearing(float dt);
    // False when the last alert has ended and the window closed.
    bool UpdateClosing(float dt);
    // Marks the alert on screen announced and moves on to the next one.
    void FinishCurrent();
    void TakeOkClick();
    static void RestartEffect(Korrin::ParticleSystem* effect);
    static void LockPanel(bool locked);
    void PlaceGui(const Korrin::Vector2& position);

    Korrin::GuiContainer* mGui = nullptr;            // the widget manager's
    Korrin::AnimatedSprite* mRewardSprite = nullptr; // the sprite manager's
    Korrin::ParticleSystem* mShowRewards = nullptr;  // the particle manager's
    Korrin::ParticleSystem* mShowRewardsFrame = nullptr;
    Korrin::Vector2 mIconPos;
    Korrin::Vector2 mHomePos;
    Korrin::Vector2 mGuiPos;
    float mIconAlpha = 0.0f;
    float mWindowAlpha = 0.0f;
    float mIconScale = 0.0f;
    float mSwing = 0.0f;
    float mElapsed = 0.0f;
    std::deque<std::uint32_t> mPending;
    std::uint8_t mShown = 0;
    std::uint8_t mAppearing = 0;
    std::uint8_t mWindowSoundPlayed = 0;
};

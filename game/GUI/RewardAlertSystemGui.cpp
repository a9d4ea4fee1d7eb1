#include "game/GUI/RewardAlertSystemGui.h"

#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/GamePanel.h"
#include "game/Main.h"
#include "game/Util/SaveFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

namespace
{

constexpr float kIconStartY = 590.0f;
constexpr float kSwingCentreY = 305.0f;
constexpr float kSwingRadius = 250.0f;
constexpr float kSwingSpeed = 6.0f;
constexpr float kSwingSeconds = 1.0f;
constexpr float kWindowDelay = 1.5f;
constexpr float kIconFadeIn = 0.7f;
constexpr float kWindowFadeIn = 0.8f;
constexpr float kFadeOut = 4.0f;
constexpr float kFlightSpeed = 3000.0f;

GameGuiManager* Windows()
{
    return GameGuiManager::Current();
}

} // namespace

RewardAlertSystemGui::RewardAlertSystemGui()
{
    mActive = false;
}

RewardAlertSystemGui::~RewardAlertSystemGui() = default;

void RewardAlertSystemGui::Init()
{
    if (Korrin::GuiManager* widgets = Korrin::GuiManager::Peek())
    {
        mGui = widgets->CreateContainer("RewardGui", kLayoutFile);
    }
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mRewardSprite = sprites->LoadAnimatedSprite("Rewards", kLayoutFile);
    }
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek())
    {
        mShowRewards = particles->CreateParticleSystem("ShowRewards.particle", "ShowRewards");
        mShowRewardsFrame = particles->CreateParticleSystem("ShowRewardsFrame.particle", "ShowRewardsFrame");
    }
    if (mGui != nullptr)
    {
        mGui->GetAnchorPos(mHomePos);
        mGui->SetDisabled(true);
    }
    mGuiPos = mHomePos;
}

void RewardAlertSystemGui::Reset()
{
    mPending.clear();
    QueueNewAchievements();
    PrepareCurrent();
}

void RewardAlertSystemGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mShown = active ? 1 : 0;
    if (mGui != nullptr)
    {
        mGui->SetDisabled(!active);
    }
    if (active)
    {
        mWindowSoundPlayed = 0;
        LockPanel(true);
    }
}

void RewardAlertSystemGui::ShowPending()
{
    AchievementSystem* achievements = AchievementSystem::Peek();
    Main* main = Main::Peek();
    GameGuiManager* windows = Windows();
    if (achievements == nullptr || windows == nullptr)
    {
        return;
    }
    if (!mPending.empty() && !achievements->mChanged && main->GetCurrent() == Main::kGameScreen)
    {
        windows->Show(kWindowId);
    }
    if (achievements->mChanged)
    {
        QueueNewAchievements();
        // Only a queue with an id opens the window: an empty one would never close again.
        if (!mPending.empty())
        {
            windows->Show(kWindowId);
        }
        achievements->mChanged = false;
    }
}

void RewardAlertSystemGui::QueueNewAchievements()
{
    const AchievementSystem* achievements = AchievementSystem::Peek();
    if (achievements == nullptr)
    {
        return;
    }
    for (const std::uint32_t id : achievements->GetCompletedIds())
    {
        const AchievementData* data = achievements->GetData(id);
        const bool announced = (data->mFlags & AchievementData::kAnnounced) != 0;
        if (!announced && id != kSilentAchievement)
        {
            AddReward(id);
        }
    }
}

void RewardAlertSystemGui::AddReward(std::uint32_t id)
{
    if (std::find(mPending.begin(), mPending.end(), id) != mPending.end())
    {
        return;
    }
    mPending.push_back(id);
    // The alert on screen is always the last id, so the new one starts at once: its picture, its text
    // and the achievement marked at its end belong together. An alert it cuts short comes back later.
    PrepareCurrent();
}

void RewardAlertSystemGui::RestartEffect(Korrin::ParticleSystem* effect)
{
    if (effect != nullptr)
    {
        effect->Restart();
    }
}

void RewardAlertSystemGui::PlaceGui(const Korrin::Vector2& position)
{
    mGuiPos = position;
    if (mGui != nullptr)
    {
        mGui->UpdatePosition(position);
    }
}

void RewardAlertSystemGui::PrepareCurrent()
{
    mElapsed = 0.0f;
    mIconAlpha = 0.0f;
    mAppearing = 1;
    mWindowAlpha = 0.0f;
    if (mGui != nullptr)
    {
        mGui->SetAlpha(0.0f);
    }
    mIconScale = 0.0f;
    mSwing = 0.0f;
    mIconPos = Korrin::Vector2{kIconX, kIconStartY};
    PlaceGui(mHomePos);
    RestartEffect(mShowRewards);
    RestartEffect(mShowRewardsFrame);
    if (mPending.empty())
    {
        return;
    }
    const AchievementSystem* achievements = AchievementSystem::Peek();
    const AchievementData* data = achievements != nullptr ? achievements->GetData(mPending.back()) : nullptr;
    if (data == nullptr)
    {
        Korrin::ReportAndBreak("UNKNOWN ITEM!", Korrin::kGameModule, "Source\\GUI\\RewardAlertSystemGui",
                               128);
        return;
    }
    auto* description =
        mGui != nullptr ? dynamic_cast<Korrin::GuiText*>(mGui->GetByName(kDescriptionText)) : nullptr;
    if (description != nullptr)
    {
        description->mCaption.clear();
        description->SetCaptionName(data->GetDescription());
    }
}

bool RewardAlertSystemGui::Update(float dt)
{
    if (mShown == 0)
    {
        return false;
    }
    GameGuiManager* windows = Windows();
    if (mPending.empty())
    {
        // Nothing left to announce (the queue was emptied while shown): the window gives way.
        if (windows != nullptr)
        {
            windows->Show(GameGuiManager::kNoWindow);
        }
        return false;
    }
    if (mAppearing != 0)
    {
        UpdateAppearing(dt);
    }
    else if (!UpdateClosing(dt))
    {
        return false;
    }
    if (mGui != nullptr)
    {
        mGui->SetAlpha(mWindowAlpha);
        mGui->Update();
    }
    if (mRewardSprite != nullptr)
    {
        mRewardSprite->SetColour(1.0f, 1.0f, 1.0f, mIconAlpha);
    }
    TakeOkClick();
    return true;
}

void RewardAlertSystemGui::UpdateAppearing(float dt)
{
    mElapsed += dt;
    mIconAlpha = std::min(mIconAlpha + kIconFadeIn * dt, 1.0f);
    mIconScale = std::min(mIconScale + dt, 1.0f);
    if (mElapsed < kSwingSeconds)
    {
        mSwing -= kSwingSpeed * dt;
        if (mSwing < kSwingEnd)
        {
            mSwing = kSwingEnd;
            Korrin::PlaySoundOnce("add_reward");
        }
    }
    else
    {
        mSwing = kSwingEnd;
        if (mShowRewards != nullptr)
        {
            mShowRewards->Update(dt);
        }
        if (mShowRewardsFrame != nullptr)
        {
            mShowRewardsFrame->Update(dt);
        }
    }
    mIconPos = Korrin::Vector2{kIconX, kSwingCentreY + kSwingRadius * std::sin(mSwing)};
    if (mElapsed > kWindowDelay)
    {
        if (mWindowSoundPlayed == 0)
        {
            Korrin::PlaySoundOnce("show_reward_window");
            mWindowSoundPlayed = 1;
        }
        mWindowAlpha = std::min(mWindowAlpha + kWindowFadeIn * dt, 1.0f);
    }
}

bool RewardAlertSystemGui::UpdateClosing(float dt)
{
    if (mShowRewards != nullptr)
    {
        mShowRewards->Stop();
    }
    if (mShowRewardsFrame != nullptr)
    {
        mShowRewardsFrame->Stop();
    }
    mIconPos.y -= kFlightSpeed * dt;
    PlaceGui(Korrin::Vector2{mGuiPos.x, mGuiPos.y - kFlightSpeed * dt});
    mWindowAlpha -= kFadeOut * dt;
    mIconAlpha = std::max(mIconAlpha - kFadeOut * dt, 0.0f);
    if (mWindowAlpha >= 0.0f)
    {
        return true;
    }
    mWindowAlpha = 0.0f;
    FinishCurrent();
    if (!mPending.empty())
    {
        return true;
    }
    if (GameGuiManager* windows = Windows())
    {
        windows->Show(GameGuiManager::kNoWindow);
    }
    return false;
}

void RewardAlertSystemGui::FinishCurrent()
{
    const std::uint32_t id = mPending.back();
    if (AchievementSystem* achievements = AchievementSystem::Peek())
    {
        if (AchievementData* data = achievements->GetData(id))
        {
            data->mFlags |= AchievementData::kAnnounced;
        }
    }
    if (id == kAllGoldAchievement)
    {
        Main* main = Main::Peek();
        if (Blank* menu = main != nullptr ? main->Find("MainMenu") : nullptr)
        {
            menu->Reset();
        }
    }
    mPending.pop_back();
    PrepareCurrent();
}

void RewardAlertSystemGui::TakeOkClick()
{
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    // OK counts only once the panel stands fully faded in.
    if (clicked == nullptr || mWindowAlpha != 1.0f || clicked->GetName() != kOkButton)
    {
        return;
    }
    Korrin::PlaySoundOnce("click_button");
    mAppearing = 0;
    LockPanel(false);
}

void RewardAlertSystemGui::LockPanel(bool locked)
{
    Main* main = Main::Peek();
    GamePanel* panel = GamePanel::Peek();
    if (main == nullptr || panel == nullptr || main->GetCurrent() != Main::kGameScreen)
    {
        return;
    }
    if (locked)
    {
        panel->LockForWindow();
    }
    else
    {
        panel->UnlockAfterWindow();
    }
}

void RewardAlertSystemGui::Draw()
{
    if (mShown == 0)
    {
        return;
    }
    const Korrin::Vector2 origin{0.0f, 0.0f};
    if (mShowRewardsFrame != nullptr)
    {
        mShowRewardsFrame->Draw(origin);
    }
    if (mGui != nullptr)
    {
        mGui->Draw();
    }
    if (mPending.empty())
    {
        return;
    }
    if (mShowRewards != nullptr)
    {
        mShowRewards->Draw(origin);
    }
    if (mShowRewardsFrame != nullptr)
    {
        mShowRewardsFrame->Draw(origin);
    }
    if (mRewardSprite != nullptr)
    {
        const auto frame = static_cast<std::uint16_t>(
            std::min<std::uint32_t>(mPending.back(), std::numeric_limits<std::uint16_t>::max()));
        mRewardSprite->DrawFrameEx(frame, mIconPos.x, mIconPos.y, mIconScale, mIconScale, 0.0f, 0.0f, 0.0f);
    }
}

void RewardAlertSystemGui::Save(Korrin::BinaryWriter& out) const
{
    out.WriteU32(static_cast<std::uint32_t>(mPending.size()));
    for (const std::uint32_t id : mPending)
    {
        out.WriteU32(id);
    }
}

void RewardAlertSystemGui::ClearPending()
{
    mPending.clear();
    PrepareCurrent();
}

bool RewardAlertSystemGui::Load(Korrin::BinaryReader& in)
{
    mPending.clear();
    const std::uint32_t count = in.ReadU32();
    if (!in.CheckCount(count, 4, kMaxPending))
    {
        return false;
    }
    std::vector<std::uint32_t> ids(count);
    for (std::uint32_t& id : ids)
    {
        id = in.ReadU32();
    }
    if (!in.Ok())
    {
        return false;
    }
    const AchievementSystem* achievements = AchievementSystem::Peek();
    std::set<std::uint32_t> seen;
    for (const std::uint32_t id : ids)
    {
        if (achievements == nullptr || achievements->GetData(id) == nullptr)
        {
            SaveFormat::Log(
                "The saved reward queue names achievement %u, which is not defined; it is dropped", id);
        }
        else if (!seen.insert(id).second)
        {
            SaveFormat::Log("The saved reward queue names achievement %u twice; it is kept once", id);
        }
        else
        {
            mPending.push_back(id);
        }
    }
    PrepareCurrent();
    return true;
}

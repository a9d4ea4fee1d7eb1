#include "game/GUI/LevelStatistics.h"

#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Gui/Text.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/AchievementSystemGui.h"
#include "game/GUI/ClockText.h"
#include "game/GUI/GameEnding.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Profile.h"
#include "game/Util/AniMeshContainer.h"
#include "game/Util/GuiSound.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr const char* kCupFiles[] = {"normal_cup.ani", "gold_cup.ani", "silver_cup.ani"};
constexpr const char* kCupEffectNames[] = {"NormalCup", "GoldCup", "SilverCup"};
constexpr const char* kLinkCaption = "LEV_STAT_ACHIEVEMENTS_TEXT";
constexpr float kLinkSpacing = 0.8f;
constexpr std::uint32_t kLinkAlign = 12; // centred both ways
// The skip puts a cup at the end of its animation.
constexpr float kCupEnd = 100.0f;
const Korrin::Vector2 kLevelTimeOffset{115.0f, 78.0f};
const Korrin::Vector2 kScoreOffset{115.0f, 125.0f};
const Korrin::Vector2 kAchievementsOffset{115.0f, 380.0f};
const Korrin::Vector2 kCupEffectOffset{73.0f, 60.0f};
const Korrin::Vector2 kBestTimeOffsets[] = {{135.0f, 327.0f}, {135.0f, 347.0f}};

Korrin::ParticleSystem* CreateEffect(const std::string& name)
{
    Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
    return particles != nullptr ? particles->CreateParticleSystem(name + ".particle", name) : nullptr;
}

AchievementSystem* Achievements()
{
    return AchievementSystem::Peek();
}

std::uint32_t CompletedCount()
{
    const AchievementSystem* achievements = Achievements();
    return achievements != nullptr ? achievements->mCompletedCount : 0;
}

} // namespace

LevelStatistics::LevelStatistics() : mDialog("LevelStatisticsWindow", kLayout, "", "")
{
    mActive = false;
}

LevelStatistics::~LevelStatistics() = default;

std::uint32_t LevelStatistics::CupOf(LevelPassType pass)
{
    switch (pass)
    {
    case kLevelPassedGold:
        return kGoldCup;
    case kLevelPassedSilver:
        return kSilverCup;
    default:
        return kNormalCup;
    }
}

void LevelStatistics::Init()
{
    for (std::size_t i = 0; i < mCups.size(); ++i)
    {
        mCups[i] = std::make_unique<AniMeshContainer>();
        mCups[i]->Load(kCupFiles[i], true);
    }
    Korrin::LuaScript script;
    script.LoadFile(kLayout, Korrin::LuaScript::IfMissing::Report);
    mDialog.Init();
    mExtraPointsText = std::make_unique<Korrin::Text>("ExtraPointsFont", kLayout);
    mExtraPointsShown = 0;
    mLevelTimeEffect = CreateEffect("Statistics");
    mScoreEffect = CreateEffect("Statistics");
    mBestTimeEffect = CreateEffect("Statistics");
    mAchievementsEffect = CreateEffect("Statistics");
    mTapeEffect = CreateEffect("Tape");
    mExtraPointsEffect = CreateEffect("ExtraPoints");
    for (std::size_t i = 0; i < mCupEffects.size(); ++i)
    {
        mCupEffects[i] = CreateEffect(kCupEffectNames[i]);
    }
    ShowElements({"LEV_STAT_LEVEL_TIME_TEXT", "LEV_STAT_LEVEL_TIME_VALUE_TEXT", "LEV_STAT_BONUS_TEXT",
                  "LEV_STAT_BONUS_COUNT_TEXT", "LEV_STAT_BEST_TIME_TEXT", "LEV_STAT_BEST_TIME_VALUE_TEXT",
                  kLinkCaption, "LEV_STAT_STAR_ICON"},
                 false);
    Korrin::LuaStackGuard guard(script.GetState());
    if (const LuaValue rect = script.GetGlobal("LinkRect"); rect.IsTable())
    {
        rect.GetRect(mLinkRect);
    }
    if (const LuaValue font = script.GetGlobal("LinkFontName"); font.IsString())
    {
        mLinkFontName = font.ToString();
    }
}

Korrin::Vector2 LevelStatistics::Anchor() const
{
    Korrin::Vector2 anchor;
    if (const GameWindowFrame* frame = mDialog.GetFrame())
    {
        frame->GetAnchorPos(anchor);
    }
    return anchor;
}

void LevelStatistics::Reset()
{
    mAchievementsLink.SetColours({0.345f, 0.16862f, 0.0078f, 1.0f}, {0.545f, 0.36862f, 0.2078f, 1.0f},
                                 {0.388f, 0.4156f, 0.6313f, 1.0f});
    const Korrin::Vector2 anchor = Anchor();
    mAchievementsLink.mRect = {mLinkRect.left + anchor.x, mLinkRect.top + anchor.y,
                               mLinkRect.right + anchor.x, mLinkRect.bottom + anchor.y};
    Korrin::FontManager* fonts = Korrin::FontManager::Peek();
    mAchievementsLink.mFont =
        fonts != nullptr && !mLinkFontName.empty() ? fonts->GetFont(mLinkFontName) : nullptr;
    mAchievementsLink.mShown = false;
}

void LevelStatistics::SetElementText(const char* name, const std::u16string& text)
{
    GameWindowFrame* frame = mDialog.GetFrame();
    if (auto* shown = frame != nullptr ? dynamic_cast<Korrin::GuiText*>(frame->GetByName(name)) : nullptr)
    {
        shown->mCaption = text;
    }
}

void LevelStatistics::ShowElements(std::initializer_list<const char*> names, bool visible)
{
    GameWindowFrame* frame = mDialog.GetFrame();
    if (frame == nullptr)
    {
        return;
    }
    for (const char* name : names)
    {
        if (Korrin::GuiElement* element = frame->GetByName(name))
        {
            element->SetVisible(visible);
        }
    }
}

void LevelStatistics::PlayOnce(std::uint8_t& flag, const char* sound)
{
    if (flag == 0)
    {
        flag = 1;
        PlayGuiSound(sound);
    }
}

void LevelStatistics::UpdateEffect(Korrin::ParticleSystem* effect, float dt)
{
    if (effect != nullptr)
    {
        effect->Update(dt);
    }
}

void LevelStatistics::DrawEffect(Korrin::ParticleSystem* effect, const Korrin::Vector2& offset)
{
    if (effect != nullptr)
    {
        effect->Draw(offset);
    }
}

void LevelStatistics::ComputeResult()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (task == nullptr)
    {
        return;
    }
    mLevelTime = {static_cast<std::int32_t>(task->ClockMinutes()),
                  static_cast<std::int32_t>(task->ClockSeconds())};
    SetElementText("LEV_STAT_LEVEL_TIME_VALUE_TEXT", ClockText(task->ClockMinutes(), task->ClockSeconds()));
    mLevelNumber = task->level;
    SetElementText("LEV_STAT_LEVEL_NUM_TEXT", NumberText(mLevelNumber));
    LevelStar star;
    if (task->level >= 1 && task->level - 1u < gLevelStars.size())
    {
        star = gLevelStars[task->level - 1u];
    }
    mScore = static_cast<float>(star.complete);
    mResult = CupOf(task->RateTime());
    const std::int32_t bonus = mResult == kGoldCup ? star.gold : mResult == kSilverCup ? star.silver : 0;
    mCupEffect = mCupEffects[mResult];
    mBonusLeft = static_cast<float>(bonus);
    mTotalScore = static_cast<std::uint32_t>(std::max(0.0f, std::trunc(mScore + static_cast<float>(bonus))));
    mBonusSpeed = static_cast<float>(bonus) * 0.5f;
    GameInfo* info = GameInfo::Peek();
    if (info == nullptr || task->level < 1)
    {
        return;
    }
    const std::uint32_t index = task->level - 1u;
    info->SetBestTime(index, task->ClockMinutes(), task->ClockSeconds(), info->playerName);
    const TimeScoreItem best = info->GetBestTime(index);
    mBestTime = {static_cast<std::uint8_t>(best.minutes), static_cast<std::uint8_t>(best.seconds)};
    SetElementText("LEV_STAT_BEST_TIME_VALUE_TEXT", ClockText(mBestTime[0], mBestTime[1]));
    mBestName = best.name;
    SetElementText("LEV_STAT_NAME_TEXT", mBestName);
    mAchievementsLink.mText = mBestName;
}

void LevelStatistics::RestartShow()
{
    mTime = 0.0f;
    mTimeAfterScore = 0.0f;
    mAchievementCount = 0;
    mScoreDone = 0;
    mSkipped = 0;
    mExtraPointsShown = 0;
    mAchievementsLink.mShown = false;
    for (Korrin::ParticleSystem* effect : {mLevelTimeEffect, mScoreEffect, mTapeEffect, mCupEffect,
                                           mExtraPointsEffect, mBestTimeEffect, mAchievementsEffect})
    {
        if (effect != nullptr)
        {
            effect->Restart();
        }
    }
    ShowElements({"LEV_STAT_NAME_TEXT", "LEV_STAT_LEVEL_NUM_TEXT", "LEV_STAT_BONUS_COUNT_TEXT",
                  "LEV_STAT_LEVEL_TIME_VALUE_TEXT", "LEV_STAT_BEST_TIME_VALUE_TEXT", "LEV_STAT_BONUS_TEXT",
                  "LEV_STAT_STAR_ICON", "LEV_STAT_LEVEL_TIME_TEXT", kLinkCaption, "LEV_STAT_BEST_TIME_TEXT"},
                 false);
    if (AniMeshContainer* cup = mCups[mResult].get())
    {
        cup->SetAnimationTime(0.0f);
        cup->Update(0.0f);
    }
}

void LevelStatistics::SetActive(bool active)
{
    Blank::SetActive(active);
    mAchievementsLink.mShown = false;
    if (!active)
    {
        mDialog.SetActive(false);
        mLevelTimeShown = mBestTimeShown = mBonusShown = mCupShown = 0;
        mAddScoreTimer = kAddScoreEvery;
        return;
    }
    // The level is left behind from here on: the panel is never given back.
    WindowDialog::LockPanel();
    ComputeResult();
    RestartShow();
    mDialog.SetActive(true);
    if (const AchievementSystem* achievements = Achievements();
        achievements == nullptr || !achievements->mChanged)
    {
        PlayGuiSound("level_complete");
    }
}

void LevelStatistics::SetLinkText(std::uint32_t count)
{
    mAchievementCount = count;
    std::u16string text;
    GameWindowFrame* frame = mDialog.GetFrame();
    const auto* caption =
        frame != nullptr ? dynamic_cast<Korrin::GuiText*>(frame->GetByName(kLinkCaption)) : nullptr;
    if (const Korrin::LocaleManager* locale = Korrin::LocaleManager::Peek();
        locale != nullptr && caption != nullptr)
    {
        text = std::u16string(locale->getStringByNameAsUtf16(caption->mCaptionName));
    }
    mAchievementsLink.mText = text + u" " + NumberText(count);
}

void LevelStatistics::Skip()
{
    mSkipped = 1;
    if (AniMeshContainer* cup = mCups[mResult].get())
    {
        cup->Update(kCupEnd);
    }
    if (mResult != kNormalCup)
    {
        mScore = static_cast<float>(mTotalScore);
    }
    mExtraPointsShown = 0;
    ShowElements({"LEV_STAT_LEVEL_TIME_VALUE_TEXT", "LEV_STAT_BONUS_COUNT_TEXT", "LEV_STAT_NAME_TEXT",
                  "LEV_STAT_BONUS_TEXT", "LEV_STAT_STAR_ICON", "LEV_STAT_LEVEL_TIME_TEXT",
                  "LEV_STAT_BEST_TIME_TEXT", "LEV_STAT_BEST_TIME_VALUE_TEXT", "LEV_STAT_LEVEL_NUM_TEXT"},
                 true);
    const std::uint32_t count = CompletedCount();
    SetLinkText(count);
    if (count > 0)
    {
        mAchievementsLink.mShown = true;
    }
    // The cup's own effect goes on.
    for (Korrin::ParticleSystem* effect : {mLevelTimeEffect, mScoreEffect, mTapeEffect, mExtraPointsEffect,
                                           mBestTimeEffect, mAchievementsEffect})
    {
        if (effect != nullptr)
        {
            effect->Stop();
        }
    }
}

void LevelStatistics::BankScore()
{
    if (GameInfo* info = GameInfo::Peek())
    {
        const std::int64_t sum =
            static_cast<std::int64_t>(info->totalMoney) + static_cast<std::int64_t>(mScore);
        info->totalMoney = static_cast<std::uint32_t>(std::clamp<std::int64_t>(sum, 0, UINT32_MAX));
    }
}

bool LevelStatistics::Leave()
{
    if (GameEnding::IsDue(static_cast<std::uint16_t>(mLevelNumber)))
    {
        GameEnding::RecordWin();
        GameEnding::Start();
        return false;
    }
    WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
    BankScore();
    if (Game* game = Game::Peek())
    {
        game->CompleteLevel();
        game->ShowMap();
    }
    if (Profile* profile = Profile::Peek())
    {
        profile->levelInPlay = static_cast<std::int32_t>(mLevelNumber) - 1;
        profile->DeleteSavedGame();
        profile->SaveAll();
    }
    return false;
}

bool LevelStatistics::ClickOk()
{
    PlayGuiSound("click_button");
    if (mScoreDone == 0 && mSkipped == 0)
    {
        Skip();
        return true;
    }
    return Leave();
}

void LevelStatistics::ClickLink()
{
    const bool ending = GameEnding::IsDue(static_cast<std::uint16_t>(mLevelNumber));
    Game* game = Game::Peek();
    if (ending)
    {
        // The ending is left to the achievements window's OK, which counts the level once.
        GameEnding::RecordWin();
    }
    else
    {
        BankScore();
        if (game != nullptr)
        {
            game->CompleteLevel();
        }
    }
    if (game != nullptr)
    {
        game->ShowMap();
    }
    // Like OK: the won level's save goes and the player is saved, so that it cannot be continued.
    if (Profile* profile = Profile::Peek())
    {
        profile->levelInPlay = static_cast<std::int32_t>(mLevelNumber) - 1;
        profile->DeleteSavedGame();
        profile->SaveAll();
    }
    WindowDialog::ShowWindow(AchievementSystemGui::kWindowId);
    const Main* main = Main::Peek();
    GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr;
    if (auto* achievements = windows != nullptr ? dynamic_cast<AchievementSystemGui*>(
                                                      windows->Get(AchievementSystemGui::kWindowId))
                                                : nullptr)
    {
        achievements->SetMode(AchievementSystemGui::kCompleted);
        if (ending)
        {
            achievements->ArmEnding();
        }
    }
}

void LevelStatistics::CountBonus(float dt)
{
    if (static_cast<float>(mTotalScore) <= mScore)
    {
        mScore = static_cast<float>(mTotalScore);
        mExtraPointsShown = 0;
        mScoreDone = 1;
        return;
    }
    const float step = mBonusSpeed * dt;
    mBonusLeft -= step;
    mScore += step;
    UpdateEffect(mExtraPointsEffect, dt);
    mAddScoreTimer -= dt;
    if (mAddScoreTimer < 0.0f)
    {
        PlayGuiSound("add_score");
        mAddScoreTimer = kAddScoreEvery;
    }
}

void LevelStatistics::RunShow(float dt)
{
    if (mScoreDone != 0)
    {
        mTimeAfterScore += dt;
    }
    if (mTimeAfterScore > kLinkAfterScore && CompletedCount() > 0)
    {
        if (!mAchievementsLink.mShown)
        {
            PlayGuiSound("show_text");
        }
        mAchievementsLink.mShown = true;
        UpdateEffect(mAchievementsEffect, dt);
        SetLinkText(CompletedCount());
    }
    if (mTime > kBonusFigureAt)
    {
        if (mResult != kNormalCup)
        {
            mExtraPointsShown = 1;
        }
        if (mTime > kCountingAt)
        {
            if (mResult == kNormalCup)
            {
                mScoreDone = 1;
            }
            else
            {
                CountBonus(dt);
            }
        }
    }
    if (mTimeAfterScore > kBestTimeAfterScore)
    {
        ShowElements({"LEV_STAT_BEST_TIME_TEXT", "LEV_STAT_BEST_TIME_VALUE_TEXT", "LEV_STAT_NAME_TEXT"},
                     true);
        UpdateEffect(mBestTimeEffect, dt);
        PlayOnce(mBestTimeShown, "show_text");
    }
    if (mTime > kCupAt)
    {
        if (AniMeshContainer* cup = mCups[mResult].get())
        {
            cup->Update(dt);
        }
        UpdateEffect(mTapeEffect, dt);
        PlayOnce(mCupShown, "show_cup");
    }
    if (mTime > kScoreAt)
    {
        ShowElements({"LEV_STAT_BONUS_TEXT", "LEV_STAT_BONUS_COUNT_TEXT", "LEV_STAT_STAR_ICON"}, true);
        PlayOnce(mBonusShown, "show_text");
        UpdateEffect(mScoreEffect, dt);
    }
    if (mTime > kLevelTimeAt)
    {
        PlayOnce(mLevelTimeShown, "show_text");
        ShowElements({"LEV_STAT_LEVEL_TIME_TEXT", "LEV_STAT_LEVEL_TIME_VALUE_TEXT"}, true);
        UpdateEffect(mLevelTimeEffect, dt);
    }
}

bool LevelStatistics::Update(float dt)
{
    if (mAchievementsLink.mShown && CompletedCount() > 0 && mAchievementsLink.Update())
    {
        ClickLink();
        // The link left the level: this window is no longer the one shown.
        return false;
    }
    mDialog.Update(dt);
    ShowElements({"LEV_STAT_LEVEL_NUM_TEXT"}, true);
    if (mDialog.GetClicked() == kOkButton && !ClickOk())
    {
        return false;
    }
    mTime += dt;
    if (mTime > kCupEffectAt)
    {
        UpdateEffect(mCupEffect, dt);
    }
    if (mSkipped == 0)
    {
        RunShow(dt);
    }
    return true;
}

void LevelStatistics::DrawLink(const Korrin::Vector2& anchor, float alpha)
{
    if (!mAchievementsLink.mShown || mAchievementsLink.mFont == nullptr)
    {
        return;
    }
    const Korrin::Rect area{anchor.x + mLinkRect.left, anchor.y + mLinkRect.top, anchor.x + mLinkRect.right,
                            anchor.y + mLinkRect.bottom};
    Korrin::Colour colour = mAchievementsLink.GetColour();
    colour.alpha = alpha;
    mAchievementsLink.mFont->DrawAlignedScaled(area, mAchievementsLink.mText, kLinkSpacing, 1.0f, 1.0f, 1.0f,
                                               colour, kLinkAlign);
}

void LevelStatistics::Draw()
{
    const GameWindowFrame* frame = mDialog.GetFrame();
    if (frame == nullptr || !mDialog.IsShown())
    {
        return;
    }
    const Korrin::Vector2 anchor = Anchor();
    const float alpha = frame->GetProgress();
    mDialog.Draw();
    if (const Korrin::GuiElement* count = frame->GetByName("LEV_STAT_BONUS_COUNT_TEXT");
        count != nullptr && count->IsVisible())
    {
        SetElementText("LEV_STAT_BONUS_COUNT_TEXT", NumberText(static_cast<std::int64_t>(mScore)));
    }
    DrawEffect(mLevelTimeEffect, kLevelTimeOffset);
    DrawEffect(mScoreEffect, kScoreOffset);
    DrawEffect(mAchievementsEffect, kAchievementsOffset);
    if (AniMeshContainer* cup = mCups[mResult].get())
    {
        cup->Draw(0, static_cast<int>(anchor.x - 55.0f), static_cast<int>(anchor.y - 85.0f), false);
    }
    DrawEffect(mCupEffect, kCupEffectOffset);
    DrawEffect(mTapeEffect, kCupEffectOffset);
    if (mExtraPointsShown != 0)
    {
        if (mExtraPointsText != nullptr && mBonusLeft > 0.0f)
        {
            mExtraPointsText->mCaption = u"+" + NumberText(static_cast<std::int64_t>(mBonusLeft));
            mExtraPointsText->Draw();
        }
        DrawEffect(mExtraPointsEffect, {0.0f, 0.0f});
    }
    DrawLink(anchor, alpha);
    for (const Korrin::Vector2& offset : kBestTimeOffsets)
    {
        DrawEffect(mBestTimeEffect, offset);
    }
}

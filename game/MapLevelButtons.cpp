// The level buttons: their states from the player's progress, and what a click on one starts.
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Mesh.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Butterfly.h"
#include "game/ClipGui.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/ContinueLevelGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/StartNewLevelGui.h"
#include "game/Game/GameInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Map.h"
#include "game/MapShopGui.h"
#include "game/MapWaterShapes.h"
#include "game/Profile.h"
#include "game/Util/AnimatedObject.h"
#include "game/Util/Hint.h"
#include "game/Util/HintManager.h"
#include "game/Util/RotateMesh.h"

#include <algorithm>

namespace
{

constexpr std::uint32_t kAllGoldAchievement = 12;

} // namespace

void Map::ComputeButtonStates()
{
    const GameInfo* info = GameInfo::Peek();
    const std::uint32_t highest = GameInfo::HighestLevelReached();
    const bool finalSeen = FinalClipSeen();
    for (std::uint32_t index = 0; index < mButtons.size(); ++index)
    {
        MapButton& button = *mButtons[index];
        if (index < highest || finalSeen)
        {
            const std::int32_t pass =
                info != nullptr && index < info->passTypes.size() ? info->passTypes[index] : kLevelNotPassed;
            button.state = pass == kLevelPassedGold     ? MapButton::kGold
                           : pass == kLevelPassedSilver ? MapButton::kSilver
                                                        : MapButton::kPassed;
        }
        else if (index == highest)
        {
            button.state = LacksRequiredGoods(index) ? MapButton::kWaitingForGoods : MapButton::kOpen;
        }
        else
        {
            button.state = MapButton::kLocked;
        }
    }
}

std::int32_t Map::GetClickedButton() const
{
    for (std::size_t index = 0; index < mButtons.size(); ++index)
    {
        const MapButton& button = *mButtons[index];
        if (button.mouse == MapButton::kClicked && button.state != MapButton::kLocked)
        {
            return static_cast<std::int32_t>(index);
        }
    }
    return -1;
}

void Map::UpdateAllGold()
{
    const GameInfo* info = GameInfo::Peek();
    AchievementSystem* achievements = AchievementSystem::Peek();
    if (info == nullptr || achievements == nullptr || info->passTypes.empty())
    {
        return;
    }
    const bool allGold = std::all_of(info->passTypes.begin(), info->passTypes.end(),
                                     [](LevelPassType pass) { return pass == kLevelPassedGold; });
    if (allGold)
    {
        achievements->AddProgress(kAllGoldAchievement, 1);
    }
}

void Map::UpdateSparkle(CupSparkle& sparkle, std::size_t button, float dt)
{
    if (sparkle.effect == nullptr)
    {
        return;
    }
    sparkle.delay -= dt;
    if (sparkle.delay >= 0.0f)
    {
        return;
    }
    sparkle.effect->Update(dt);
    if (!sparkle.effect->HasActiveEmitter())
    {
        sparkle.effect->Restart();
        sparkle.delay =
            2.0f + static_cast<float>(mRandom.Next() % 60) / (static_cast<float>(button / 2 + 1) * 60.0f);
    }
}

void Map::UpdateButtons(float dt)
{
    const bool blocked = GameGuiManager::IsAnyShown();
    for (std::size_t index = 0; index < mButtons.size(); ++index)
    {
        MapButton& button = *mButtons[index];
        button.UpdateMouse(blocked);
        if (button.state == MapButton::kGold && index < mCupSparkles[0].size())
        {
            UpdateSparkle(mCupSparkles[0][index], index, dt);
        }
        else if (button.state == MapButton::kSilver && index < mCupSparkles[1].size())
        {
            UpdateSparkle(mCupSparkles[1][index], index, dt);
        }
    }
}

bool Map::ClickLevel(std::int32_t level)
{
    Korrin::PlaySoundOnce("click_button");
    Profile* profile = Profile::Peek();
    if (profile != nullptr)
    {
        profile->mapHint = 1;
    }
    const auto index = static_cast<std::uint32_t>(level);
    if (index == GameInfo::HighestLevelReached() && LacksRequiredGoods(index))
    {
        if (mShop != nullptr)
        {
            mShop->SetActive(true);
        }
        return true;
    }
    GameGuiManager* windows = GameGuiManager::Current();
    auto* start = windows != nullptr
                      ? dynamic_cast<StartNewLevelGui*>(windows->Get(StartNewLevelGui::kWindowId))
                      : nullptr;
    PrepareStoryClip(level, start);
    if (profile != nullptr)
    {
        profile->levelInPlay = level;
    }
    if (windows == nullptr)
    {
        return false;
    }
    OpenLevelWindow(*windows, start, level);
    if (mMenuButtons != nullptr)
    {
        mMenuButtons->SetDisabled(true);
    }
    return false;
}

std::int32_t Map::StoryClipBefore(std::uint32_t level)
{
    const Profile* profile = Profile::Peek();
    std::int32_t clip = StartNewLevelGui::kNoClip;
    for (const StoryLevel& story : kStoryLevels)
    {
        if (story.level == level && profile != nullptr && profile->storyStage < story.stageBelow)
        {
            clip = story.clip;
        }
    }
    return clip;
}

void Map::PrepareStoryClip(std::int32_t level, StartNewLevelGui* start)
{
    // Both clip fields are written on every click, so that a cancelled start cannot leave a clip (and
    // its level) for the next one.
    const std::int32_t clip = StoryClipBefore(static_cast<std::uint32_t>(level));
    if (start != nullptr)
    {
        start->SetClip(clip);
    }
    if (ClipGui* clips = ClipGui::Peek())
    {
        clips->levelToStart = clip != StartNewLevelGui::kNoClip ? level + 1 : ClipGui::kNoLevel;
    }
}

void Map::OpenLevelWindow(GameGuiManager& windows, StartNewLevelGui* start, std::int32_t level)
{
    const auto index = static_cast<std::uint32_t>(level);
    Profile* profile = Profile::Peek();
    if (profile == nullptr || profile->GetSavedGameLevel() < 0)
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("_GetMain().GetGameGuiManager()->Get(GMT_START_LEVEL) %i", level);
        }
        if (start != nullptr)
        {
            start->SetLevelIndex(index);
        }
        windows.Show(StartNewLevelGui::kWindowId);
        return;
    }
    if (auto* resume = dynamic_cast<ContinueLevelGui*>(windows.Get(ContinueLevelGui::kWindowId)))
    {
        resume->SetLevelIndex(index);
    }
    windows.Show(ContinueLevelGui::kWindowId);
}

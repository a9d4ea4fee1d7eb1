#include "game/GUI/GameEnding.h"

#include "game/ClipGui.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/WindowDialog.h"
#include "game/Game/GameInfo.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Main.h"
#include "game/Profile.h"

bool GameEnding::IsDue(std::uint16_t levelNumber)
{
    const Profile* profile = Profile::Peek();
    return levelNumber == kLastLevel && profile != nullptr && profile->storyStage < kFinalStage;
}

void GameEnding::RecordWin()
{
    if (const LevelTaskInfo* task = LevelTaskInfo::Peek(); task != nullptr && task->level >= 1)
    {
        if (GameInfo* info = GameInfo::Peek())
        {
            info->SetLevelPassType(task->RateTime(), task->level - 1u);
        }
    }
    if (Profile* profile = Profile::Peek())
    {
        profile->levelInPlay = kLastLevel - 1;
        profile->DeleteSavedGame();
    }
}

void GameEnding::Start()
{
    if (ClipGui* clips = ClipGui::Peek())
    {
        clips->levelToStart = ClipGui::kNoLevel;
        clips->StartClip(kFinalClip);
    }
    Profile* profile = Profile::Peek();
    if (profile != nullptr)
    {
        profile->SetStoryStage(kFinalStage);
    }
    if (AchievementSystem* achievements = AchievementSystem::Peek())
    {
        achievements->AddProgress(kNewLevelAchievement, 1);
    }
    WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
    if (Main* main = Main::Peek())
    {
        main->SetCurrent(Main::kScriptMovieScreen);
    }
    if (profile != nullptr)
    {
        profile->SaveAll();
    }
}

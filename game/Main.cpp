#include "game/Main.h"

#include "engine/App/TimerManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Render/TextureManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/GameInfo.h"
#include "game/Game/TableCost.h"
#include "game/LevelLoadScreen.h"
#include "game/MainLoadScreen.h"
#include "game/Util/HintManager.h"
#include "platform/Process.h"

namespace
{
constexpr const char* kSource = "Source\\Main";
} // namespace

Main::Main()
    : mTableCost(std::make_unique<TableCost>()), mGameInfo(std::make_unique<GameInfo>()),
      mAchievements(std::make_unique<AchievementSystem>()), mGuiManager(std::make_unique<GameGuiManager>()),
      mHintManager(std::make_unique<HintManager>()), mEducationSlot(std::make_unique<EducationSlot>())
{
    TableCost::BuildLevelTables();
}

Main::~Main()
{
    mTableCost.reset();
    mGameInfo.reset();
    mGuiManager.reset();
    mHintManager.reset();
    mAchievements.reset();
    mEducationSlot.reset();
    TableCost::FreeLevelTables();
}

std::unique_ptr<LoadProgress> Main::MakeLevelLoadScreen()
{
    return std::make_unique<LevelLoadScreen>();
}

Main& _GetMain()
{
    Main* main = Main::Peek();
    if (main == nullptr)
    {
        Korrin::ReportAndBreak("Main::mSingleton==NULL", Korrin::kGameModule, kSource, 24);
        // There is no screen manager to go on with, even past a debugger.
        Platform::Process::EndNow(-1);
    }
    return *main;
}

void Main::Load()
{
    MainLoadScreen loading;
    loading.Load();
    loading.ShowProgress(0.0f);
    loading.ShowProgress(0.05f);
    loading.ShowProgress(0.2f);
    // Most of what follows is pictures that the main menu does not show (the windows, the level, the
    // map): they are decoded alongside, and all of them are made before the menu's first frame.
    Korrin::TextureManager* textures = Korrin::TextureManager::Peek();
    if (textures != nullptr)
    {
        textures->StartDecoding();
    }
    if (mHintManager)
    {
        mHintManager->Load();
    }
    if (mAchievements)
    {
        mAchievements->Init();
    }
    loading.ShowProgress(0.3f);
    if (mGuiManager)
    {
        mGuiManager->Init();
    }
    loading.ShowProgress(0.5f);
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    mMusic = sounds != nullptr ? sounds->GetSound("MainMenu") : nullptr;
    NamedObjectContainer::InitAll();
    loading.ShowProgress(0.7f);
    CacheList();
    loading.ShowProgress(1.0f);
    loading.Release();
    if (textures != nullptr)
    {
        textures->FinishDecoding();
    }
}

void Main::CacheList()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    Korrin::LuaScript script;
    script.LoadFile(kCacheList, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue list = script.GetGlobal("List");
    std::vector<std::string> pictures;
    list.ForEachEntry(
        [&pictures](const LuaValue& /*key*/, const LuaValue& value)
        {
            if (value.IsString())
            {
                pictures.push_back(value.ToString());
            }
        });
    // The sprites stay in the sprite manager's list, which keeps their pictures loaded for good.
    for (const std::string& picture : pictures)
    {
        if (sprites != nullptr)
        {
            sprites->CreateSprite(picture);
        }
    }
}

void Main::ResetAll()
{
    if (mGuiManager)
    {
        mGuiManager->Reset();
    }
    if (mHintManager)
    {
        mHintManager->ResetState();
    }
    NamedObjectContainer::ResetAll();
}

void Main::SetCurrent(std::uint16_t index)
{
    if (index >= Count())
    {
        Korrin::ReportAndBreak("Main::SetCurrent", Korrin::kGameModule, kSource, 114);
        return;
    }
    Korrin::LogManager::GetInstance()->Write("SetCurrent %i", static_cast<int>(index));
    if (mCurrent < Count())
    {
        GetByIndex(mCurrent)->SetActive(false);
    }
    mCurrent = index;
    Blank* screen = GetByIndex(mCurrent);
    screen->Reset();
    screen->SetActive(true);
    Korrin::TimerManager::GetInstance()->Reset();
}

bool Main::UpdateList(float dt)
{
    if (mCurrent >= Count())
    {
        Korrin::ReportAndBreak("Main::UpdateList", Korrin::kGameModule, kSource, 162);
        return true;
    }
    if (mEducationSlot)
    {
        const Korrin::TimerManager* timer = Korrin::TimerManager::Peek();
        mEducationSlot->Update(mCurrent, timer != nullptr ? timer->GetDelta() : dt);
    }
    if (mHintManager)
    {
        mHintManager->Update(dt);
    }
    const bool result = GetByIndex(mCurrent)->Update(dt);
    if (mGuiManager && !mGuiManager->Update(dt))
    {
        return false;
    }
    return result;
}

void Main::DrawList()
{
    if (mCurrent >= Count())
    {
        Korrin::ReportAndBreak(" Main::DrawList", Korrin::kGameModule, kSource, 186);
        return;
    }
    GetByIndex(mCurrent)->Draw();
    if (mGuiManager)
    {
        mGuiManager->Draw();
    }
    if (mHintManager)
    {
        mHintManager->Draw();
    }
}

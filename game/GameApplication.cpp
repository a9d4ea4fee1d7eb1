#include "game/GameApplication.h"

#include "engine/App/TimerManager.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/ClipGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/MainMenu.h"
#include "game/Game/Game.h"
#include "game/GameGlobals.h"
#include "game/Main.h"
#include "game/Map.h"
#include "platform/Services.h"

GameApplication::GameApplication() = default;

GameApplication::~GameApplication() = default;

void GameApplication::PreInit()
{
    Korrin::LogManager::GetInstance()->Open(Korrin::LogManager::kDefaultLog, Korrin::LogManager::kDefaultLog);
    MountDataFolders();
}

void GameApplication::MountDataFolders()
{
    Korrin::FileSysManager* files = Korrin::FileSysManager::GetInstance();
    if (files == nullptr)
    {
        return;
    }
    files->AddDirectory("media");

    Korrin::LuaScript config;
    config.LoadFile("config.cfg", Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(config.GetState());
    config.GetGlobal("FileSysLocal")
        .ForEachElement(
            [files](int, const LuaValue& folder)
            {
                if (folder.IsString())
                {
                    files->AddDirectory(folder.ToString());
                }
            });

    std::string folders;
    for (const std::string& folder : files->GetSearchFolders())
    {
        folders += (folders.empty() ? "" : ", ") + folder;
    }
    Korrin::LogManager::GetInstance()->Write("Data folder %s, search folders: %s",
                                             files->GetStartFolder().c_str(), folders.c_str());
}

bool GameApplication::Init()
{
    if (Korrin::LocaleManager* texts = Korrin::LocaleManager::GetInstance())
    {
        texts->Load("strings.xml");
    }
    GameGlobals::quit = false;
    mMain = std::make_unique<Main>();
    CreateScreens();
    mStarted = false;
    if (Korrin::SoundManager* sounds = Korrin::SoundManager::GetInstance())
    {
        sounds->LoadScript("audiolist1.audio", "audiolist1");
    }
    return true;
}

void GameApplication::CreateScreens()
{
    mMain->Add("Game", new Game(), true);
    mMain->Add("Map", new Map(), true);
    mMain->Add("MainMenu", new MainMenu(), true);
    mMain->Add("ScriptMoview", new ClipGui(), true);
}

void GameApplication::Shutdown()
{
    mMain.reset();
}

void GameApplication::Render()
{
    if (mMain)
    {
        mMain->DrawList();
    }
    PresentFrame(false);
}

void GameApplication::PresentFrame(bool /*noCursor*/) {}

bool GameApplication::Update()
{
    const float dt = Korrin::TimerManager::GetInstance()->GetDelta();
    if (!mStarted)
    {
        StartFirstFrame();
    }
    PauseWhenInactive();
    if (GameGlobals::quit)
    {
        return false;
    }
    return UpdateScreens(dt);
}

void GameApplication::StartFirstFrame()
{
    mStarted = true;
    if (mMain)
    {
        mMain->Load();
        mMain->ResetAll();
        mMain->SetCurrent(Main::kMainMenuScreen);
        StartMenuMusic();
    }
}

void GameApplication::StartMenuMusic()
{
    Korrin::SoundManager* sounds = Korrin::SoundManager::GetInstance();
    Korrin::Sound* music = sounds != nullptr ? sounds->GetSound("MainMenu") : nullptr;
    mMain->SetMusic(music);
    if (music != nullptr)
    {
        music->Play(true);
    }
}

void GameApplication::PauseWhenInactive()
{
    GameGuiManager* windows = mMain ? mMain->GetGameGuiManager() : nullptr;
    if (!IsActive() && windows != nullptr && windows->GetRequested() == GameGuiManager::kNoWindow &&
        mMain->GetCurrent() == Main::kGameScreen)
    {
        windows->Show(GameGuiManager::kGameMenu);
    }
}

bool GameApplication::UpdateScreens(float dt)
{
    if (!mMain)
    {
        return true;
    }
    for (int attempt = 0; attempt < kMaxScreenUpdatesPerFrame; ++attempt)
    {
        if (GameGlobals::quit)
        {
            return false;
        }
        if (mMain->UpdateList(dt))
        {
            return true;
        }
    }
    if (GameGlobals::quit)
    {
        return false;
    }
    Korrin::LogManager::GetInstance()->Write(
        "GameApplication::Update: the screens asked %d times in one frame to "
        "be updated again; the frame goes on",
        kMaxScreenUpdatesPerFrame);
    return true;
}

std::intptr_t GameApplication::WndProc(Platform::WindowHandle window, std::uint32_t message,
                                       std::uintptr_t first, std::intptr_t second)
{
    if (message == Platform::MessageCode::Create)
    {
        Platform::Services::Current().Window().InvalidateWindow(window);
    }
    else if (message == Platform::MessageCode::SysCommand && second == Platform::SysCommandCode::AltEnter)
    {
        ResetDevice(!IsWindowed());
    }
    return Korrin::Application::WndProc(window, message, first, second);
}

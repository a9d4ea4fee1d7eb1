#include "game/GameApplication.h"

#include "engine/App/InputManager.h"
#include "engine/App/TimerManager.h"
#include "engine/File/FileSysManager.h"
#include "engine/Gui/CursorManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Render/TextureManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "game/ClipGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/Game.h"
#include "game/LogoScreen.h"
#include "game/Main.h"
#include "game/MainMenu.h"
#include "game/Map.h"
#include "game/Profile.h"
#include "game/Util/GameGlobals.h"
#include "platform/Services.h"

GameApplication::GameApplication()
{
    // The log goes to the working folder, beside the error report and the crash dump.
    SetLogFile(Korrin::LogManager::kDefaultLog);
}

GameApplication::~GameApplication() = default;

void GameApplication::PreInit()
{
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
    if (!config.GetGlobal("FileSysLocal").IsTable())
    {
        config.LogFault("no table \"FileSysLocal\"; only \"media\" is searched");
    }
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
    CreateFrameSprites();
    SetUpCursor();
    mMain = std::make_unique<Main>();
    CreateScreens();
    mLogo = std::make_unique<LogoScreen>();
    mLogo->Init();
    mLogo->Reset();
    mStarted = false;
    // The sounds first, so that the player's volumes reach every one of them from the first frame on.
    if (Korrin::SoundManager* sounds = Korrin::SoundManager::GetInstance())
    {
        sounds->LoadScript("audiolist1.audio", "audiolist1");
    }
    if (Profile* profile = Profile::Peek())
    {
        profile->LoadUserList(false);
        profile->LoadSettings(true);
    }
    if (Korrin::RenderSystem* render = Korrin::RenderSystem::GetInstance())
    {
        render->SetClearColour(Korrin::Colour{0.0f, 0.0f, 0.0f, 0.0f});
    }
    return true;
}

void GameApplication::CreateFrameSprites()
{
    Korrin::TextureManager* textures = Korrin::TextureManager::GetInstance();
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::GetInstance();
    if (textures == nullptr || sprites == nullptr)
    {
        return;
    }
    mRenderTexture = textures->CreateRenderTexture("RenderTexture");
    mFrameSprite = sprites->CreateSprite(Korrin::Sprite::kNoImage);
    if (mRenderTexture != nullptr)
    {
        mFrameSprite->SetTexture(mRenderTexture);
    }
    mTopBorder = sprites->CreateSprite("topborder.jpg");
    mTopBorder->SetSrcRect(0, 0, 1024, 60);
    mLeftBorder = sprites->CreateSprite("leftborder.jpg");
    mLeftBorder->SetSrcRect(0, 0, 170, 768);
}

void GameApplication::SetUpCursor()
{
    Korrin::CursorManager* cursor = Korrin::CursorManager::GetInstance();
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::GetInstance();
    if (cursor == nullptr || sprites == nullptr)
    {
        return;
    }
    Korrin::AnimatedSprite* picture = sprites->CreateAnimatedSprite("cursor.png");
    cursor->SetCursorSprite(picture);
    cursor->SetHotSpot(0.0f, 0.0f);
    cursor->SetDeviceCursor();
    picture->SetSrcRect(0, 0, kCursorPictureSize, kCursorPictureSize);
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
    if (Profile* profile = Profile::Peek(); profile != nullptr && mStarted)
    {
        profile->SaveAll();
        profile->SaveGame();
    }
    mMain.reset();
    mLogo.reset();
}

void GameApplication::Render()
{
    if (Korrin::RenderSystem* render = Korrin::RenderSystem::GetInstance())
    {
        render->BeginScene(GetFrameTarget());
    }
    if (mLogo && mLogo->IsRunning())
    {
        mLogo->Draw();
    }
    else if (mMain)
    {
        mMain->DrawList();
    }
    PresentFrame(false);
}

void GameApplication::FrameShown()
{
    if (mMenuShown || !mMain || !mStarted || mMain->GetCurrent() != Main::kMainMenuScreen)
    {
        return;
    }
    // The end of the start-up as the player sees it; bench/startup.sh times the launch to this line.
    mMenuShown = true;
    Korrin::LogManager::GetInstance()->Write("Main menu shown: its first frame is presented");
}

Korrin::Texture* GameApplication::GetFrameTarget() const
{
    return DrawsStraightIntoBackBuffer() ? nullptr : mRenderTexture;
}

bool GameApplication::DrawsStraightIntoBackBuffer() const
{
    const Korrin::RenderSystem* render = Korrin::RenderSystem::Peek();
    return render != nullptr && mRenderTexture != nullptr && render->GetScreenWidth() == kVirtualWidth &&
           render->GetScreenHeight() == kVirtualHeight && static_cast<int>(render->GetBorderX()) == 0 &&
           static_cast<int>(render->GetBorderY()) == 0;
}

void GameApplication::PresentFrame(bool noCursor)
{
    Korrin::RenderSystem* render = Korrin::RenderSystem::GetInstance();
    if (render == nullptr)
    {
        return;
    }
    // Drawn straight into the back buffer, the frame only wants its cursor on top.
    const bool straight = DrawsStraightIntoBackBuffer();
    if (!straight)
    {
        render->EndScene();
    }
    if (mRenderTexture == nullptr || render->GetScreenWidth() == 0 || render->GetScreenHeight() == 0)
    {
        render->EndScene();
        return;
    }
    const float virtualWidth = static_cast<float>(kVirtualWidth);
    const float virtualHeight = static_cast<float>(kVirtualHeight);
    const float scaleX = virtualWidth / static_cast<float>(render->GetScreenWidth());
    const float scaleY = virtualHeight / static_cast<float>(render->GetScreenHeight());
    // The bars' widths in virtual units, from whole screen pixels.
    const float borderX = static_cast<float>(static_cast<int>(render->GetBorderX())) * scaleX;
    const float borderY = static_cast<float>(static_cast<int>(render->GetBorderY())) * scaleY;

    if (!straight)
    {
        render->BeginScene(nullptr);
        if (mStarted)
        {
            DrawBorders(borderX, borderY, scaleX, scaleY);
        }
        mFrameSprite->DrawScale(static_cast<int>(borderX), static_cast<int>(borderY),
                                static_cast<int>(virtualWidth - 2.0f * borderX),
                                static_cast<int>(virtualHeight - 2.0f * borderY));
    }
    if (GameGlobals::prettyCursor && !noCursor)
    {
        DrawCursor(*render, borderX, borderY, scaleX, scaleY);
    }
    render->EndScene();
}

void GameApplication::DrawCursor(Korrin::RenderSystem& render, float borderX, float borderY, float scaleX,
                                 float scaleY)
{
    const Korrin::CursorManager* cursor = Korrin::CursorManager::Peek();
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    if (cursor == nullptr || cursor->GetCursorSprite() == nullptr || input == nullptr)
    {
        return;
    }
    // The pointer on the virtual screen, then where that point of the frame lies in the back buffer.
    const Korrin::Vector2 pointer = *render.WindowToVirtual(Korrin::Vector2{input->GetX(), input->GetY()});
    const float screenWidth = static_cast<float>(render.GetScreenWidth());
    const float screenHeight = static_cast<float>(render.GetScreenHeight());
    const float pixelBorderX = static_cast<float>(static_cast<int>(render.GetBorderX()));
    const float pixelBorderY = static_cast<float>(static_cast<int>(render.GetBorderY()));
    const float x = borderX + pointer.x * (screenWidth - 2.0f * pixelBorderX) / screenWidth;
    const float y = borderY + pointer.y * (screenHeight - 2.0f * pixelBorderY) / screenHeight;
    cursor->GetCursorSprite()->DrawScale(static_cast<int>(x), static_cast<int>(y),
                                         static_cast<int>(static_cast<float>(kCursorSize) * scaleX),
                                         static_cast<int>(static_cast<float>(kCursorSize) * scaleY));
}

void GameApplication::DrawBorders(float borderX, float borderY, float scaleX, float scaleY)
{
    const float virtualWidth = static_cast<float>(kVirtualWidth);
    const float virtualHeight = static_cast<float>(kVirtualHeight);
    if (borderY > 0.0f)
    {
        const int height = static_cast<int>(60.0f * scaleY);
        mTopBorder->SetMirrorV(true);
        mTopBorder->SetSrcRect(0, 0, 1024, 60);
        mTopBorder->DrawScale(0, static_cast<int>(borderY - 60.0f * scaleY), kVirtualWidth, height);
        mTopBorder->SetMirrorV(false);
        mTopBorder->SetSrcRect(0, 0, 1024, 60);
        mTopBorder->DrawScale(0, static_cast<int>(borderY + (virtualHeight - 2.0f * borderY)), kVirtualWidth,
                              height);
    }
    else if (borderX > 0.0f)
    {
        const int width = static_cast<int>(170.0f * scaleX);
        mLeftBorder->SetMirrorH(true);
        mLeftBorder->SetSrcRect(0, 0, 170, 768);
        mLeftBorder->DrawScale(static_cast<int>(borderX - 170.0f * scaleX), 0, width, kVirtualHeight);
        mLeftBorder->SetMirrorH(false);
        mLeftBorder->SetSrcRect(0, 0, 170, 768);
        mLeftBorder->DrawScale(static_cast<int>(borderX + (virtualWidth - 2.0f * borderX)), 0, width,
                               kVirtualHeight);
    }
}

bool GameApplication::Update()
{
    const bool goOn = UpdateFrame();
    ReleaseHeldMessages();
    return goOn;
}

bool GameApplication::UpdateFrame()
{
    const float dt = Korrin::TimerManager::GetInstance()->GetDelta();
    if (mLogo && mLogo->IsRunning())
    {
        mLogo->Update(dt);
        return true;
    }
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

GameApplication* GameApplication::GetCurrentGame()
{
    return dynamic_cast<GameApplication*>(Korrin::Application::GetCurrent());
}

void GameApplication::PumpWindowMessages()
{
    Platform::WindowSystem& windows = Platform::Services::Current().Window();
    Platform::Message message;
    while (windows.PeekMessage(message))
    {
        switch (message.code)
        {
        case Platform::MessageCode::Close:
            mCloseHeld = true;
            break;
        case Platform::MessageCode::Destroy:
            mDestroyHeld = true;
            break;
        case Platform::MessageCode::Quit:
            mQuitHeld = true;
            mQuitCode = static_cast<int>(message.first);
            break;
        case Platform::MessageCode::Paint:
            // The loading screen draws every pass itself; a paint would draw the screens mid-load.
            break;
        default:
            windows.DispatchMessage(message);
            break;
        }
    }
}

void GameApplication::ReleaseHeldMessages()
{
    if (!HasHeldMessages())
    {
        return;
    }
    Platform::WindowSystem& windows = Platform::Services::Current().Window();
    if (mDestroyHeld)
    {
        windows.DestroyWindow(GetWindow());
    }
    else if (mCloseHeld)
    {
        windows.RequestClose();
    }
    if (mQuitHeld)
    {
        windows.PostQuitMessage(mQuitCode);
    }
    mCloseHeld = false;
    mDestroyHeld = false;
    mQuitHeld = false;
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
        // The player's display mode follows the switch, so that the next Alt+Enter switches back.
        Profile* profile = Profile::Peek();
        const bool windowed = profile != nullptr ? profile->displayMode == 0 : !IsWindowed();
        ResetDevice(windowed);
        if (profile != nullptr)
        {
            profile->displayMode = windowed ? 1 : 0;
        }
    }
    return Korrin::Application::WndProc(window, message, first, second);
}

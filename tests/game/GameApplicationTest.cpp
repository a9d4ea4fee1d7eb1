#include "game/GameApplication.h"

#include "engine/Log/LogManager.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/ExitGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"
#include "game/Profile.h"
#include "game/Util/GameGlobals.h"
#include "platform/FixedStepClock.h"
#include "platform/Folders.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ScriptedInput.h"
#include "platform/Services.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <utility>
#include <vector>

namespace
{

// The game's application with a probe on its frames and its shutdown.
class ProbeGame : public GameApplication
{
public:
    std::function<void(int frame)> beforeUpdate = [](int) {};
    // The window is closed after this frame's update (0: never).
    int closeAfter = 0;
    int frames = 0;
    int shutdowns = 0;
    bool mainExistedAtShutdown = false;
    std::uint16_t currentAtShutdown = 99;
    bool mainDeletedDuringUpdate = false;

    bool Update() override
    {
        beforeUpdate(++frames);
        const bool result = GameApplication::Update();
        mainDeletedDuringUpdate = mainDeletedDuringUpdate || GetMain() == nullptr;
        if (frames == closeAfter)
        {
            Platform::Services::Current().Window().RequestClose();
        }
        return result;
    }

    void Shutdown() override
    {
        ++shutdowns;
        mainExistedAtShutdown = GetMain() != nullptr;
        currentAtShutdown = GetMain() != nullptr ? GetMain()->GetCurrent() : 99;
        GameApplication::Shutdown();
    }
};

// What a test screen saw; kept by the test, since the screen goes with the screen manager.
struct ScreenJournal
{
    int updates = 0;
    float lastDt = -1.0f;
};

// A screen that asks for the update to run again a fixed number of times (or always, when negative).
class InsistentScreen : public Blank
{
public:
    InsistentScreen(int refusals, ScreenJournal& journal) : mRefusals(refusals), mJournal(journal) {}
    void Init() override {}
    void Reset() override {}
    bool Update(float dt) override
    {
        ++mJournal.updates;
        mJournal.lastDt = dt;
        return mRefusals >= 0 && mJournal.updates > mRefusals;
    }
    void Draw() override {}

private:
    int mRefusals;
    ScreenJournal& mJournal;
};

// Clicks at frames 1 and 3 skip the two sample logos; frame 4 loads the game and shows the main menu.
constexpr int kFirstMenuFrame = 4;

class GameApplicationTest : public testing::Test
{
protected:
    GameApplicationTest()
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(),
                    std::make_unique<Platform::FixedStepClock>())
    {
        TestSupport::ReportRecorder::Clear();
        auto script = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        EXPECT_TRUE(script->Parse("1 click left\n3 click left\n", error)) << error;
        mServices.SetScriptedInput(std::move(script));
        // The game reads "config.cfg" and "strings.xml" from the sample data the build made.
        Platform::Folders::SetDataFolder(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
    }
    ~GameApplicationTest() override { Platform::Folders::SetDataFolder(""); }

    // Puts a screen of the test's in place of the main menu, which the first frame makes current.
    void ReplaceMainMenu(int refusals)
    {
        Main* main = mGame.GetMain();
        mReplacedMenu.reset(main->Find("MainMenu"));
        main->Replace("MainMenu", new InsistentScreen(refusals, mJournal));
    }

    Platform::Services mServices;
    ProbeGame mGame;
    ScreenJournal mJournal;
    std::unique_ptr<Blank> mReplacedMenu;
};

TEST_F(GameApplicationTest, TheFirstFrameAfterTheLogosLoadsMainAndShowsTheMainMenu)
{
    mGame.closeAfter = kFirstMenuFrame + 1;
    std::uint16_t current = 99;
    bool startedDuringLogos = true;
    mGame.beforeUpdate = [&](int frame)
    {
        if (frame == kFirstMenuFrame)
        {
            startedDuringLogos = mGame.IsStarted();
        }
        if (frame == kFirstMenuFrame + 1)
        {
            current = mGame.GetMain()->GetCurrent();
        }
    };
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    EXPECT_FALSE(startedDuringLogos);
    EXPECT_EQ(current, Main::kMainMenuScreen);
    EXPECT_TRUE(mGame.IsStarted());
    EXPECT_EQ(mGame.shutdowns, 1);
    EXPECT_EQ(mGame.GetMain(), nullptr) << "shutdown deletes the screen manager";
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}

TEST_F(GameApplicationTest, TheFirstFrameStartsTheMenuMusicLooping)
{
    mGame.closeAfter = kFirstMenuFrame + 1;
    Korrin::Sound* music = nullptr;
    Korrin::Sound* menu = nullptr;
    bool playing = false;
    mGame.beforeUpdate = [&](int frame)
    {
        if (frame == kFirstMenuFrame + 1)
        {
            music = mGame.GetMain()->GetMusic();
            menu = Korrin::SoundManager::GetInstance()->GetSound("MainMenu");
            playing = music != nullptr && music->IsPlaying();
        }
    };
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    ASSERT_NE(menu, nullptr) << "the game's sound list is loaded";
    EXPECT_EQ(music, menu);
    EXPECT_TRUE(playing);
}

TEST_F(GameApplicationTest, ThePlayersVolumesReachEverySoundInTheFirstFrame)
{
    // The stored player's settings: effects 0.5, music 0.25 (the sound list's own volumes are 0.7 to 0.9).
    TestSupport::TempFolder saves("volumes");
    for (const char* name : {"Users.dat", "Save2_1.dat"})
    {
        std::filesystem::copy_file(std::filesystem::path(WF_FIXTURES_DIR) / "saves" / name,
                                   std::filesystem::path(saves.Path()) / name);
    }
    Platform::Folders::SetSaveFolder(saves.Path());
    Profile profile;
    mGame.closeAfter = 1;
    std::vector<std::pair<std::string, float>> volumes;
    mGame.beforeUpdate = [&](int)
    {
        Korrin::SoundManager* sounds = Korrin::SoundManager::GetInstance();
        for (const char* name : {"click_button", "show_window", "MainMenu", "Track1"})
        {
            const Korrin::Sound* sound = sounds->GetSound(name);
            volumes.emplace_back(name, sound != nullptr ? sound->GetTypeVolume() : -1.0f);
        }
    };
    mGame.Run(GameApplication::kCaption, true);
    Platform::Folders::SetSaveFolder("");
    EXPECT_EQ(volumes,
              (std::vector<std::pair<std::string, float>>{
                  {"click_button", 0.5f}, {"show_window", 0.5f}, {"MainMenu", 0.25f}, {"Track1", 0.25f}}));
}

TEST_F(GameApplicationTest, ConfirmingTheExitWindowEndsTheFrameThenShutsDownOnce)
{
    mGame.beforeUpdate = [&](int frame)
    {
        if (frame == kFirstMenuFrame + 1)
        {
            GameGuiManager* windows = mGame.GetMain()->GetGameGuiManager();
            windows->Show(GameGuiManager::kExit);
            static_cast<ExitGui*>(windows->Get(GameGuiManager::kExit))->Confirm();
        }
    };
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    EXPECT_EQ(mGame.frames, kFirstMenuFrame + 1);
    EXPECT_FALSE(mGame.mainDeletedDuringUpdate) << "nothing is deleted under the exit window's update";
    EXPECT_EQ(mGame.shutdowns, 1);
    EXPECT_TRUE(mGame.mainExistedAtShutdown);
    EXPECT_TRUE(GameGlobals::quit);
    EXPECT_EQ(mServices.Window().MainWindow(), 0u);
    GameGlobals::quit = false;
}

TEST_F(GameApplicationTest, AScreenUpdateRefusedTwiceRunsAgainWithTheSameDt)
{
    mGame.closeAfter = kFirstMenuFrame + 1;
    mGame.beforeUpdate = [&](int frame)
    {
        if (frame == 1)
        {
            ReplaceMainMenu(2);
        }
    };
    mGame.Run(GameApplication::kCaption, true);
    EXPECT_EQ(mJournal.updates, 3 + 1);
    EXPECT_EQ(mJournal.lastDt, 1.0f / 60) << "the frame after the first is a whole step";
}

TEST_F(GameApplicationTest, AScreenThatAlwaysRefusesCannotHoldTheGameInOneFrame)
{
    Korrin::LogManager* log = nullptr;
    mGame.closeAfter = kFirstMenuFrame + 2;
    mGame.beforeUpdate = [&](int frame)
    {
        if (frame == 1)
        {
            log = Korrin::LogManager::GetInstance();
            log->Open("log.log", "insistent.log");
            ReplaceMainMenu(-1);
        }
    };
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    EXPECT_EQ(mGame.frames, kFirstMenuFrame + 2) << "the frames went on";
    EXPECT_EQ(mJournal.updates, 3 * GameApplication::kMaxScreenUpdatesPerFrame);
    std::ifstream file("insistent.log");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("asked 32 times in one frame"), std::string::npos) << text.str();
}

TEST_F(GameApplicationTest, AWindowClosedDuringTheLoadingScreenShutsDownOnceTheLoadIsOver)
{
    // The frame limit closes the window at the loading screen's sixth frame, inside Main::Load.
    mServices.SetFrameLimit(kFirstMenuFrame + 6);
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    EXPECT_EQ(mGame.frames, kFirstMenuFrame) << "no frame after the one that loaded";
    EXPECT_EQ(mGame.shutdowns, 1);
    EXPECT_TRUE(mGame.mainExistedAtShutdown);
    EXPECT_EQ(mGame.currentAtShutdown, Main::kMainMenuScreen) << "the load and the first frame finished";
    EXPECT_FALSE(mGame.mainDeletedDuringUpdate);
    EXPECT_FALSE(mGame.HasHeldMessages());
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}

TEST_F(GameApplicationTest, AltEnterSwitchesTheDisplayModeAndReachesTheEngine)
{
    bool windowedAfter = true;
    std::uint32_t styleAfter = 0;
    mGame.beforeUpdate = [&](int frame)
    {
        if (frame == 1)
        {
            mServices.Window().PostMessage(mGame.GetWindow(), Platform::MessageCode::SysCommand,
                                           Platform::SysCommandCode::KeyMenu,
                                           Platform::SysCommandCode::AltEnter);
        }
        else if (frame == 2)
        {
            windowedAfter = mGame.IsWindowed();
            styleAfter = mServices.Window().Style();
            mServices.Window().RequestClose();
        }
    };
    mGame.Run(GameApplication::kCaption, true);
    EXPECT_FALSE(windowedAfter);
    EXPECT_EQ(styleAfter, Platform::WindowStyle::FullScreen);
}

} // namespace

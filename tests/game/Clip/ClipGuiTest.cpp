#include "game/ClipGui.h"

#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "game/ClipText.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/Game.h"
#include "game/GameApplication.h"
#include "game/Main.h"
#include "platform/FixedStepClock.h"
#include "platform/Folders.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ScriptedInput.h"
#include "platform/Services.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace
{

// The game's application with a step run before chosen frames' updates and a look after them.
class ProbeGame : public GameApplication
{
public:
    std::map<int, std::function<void()>> before;
    std::map<int, std::function<void()>> after;
    int closeAfter = 0;
    int frames = 0;

    bool Update() override
    {
        ++frames;
        if (const auto step = before.find(frames); step != before.end())
        {
            step->second();
        }
        const bool result = GameApplication::Update();
        if (const auto look = after.find(frames); look != after.end())
        {
            look->second();
        }
        if (frames >= closeAfter)
        {
            Platform::Services::Current().Window().RequestClose();
        }
        return result;
    }
};

// The main menu shows from frame 4, after the logos are clicked away.
constexpr int kMenuFrame = 5;

// The cut-scene screen in the game's own application, headless, on the sample data.
class ClipGuiTest : public testing::Test
{
protected:
    ClipGuiTest()
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(),
                    std::make_unique<Platform::FixedStepClock>())
    {
        TestSupport::ReportRecorder::Clear();
        auto script = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        EXPECT_TRUE(script->Parse("1 click left\n3 click left\n", error)) << error;
        mServices.SetScriptedInput(std::move(script));
        Platform::Folders::SetDataFolder(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
        mSaves = std::filesystem::current_path() / "clip-gui-saves";
        std::filesystem::remove_all(mSaves);
        Platform::Folders::SetSaveFolder(mSaves.string());
    }
    ~ClipGuiTest() override
    {
        Platform::Folders::SetDataFolder("");
        Platform::Folders::SetSaveFolder("");
        std::filesystem::remove_all(mSaves);
    }

    static ClipGui& Clips() { return *ClipGui::GetInstance(); }
    static GameGuiManager& Windows() { return *_GetMain().GetGameGuiManager(); }

    // Starts a clip as its callers do: the clip, then screen 3.
    static void Start(std::int32_t clip, std::int32_t level)
    {
        Windows().Show(GameGuiManager::kNoWindow);
        Clips().levelToStart = level;
        Clips().StartClip(clip);
        _GetMain().SetCurrent(Main::kScriptMovieScreen);
    }

    Platform::Services mServices;
    ProbeGame mGame;
    std::filesystem::path mSaves;
};

struct HandOver
{
    int clip;
    int levelToStart;
    std::uint16_t screen;
    std::uint8_t window;
    std::uint16_t level; // the level that runs afterwards
};

} // namespace

TEST_F(ClipGuiTest, AClipsEndHandsOverToItsLevelWithTheGoalsWindowOrToTheMenu)
{
    const HandOver cases[] = {
        {1, -1, Main::kGameScreen, 1, 1}, // the opening clip always leads to level 1
        {2, 3, Main::kGameScreen, 1, 3},  // a level's clip to that level
        {5, -1, Main::kMainMenuScreen, GameGuiManager::kNoWindow, 3},
        {6, -1, Main::kMainMenuScreen, GameGuiManager::kNoWindow, 3},
    };
    struct Seen
    {
        std::uint16_t screenWhilePlaying = 99;
        std::uint16_t screen = 99;
        std::uint8_t window = 99;
        std::uint16_t level = 0;
        int levelToStart = 0;
        bool skipShown = false;
        bool skipHiddenAfter = false;
    };
    std::vector<Seen> seen(std::size(cases));
    int frame = kMenuFrame;
    for (std::size_t index = 0; index < std::size(cases); ++index)
    {
        const HandOver& c = cases[index];
        Seen& s = seen[index];
        mGame.before[frame] = [c] { Start(c.clip, c.levelToStart); };
        mGame.after[frame + 2] = [&s]
        {
            s.screenWhilePlaying = _GetMain().GetCurrent();
            s.skipShown =
                Clips().GetSkipContainer()->IsVisible() && !Clips().GetSkipContainer()->IsDisabled();
            Clips().EndClip();
            s.screen = _GetMain().GetCurrent();
            s.window = Windows().GetShown();
            s.level = Game::GetInstance()->GetLevelNumber();
            s.levelToStart = Clips().levelToStart;
            s.skipHiddenAfter = !Clips().GetSkipContainer()->IsVisible();
        };
        frame += 5;
    }
    mGame.closeAfter = frame;
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    for (std::size_t index = 0; index < std::size(cases); ++index)
    {
        const HandOver& c = cases[index];
        const Seen& s = seen[index];
        EXPECT_EQ(s.screenWhilePlaying, Main::kScriptMovieScreen) << "clip " << c.clip;
        EXPECT_TRUE(s.skipShown) << "clip " << c.clip;
        EXPECT_EQ(s.screen, c.screen) << "clip " << c.clip;
        EXPECT_EQ(s.window, c.window) << "clip " << c.clip;
        EXPECT_EQ(s.level, c.level) << "clip " << c.clip;
        EXPECT_EQ(s.levelToStart, ClipGui::kNoLevel) << "clip " << c.clip;
        EXPECT_TRUE(s.skipHiddenAfter) << "clip " << c.clip;
    }
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty())
        << TestSupport::ReportRecorder::LastDescription();
}

TEST_F(ClipGuiTest, TheSkipButtonEndsTheClipInTheSameFrameWithItsClick)
{
    std::uint16_t screen = 99;
    std::uint8_t window = 99;
    bool clicked = false;
    bool sceneGone = false;
    mGame.before[kMenuFrame] = [] { Start(2, 3); };
    mGame.before[kMenuFrame + 3] = []
    {
        Korrin::GuiContainer* skip = Clips().GetSkipContainer();
        Korrin::GuiManager::GetInstance()->SetMessages(skip->GetByName(ClipGui::kSkipButton));
    };
    mGame.after[kMenuFrame + 3] = [&]
    {
        screen = _GetMain().GetCurrent();
        window = Windows().GetShown();
        sceneGone = Clips().GetScene() == nullptr;
        Korrin::Sound* click = Korrin::SoundManager::GetInstance()->GetSound("click_button");
        clicked = click != nullptr && click->IsPlaying();
    };
    mGame.closeAfter = kMenuFrame + 4;
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    EXPECT_TRUE(sceneGone);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(screen, Main::kGameScreen);
    EXPECT_EQ(window, 1);
}

TEST_F(ClipGuiTest, TheLastClipPlaysTheMenuMusicAndAClipWithoutASceneReturnsToTheMenu)
{
    Korrin::Sound* music = nullptr;
    Korrin::Sound* menu = nullptr;
    bool playing = false;
    std::uint16_t screenAfterNothing = 99;
    mGame.before[kMenuFrame] = [] { Start(6, -1); };
    mGame.after[kMenuFrame] = [&]
    {
        music = _GetMain().GetMusic();
        menu = Korrin::SoundManager::GetInstance()->GetSound("MainMenu");
        playing = music != nullptr && music->IsPlaying();
    };
    mGame.before[kMenuFrame + 5] = [] { Start(7, -1); };
    mGame.after[kMenuFrame + 5] = [&] { screenAfterNothing = _GetMain().GetCurrent(); };
    mGame.closeAfter = kMenuFrame + 6;
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(music, menu);
    EXPECT_TRUE(playing);
    EXPECT_EQ(screenAfterNothing, Main::kMainMenuScreen) << "a clip number without a scene waits for nothing";
}

TEST(ClipGuiSingleton, ASecondCutSceneScreenIsReported)
{
    TestSupport::ReportRecorder::Clear();
    auto first = std::make_unique<ClipGui>();
    {
        ClipGui second;
        EXPECT_NE(TestSupport::ReportRecorder::LastDescription().find(
                      "Only one instance of this class is permitted."),
                  std::string::npos);
    }
    // The second took the instance over and cleared it: the first's end is reported too.
    first.reset();
    TestSupport::ReportRecorder::Clear();
}

#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/Game/Game.h"
#include "game/GameApplication.h"
#include "game/Main.h"
#include "game/MainMenu.h"
#include "game/Profile.h"
#include "game/Util/InputLocks.h"
#include "platform/FixedStepClock.h"
#include "platform/Folders.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ScriptedInput.h"
#include "platform/Services.h"
#include "platform/WindowSystem.h"
#include "tests/support/ReportRecorder.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace
{

// The game's application with a probe before each frame's update.
class ProbeGame : public GameApplication
{
public:
    std::function<void(int frame)> beforeUpdate = [](int) {};
    int closeAfter = 5000;

    bool Update() override
    {
        const int frame = static_cast<int>(Platform::Services::Current().FramesCompleted()) + 1;
        beforeUpdate(frame);
        const bool result = GameApplication::Update();
        if (frame >= closeAfter)
        {
            Platform::Services::Current().Window().RequestClose();
        }
        return result;
    }
};

constexpr int kMenuFrame = 1;

GameGuiManager& Windows()
{
    return *_GetMain().GetGameGuiManager();
}

RewardAlertSystemGui& Alerts()
{
    return *Windows().GetRewardWindow();
}

AchievementSystem& Achievements()
{
    return *AchievementSystem::GetInstance();
}

void Finish(std::uint32_t id)
{
    Achievements().AddProgress(id, Achievements().GetData(id)->mMaxProgress);
}

// The element of that name in the widget manager's windows, or null.
Korrin::GuiElement* Element(const char* name)
{
    for (Korrin::GuiElement* window : Korrin::GuiManager::GetInstance()->GetInputOrder())
    {
        auto* container = dynamic_cast<Korrin::GuiContainer*>(window);
        if (Korrin::GuiElement* element = container != nullptr ? container->GetByName(name) : nullptr)
        {
            return element;
        }
    }
    return nullptr;
}

// A click on the alert's OK, as the widget manager reports one.
void ClickOk()
{
    Korrin::GuiManager::GetInstance()->SetMessages(Element(RewardAlertSystemGui::kOkButton));
}

// The reward alerts in the game's own application, on the main menu and over a level.
class RewardAlertScenarioTest : public testing::Test
{
protected:
    RewardAlertScenarioTest()
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(),
                    std::make_unique<Platform::FixedStepClock>())
    {
        TestSupport::ReportRecorder::Clear();
        auto input = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        EXPECT_TRUE(input->Parse("1 click left\n3 click left\n4 move 10 10\n", error)) << error;
        mServices.SetScriptedInput(std::move(input));
        Platform::Folders::SetDataFolder(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
        mSaves = std::filesystem::current_path() / "reward-alert-saves";
        std::filesystem::remove_all(mSaves);
        std::filesystem::create_directories(mSaves);
        // The sample player "Bob" of the stored saves, as the program's entry reads him.
        for (const char* name : {"Users.dat", "Save2_1.dat", "Save2_2.dat", "Save2_3.dat", "Save2_5.dat"})
        {
            std::filesystem::copy_file(std::string(WF_FIXTURES_DIR) + "/saves/" + name, mSaves / name);
        }
        Platform::Folders::SetSaveFolder(mSaves.string());
        mProfile.LoadUserList(false);
    }
    ~RewardAlertScenarioTest() override
    {
        Platform::Folders::SetDataFolder("");
        Platform::Folders::SetSaveFolder("");
        std::filesystem::remove_all(mSaves);
        InputLocks::first = InputLocks::second = InputLocks::third = false;
    }

    Platform::Services mServices;
    Profile mProfile;
    ProbeGame mGame;
    std::filesystem::path mSaves;
};

} // namespace

TEST_F(RewardAlertScenarioTest, AlertsShowTheHighestFirstTakeOkOnlyWhenShownAndAreSaved)
{
    bool silentLeftButtonsLive = false;
    std::uint8_t silentShown = 0;
    std::deque<std::uint32_t> queued;
    std::string description;
    bool earlyOkIgnored = false;
    std::vector<std::uint32_t> announced;
    std::uint8_t shownAtEnd = 0;
    std::uint32_t savedFlags = 0;
    std::deque<std::uint32_t> restored;
    int menuFrame = 0;
    int okFrame = 0;
    int levelFrame = 0;
    int loaded = 0;
    std::set<int> done;
    auto at = [&](int frame, int when) { return frame >= when && done.insert(when).second; };
    mGame.beforeUpdate = [&](int frame)
    {
        // Counted from the first frame of the main menu (the loading screens present frames of their own).
        if (menuFrame == 0)
        {
            if (Main::Peek() == nullptr || _GetMain().GetCurrent() != Main::kMainMenuScreen)
            {
                return;
            }
            menuFrame = frame;
        }
        frame -= menuFrame;
        if (at(frame, kMenuFrame))
        {
            Finish(6); // reaching a new level: never announced
        }
        if (at(frame, kMenuFrame + 3))
        {
            silentShown = Windows().GetRequested();
            auto* menu = dynamic_cast<MainMenu*>(_GetMain().Find("MainMenu"));
            silentLeftButtonsLive = menu != nullptr && !menu->GetButtons()->IsDisabled();
            for (const std::uint32_t id : {3u, 7u, 1u})
            {
                Finish(id);
            }
        }
        if (at(frame, kMenuFrame + 4))
        {
            queued = Alerts().Pending();
            auto* text = dynamic_cast<Korrin::GuiText*>(Element(RewardAlertSystemGui::kDescriptionText));
            description = text != nullptr ? text->GetCaptionName() : "(none)";
            ClickOk();
        }
        if (at(frame, kMenuFrame + 5))
        {
            earlyOkIgnored = Alerts().IsAppearing();
        }
        if (frame > kMenuFrame + 5 && okFrame == 0 && !Alerts().Pending().empty())
        {
            if (announced.empty() || announced.back() != Alerts().Pending().back())
            {
                announced.push_back(Alerts().Pending().back());
            }
            if (Alerts().GetWindowAlpha() == 1.0f)
            {
                ClickOk();
            }
        }
        if (frame > kMenuFrame + 5 && okFrame == 0 && Alerts().Pending().empty())
        {
            okFrame = frame;
            shownAtEnd = Windows().GetRequested();
            mProfile.SaveAll();
            Achievements().Load(mProfile.GetSaveFileName(Profile::kAchievements, mProfile.currentPlayer));
            savedFlags = Achievements().GetData(7)->mFlags;
        }
        if (okFrame != 0 && at(frame, okFrame + 2))
        {
            levelFrame = frame;
            Game::GetInstance()->StartLevel(1);
            return;
        }
        if (levelFrame != 0 && loaded == 0 && frame > levelFrame)
        {
            loaded = frame;
            for (const std::uint32_t id : {2u, 9u, 4u})
            {
                Alerts().AddReward(id);
            }
            mProfile.SaveGame();
            Alerts().Reset();
            mProfile.LoadGame();
            restored = Alerts().Pending();
            mGame.closeAfter = frame + menuFrame;
        }
    };
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    EXPECT_EQ(silentShown, GameGuiManager::kNoWindow) << "achievement 6 opens no alert";
    EXPECT_TRUE(silentLeftButtonsLive) << "and the menu's buttons stay live";
    EXPECT_EQ(queued, (std::deque<std::uint32_t>{1, 3, 7}));
    EXPECT_EQ(description, "ACHIEVEMENT_POTATO_SELLER_DESC") << "the text of the alert shown, achievement 7";
    EXPECT_TRUE(earlyOkIgnored) << "OK before the panel has faded in does nothing";
    EXPECT_EQ(announced, (std::vector<std::uint32_t>{7, 3, 1}));
    EXPECT_EQ(shownAtEnd, GameGuiManager::kNoWindow) << "the last alert closes the window";
    EXPECT_EQ(savedFlags, 3u) << "complete and announced, kept in the player's file";
    EXPECT_EQ(restored, (std::deque<std::uint32_t>{2, 9, 4})) << "the saved level's queue";
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty())
        << TestSupport::ReportRecorder::LastDescription();
}

#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiText.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/Education.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/Game.h"
#include "game/Game/GamePanel.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/GameApplication.h"
#include "game/Main.h"
#include "game/Pers/PersManager.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"
#include "platform/FixedStepClock.h"
#include "platform/Folders.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ScriptedInput.h"
#include "platform/Services.h"
#include "platform/WindowSystem.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace
{

// The game's application with a probe before each frame's update.
class ProbeGame : public GameApplication
{
public:
    std::function<void(int frame)> beforeUpdate = [](int) {};
    int closeAfter = 0;
    int frames = 0;

    bool Update() override
    {
        // Frames as the scripted input counts them: the loading screens present frames of their own.
        frames = static_cast<int>(Platform::Services::Current().FramesCompleted()) + 1;
        beforeUpdate(frames);
        const bool result = GameApplication::Update();
        if (frames >= closeAfter)
        {
            Platform::Services::Current().Window().RequestClose();
        }
        return result;
    }
};

std::u16string Caption(const char* name)
{
    auto* text = dynamic_cast<Korrin::GuiText*>(GamePanel::GetInstance()->GetTopInfo()->GetByName(name));
    return text != nullptr ? text->mCaption : u"(none)";
}

std::string Narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

constexpr int kStartFrame = 5; // the main menu shows from frame 4
// Frames after the level's loading screen is over.
constexpr int kClockRead = 10;
constexpr int kTipFrame = 135; // the welcome tip: 2 s, then its fade
constexpr int kGardenClick = 200;
constexpr int kLockFrame = 240;
constexpr int kUnlockFrame = 330;
constexpr int kMoneyFrame = 340;

// The pointer moved to a point of the virtual screen, the left button down or up.
void Pointer(float x, float y, bool down)
{
    Platform::WindowSystem& windows = Platform::Services::Current().Window();
    const bool fullScreen =
        (windows.Style() & Platform::WindowStyle::Caption) != Platform::WindowStyle::Caption;
    Platform::CursorPoint point;
    Platform::ScriptedInput::VirtualToClient(x, y, 1024, 768, windows.ClientRect(), fullScreen, point.x,
                                             point.y);
    windows.MoveCursor(point);
    windows.PressMouseButton(0, down);
}

// The first seconds of level 1, played headless in the game's own application: logos skipped by
// clicks, the level started from the main menu, a click on the garden bed, a buyer on the field, a
// mouse moved over the locking tip, and money added.
class LevelOneStartTest : public testing::Test
{
protected:
    LevelOneStartTest()
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(),
                    std::make_unique<Platform::FixedStepClock>())
    {
        TestSupport::ReportRecorder::Clear();
        const std::string script = "1 click left\n3 click left\n4 move 900 600\n";
        auto input = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        EXPECT_TRUE(input->Parse(script, error)) << error;
        mServices.SetScriptedInput(std::move(input));
        Platform::Folders::SetDataFolder(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
        mSaves = std::filesystem::current_path() / "level-one-saves";
        std::filesystem::remove_all(mSaves);
        Platform::Folders::SetSaveFolder(mSaves.string());
    }
    ~LevelOneStartTest() override
    {
        Platform::Folders::SetDataFolder("");
        Platform::Folders::SetSaveFolder("");
        std::filesystem::remove_all(mSaves);
        InputLocks::first = InputLocks::second = InputLocks::third = false;
    }

    Platform::Services mServices;
    ProbeGame mGame;
    std::filesystem::path mSaves;
};

} // namespace

TEST_F(LevelOneStartTest, ThePanelTheFirstTipsAPageAndAMoneyFigure)
{
    std::u16string money;
    std::u16string clockEarly;
    std::u16string clockLater;
    std::string tipShown;
    std::uint16_t pageAfterClick = 99;
    float lockedTimeA = -1.0f;
    float lockedTimeB = -2.0f;
    bool lockedWhileTipShown = false;
    bool unlockedByTheMouse = false;
    float figureEarly = 0.0f;
    float figureLater = 0.0f;
    std::u16string moneyAfter;
    mGame.closeAfter = 5000;
    std::set<int> done;
    // Each step runs once, in the first frame with the game's update at or after its frame.
    auto at = [&](int frame, int when) { return frame >= when && done.insert(when).second; };
    int loaded = 0; // the first frame after the level's loading screen
    mGame.beforeUpdate = [&](int frame)
    {
        if (at(frame, kStartFrame))
        {
            Game::GetInstance()->StartLevel(1);
            return;
        }
        if (loaded == 0)
        {
            if (frame <= kStartFrame)
            {
                return;
            }
            loaded = frame;
        }
        const int t = frame - loaded;
        if (at(t, kClockRead))
        {
            money = Caption("Money_Text");
            clockEarly = Caption("Time_Text");
        }
        if (at(t, kClockRead + 120))
        {
            clockLater = Caption("Time_Text");
        }
        if (at(t, kTipFrame))
        {
            HintManager& hints = *_GetMain().GetHintManager();
            tipShown = hints.GetCurrent() == nullptr
                           ? ""
                           : (hints.GetCurrent() == hints.GetByName("EduWelcome") ? "EduWelcome" : "another");
        }
        // The garden bed of level 1 stands on cells 4 and 5 of row 15, its gardener on cell 5.
        const float gardenX = FieldGeometry::CellX(4) + 20.0f;
        const float gardenY = FieldGeometry::CellY(15) + 12.0f;
        if (at(t, kGardenClick))
        {
            Pointer(gardenX, gardenY, false);
        }
        if (at(t, kGardenClick + 1))
        {
            Pointer(gardenX, gardenY, true);
        }
        if (at(t, kGardenClick + 2))
        {
            Pointer(gardenX, gardenY, false);
        }
        if (at(t, kGardenClick + 5))
        {
            pageAfterClick = GamePanel::GetInstance()->GetCurrent();
            Pointer(900.0f, 600.0f, false);
        }
        if (at(t, kLockFrame))
        {
            // The tutorial has reached its buyers' tip, and a buyer walks onto the field.
            _GetMain().GetEducationSlot()->Get()->GetGroups().at(0).local = 4;
            Level::GetInstance()->GetPersManager()->BuyerEntered();
        }
        if (at(t, kLockFrame + 30))
        {
            lockedTimeA = LevelTaskInfo::GetInstance()->levelTime;
            lockedWhileTipShown = InputLocks::third && _GetMain().GetHintManager()->GetCurrent() != nullptr;
        }
        if (at(t, kUnlockFrame - 1))
        {
            lockedTimeB = LevelTaskInfo::GetInstance()->levelTime;
        }
        if (at(t, kUnlockFrame))
        {
            Pointer(500.0f, 340.0f, false); // over the buyers' tip
        }
        if (at(t, kUnlockFrame + 5))
        {
            unlockedByTheMouse = !InputLocks::third;
        }
        if (at(t, kMoneyFrame))
        {
            LevelTaskInfo::GetInstance()->AddMoney(25);
            Level::GetInstance()->GetMoneyAnimation()->Add(0.0f, "+25", 500.0f, 300.0f, {1, 1, 1, 1});
        }
        if (at(t, kMoneyFrame + 10))
        {
            const auto& entry = Level::GetInstance()->GetMoneyAnimation()->GetEntries().front();
            figureEarly = entry.y - MoneyAnimatedSprite::kRise * entry.t;
            moneyAfter = Caption("Money_Text");
        }
        if (at(t, kMoneyFrame + 30))
        {
            const auto& entry = Level::GetInstance()->GetMoneyAnimation()->GetEntries().front();
            figureLater = entry.y - MoneyAnimatedSprite::kRise * entry.t;
            mGame.closeAfter = frame;
        }
    };
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    EXPECT_EQ(Narrow(money), "300") << "the level's money";
    EXPECT_EQ(Narrow(clockEarly), "00:00");
    EXPECT_EQ(Narrow(clockLater), "00:02") << "the clock runs";
    EXPECT_EQ(tipShown, "EduWelcome") << "the first tip appears two seconds into the level";
    EXPECT_EQ(pageAfterClick, 1) << "the garden bed's page";
    EXPECT_TRUE(lockedWhileTipShown) << "the buyers' tip locks the level";
    EXPECT_EQ(lockedTimeA, lockedTimeB) << "and the clock stands while it shows";
    EXPECT_TRUE(unlockedByTheMouse) << "the mouse over the tip ends it";
    EXPECT_EQ(Narrow(moneyAfter), "325");
    EXPECT_LT(figureLater, figureEarly) << "the money figure rises";
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty())
        << TestSupport::ReportRecorder::LastDescription();
}

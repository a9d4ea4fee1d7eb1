#include "engine/App/Application.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiCheckBox.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiEdit.h"
#include "engine/Gui/GuiList.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiSlider.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "platform/FixedStepClock.h"
#include "platform/Folders.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ScriptedInput.h"
#include "platform/Services.h"

#include <functional>
#include <gtest/gtest.h>

using Korrin::GuiButton;
using Korrin::GuiElement;
using Korrin::GuiManager;

namespace
{

// What one frame showed: the message the game saw, and the widgets after the update pass.
struct FrameRecord
{
    std::string message;
    GuiButton::State continueLook = GuiButton::kNormal;
    std::uint32_t continueState = 0;
    std::uint32_t coveringState = 0;
    bool checked = false;
    float volume = 0.0f;
    int scroll = 0;
    int selected = 0;
    int hovered = -1;
    float listSlider = 0.0f;
    std::u16string edited;
    int caret = 0;
    bool caretShown = false;
    bool clickPlaying = false;
};

// The engine's application with the test layout's windows; each frame it records what the game
// and the player would see.
class WidgetApplication : public Korrin::Application
{
public:
    std::vector<FrameRecord> frames;
    std::function<void(WidgetApplication&)> onInit = [](WidgetApplication&) {};
    std::function<void(WidgetApplication&, int frame)> duringFrame = [](WidgetApplication&, int) {};
    Korrin::GuiContainer* window = nullptr;
    Korrin::GuiContainer* over = nullptr;

    template <typename T>
    T* Widget(const char* name) const
    {
        return dynamic_cast<T*>(window->GetByName(name));
    }

    bool Init() override
    {
        // The sounds first: buttons look theirs up when they are loaded.
        Korrin::SoundManager::GetInstance()->LoadScript("sounds.audio", "sounds");
        window = GuiManager::GetInstance()->CreateContainer("Window", "layout.gui");
        onInit(*this);
        return true;
    }

    bool Update() override
    {
        const GuiElement* message = GuiManager::GetInstance()->GetMessage();
        frames.push_back(FrameRecord{});
        frames.back().message = message != nullptr ? message->GetName() : "";
        duringFrame(*this, static_cast<int>(frames.size()));
        return true;
    }

    void Render() override
    {
        FrameRecord& record = frames.back();
        const auto* button = Widget<GuiButton>("CONTINUE_OK");
        record.continueLook = button->GetShownState();
        record.continueState = button->GetMouseState();
        if (over != nullptr)
        {
            record.coveringState = over->GetByName("Covering")->GetMouseState();
        }
        record.checked = Widget<Korrin::GuiCheckBox>("Sound")->IsChecked();
        record.volume = Widget<Korrin::GuiSlider>("Volume")->GetValue();
        const auto* list = Widget<Korrin::GuiList>("Players");
        record.scroll = list->GetScrollOffset();
        record.selected = list->GetSelectedIndex();
        record.hovered = list->GetHoveredRow();
        record.listSlider = Widget<Korrin::GuiSlider>("PlayersSlider")->GetValue();
        const auto* edit = Widget<Korrin::GuiEdit>("PlayerName");
        record.edited = edit->GetText();
        record.caret = edit->GetCaret();
        record.caretShown = edit->IsCaretShown();
        const Korrin::Sound* click = Widget<GuiButton>("CONTINUE_OK")->GetPressedSound();
        record.clickPlaying = click != nullptr && click->IsPlaying();
    }
};

// Runs the application for some frames on the test layouts, played by a script of input events.
class GuiFrameTest : public testing::Test
{
protected:
    GuiFrameTest()
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(),
                    std::make_unique<Platform::FixedStepClock>()),
          mSavedDataFolder(Platform::Folders::DataFolder())
    {
        Platform::Folders::SetDataFolder(WF_FIXTURES_DIR "/gui");
    }
    ~GuiFrameTest() override { Platform::Folders::SetDataFolder(mSavedDataFolder); }

    void Run(const std::string& script, std::uint64_t frameCount)
    {
        auto input = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        ASSERT_TRUE(input->Parse(script, error)) << error;
        mServices.SetScriptedInput(std::move(input));
        mServices.SetFrameLimit(frameCount);
        ASSERT_EQ(mApplication.Run("Widgets", true), 0);
        ASSERT_EQ(mApplication.frames.size(), frameCount);
    }

    const FrameRecord& Frame(int number) const
    {
        return mApplication.frames[static_cast<std::size_t>(number - 1)];
    }

    std::vector<int> FramesWithMessage(const std::string& name) const
    {
        std::vector<int> found;
        for (std::size_t index = 0; index < mApplication.frames.size(); ++index)
        {
            if (mApplication.frames[index].message == name)
            {
                found.push_back(static_cast<int>(index + 1));
            }
        }
        return found;
    }

    Platform::Services mServices;
    std::string mSavedDataFolder;
    WidgetApplication mApplication;
};

// CONTINUE_OK covers (110..190, 110..140) on the screen.
constexpr const char* kOverContinue = "150 125";

} // namespace

TEST_F(GuiFrameTest, AClickIsTheMessageForExactlyTheFrameOfTheRelease)
{
    Run(std::string("3 move ") + kOverContinue + "\n4 press left\n6 release left\n", 8);
    EXPECT_EQ(FramesWithMessage("CONTINUE_OK"), std::vector<int>{6});
    EXPECT_EQ(FramesWithMessage(""), (std::vector<int>{1, 2, 3, 4, 5, 7, 8}));

    EXPECT_EQ(Frame(2).continueLook, GuiButton::kNormal);
    EXPECT_EQ(Frame(2).continueState, GuiElement::kMouseOut);
    EXPECT_EQ(Frame(3).continueLook, GuiButton::kOver);
    EXPECT_EQ(Frame(3).continueState, GuiElement::kMouseOver);
    for (int frame : {4, 5})
    {
        EXPECT_EQ(Frame(frame).continueLook, GuiButton::kPressed) << frame;
        EXPECT_EQ(Frame(frame).continueState, GuiElement::kMouseDown) << frame;
    }
    EXPECT_EQ(Frame(6).continueState, GuiElement::kMouseNone) << "the click lasts only inside the hit test";
    EXPECT_EQ(Frame(7).continueState, GuiElement::kMouseOver);

    EXPECT_FALSE(Frame(5).clickPlaying);
    EXPECT_TRUE(Frame(6).clickPlaying) << "the pressed sound starts with the message";
}

TEST_F(GuiFrameTest, APressDraggedOffAndReleasedOutsideIsNoClickButOneDraggedOnIs)
{
    Run(std::string("2 move ") + kOverContinue +
            "\n3 press left\n4 move 600 600\n5 release left\n"
            "8 press left\n9 move " +
            kOverContinue + "\n10 release left\n",
        11);
    EXPECT_EQ(Frame(3).continueLook, GuiButton::kPressed);
    EXPECT_EQ(Frame(4).continueLook, GuiButton::kNormal) << "dragged out while held";
    EXPECT_EQ(Frame(5).continueState, GuiElement::kMouseNone);
    EXPECT_EQ(Frame(9).continueLook, GuiButton::kPressed) << "held button dragged onto it";
    EXPECT_EQ(FramesWithMessage("CONTINUE_OK"), std::vector<int>{10});
}

TEST_F(GuiFrameTest, AButtonWithoutAnImagePartCannotBeClickedEvenAtItsCorner)
{
    // "Bare" has no Normal rectangle; it sits at (300, 160) on the screen.
    Run("2 move 300 160\n3 click left\n", 5);
    EXPECT_EQ(FramesWithMessage(""), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(GuiFrameTest, OfTwoButtonsClickedInOneFrameOnlyTheFirstReachedIsTheMessage)
{
    mApplication.onInit = [](WidgetApplication& application)
    { application.over = GuiManager::GetInstance()->CreateContainer("Over", "layout.gui"); };
    Run(std::string("2 move ") + kOverContinue + "\n3 click left\n", 6);
    EXPECT_EQ(FramesWithMessage("CONTINUE_OK"), std::vector<int>{4});
    EXPECT_TRUE(FramesWithMessage("Covering").empty());
    EXPECT_EQ(Frame(4).coveringState, GuiElement::kMouseNone) << "the second click is dropped";
}

TEST_F(GuiFrameTest, ADisabledWindowNeitherHighlightsNorClicksAndItsWidgetsAreCleared)
{
    mApplication.duringFrame = [](WidgetApplication& application, int frame)
    {
        if (frame == 3)
        {
            application.window->SetDisabled(true);
        }
    };
    Run(std::string("2 move ") + kOverContinue + "\n4 click left\n", 7);
    EXPECT_EQ(Frame(2).continueLook, GuiButton::kOver);
    for (int frame : {3, 4, 5, 6, 7})
    {
        EXPECT_EQ(Frame(frame).continueLook, GuiButton::kNormal) << frame;
        EXPECT_EQ(Frame(frame).continueState, GuiElement::kMouseNone) << frame;
    }
    EXPECT_TRUE(FramesWithMessage("CONTINUE_OK").empty());
}

TEST_F(GuiFrameTest, TheCheckBoxTogglesOncePerPress)
{
    // The box covers (110..130, 150..170).
    Run("2 move 120 160\n3 press left\n6 release left\n8 press left\n9 release left\n", 10);
    EXPECT_FALSE(Frame(2).checked);
    for (int frame : {3, 4, 5, 6, 7})
    {
        EXPECT_TRUE(Frame(frame).checked) << frame;
    }
    EXPECT_FALSE(Frame(8).checked);
    EXPECT_FALSE(Frame(10).checked);
}

TEST_F(GuiFrameTest, TheSliderFollowsADragAndStaysWithinItsEnds)
{
    // Track 110 wide at x 110, thumb 10: value = (x - 115) / 100.
    Run("2 move 165 205\n3 press left\n4 move 400 300\n5 move 20 205\n6 move 140 205\n7 release left\n"
        "8 move 190 205\n",
        9);
    EXPECT_FLOAT_EQ(Frame(2).volume, 0.0f);
    EXPECT_FLOAT_EQ(Frame(3).volume, 0.5f);
    EXPECT_FLOAT_EQ(Frame(4).volume, 1.0f) << "held outside the slider, the drag goes on";
    EXPECT_FLOAT_EQ(Frame(5).volume, 0.0f);
    EXPECT_FLOAT_EQ(Frame(6).volume, 0.25f);
    EXPECT_FLOAT_EQ(Frame(9).volume, 0.25f) << "released, the mouse no longer moves it";
}

TEST_F(GuiFrameTest, TheListScrollsByWheelArrowsAndSliderAndSelects)
{
    mApplication.onInit = [](WidgetApplication& application)
    {
        auto* list = application.Widget<Korrin::GuiList>("Players");
        for (const char16_t* name : {u"a", u"b", u"c", u"d", u"e"})
        {
            list->AddItem(name, 0);
        }
    };
    // The list's rows: (400..500) by (140..200), three of 20; up arrow (510..530, 140..160), down arrow
    // (510..530, 180..200); its slider (540..550, 140..200), thumb 10 high: value = (y - 145) / 50.
    Run("2 move 450 150\n3 wheel 1\n5 wheel -1\n"
        "7 move 520 150\n8 press left\n50 release left\n"
        "52 move 545 170\n53 press left\n54 release left\n"
        "56 move 450 175\n57 click left\n60 move 450 300\n",
        60);
    EXPECT_EQ(Frame(2).scroll, 2) << "filled past its rows, the list shows its last rows";
    EXPECT_FLOAT_EQ(Frame(2).listSlider, 1.0f);
    EXPECT_EQ(Frame(3).scroll, 0) << "one notch of 120 is two rows";
    EXPECT_EQ(Frame(5).scroll, 2);

    EXPECT_EQ(Frame(8).scroll, 1) << "the first step comes at once";
    EXPECT_EQ(Frame(30).scroll, 1);
    EXPECT_EQ(Frame(34).scroll, 0) << "then one row each 0.4 seconds";
    EXPECT_EQ(Frame(50).scroll, 0) << "and no further than the top";
    EXPECT_FLOAT_EQ(Frame(50).listSlider, 0.0f);

    EXPECT_FLOAT_EQ(Frame(53).listSlider, 0.5f);
    EXPECT_EQ(Frame(54).scroll, 1) << "the list follows its slider in the next update";

    EXPECT_EQ(Frame(56).hovered, 1);
    EXPECT_EQ(Frame(57).selected, 2) << "scroll offset 1 + row 1";
    EXPECT_EQ(FramesWithMessage("Players"), std::vector<int>{58});
    EXPECT_EQ(Frame(59).hovered, 1);
    EXPECT_EQ(Frame(60).hovered, -1) << "no row stays highlighted once the mouse has left the list";
}

TEST_F(GuiFrameTest, TheEditTakesTypedCharactersUpToItsLimitAndMovesItsCaret)
{
    // The test font has glyphs for a to f and the blank: g is not typed, blanks are never inserted.
    Run("2 type ab gfed\n20 type a\n24 key Left\n26 key Left\n28 key Back\n30 key Home\n32 key Back\n"
        "34 key Delete\n36 key End\n38 key Delete\n40 key Shift\n",
        105);
    EXPECT_EQ(Frame(18).edited, u"abfed");
    EXPECT_EQ(Frame(23).edited, u"abfed") << "full at MaxChars 5";
    EXPECT_EQ(Frame(23).caret, 5);
    EXPECT_EQ(Frame(26).caret, 3);
    EXPECT_EQ(Frame(28).edited, u"abed");
    EXPECT_EQ(Frame(28).caret, 2);
    EXPECT_EQ(Frame(32).edited, u"abed") << "backspace at the start does nothing";
    EXPECT_EQ(Frame(34).edited, u"bed");
    EXPECT_EQ(Frame(38).edited, u"bed") << "delete at the end does nothing";
    EXPECT_EQ(Frame(38).caret, 3);
    EXPECT_EQ(Frame(41).edited, u"bed") << "Shift alone types nothing";

    // No key after frame 40: the caret shows, then blinks each half second (30 frames).
    EXPECT_TRUE(Frame(40).caretShown);
    EXPECT_TRUE(Frame(68).caretShown);
    EXPECT_FALSE(Frame(72).caretShown);
    EXPECT_TRUE(Frame(102).caretShown);
}

TEST_F(GuiFrameTest, CtrlAndAltCombinationsTypeNothingEvenAfterTheKeyTypedBefore)
{
    Run("2 type a\n10 keydown ctrl\n12 key a\n14 keyup ctrl\n16 keydown alt\n18 key a\n20 keyup alt\n"
        "24 key a\n",
        27);
    EXPECT_EQ(Frame(4).edited, u"a");
    EXPECT_EQ(Frame(13).edited, u"a") << "Ctrl+A";
    EXPECT_EQ(Frame(22).edited, u"a") << "Alt+A";
    EXPECT_EQ(Frame(26).edited, u"aa") << "A alone types again";
}

#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/StoreHouseGUI.h"
#include "game/Game/Education.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/Game.h"
#include "game/Game/GameField.h"
#include "game/Game/GameInfo.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/GameApplication.h"
#include "game/Main.h"
#include "game/Pers/Pers.h"
#include "game/Util/Hint.h"
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
#include <optional>
#include <string>
#include <vector>

namespace
{

// One thing the player does, once the level's frame counter reaches `after` frames past the previous
// one (and its condition holds, when it has one).
struct Move
{
    int after = 0;
    std::function<void()> act;
};

// The game's own application: a level of the sample data started from the main menu, then the moves
// played one after the other with the pointer as a player's hand would move it.
class TutorialGame : public GameApplication
{
public:
    std::uint16_t level = 1;
    std::vector<Move> moves;
    std::size_t done = 0;
    int sinceLast = 0;
    int frames = 0;
    bool started = false;

    bool Update() override
    {
        ++frames;
        if (!started && frames == 5)
        {
            // The level's first play: the one after the highest level reached.
            GameInfo::GetInstance()->highestLevel = static_cast<std::uint16_t>(level - 1);
            Game::GetInstance()->StartLevel(level);
            started = true;
        }
        else if (started && Level::Peek() != nullptr && done < moves.size() &&
                 ++sinceLast >= moves[done].after)
        {
            moves[done].act();
            ++done;
            sinceLast = 0;
        }
        const bool result = GameApplication::Update();
        if (done == moves.size() || frames > 20000)
        {
            Platform::Services::Current().Window().RequestClose();
        }
        return result;
    }
};

void Pointer(const Korrin::Vector2& at, bool down)
{
    Platform::WindowSystem& windows = Platform::Services::Current().Window();
    const bool fullScreen =
        (windows.Style() & Platform::WindowStyle::Caption) != Platform::WindowStyle::Caption;
    Platform::CursorPoint point;
    Platform::ScriptedInput::VirtualToClient(at.x, at.y, 1024, 768, windows.ClientRect(), fullScreen, point.x,
                                             point.y);
    windows.MoveCursor(point);
    windows.PressMouseButton(0, down);
}

HintManager& Hints()
{
    return *_GetMain().GetHintManager();
}

// The tip on screen, by name; empty when none is.
std::string ShownTip()
{
    const HintManager::HintRecord* shown = Hints().GetCurrent();
    if (shown == nullptr)
    {
        return "";
    }
    for (const char* name : {"EduWelcome", "EduGarden", "EduGardenTask", "EduStorehouse", "EduBuyers",
                             "EduFirstMoney", "EduStoreWindow", "EduGarden2", "EduBuyGarden",
                             "EduGardenAgain", "EduGardenerTab", "EduHireGardener", "EduGardenWork",
                             "EduWell", "EduRope", "EduRopePoint", "EduRopeBuilt", "EduThief"})
    {
        if (shown == Hints().GetByName(name))
        {
            return name;
        }
    }
    return "another hint";
}

// A point of the shown tip's pop-up, where a player rests the pointer on it.
std::optional<Korrin::Vector2> PointOnTip()
{
    const HintManager::HintRecord* shown = Hints().GetCurrent();
    for (float y = 4.0f; shown != nullptr && y < 768.0f; y += 8.0f)
    {
        for (float x = 4.0f; x < 1024.0f; x += 8.0f)
        {
            if (shown->hint->IsPointOver({x, y}))
            {
                return Korrin::Vector2{x, y};
            }
        }
    }
    return std::nullopt;
}

// Whether the shown tip's pop-up covers any point of the rectangle.
bool TipCovers(const Korrin::Rect& area)
{
    const HintManager::HintRecord* shown = Hints().GetCurrent();
    for (float y = area.top; shown != nullptr && y <= area.bottom; y += 4.0f)
    {
        for (float x = area.left; x <= area.right; x += 4.0f)
        {
            if (shown->hint->IsPointOver({x, y}))
            {
                return true;
            }
        }
    }
    return false;
}

Entity& Find(std::uint8_t type)
{
    return *Level::GetInstance()->GetEntityManager()->GetEntity(type);
}

// A point of the object's rectangle that no other clickable of the field takes first (a gardener in
// front of his garden bed would).
Korrin::Vector2 FreePointOf(const Clickable& object, const Clickable* before)
{
    const Korrin::Rect& area = object.GetRect();
    for (float y = area.bottom - 4.0f; y > area.top; y -= 4.0f)
    {
        for (float x = area.left + 4.0f; x < area.right; x += 4.0f)
        {
            const Korrin::Rect* other = before != nullptr ? &before->GetRect() : nullptr;
            if (other == nullptr || x < other->left || x > other->right || y < other->top ||
                y > other->bottom)
            {
                return {x, y};
            }
        }
    }
    return {(area.left + area.right) / 2.0f, (area.top + area.bottom) / 2.0f};
}

// The first plays of levels 1 to 3 with their sample tutorials, as a new player meets them.
class TutorialPlayTest : public testing::Test
{
protected:
    TutorialPlayTest()
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(),
                    std::make_unique<Platform::FixedStepClock>())
    {
        TestSupport::ReportRecorder::Clear();
        auto input = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        EXPECT_TRUE(input->Parse("1 click left\n3 click left\n4 move 1000 760\n", error)) << error;
        mServices.SetScriptedInput(std::move(input));
        Platform::Folders::SetDataFolder(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
        mSaves = std::filesystem::current_path() / "tutorial-play-saves";
        std::filesystem::remove_all(mSaves);
        Platform::Folders::SetSaveFolder(mSaves.string());
    }
    ~TutorialPlayTest() override
    {
        Platform::Folders::SetDataFolder("");
        Platform::Folders::SetSaveFolder("");
        std::filesystem::remove_all(mSaves);
        InputLocks::first = InputLocks::second = InputLocks::third = false;
    }

    // A click at the point: the pointer moves there, then the button goes down and up on later frames.
    void Click(std::function<Korrin::Vector2()> where)
    {
        auto at = std::make_shared<Korrin::Vector2>();
        mGame.moves.push_back({1, [at, where]
                               {
                                   *at = where();
                                   Pointer(*at, false);
                               }});
        mGame.moves.push_back({2, [at] { Pointer(*at, true); }});
        mGame.moves.push_back({2, [at] { Pointer(*at, false); }});
    }
    void Then(int after, std::function<void()> act) { mGame.moves.push_back({after, std::move(act)}); }
    void RestOnTip()
    {
        Then(1,
             []
             {
                 const std::optional<Korrin::Vector2> on = PointOnTip();
                 ASSERT_TRUE(on.has_value()) << "a tip to rest on";
                 Pointer(*on, false);
             });
    }
    void PointerAway()
    {
        Then(1, [] { Pointer({1000.0f, 760.0f}, false); });
    }
    void Run(std::uint16_t level)
    {
        mGame.level = level;
        EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
        EXPECT_EQ(mGame.done, mGame.moves.size()) << "the play stopped before its move " << mGame.done;
        EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty())
            << TestSupport::ReportRecorder::LastDescription();
    }

    Platform::Services mServices;
    TutorialGame mGame;
    std::filesystem::path mSaves;
};

} // namespace

TEST_F(TutorialPlayTest, LevelOneWelcomesClearOfTheFieldThenFollowsTheGardenBedAndTheStorehouseWindow)
{
    std::vector<std::string> seen;
    auto look = [&] { seen.push_back(ShownTip()); };
    bool welcomeCoversAnObject = true;
    bool heldUnderTheTip = false;
    bool freeAfterTheTip = false;
    // The goals window first: its OK frees the level.
    Then(120, [] { _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow); });
    Then(200,
         [&]
         {
             look(); // the welcome, two seconds in
             welcomeCoversAnObject = false;
             const Entity& garden = Find(Entity::kGarden);
             const auto& gardenBed = dynamic_cast<const EntityGarden&>(garden);
             for (const Clickable* object : {static_cast<const Clickable*>(&garden),
                                             static_cast<const Clickable*>(gardenBed.GetWorker()),
                                             static_cast<const Clickable*>(&Find(Entity::kStorehouse)),
                                             static_cast<const Clickable*>(&Find(Entity::kShop))})
             {
                 welcomeCoversAnObject =
                     welcomeCoversAnObject || (object != nullptr && TipCovers(object->GetRect()));
             }
         });
    Then(300, look); // it waits for the pointer
    RestOnTip();
    PointerAway();
    Then(90, look); // the garden bed's tip
    Click(
        []
        {
            const Entity& garden = Find(Entity::kGarden);
            return FreePointOf(garden, dynamic_cast<const EntityGarden&>(garden).GetWorker());
        });
    PointerAway();
    Then(90, look); // the task's tip on the panel
    Then(1, [] { _GetMain().GetGameGuiManager()->Show(StoreHouseGUI::kWindowId); });
    Then(120,
         [&]
         {
             look(); // the window's tip, over an empty storehouse too
             auto* window =
                 dynamic_cast<StoreHouseGUI*>(_GetMain().GetGameGuiManager()->Get(StoreHouseGUI::kWindowId));
             const auto* cancel = dynamic_cast<const Korrin::GuiButton*>(
                 window->GetMainWindow()->GetByName("StoreShop_Cancel"));
             heldUnderTheTip = cancel != nullptr && cancel->IsDisabled();
         });
    RestOnTip();
    Then(10,
         [&]
         {
             look();
             auto* window =
                 dynamic_cast<StoreHouseGUI*>(_GetMain().GetGameGuiManager()->Get(StoreHouseGUI::kWindowId));
             const auto* cancel = dynamic_cast<const Korrin::GuiButton*>(
                 window->GetMainWindow()->GetByName("StoreShop_Cancel"));
             freeAfterTheTip = cancel != nullptr && !cancel->IsDisabled();
         });
    Run(1);
    EXPECT_EQ(seen, (std::vector<std::string>{"EduWelcome", "EduWelcome", "EduGarden", "EduGardenTask",
                                              "EduStoreWindow", ""}));
    EXPECT_FALSE(welcomeCoversAnObject) << "the welcome covers none of the objects the tips go on to";
    EXPECT_TRUE(heldUnderTheTip);
    EXPECT_TRUE(freeAfterTheTip) << "the pointer on the window's tip ends it";
}

TEST_F(TutorialPlayTest, LevelTwoAsksForEachStepOnceAndMovesOnWhenItIsDone)
{
    std::vector<std::string> seen;
    auto look = [&] { seen.push_back(ShownTip()); };
    Then(120, [] { _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow); });
    Then(150, look); // the garden bed's tip
    Click(
        []
        {
            const Entity& garden = Find(Entity::kGarden);
            return FreePointOf(garden, dynamic_cast<const EntityGarden&>(garden).GetWorker());
        });
    PointerAway();
    Then(60,
         [&]
         {
             look(); // a bought bed, selected: on to its gardener's tab
             Entity& garden = Find(Entity::kGarden);
             garden.SetPanelMode(1);
             garden.ChangeGui();
         });
    Then(60, look);
    Run(2);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], "EduGarden2");
    EXPECT_EQ(seen[1], "EduGardenerTab") << "the bed just clicked is not asked for again";
    EXPECT_NE(seen[2], "EduGardenerTab") << "the gardener's tab open: its tip is gone";
    EXPECT_NE(seen[2], "EduGarden2");
    EXPECT_NE(seen[2], "EduGardenAgain");
}

TEST_F(TutorialPlayTest, LevelThreesRopeTipLeavesOnceTheRopeStands)
{
    std::vector<std::string> seen;
    auto look = [&] { seen.push_back(ShownTip()); };
    Then(120, [] { _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow); });
    Then(150, look); // the rope's tip, with money enough for the rope
    Then(1, [] { Level::GetInstance()->GetGameField()->SetTile(4, 11, 40); });
    Then(10, look);
    Then(300, look); // and it does not come back
    Run(3);
    EXPECT_EQ(seen, (std::vector<std::string>{"EduRope", "", ""}));
}

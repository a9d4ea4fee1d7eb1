#include "engine/App/InputManager.h"
#include "engine/Render/RenderSystem.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Util/InputLocks.h"
#include "platform/WindowSystem.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/game/Level/LevelFileBuilder.h"

#include <gtest/gtest.h>

using TestSupport::LevelFileBuilder;

namespace
{

// A built level with the mouse of the headless window, read by the input manager each frame.
class LevelInputTest : public testing::Test
{
protected:
    LevelInputTest()
    {
        LevelFileBuilder level = LevelFileBuilder::Complete();
        level.Floor(10);
        level.Object(4, 10, 14);
        level.Object(10, 10, 14);
        mLevel.Build(level.Parsed());
        mLevel.ResetLevel();
        mShop = mLevel.GetEntityManager()->GetEntity(Entity::kShop);
    }
    ~LevelInputTest() override { InputLocks::first = InputLocks::second = InputLocks::third = false; }

    // One frame with the mouse at (x, y), the left button down or up.
    bool Frame(float x, float y, bool down, float dt = 0.1f)
    {
        Platform::MouseInput& mouse = mRender.Services().Window().Mouse();
        mouse.MoveTo({static_cast<int>(x), static_cast<int>(y)});
        mouse.SetButton(0, down);
        mInput.Update();
        return mLevel.Update(dt);
    }
    void Click(const Entity& entity)
    {
        const Korrin::Rect& rect = entity.GetRect();
        Frame(rect.left + 5.0f, rect.top + 5.0f, false);
        Frame(rect.left + 5.0f, rect.top + 5.0f, true);
    }

    // A shown (and so focused) window for the mouse device.
    static Platform::WindowHandle ShownWindow(Platform::WindowSystem& windows)
    {
        const Platform::WindowHandle window =
            windows.CreateAppWindow("level", 0, {0, 0, 1024, 768},
                                    [](Platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t)
                                    { return std::intptr_t{0}; });
        windows.ShowWindow(window, Platform::ShowCommand::Normal);
        return window;
    }

    TestSupport::RenderFixture mRender;
    Korrin::InputManager mInput{ShownWindow(mRender.Services().Window())};
    Level mLevel;
    Entity* mShop = nullptr;
};

} // namespace

TEST_F(LevelInputTest, AClickOnAnEntitySelectsItUntilAClickElsewhere)
{
    ASSERT_NE(mShop, nullptr);
    Click(*mShop);
    EXPECT_EQ(mLevel.GetPendingObject(), mShop);
    EXPECT_EQ(mShop->GetPressed(), 1);
    EXPECT_EQ(mShop->GetHover(), 1);
    // Holding the button is no new click.
    Frame(mShop->GetRect().left + 5.0f, mShop->GetRect().top + 5.0f, true);
    EXPECT_EQ(mLevel.GetPendingObject(), mShop);
    // The bare field takes the next click: nothing is selected.
    Frame(500.0f, 20.0f, false);
    EXPECT_EQ(mShop->GetHover(), -1);
    Frame(500.0f, 20.0f, true);
    EXPECT_EQ(mLevel.GetPendingObject(), nullptr);
    EXPECT_EQ(mShop->GetPressed(), -1);
}

TEST_F(LevelInputTest, OnlyTheFirstObjectUnderTheMouseIsHoveredAndClicked)
{
    // The two wells overlap nothing; a click on the second selects the second.
    Entity* first = nullptr;
    Entity* second = nullptr;
    for (const auto& [type, entity] : mLevel.GetEntityManager()->GetEntities())
    {
        if (type == Entity::kWaterWell)
        {
            (first == nullptr ? first : second) = entity;
        }
    }
    ASSERT_NE(second, nullptr);
    Click(*second);
    EXPECT_EQ(mLevel.GetPendingObject(), second);
    EXPECT_EQ(first->GetHover(), -1);
    Click(*first);
    EXPECT_EQ(mLevel.GetPendingObject(), first);
    EXPECT_EQ(second->GetPressed(), -1);
}

TEST_F(LevelInputTest, InputLocksKeepClicksAwayAndTheThirdStopsTheClock)
{
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    ASSERT_NE(task, nullptr);
    const float before = task->levelTime;
    InputLocks::second = true;
    Click(*mShop);
    EXPECT_EQ(mLevel.GetPendingObject(), nullptr);
    EXPECT_NEAR(task->levelTime, before + 0.2f, 1e-5f);
    InputLocks::second = false;
    Click(*mShop);
    ASSERT_EQ(mLevel.GetPendingObject(), mShop);
    InputLocks::third = true;
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(mShop->GetPressed(), -1) << "every object drops its pressed state";
    EXPECT_NEAR(task->levelTime, before + 0.4f, 1e-5f);
}

TEST_F(LevelInputTest, ASwitchedOffSelectionIsDropped)
{
    Click(*mShop);
    ASSERT_EQ(mLevel.GetPendingObject(), mShop);
    mShop->SetSelectable(false);
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(mLevel.GetPendingObject(), nullptr);
    EXPECT_EQ(mShop->GetPressed(), -1);
}

TEST_F(LevelInputTest, TheLevelEndsOneSecondAfterTheLastGoal)
{
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    ASSERT_NE(task, nullptr);
    task->allGoalsMet = 1;
    EXPECT_TRUE(Frame(0.0f, 0.0f, false, 0.5f));
    EXPECT_TRUE(Frame(0.0f, 0.0f, false, 0.5f));
    EXPECT_FALSE(Frame(0.0f, 0.0f, false, 0.01f));
}

TEST_F(LevelInputTest, OfTwoOverlappingObjectsOnlyTheFirstInTheListIsHoveredAndClicked)
{
    std::vector<Entity*> wells;
    for (Clickable* object : mLevel.GetObjects())
    {
        if (object->GetType() == Entity::kWaterWell)
        {
            wells.push_back(dynamic_cast<Entity*>(object));
        }
    }
    ASSERT_EQ(wells.size(), 2u);
    wells[1]->SetRect(wells[0]->GetRect());
    Click(*wells[1]);
    EXPECT_EQ(wells[0]->GetHover(), 1);
    EXPECT_EQ(wells[1]->GetHover(), -1);
    EXPECT_EQ(mLevel.GetPendingObject(), wells[0]);
    EXPECT_EQ(wells[1]->GetPressed(), -1);
}

TEST_F(LevelInputTest, NoObjectTakesAClickWithoutTheMouseOverIt)
{
    Frame(500.0f, 20.0f, false);
    Frame(500.0f, 20.0f, true);
    EXPECT_FALSE(mShop->TryClick()) << "the button went down this frame, but elsewhere";
    EXPECT_EQ(mShop->GetPressed(), -1);
}

TEST_F(LevelInputTest, AClickOnAQueuedOrderCancelsItWithARefund)
{
    Entity* well = mLevel.GetEntityManager()->GetEntity(Entity::kWaterWell);
    // The level's prepaid pails make room for three orders of our own.
    while (well->GetTaskCount() > 0)
    {
        well->RemoveTask(0, false);
    }
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    task->money = 15 + 26 + 36;
    well->SetTaskPosition(300.0f, 100.0f);
    ASSERT_TRUE(well->AddTask(126));
    ASSERT_TRUE(well->AddTask(127));
    ASSERT_TRUE(well->AddTask(128));
    ASSERT_EQ(task->money, 0);
    Frame(300.0f + 46.0f + 10.0f, 110.0f, false);
    Frame(300.0f + 46.0f + 10.0f, 110.0f, true);
    EXPECT_EQ(task->money, 36);
    ASSERT_EQ(well->GetTaskCount(), 2u);
    EXPECT_EQ(well->GetTask(1), 127);
    ASSERT_EQ(mLevel.GetMoneyAnimation()->GetEntries().size(), 1u) << "the refund rises as a money figure";
    // On the column shared by the first two icons only the first order goes.
    Frame(323.0f, 110.0f, false);
    Frame(323.0f, 110.0f, true);
    EXPECT_EQ(well->GetTaskCount(), 1u);
    EXPECT_EQ(well->GetTask(0), 127);
}

#pragma once

#include "engine/App/InputManager.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Render/SkeletonManager.h"
#include "engine/Util/Random.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/GUI/AchievementSystem.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Pers/PersAnimationManager.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"
#include "platform/WindowSystem.h"
#include "tests/game/Level/LevelFileBuilder.h"
#include "tests/game/Panel/SampleMedia.h"
#include "tests/support/AchievementDefinitions.h"

#include <functional>

namespace TestSupport
{

// A level of the sample data on its bottom floor (the shop on columns 7 and 8, the storehouse on column
// 12), with its entities initialised and reset, the characters' figures, the panel, the game's effects,
// achievements 1 to 13 and the mouse of a headless window. The price table and the level file can be
// changed before the level is built.
class StoreLevelTest : public SampleMediaTest
{
protected:
    explicit StoreLevelTest(const std::function<void(TableCost&, LevelFileBuilder&)>& prepare = {})
    {
        Korrin::SeedRand(1);
        mEffects.Load();
        DefineAchievements(mAchievements, "{ {Id = 1, MaxProgress = 1000}, {Id = 3, MaxProgress = 1000}, "
                                          "{Id = 4, MaxProgress = 1000}, {Id = 7, MaxProgress = 1000}, "
                                          "{Id = 8, MaxProgress = 1000}, {Id = 10, MaxProgress = 1000}, "
                                          "{Id = 13, MaxProgress = 1} }");
        mPanel.Init();
        mPanel.Reset();
        LevelFileBuilder level = LevelFileBuilder::Complete();
        if (prepare)
        {
            prepare(mTable, level);
        }
        mLevel.Build(level.Parsed());
        mLevel.GetEntityManager()->Init();
        mLevel.ResetLevel();
        mShop = static_cast<EntityShop*>(mLevel.GetEntityManager()->GetEntity(Entity::kShop));
        mStorehouse =
            static_cast<EntityStorehouse*>(mLevel.GetEntityManager()->GetEntity(Entity::kStorehouse));
    }
    ~StoreLevelTest() override { InputLocks::first = InputLocks::second = InputLocks::third = false; }

    // One frame of the level with the mouse at the point, the left button down or up.
    void Frame(const Korrin::Vector2& point, bool down, float dt = 0.0f)
    {
        Platform::MouseInput& mouse = mRender.Services().Window().Mouse();
        mouse.MoveTo({static_cast<int>(point.x), static_cast<int>(point.y)});
        mouse.SetButton(0, down);
        mInput.Update();
        mLevel.Update(dt);
    }
    void Click(const Korrin::Vector2& point)
    {
        Frame(point, false);
        Frame(point, true);
        Frame(point, false);
    }
    // The panel's button of that name is clicked in this frame.
    void PressButton(const char* name)
    {
        Korrin::GuiElement* button = Button(name);
        ASSERT_NE(button, nullptr) << name;
        mWidgets.SetMessages(button);
        mLevel.Update(0.0f);
        mWidgets.RemoveMessage();
    }
    Korrin::GuiButton* Button(const char* name)
    {
        Korrin::GuiContainer* page = mPanel.GetPanel(mPanel.GetCurrent());
        return page != nullptr ? dynamic_cast<Korrin::GuiButton*>(page->GetByName(name)) : nullptr;
    }
    LevelTaskInfo& Task() { return *LevelTaskInfo::Peek(); }
    std::uint32_t Progress(std::uint32_t id) { return mAchievements.GetData(id)->mProgress; }

    static Platform::WindowHandle ShownWindow(Platform::WindowSystem& windows)
    {
        const Platform::WindowHandle window =
            windows.CreateAppWindow("store", 0, {0, 0, 1024, 768},
                                    [](Platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t)
                                    { return std::intptr_t{0}; });
        windows.ShowWindow(window, Platform::ShowCommand::Normal);
        return window;
    }

    Korrin::InputManager mInput{ShownWindow(mRender.Services().Window())};
    Korrin::GuiManager mWidgets;
    TableCost mTable;
    GameParticleManager mEffects;
    AchievementSystem mAchievements;
    HintManager mHints;
    GamePanel mPanel;
    Korrin::SkeletonManager mSkeletons;
    PersAnimationManager mAnimations;
    Level mLevel;
    EntityShop* mShop = nullptr;
    EntityStorehouse* mStorehouse = nullptr;
};

} // namespace TestSupport

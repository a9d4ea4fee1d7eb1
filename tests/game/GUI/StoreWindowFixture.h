#pragma once

#include "engine/App/InputManager.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Util/Random.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/StoreHouseGUI.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Main.h"
#include "game/Util/InputLocks.h"
#include "platform/WindowSystem.h"
#include "tests/game/Level/LevelFileBuilder.h"
#include "tests/game/Panel/SampleMedia.h"

#include <functional>

namespace TestSupport
{

// The storehouse window of the screen manager's window registry over a level of the sample data (the
// shop on columns 7 and 8, the storehouse on column 12 of the bottom floor), with the panel, the game's
// effects, the translated texts and the mouse of a headless window. The level file can be changed before the
// level is built.
class StoreWindowTest : public SampleMediaTest
{
protected:
    explicit StoreWindowTest(const std::function<void(LevelFileBuilder&)>& prepare = {})
    {
        Korrin::SeedRand(1);
        mTexts.Load("strings.xml");
        mEffects.Load();
        mPanel.Init();
        mPanel.Reset();
        LevelFileBuilder level = LevelFileBuilder::Complete();
        if (prepare)
        {
            prepare(level);
        }
        mLevel.Build(level.Parsed());
        mLevel.GetEntityManager()->Init();
        mLevel.ResetLevel();
        mShop = dynamic_cast<EntityShop*>(mLevel.GetEntityManager()->GetEntity(Entity::kShop));
        mStorehouse =
            dynamic_cast<EntityStorehouse*>(mLevel.GetEntityManager()->GetEntity(Entity::kStorehouse));
        mWindow = dynamic_cast<StoreHouseGUI*>(mMain.GetGameGuiManager()->Get(StoreHouseGUI::kWindowId));
        mWindow->Init();
    }
    ~StoreWindowTest() override { InputLocks::first = InputLocks::second = InputLocks::third = false; }

    // Opens the window as a click on the storehouse does, and lets that click's release go by.
    void Open()
    {
        Frame(mMouse, true);
        mMain.GetGameGuiManager()->Show(StoreHouseGUI::kWindowId);
        Release();
    }
    void Release()
    {
        Frame(mMouse, false);
        // The game screen clears the field's second lock at a release.
        InputLocks::second = false;
    }

    // One frame as the application runs it: input, the widgets' input pass, the window, the widgets'
    // update; the click message lives for this frame.
    void Frame(const Korrin::Vector2& point, bool down)
    {
        mMouse = point;
        Platform::MouseInput& mouse = mRender.Services().Window().Mouse();
        mouse.MoveTo({static_cast<int>(point.x), static_cast<int>(point.y)});
        mouse.SetButton(0, down);
        mInput.Update();
        mWidgets.HandleInput();
        mMain.GetGameGuiManager()->Update(0.0f);
        mWidgets.Update();
        mWidgets.RemoveMessage();
    }
    void Click(const Korrin::Vector2& point)
    {
        Frame(point, false);
        Frame(point, true);
        Frame(point, false);
    }
    // The middle of a widget of the main window.
    Korrin::Vector2 CentreOf(const char* name)
    {
        const Korrin::GuiElement* element = mWindow->GetMainWindow()->GetByName(name);
        const Korrin::Rect& hit = element->GetHitRect();
        return {element->GetPosition().x + (hit.left + hit.right) * 0.5f,
                element->GetPosition().y + (hit.top + hit.bottom) * 0.5f};
    }
    // The widget of that name is clicked in this frame, whether or not it would take a click.
    void Press(const char* name)
    {
        Korrin::GuiElement* element = nullptr;
        for (Korrin::GuiContainer* window :
             {mWindow->GetMainWindow(), mWindow->GetSaleConfirm(), mWindow->GetBuyConfirm()})
        {
            element = element != nullptr ? element : window->GetByName(name);
        }
        ASSERT_NE(element, nullptr) << name;
        mWidgets.SetMessages(element);
        mMain.GetGameGuiManager()->Update(0.0f);
        mWidgets.RemoveMessage();
    }
    Korrin::GuiButton* Row(std::uint32_t row, bool all) { return mWindow->RowButton(row, all); }
    void Stock(std::uint8_t goods, int units)
    {
        for (int unit = 0; unit < units; ++unit)
        {
            mStorehouse->GetCells().PutGoodsInstant(goods);
        }
    }
    std::uint32_t Count(const StoreCellManager& cells, std::uint8_t goods)
    {
        const auto counts = cells.GetGoodsCounts();
        const auto found = counts.find(goods);
        return found != counts.end() ? found->second : 0;
    }
    std::size_t NewGoods(const std::vector<StoreTrade::Cell>& cells)
    {
        return static_cast<std::size_t>(std::count_if(
            cells.begin(), cells.end(), [](const StoreTrade::Cell& cell) { return cell.HoldsNewGoods(); }));
    }
    LevelTaskInfo& Task() { return *LevelTaskInfo::Peek(); }
    StoreTrade& Trade() { return mWindow->GetTrade(); }

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
    Korrin::LocaleManager mTexts;
    Main mMain;
    GameParticleManager mEffects;
    GamePanel mPanel;
    Level mLevel;
    EntityShop* mShop = nullptr;
    EntityStorehouse* mStorehouse = nullptr;
    StoreHouseGUI* mWindow = nullptr;
    Korrin::Vector2 mMouse{900.0f, 700.0f};
};

} // namespace TestSupport

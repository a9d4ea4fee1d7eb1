#pragma once

#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "game/GUI/AchievementSystem.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/GameTables.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Util/HintManager.h"
#include "tests/game/Panel/SampleMedia.h"

#include <string>

namespace TestSupport
{

// The level's panel built from the sample "Panel.gui", with the money, the price tables and the static
// tables: what the garden's and the well's pages are filled and clicked on.
class GardenPanelFixture : public SampleMediaTest
{
protected:
    GardenPanelFixture()
    {
        GameTables::Build();
        mParticlesOfGame.Load();
        mPanel.Init();
        mPanel.Reset();
        mTask.money = 1000;
        mTask.level = 1;
    }
    ~GardenPanelFixture() override { GameTables::Free(); }

    // A button of the panel's current page; null (and a failure) when the page lacks it.
    Korrin::GuiButton* Button(const std::string& name)
    {
        Korrin::GuiContainer* page = mPanel.GetPanel(mPanel.GetCurrent());
        auto* button = page != nullptr ? dynamic_cast<Korrin::GuiButton*>(page->GetByName(name)) : nullptr;
        if (button == nullptr)
        {
            ADD_FAILURE() << "no button " << name << " on page " << mPanel.GetCurrent();
        }
        return button;
    }
    // Shown and enabled.
    bool Open(const std::string& name)
    {
        const Korrin::GuiButton* button = Button(name);
        return button != nullptr && button->IsVisible() && !button->IsDisabled();
    }
    std::u16string Caption(const std::string& name)
    {
        Korrin::GuiButton* button = Button(name);
        return button != nullptr ? button->GetText(Korrin::GuiButton::kNormal).mCaption : u"(none)";
    }
    // The element clicked in this frame, as the widget manager reports it.
    void Clicked(const std::string& name)
    {
        Korrin::GuiContainer* page = mPanel.GetPanel(mPanel.GetCurrent());
        mWidgets.RemoveMessage();
        mWidgets.SetMessages(page != nullptr ? page->GetByName(name) : nullptr);
    }

    Korrin::GuiManager mWidgets;
    TableCost mTable;
    LevelTaskInfo mTask;
    AchievementSystem mAchievements;
    GameParticleManager mParticlesOfGame;
    HintManager mHints;
    GamePanel mPanel;
};

} // namespace TestSupport

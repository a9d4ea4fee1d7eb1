#pragma once

#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Render/Animation.h"
#include "engine/Render/SkeletonManager.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/EntityWaterWell.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/GUI/AchievementSystem.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/GameTables.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Pers/PersAnimationManager.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersRunGardener.h"
#include "game/Util/HintManager.h"
#include "tests/game/Level/LevelFileBuilder.h"
#include "tests/game/Panel/SampleMedia.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace TestSupport
{

// A small level built from the sample data, with the real gardener figure: on the bottom floor (row 22)
// the well on column 6, the shop on 7 and 8, the garden's beds on 9 and 10 with its hired gardener
// (idle place on column 11, right of the garden) and the storehouse on 12. The panel is there for the
// garden's buttons.
class GardenerLevelFixture : public SampleMediaTest
{
protected:
    static constexpr float kFrame = 1.0f / 60.0f;
    static constexpr std::int32_t kRow = 22;
    static constexpr std::int32_t kWellColumn = 6;
    static constexpr std::int32_t kLeftBed = 9;
    static constexpr std::int32_t kRightBed = 10;
    static constexpr std::int32_t kIdleColumn = 11;

    GardenerLevelFixture()
    {
        GameTables::Build();
        mParticlesOfGame.Load();
        mPanel.Init();
        mPanel.Reset();
    }
    ~GardenerLevelFixture() override { GameTables::Free(); }

    // Builds the level; the gardener has made its first visit and stands idle beside its garden.
    void Build()
    {
        LevelFileBuilder level = LevelFileBuilder::Complete();
        level.Object(kWellColumn, kRow, 14);
        level.Object(kLeftBed, kRow, 5);
        level.Object(kRightBed, kRow, 5);
        level.Object(kRightBed, kRow - 1, 69); // hired
        level.Object(kRightBed, kRow + 1, 78); // the idle place on the right
        mLevel.Build(level.Parsed());
        mLevel.InitAll();
        mLevel.ResetLevel();
        LevelTaskInfo::Peek()->money = 1000;
        Gardener().SetFirstVisitPending(false);
        Gardener().SetIJ(kIdleColumn, kRow);
        ReportRecorder::Clear();
    }

    EntityGarden& Garden() { return dynamic_cast<EntityGarden&>(*Entities().GetEntity(Entity::kGarden)); }
    EntityWaterWell& Well()
    {
        return dynamic_cast<EntityWaterWell&>(*Entities().GetEntity(Entity::kWaterWell));
    }
    EntityStorehouse& Storehouse()
    {
        return dynamic_cast<EntityStorehouse&>(*Entities().GetEntity(Entity::kStorehouse));
    }
    PersRunGardener& Gardener() { return dynamic_cast<PersRunGardener&>(*Garden().GetWorker()); }
    EntityManager& Entities() { return *mLevel.GetEntityManager(); }

    // One frame of the field: the entities, then the characters.
    void Step(float dt = kFrame)
    {
        Entities().Update(dt);
        mLevel.GetPersManager()->Update(dt);
    }
    // Frames until the condition holds; false when it did not within the seconds.
    bool RunUntil(const std::function<bool()>& condition, float seconds)
    {
        for (float t = 0.0f; t < seconds; t += kFrame)
        {
            if (condition())
            {
                return true;
            }
            Step();
        }
        return condition();
    }

    // Sends the gardener from its idle place to a bed of the garden, as the garden's decision does.
    void SendToBed(std::int32_t column, std::uint8_t sowing)
    {
        ASSERT_TRUE(Gardener().GoTo({column, kRow, &Garden()}, sowing));
        Gardener().SetDream(Pers::kNoDream);
        Gardener().SetBusy(true);
    }
    // A bed sown with the crop, watered for the fruits and grown ripe.
    void GrowRipe(std::size_t bed, std::uint8_t crop, std::uint8_t fruits)
    {
        Plant& plant = Garden().GetBed(bed);
        plant.SetType(crop);
        plant.SetSownMark(crop);
        plant.SetFruitCount(fruits);
        for (int frame = 0; frame < 60 * 60 && !plant.IsRipe(); ++frame)
        {
            plant.Update(kFrame);
        }
        ASSERT_TRUE(plant.IsRipe());
    }

    // The current animation's key frame.
    std::uint32_t KeyFrame() { return Gardener().GetFigure()->GetState().mLastKeyFrame; }

    // The garden's page with the button clicked this frame.
    void Click(const std::string& name)
    {
        Garden().ChangeGui();
        Korrin::GuiContainer* page = mPanel.GetPanel(mPanel.GetCurrent());
        mWidgets.RemoveMessage();
        mWidgets.SetMessages(page != nullptr ? page->GetByName(name) : nullptr);
        Garden().OnGuiEvent();
        mWidgets.RemoveMessage();
    }

    Korrin::GuiManager mWidgets;
    TableCost mTable;
    AchievementSystem mAchievements;
    GameParticleManager mParticlesOfGame;
    HintManager mHints;
    GamePanel mPanel;
    Korrin::SkeletonManager mSkeletons;
    PersAnimationManager mAnimations;
    Level mLevel;
};

} // namespace TestSupport

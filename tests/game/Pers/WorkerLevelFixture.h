#pragma once

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/Render/SkeletonManager.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Pers/PersAnimationManager.h"
#include "game/Pers/PersManager.h"
#include "tests/game/Entity/StoreLevelFixture.h"

#include <functional>
#include <map>

namespace TestSupport
{

// The managers of the characters' figures, made before the level that creates the characters.
struct CharacterFigureManagers
{
    Korrin::SkeletonManager mSkeletons;
    PersAnimationManager mAnimations;
};

// A level of the sample data with two staffed buildings on its bottom floor: a juicer on columns 1 to 4
// with its errand boy and a roaster on columns 5 to 8 with its fairy, both hired, and the storehouse on
// column 12. The buyers' queue waits on a floor above; the level has no shop, so no buyer comes in.
class WorkerLevelTest : protected CharacterFigureManagers, public StoreLevelTest
{
protected:
    static constexpr float kFrame = 1.0f / 60.0f;

    WorkerLevelTest() : StoreLevelTest([](TableCost&, LevelFileBuilder& level) { level = Layout(); })
    {
        mLevel.GetPersManager()->Init();
        mLevel.ResetLevel();
        EntityManager& entities = *mLevel.GetEntityManager();
        mJuicer = dynamic_cast<EntityBuilding*>(entities.GetEntity(30));
        mRoaster = dynamic_cast<EntityBuilding*>(entities.GetEntity(38));
        mBoy = mJuicer != nullptr ? mJuicer->GetWorker() : nullptr;
        mFairy = mRoaster != nullptr ? mRoaster->GetWorker() : nullptr;
        Task().money = 100000;
    }

    static LevelFileBuilder Layout()
    {
        LevelFileBuilder level;
        level.Floor(22);
        level.Floor(16);
        level.Object(0, 22, Entity::kBuyersEntry);
        level.Object(15, 22, Entity::kBuyersExit);
        for (int place = 0; place < 5; ++place)
        {
            level.Object(1 + place, 16, static_cast<std::uint16_t>(79 + place));
        }
        for (int i = 1; i <= 4; ++i)
        {
            level.Object(i, 22, 30);
            level.Object(i + 4, 22, 38);
        }
        level.Object(4, 21, 69);
        level.Object(8, 21, 69);
        level.Object(12, 22, Entity::kStorehouse);
        return level;
    }

    // Runs the level frame by frame until the condition holds; the seconds it took (the limit if never).
    float RunUntil(const std::function<bool()>& done, float limit)
    {
        float seconds = 0.0f;
        while (!done() && seconds < limit)
        {
            mLevel.Update(kFrame);
            seconds += kFrame;
        }
        return seconds;
    }

    std::uint32_t Stored(std::uint8_t goods) const
    {
        const auto counts = mStorehouse->GetCells().GetGoodsCounts();
        const auto found = counts.find(goods);
        return found != counts.end() ? found->second : 0;
    }

    // Fills the storehouse instantly with these goods.
    void Stock(std::initializer_list<std::uint8_t> goods)
    {
        for (const std::uint8_t item : goods)
        {
            ASSERT_TRUE(mStorehouse->GetCells().PutGoodsInstant(item)) << int(item);
        }
    }

    // Waits until the worker has changed into its building's clothes and is free.
    void WaitForTheChange(Pers& worker)
    {
        RunUntil([&] { return worker.GetFigureIndex() == 1 && !worker.IsBusy(); }, 20.0f);
        ASSERT_EQ(worker.GetFigureIndex(), 1) << "the worker changed on its first visit";
    }

    // Takes every unit out of the storehouse: its few boxes fill after a run or two.
    void EmptyStorehouse()
    {
        for (const auto& [goods, count] : mStorehouse->GetCells().GetGoodsCounts())
        {
            for (std::uint32_t unit = 0; unit < count; ++unit)
            {
                ASSERT_TRUE(mStorehouse->GetCells().TakeGoodsInstant(goods)) << int(goods);
            }
        }
    }

    // Ends the building's sale of its worker at the next update, in whatever the worker is doing now.
    void SellNow(EntityBuilding& building)
    {
        building.SetSaleTimer(1.0f);
        mLevel.Update(kFrame);
    }

    // Hires the building's worker again, as the worker's page does: it starts at the storehouse.
    void Rehire(EntityBuilding& building)
    {
        Pers& worker = *building.GetWorker();
        worker.SetIJ(mStorehouse->GetWalkI(), mStorehouse->GetWalkJ());
        worker.SetActive(true);
    }

    std::vector<std::uint8_t> SaveLevel()
    {
        Korrin::BinaryWriter out;
        SaveLoadManager::Peek()->SaveAll(out);
        return out.Bytes();
    }
    bool LoadLevel(const std::vector<std::uint8_t>& bytes)
    {
        Korrin::BinaryReader in(bytes);
        return SaveLoadManager::Peek()->LoadAll(in) && in.AtEnd();
    }

    EntityBuilding* mJuicer = nullptr;
    EntityBuilding* mRoaster = nullptr;
    Pers* mBoy = nullptr;
    Pers* mFairy = nullptr;
};

} // namespace TestSupport

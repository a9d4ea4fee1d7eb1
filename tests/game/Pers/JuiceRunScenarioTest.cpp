#include "engine/File/FileSysManager.h"
#include "engine/Render/SkeletonManager.h"
#include "engine/Render/SpriteManager.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Game/Game.h"
#include "game/Game/Level.h"
#include "platform/PngCodec.h"
#include "tests/engine/LogCapture.h"
#include "tests/game/GameProcess.h"
#include "tests/game/LevelDataFolder.h"
#include "tests/game/ProfileTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

constexpr std::uint8_t kJuice = 89;
constexpr std::uint8_t kRoastedBeans = 115;

// Today's third sample level (a copy of it, tests/fixtures/play/juice-run.map, so that the clicks keep
// finding what they click on) as the sample player plays it: the juicer with its errand boy and the
// roaster with its fairy on the upper floor, the storehouse two flights of stairs below.
class JuiceRunScenario : public ProfileTestSupport::SaveFolderTest
{
protected:
    // The sample player, with level 3 open on the world map, written by the profile's own writers.
    void WritePlayerWithLevelThreeOpen()
    {
        CopyStoredFixtures();
        ProfileTestSupport::World world;
        world.StartAndTake();
        GameInfo::GetInstance()->highestLevel = 3;
        world.profile.SaveAll();
    }

    bool Decodes(const std::string& name) const
    {
        const std::string bytes = mGame.ReadFile(name);
        Platform::Image picture;
        return Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                          picture) &&
               picture.width == 1024;
    }

    // The goods in the storehouse's boxes as the level save holds them, read back by the game's own
    // loaders, as the game does when the player continues the level.
    std::vector<std::uint8_t> BoxesOfTheLevelSave() const
    {
        TestSupport::LogCapture log;
        Korrin::FileSysManager files(mData.String());
        files.AddDirectory("media");
        Korrin::SpriteManager sprites;
        Korrin::SkeletonManager skeletons;
        ProfileTestSupport::World world;
        Game game;
        world.StartAndTake();
        world.profile.levelInPlay = 2;
        std::vector<std::uint8_t> boxes;
        EXPECT_EQ(world.profile.LoadGame(), Profile::LoadGameResult::Loaded);
        Level* level = Level::Peek();
        auto* store =
            level != nullptr
                ? dynamic_cast<EntityStorehouse*>(level->GetEntityManager()->GetEntity(Entity::kStorehouse))
                : nullptr;
        if (store == nullptr)
        {
            ADD_FAILURE() << "no storehouse in the loaded level";
            return boxes;
        }
        for (const StoreCell& cell : store->GetCells().GetCells())
        {
            if (cell.goods != 0)
            {
                boxes.push_back(cell.goods);
            }
        }
        return boxes;
    }

    GameProcess mGame{"juice-run"};
    LevelDataFolder mData{mGame.PathOf("data"), {{3, "juice-run.map"}}};
};

} // namespace

// The player buys a carrot, oil and beans in the storehouse window and orders a juice and roasted beans.
// The boy goes down both flights of stairs, takes the carrot from its box, climbs back and carries it in;
// the fairy flies both of her inputs up at once. Each bar fills in 25 seconds and each worker carries the
// product down into a box of the storehouse, which the level save written at the end holds.
TEST_F(JuiceRunScenario, TheBoyAndTheFairyFetchTheirInputsAndCarryTheirProductsIntoStorehouseBoxes)
{
    WritePlayerWithLevelThreeOpen();
    // Play, the map's button of level 3, its start window and goals; the storehouse, its Trade button,
    // the storehouse page (the window takes its first click once the opening click is over), a carrot, oil,
    // beans, OK; the juicer and its first order, the roaster and its first order.
    mGame.WriteFile("input.txt", "1 click left\n3 click left\n140 move 156 368\n141 click left\n"
                                 "200 move 128 727\n201 click left\n270 move 422 458\n271 click left\n"
                                 "450 move 512 458\n451 click left\n560 move 895 500\n561 click left\n"
                                 "590 move 620 737\n591 click left\n630 move 760 50\n631 click left\n"
                                 "650 move 760 50\n651 click left\n680 move 388 188\n681 click left\n"
                                 "690 move 388 364\n691 click left\n700 move 388 408\n701 click left\n"
                                 "720 move 670 662\n721 click left\n750 move 800 200\n751 click left\n"
                                 "780 move 390 739\n781 click left\n800 move 520 200\n801 click left\n"
                                 "830 move 390 739\n831 click left\n");
    // The fixture's level in place of the sample data ("--data" given again: the last one counts).
    const std::vector<std::string> options = GameProcess::WindowedWithSaves(
        mFolder, {"--data", mData.String(), "--frames", "4300", "--input", "input.txt", "--screenshot",
                  "1040:stairs.png", "--screenshot", "3620:fairy.png", "--screenshot", "4290:juice.png"});
    ASSERT_TRUE(mGame.Run(options).ExitedWith(0));
    EXPECT_FALSE(std::filesystem::exists(mGame.PathOf("Assert.txt"))) << mGame.ReadFile("Assert.txt");
    for (const char* picture : {"stairs.png", "fairy.png", "juice.png"})
    {
        EXPECT_TRUE(Decodes(picture)) << picture;
    }

    // The storehouse stands on the bottom floor and the buildings on the top one: an input taken from its
    // box before a product came out of a door means the worker went down and came up again.
    const std::string log = mGame.ReadFile("log.log");
    const std::size_t taken = log.find("PickItemAnimatedById() объект будет забран");
    const std::size_t out = log.find("EntityBuilding:: бежим в дом");
    ASSERT_NE(taken, std::string::npos) << "the inputs were taken from their boxes";
    ASSERT_NE(out, std::string::npos) << "a product came out of a door";
    EXPECT_LT(taken, out);
    EXPECT_NE(log.find("EntityBuilding:: бежим в дом", out + 1), std::string::npos)
        << "both products came out";

    std::vector<std::uint8_t> boxes = BoxesOfTheLevelSave();
    std::sort(boxes.begin(), boxes.end());
    EXPECT_EQ(boxes, (std::vector<std::uint8_t>{kJuice, kRoastedBeans}))
        << "the juice and the roasted beans lie in boxes; the carrot, the oil and the beans went in";
}

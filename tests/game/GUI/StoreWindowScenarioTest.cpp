#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Render/SkeletonManager.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityShop.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/Game/Game.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersRunBuyer.h"
#include "game/Profile.h"
#include "platform/Folders.h"
#include "tests/game/GameProcess.h"
#include "tests/game/ProfileTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// The real game, headless with a fixed step: level 1 through the main menu, the map and the start
// window, then the storehouse's flag opens the storehouse window.
class StoreWindowScenario : public testing::Test
{
protected:
    static int Red(std::uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
    static int Green(std::uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
    static int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }
    // Some pixel of the square about the point shows a carrot's orange.
    static bool CarrotAbout(const Platform::Image& picture, int x, int y)
    {
        for (int dy = -12; dy <= 12; ++dy)
        {
            for (int dx = -12; dx <= 12; ++dx)
            {
                const std::uint32_t pixel = picture.At(x + dx, y + dy);
                if (Red(pixel) > 200 && Green(pixel) > 100 && Green(pixel) < 160 && Blue(pixel) < 80)
                {
                    return true;
                }
            }
        }
        return false;
    }
    // Some pixel of the square about the point shows the gold of a coin.
    static bool CoinAbout(const Platform::Image& picture, int x, int y)
    {
        for (int dy = -12; dy <= 12; ++dy)
        {
            for (int dx = -12; dx <= 12; ++dx)
            {
                const std::uint32_t pixel = picture.At(x + dx, y + dy);
                if (Red(pixel) > 220 && Green(pixel) > 170 && Blue(pixel) < 90)
                {
                    return true;
                }
            }
        }
        return false;
    }
    struct Area
    {
        int left;
        int top;
        int right;
        int bottom;
    };
    static int DifferentPixels(const Platform::Image& a, const Platform::Image& b, const Area& area)
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
        {
            for (int x = area.left; x < area.right; ++x)
            {
                count += a.At(x, y) != b.At(x, y) ? 1 : 0;
            }
        }
        return count;
    }
    // The lines of the game's log that contain any of the texts, in the order they were written.
    std::vector<std::string> LogLines(const std::vector<std::string>& texts)
    {
        std::vector<std::string> found;
        const std::string log = mGame.ReadFile("log.log");
        for (std::size_t start = 0; start < log.size();)
        {
            const std::size_t end = std::min(log.find('\n', start), log.size());
            const std::string line = log.substr(start, end - start);
            for (const std::string& text : texts)
            {
                if (line.find(text) != std::string::npos)
                {
                    found.push_back(text);
                }
            }
            start = end + 1;
        }
        return found;
    }
    // The tab at that point is the shown page's: warm and bright.
    static bool ActiveTab(const Platform::Image& picture, int x, int y)
    {
        return Red(picture.At(x, y)) > 160;
    }

    GameProcess mGame;
};

// Level 1 as the game built it, fresh and as the run left it: its data and the level save the game
// wrote on quitting, read back by the game's own loader in a world of the test's.
struct SavedLevel
{
    struct Snapshot
    {
        std::int32_t money = 0;
        std::vector<std::uint8_t> shopGoods;
        std::vector<bool> buyersActive;
        std::int32_t buyersOnField = 0;
        bool counterTaken = false;
        bool shopBusy = false;
    };

    SavedLevel(const std::filesystem::path& saves, const std::filesystem::path& logFile)
    {
        mLog.Open(Korrin::LogManager::kDefaultLog, logFile.string());
        mFiles.AddDirectory("media");
        Platform::Folders::SetSaveFolder(saves.string());
        mProfile.OpenPlayerFiles(kPlayer);
        mProfile.LoadMap();
        mProfile.LoadUpgrades();
        mProfile.levelInPlay = 0;
    }
    ~SavedLevel() { Platform::Folders::SetSaveFolder(""); }

    static Snapshot Take()
    {
        Snapshot snapshot;
        const Level* level = Level::Peek();
        if (level == nullptr)
        {
            return snapshot;
        }
        snapshot.money = LevelTaskInfo::Peek()->money;
        if (auto* shop = dynamic_cast<EntityShop*>(level->GetEntityManager()->GetEntity(Entity::kShop)))
        {
            for (const StoreCell& cell : shop->GetCells().GetCells())
            {
                snapshot.shopGoods.push_back(cell.goods);
            }
            snapshot.shopBusy = shop->IsBusy();
        }
        const PersManager& characters = *level->GetPersManager();
        for (const auto& [number, buyer] : characters.GetBuyers())
        {
            snapshot.buyersActive.push_back(buyer->IsActive());
        }
        snapshot.buyersOnField = characters.GetBuyersOnField();
        snapshot.counterTaken = characters.IsCounterTaken();
        return snapshot;
    }

    // The player of the saves fixture.
    static constexpr std::uint32_t kPlayer = 2;

    Main mMain;
    ProgressBoardManager mBoards;
    Profile mProfile;
    Korrin::LogManager mLog;
    Korrin::FileSysManager mFiles{GameProcess::SampleData()};
    Korrin::SkeletonManager mSkeletons;
    Game mGame;
};

TEST_F(StoreWindowScenario, ACarrotBoughtIntoTheStorehouseAndMovedToTheShopIsSoldToTheFirstBuyer)
{
    std::filesystem::create_directories(mGame.PathOf("saves"));
    for (const std::string& file : ProfileTestSupport::StoredFiles())
    {
        std::filesystem::copy_file(ProfileTestSupport::FixturePath(file), mGame.PathOf("saves") / file);
    }
    // The flag opens the window; the storehouse tab; row 1 buys a carrot; the shop tab asks, and Yes
    // commits the purchase; row 1 moves the carrot to the shop; OK commits and closes. The first buyer
    // then comes in, queues, is served by the companion and leaves; quitting saves the level.
    mGame.WriteFile("store.txt", "1 click left\n3 click left\n140 move 156 368\n141 click left\n"
                                 "200 move 50 735\n201 click left\n270 move 422 458\n271 click left\n"
                                 "450 move 512 458\n451 click left\n470 move 795 440\n471 click left\n"
                                 "490 move 760 50\n491 click left\n510 move 388 188\n511 click left\n"
                                 "540 move 250 50\n541 click left\n560 move 422 458\n561 click left\n"
                                 "580 move 348 188\n581 click left\n620 move 670 662\n621 click left\n");
    ASSERT_TRUE(
        mGame
            .Run(mGame.Headless({"--windowed", "--frames", "1800", "--input", "store.txt", "--screenshot",
                                 "530:store-page.png", "--screenshot", "600:shop-page.png", "--screenshot",
                                 "690:closed.png", "--screenshot", "1230:counter.png", "--screenshot",
                                 "1440:shop.png"}))
            .ExitedWith(0));
    EXPECT_FALSE(std::filesystem::exists(mGame.PathOf("Assert.txt"))) << mGame.ReadFile("Assert.txt");
    const Platform::Image storePage = mGame.Picture("store-page.png");
    EXPECT_TRUE(ActiveTab(storePage, 560, 30));
    EXPECT_FALSE(ActiveTab(storePage, 450, 30));
    EXPECT_TRUE(CarrotAbout(storePage, 602, 170)) << "the carrot bought into the first crate";

    const Platform::Image shopPage = mGame.Picture("shop-page.png");
    EXPECT_TRUE(ActiveTab(shopPage, 450, 30));
    EXPECT_TRUE(CarrotAbout(shopPage, 513, 191)) << "the carrot on the first shelf";

    const Platform::Image closed = mGame.Picture("closed.png");
    EXPECT_GT(Blue(closed.At(760, 50)), Red(closed.At(760, 50))) << "the field's sky again";

    // The buyer at the counter: the carrot still on the shop's left shelf, no money figure yet.
    const Platform::Image counter = mGame.Picture("counter.png");
    EXPECT_TRUE(CarrotAbout(counter, 380, 467)) << "the carrot in the shop's first cell";
    EXPECT_FALSE(CoinAbout(counter, 525, 460));
    // Sold: the cell is empty and the money figure rises above the counter.
    const Platform::Image sold = mGame.Picture("shop.png");
    EXPECT_FALSE(CarrotAbout(sold, 380, 467)) << "the carrot left the shop's cell";
    EXPECT_TRUE(CoinAbout(sold, 525, 460)) << "the money figure over the counter";
    // The goals' strip of the panel counted the sale.
    EXPECT_GT(DifferentPixels(counter, sold, {60, 5, 300, 30}), 0) << "the goals' counts changed";

    // The game's own trace: the buyer left the head of the queue for the counter, the companion's
    // errand started for it, he threw the goods, and nothing else came to the counter.
    EXPECT_EQ(LogLines({"shop->GetCommand", "GOOOOOO QUIB", "Quib кидает", "Quib краснеет"}),
              (std::vector<std::string>{"shop->GetCommand", "GOOOOOO QUIB", "Quib кидает"}));

    // The level save the game wrote on quitting, against level 1 as it starts.
    SavedLevel saved(mGame.PathOf("saves"), mGame.PathOf("check.log"));
    ASSERT_TRUE(Game::GetInstance()->StartLevel(1));
    const SavedLevel::Snapshot fresh = SavedLevel::Take();
    ASSERT_EQ(saved.mProfile.LoadGame(), Profile::LoadGameResult::Loaded);
    const SavedLevel::Snapshot after = SavedLevel::Take();
    EXPECT_EQ(after.money, fresh.money - TableCost::GetStoreHousePrice(84) + TableCost::GetSalePrice(84))
        << "bought for the storehouse's price, sold for the shop's";
    EXPECT_EQ(after.shopGoods, std::vector<std::uint8_t>(after.shopGoods.size(), 0))
        << "nothing left in the shop";
    EXPECT_EQ(after.buyersActive, std::vector<bool>(after.buyersActive.size(), false)) << "the buyer is gone";
    EXPECT_EQ(after.buyersOnField, 0);
    EXPECT_FALSE(after.counterTaken);
    EXPECT_FALSE(after.shopBusy);
}

} // namespace

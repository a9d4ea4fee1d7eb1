#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/Entity/BuildingKind.h"
#include "game/Game/Level.h"
#include "game/Game/LevelFile.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Map.h"
#include "game/MapSettings.h"
#include "game/MapShopGui.h"
#include "platform/PngCodec.h"
#include "tests/engine/LogCapture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace
{

// The build's data folder, with the generated map, shop and level files.
class MapSampleDataTest : public testing::Test
{
protected:
    MapSampleDataTest() { mFiles.AddDirectory("media"); }

    bool Exists(const std::string& name)
    {
        Korrin::FileData data;
        return mFiles.FindFileData(name, data);
    }

    // The entries of a global list, or an empty list; a table's "Image" must name a picture that exists.
    std::vector<std::string> Names(Korrin::LuaScript& lua, const char* global, const char* key)
    {
        std::vector<std::string> names;
        Korrin::LuaStackGuard guard(lua.GetState());
        lua.GetGlobal(global).ForEachElement(
            [&](int /*position*/, const LuaValue& entry)
            {
                const LuaValue name = entry.IsTable() ? entry.GetField(key) : entry;
                names.push_back(name.IsString() ? name.ToString() : std::string());
            });
        return names;
    }

    std::size_t Count(Korrin::LuaScript& lua, const char* global)
    {
        return Names(lua, global, "Name").size();
    }

    void ExpectPicture(Korrin::LuaScript& lua, const char* global)
    {
        Korrin::LuaStackGuard guard(lua.GetState());
        const LuaValue table = lua.GetGlobal(global);
        ASSERT_TRUE(table.IsTable()) << global;
        const LuaValue image = table.GetField("Image");
        EXPECT_TRUE(image.IsString() && Exists(image.ToString())) << global;
    }

    // A level file of the build's data folder.
    LevelFile ReadLevel(int level)
    {
        char name[16];
        std::snprintf(name, sizeof name, "lev%02d.lev", level);
        Korrin::FileData data;
        LevelFile file;
        EXPECT_TRUE(mFiles.FindFileData(name, data) && file.Parse({data.GetData(), data.GetSize()}, name))
            << name;
        return file;
    }

    TestSupport::LogCapture mLog;
    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
};

} // namespace

TEST_F(MapSampleDataTest, TheMapScriptHasItsItemsButtonsWaterAndPictures)
{
    Korrin::LuaScript map;
    ASSERT_EQ(map.LoadFile(Map::kScript, Korrin::LuaScript::IfMissing::Report),
              Korrin::LuaScript::LoadResult::Ran);
    EXPECT_GE(Count(map, "items"), std::size_t{Map::kLeastItems});
    EXPECT_EQ(Count(map, "buttons"), std::size_t{Map::kLevelCount});
    for (const char* table : {"background", "sky", "item_icons", "button_icons", "button_selection",
                              "cup_selection", "river_1", "river_2", "river_3", "river_4", "pond"})
    {
        ExpectPicture(map, table);
    }
    EXPECT_EQ(Names(map, "menu_buttons", "Name"), (std::vector<std::string>{"MAP_SHOP", "MAP_MENU"}));
    Korrin::LuaScript animals;
    animals.LoadFile("map_animal.lua", Korrin::LuaScript::IfMissing::Report);
    EXPECT_GE(Count(animals, "AllObjects"), 9u);
    for (const char* file :
         {"Mill01.png", "map_whell.png", "GoldCupButtonParticle.particle", "SilverCupButtonParticle.particle",
          "nextLevel.particle", "Educationshop.lua", "CompeteBoard.lua", "map_fly.lua"})
    {
        EXPECT_TRUE(Exists(file)) << file;
    }
}

TEST_F(MapSampleDataTest, NoLevelButtonsPictureCoversAnother)
{
    // Every state's picture of a button, and the glow round the chosen one, as one mask of the pixels
    // they paint: no two buttons' masks may meet at their places, at the path's bends too.
    constexpr int kWidth = 36;
    constexpr int kHeight = 48;
    Korrin::FileData data;
    ASSERT_TRUE(mFiles.FindFileData("map_buttons.png", data));
    Platform::Image sheet;
    ASSERT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(data.GetData()),
                                           data.GetSize(), sheet));
    std::vector<bool> painted(kWidth * kHeight, false);
    for (int frame = 0; frame < sheet.width / kWidth; ++frame)
    {
        for (int y = 0; y < kHeight && y < sheet.height; ++y)
        {
            for (int x = 0; x < kWidth; ++x)
            {
                const std::uint32_t pixel =
                    sheet.pixels[static_cast<std::size_t>(y * sheet.width + frame * kWidth + x)];
                if ((pixel >> 24) > 40)
                {
                    painted[static_cast<std::size_t>(y * kWidth + x)] = true;
                }
            }
        }
    }
    Korrin::LuaScript map;
    ASSERT_EQ(map.LoadFile(Map::kScript, Korrin::LuaScript::IfMissing::Report),
              Korrin::LuaScript::LoadResult::Ran);
    std::vector<Korrin::Vector2> places;
    {
        Korrin::LuaStackGuard guard(map.GetState());
        map.GetGlobal("buttons").ForEachElement(
            [&](int, const LuaValue& button)
            {
                Korrin::Vector2 at;
                EXPECT_TRUE(button.GetField("Pos").GetVector2(at));
                places.push_back(at);
            });
    }
    ASSERT_EQ(places.size(), std::size_t{Map::kLevelCount});
    auto covers = [&](int dx, int dy)
    {
        for (int y = std::max(0, dy); y < kHeight && y - dy < kHeight; ++y)
        {
            for (int x = std::max(0, dx); x < kWidth && x - dx < kWidth; ++x)
            {
                if (x - dx >= 0 && painted[static_cast<std::size_t>(y * kWidth + x)] &&
                    painted[static_cast<std::size_t>((y - dy) * kWidth + x - dx)])
                {
                    return true;
                }
            }
        }
        return false;
    };
    for (std::size_t a = 0; a < places.size(); ++a)
    {
        for (std::size_t b = a + 1; b < places.size(); ++b)
        {
            const int dx = static_cast<int>(places[b].x - places[a].x);
            const int dy = static_cast<int>(places[b].y - places[a].y);
            if (std::abs(dx) < kWidth && std::abs(dy) < kHeight)
            {
                EXPECT_FALSE(covers(dx, dy)) << "levels " << a + 1 << " and " << b + 1;
            }
        }
    }
}

TEST_F(MapSampleDataTest, EverySettingNamesAnItemOnceAndRequiresGoodsOnSaleThen)
{
    Korrin::LuaScript map;
    map.LoadFile(Map::kScript, Korrin::LuaScript::IfMissing::Report);
    const std::size_t items = Count(map, "items");
    MapSettings settings;
    settings.Load();
    ASSERT_EQ(settings.GetLevelCount(), Map::kLevelCount);
    TableCost table;
    std::set<std::int32_t> named;
    std::size_t mostRequirements = 0;
    for (std::uint32_t level = 0; level < settings.GetLevelCount(); ++level)
    {
        const MapSettings::LevelSettings& entry = settings.GetLevel(level);
        if (entry.sceneryItem >= 0)
        {
            EXPECT_LT(static_cast<std::size_t>(entry.sceneryItem), items) << level;
            EXPECT_TRUE(named.insert(entry.sceneryItem).second)
                << "item " << entry.sceneryItem << " named twice";
        }
        mostRequirements = std::max(mostRequirements, entry.shopItems.size());
        for (const MapSettings::ShopItem& required : entry.shopItems)
        {
            CostRecord record;
            ASSERT_TRUE(table.GetCost(static_cast<std::uint8_t>(required.id), record)) << level;
            EXPECT_LE(record.unlockLevel, level) << "level " << level + 1 << " requires good " << required.id;
            EXPECT_LE(required.upgrade, record.maxLevel) << level;
            EXPECT_GE(Map::GoodsSlot(static_cast<std::uint8_t>(required.id), level, required.upgrade), 0);
        }
    }
    EXPECT_TRUE(named.count(Map::kFirstStartItem) == 1 && named.count(Map::kSecondStartItem) == 1);

    Korrin::LuaScript hints;
    hints.LoadFile("MapHint.lua", Korrin::LuaScript::IfMissing::Report);
    std::vector<std::string> list = Names(hints, "HintList", "");
    std::set<std::string> hintNames(list.begin(), list.end());
    for (const char* hint : {"StartGameHint", "NormalMapHint", "_shintEdu_1", "EduShopRope"})
    {
        EXPECT_EQ(hintNames.count(hint), 1u) << hint;
    }
    for (std::size_t n = 1; n <= mostRequirements; ++n)
    {
        EXPECT_EQ(hintNames.count("BuyStuffMapHint" + std::to_string(n)), 1u) << n;
        EXPECT_EQ(hintNames.count("BuyStuffMapHintCross" + std::to_string(n)), 1u) << n;
    }
    EXPECT_EQ(Names(hints, "mapHintTitles", "").size(), 25u);
    // The shop's hover hint of every good at every number of levels bought but the last.
    for (std::size_t index = 0; index < MapShopGui::kGoodsCount; ++index)
    {
        CostRecord record;
        ASSERT_TRUE(table.GetCost(MapShopGui::GetIdByIndex(static_cast<int>(index)), record));
        for (std::uint16_t points = 0; points <= record.maxLevel; ++points)
        {
            EXPECT_EQ(hintNames.count(MapShopGui::HintName(index, points)), 1u)
                << MapShopGui::HintName(index, points);
        }
    }
}

TEST_F(MapSampleDataTest, TheShopLayoutHasItsButtonsFirstAndEveryNamedElement)
{
    Korrin::LuaScript shop;
    ASSERT_EQ(shop.LoadFile("MapShop.lua", Korrin::LuaScript::IfMissing::Report),
              Korrin::LuaScript::LoadResult::Ran);
    const std::vector<std::string> gui = Names(shop, "gui", "Name");
    ASSERT_GE(gui.size(), 22u);
    for (std::size_t index = 0; index < 22; ++index)
    {
        EXPECT_EQ(gui[index], "button" + std::to_string(index));
    }
    const std::set<std::string> names(gui.begin(), gui.end());
    for (int caption = 1; caption <= 22; ++caption)
    {
        EXPECT_EQ(names.count("CAPTION_" + std::to_string(caption)), 1u) << caption;
    }
    EXPECT_EQ(names.count("MAP_SHOP_OK"), 1u);
    EXPECT_EQ(names.count("MAP_SHOP_MONEY"), 1u);
    EXPECT_EQ(Count(shop, "MapShopData"), 22u);
    EXPECT_GE(Count(shop, "mapHintDeltas"), 69u);
    for (const char* table : {"background", "check", "icons", "mounts", "dots", "stars"})
    {
        ExpectPicture(shop, table);
    }
    for (const char* text : {"RopeText", "RopeLadderText", "WoodenLadderText", "TeleportText"})
    {
        Korrin::LuaStackGuard guard(shop.GetState());
        EXPECT_TRUE(shop.GetGlobal(text).IsString()) << text;
    }
    Korrin::LuaScript boards;
    boards.LoadFile("CompeteBoard.lua", Korrin::LuaScript::IfMissing::Report);
    for (const char* table :
         {"CompeteBoardMount", "EmulousIcons", "JointBorder", "Progress", "ProgressMount"})
    {
        ExpectPicture(boards, table);
    }
    const std::vector<std::string> quib = Names(boards, "QuibProgressGui", "Name");
    const std::set<std::string> quibNames(quib.begin(), quib.end());
    for (const char* element : {"QUIB_PROGRESS", "QUIB_MAX_MONEY_TEXT", "QUIB_CURRENT_MONEY_TEXT"})
    {
        EXPECT_EQ(quibNames.count(element), 1u) << element;
    }
}

TEST_F(MapSampleDataTest, EveryLevelHasALevelFileThatReadsWithItsScenery)
{
    for (int level = 1; level <= 67; ++level)
    {
        char name[16];
        std::snprintf(name, sizeof name, "lev%02d.lev", level);
        Korrin::FileData data;
        ASSERT_TRUE(mFiles.FindFileData(name, data)) << name;
        LevelFile file;
        ASSERT_TRUE(file.Parse({data.GetData(), data.GetSize()}, name)) << name;
        Korrin::LuaScript scenery;
        scenery.LoadFile("animbk" + std::to_string(file.backgroundType + 1) + ".lua",
                         Korrin::LuaScript::IfMissing::Report);
        for (const LevelFile::Scenery& item : file.scenery)
        {
            Korrin::LuaStackGuard guard(scenery.GetState());
            EXPECT_TRUE(scenery.GetGlobal(item.table.c_str()).IsTable()) << name << ": " << item.table;
        }
    }
}

namespace
{

// What a level's field holds, read from its object grid.
struct FieldContents
{
    bool garden = false;
    bool well = false;
    bool rope = false;
    std::set<std::uint8_t> buildings; // type codes

    explicit FieldContents(const LevelFile& file)
    {
        for (const std::uint16_t code : file.objects)
        {
            garden |= code >= 4 && code <= 9;
            well |= code == 14;
            rope |= code == Level::kRopeCode;
            if (code >= 25 && code <= 68)
            {
                buildings.insert(
                    static_cast<std::uint8_t>(Level::BuildingBaseCode(static_cast<std::uint8_t>(code))));
            }
        }
    }

    // The goods the level can come by: crops from its beds, what its storehouse sells and what its
    // buildings make of those.
    std::set<std::uint8_t> Goods(const LevelFile& file) const
    {
        std::set<std::uint8_t> goods;
        for (const std::uint8_t code : file.storeGoods)
        {
            goods.insert(Level::GoodsFromFileCode(code));
        }
        for (std::uint8_t crop = 84; garden && well && crop <= 88; ++crop)
        {
            goods.insert(crop);
        }
        for (bool grew = true; grew;)
        {
            grew = false;
            for (const std::uint8_t type : buildings)
            {
                const BuildingKind* kind = BuildingKind::Find(type);
                if (goods.count(kind->firstInput) != 0 && goods.count(kind->secondInput) != 0)
                {
                    grew |= goods.insert(kind->product).second;
                }
            }
        }
        return goods;
    }
};

} // namespace

TEST_F(MapSampleDataTest, EveryLevelCanMakeItsGoalsAndHasWhatItsRequirementsBring)
{
    MapSettings settings;
    settings.Load();
    ASSERT_EQ(settings.GetLevelCount(), Map::kLevelCount);
    for (int level = 1; level <= static_cast<int>(Map::kLevelCount); ++level)
    {
        const LevelFile file = ReadLevel(level);
        const FieldContents field(file);
        const std::set<std::uint8_t> goods = field.Goods(file);
        for (const LevelFile::Goal& goal : file.goals)
        {
            const std::uint8_t wanted = goal.code == 0 ? 0 : Level::GoodsFromFileCode(goal.code);
            if (wanted != 0 && wanted != LevelTaskInfo::kMoneyGoods)
            {
                EXPECT_EQ(goods.count(wanted), 1u)
                    << "level " << level << " cannot make goods " << int{wanted};
            }
        }
        for (const std::uint8_t type : field.buildings)
        {
            const BuildingKind* kind = BuildingKind::Find(type);
            EXPECT_TRUE(goods.count(kind->firstInput) == 1 && goods.count(kind->secondInput) == 1)
                << "level " << level << ": the " << kind->name << " has no inputs";
        }
        for (const MapSettings::ShopItem& required :
             settings.GetLevel(static_cast<std::uint32_t>(level - 1)).shopItems)
        {
            const auto id = static_cast<std::uint8_t>(required.id);
            if (BuildingKind::Find(id) != nullptr)
            {
                EXPECT_EQ(field.buildings.count(id), 1u)
                    << "level " << level << " lacks building " << required.id;
            }
            if (id == 1)
            {
                EXPECT_TRUE(field.rope) << "level " << level << " requires the rope but has none";
            }
            if (id == 133 || id == 134)
            {
                EXPECT_TRUE(std::any_of(field.buildings.begin(), field.buildings.end(),
                                        [id](std::uint8_t type)
                                        { return BuildingKind::Find(type)->fairy == (id == 134); }))
                    << "level " << level << " has no worker for good " << required.id;
            }
        }
    }
}

#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/Game/LevelFile.h"
#include "tests/engine/LogCapture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// The build's data folder, with the generated levels and pictures.
class LevelSampleDataTest : public testing::Test
{
protected:
    LevelSampleDataTest() { mFiles.AddDirectory("media"); }

    bool Exists(const std::string& name)
    {
        Korrin::FileData data;
        return mFiles.FindFileData(name, data);
    }

    bool HasTable(const std::string& script, const std::string& table)
    {
        Korrin::LuaScript lua;
        if (lua.LoadFile(script, Korrin::LuaScript::IfMissing::Report) != Korrin::LuaScript::LoadResult::Ran)
        {
            return false;
        }
        Korrin::LuaStackGuard guard(lua.GetState());
        const LuaValue value = lua.GetGlobal(table.c_str());
        if (!value.IsTable())
        {
            return false;
        }
        // A drawable's picture must exist too.
        const LuaValue image = value.GetField("Image");
        return !image.IsString() || Exists(image.ToString());
    }

    TestSupport::LogCapture mLog;
    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
};

} // namespace

TEST_F(LevelSampleDataTest, EveryPictureAndTableTheLevelsNameExists)
{
    for (int style = 1; style <= 4; ++style)
    {
        const std::string n = std::to_string(style);
        EXPECT_TRUE(Exists("obj" + n + ".jpg")) << style;
        EXPECT_TRUE(Exists("obj" + n + "_a.jpg")) << style;
        EXPECT_TRUE(Exists("bk" + n + ".jpg")) << style;
        EXPECT_TRUE(HasTable("bk0" + n + "_sky.lua", "Sky")) << style;
    }
    for (const char* birds : {"bk01_birds.lua", "bk03_birds.lua", "bk04_birds.lua"})
    {
        EXPECT_TRUE(HasTable(birds, "Bird")) << birds;
        EXPECT_TRUE(HasTable(birds, "BirdPath1")) << birds;
        EXPECT_TRUE(HasTable(birds, "BirdPath2")) << birds;
    }
    EXPECT_TRUE(HasTable("bk01_water.lua", "Wat1"));
    EXPECT_TRUE(HasTable("bk03_water.lua", "river_1"));
    EXPECT_TRUE(HasTable("bk03_water.lua", "pond"));
    EXPECT_TRUE(HasTable("bk04_water.lua", "river_1"));
    EXPECT_TRUE(HasTable("bk03_animal.lua", "AllObjects"));
    EXPECT_TRUE(HasTable("bk03_animal.lua", "Sheep"));
    for (const char* picture :
         {"Mill01.png", "bk03_whell.png", "field_storehouse.png", "field_shop.png", "field_garden.png",
          "field_gardenforsale.png", "field_buildingforsale.png", "field_well.png", "field_rope.png",
          "ph_gardener.png", "ph_errandboy.png", "ph_fairy.png", "ph_buyer.png", "ph_thief.png"})
    {
        EXPECT_TRUE(Exists(picture)) << picture;
    }
    for (int kind = 26; kind <= 66; kind += 4)
    {
        EXPECT_TRUE(Exists("field_building" + std::to_string(kind) + ".png")) << kind;
    }

    // Each sample level's scenery names a table of the scenery script of its style.
    for (int level = 1; level <= 3; ++level)
    {
        Korrin::FileData data;
        const std::string name = "lev0" + std::to_string(level) + ".lev";
        ASSERT_TRUE(mFiles.FindFileData(name, data)) << name;
        LevelFile file;
        ASSERT_TRUE(file.Parse({data.GetData(), data.GetSize()}, name));
        for (const LevelFile::Scenery& scenery : file.scenery)
        {
            EXPECT_TRUE(HasTable("animbk" + std::to_string(file.backgroundType + 1) + ".lua", scenery.table))
                << name << ": " << scenery.table;
        }
    }
}

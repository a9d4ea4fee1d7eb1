#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <pugixml.hpp>

using Korrin::LuaScript;
using TestSupport::ReportRecorder;

namespace
{

// The data folder the build makes: the game's folder, with "media" and "config.cfg".
std::string BuildDataFolder()
{
    return std::filesystem::path(WF_GAME_BINARY).parent_path().string();
}

class SampleDataTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ReportRecorder::Clear();
        mFiles.AddDirectory("media");
    }

    Korrin::FileSysManager mFiles{BuildDataFolder()};
};

} // namespace

TEST_F(SampleDataTest, ConfigNamesFoldersAndDefaultVolumes)
{
    LuaScript config;
    ASSERT_EQ(config.LoadFile("config.cfg", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(config.GetState());

    const LuaValue folders = config.GetGlobal("FileSysLocal");
    ASSERT_TRUE(folders.IsTable());
    folders.ForEachElement(
        [](int position, const LuaValue& folder)
        {
            EXPECT_TRUE(folder.IsString()) << "entry " << position;
            EXPECT_TRUE(std::filesystem::is_directory(BuildDataFolder() + "/" + folder.ToString()))
                << folder.ToString();
        });

    const LuaValue defaults = config.GetGlobal("DefaultSettings");
    ASSERT_TRUE(defaults.IsTable());
    for (const char* key : {"Music", "Sound"})
    {
        const LuaValue volume = defaults.GetField(key);
        ASSERT_TRUE(volume.IsNumber()) << key;
        EXPECT_GE(volume.ToFloat(), 0.0f) << key;
        EXPECT_LE(volume.ToFloat(), 1.0f) << key;
    }
}

TEST_F(SampleDataTest, EveryTranslatedTextIsReadable)
{
    Korrin::FileData data;
    ASSERT_TRUE(mFiles.FindFileData("strings.xml", data));
    pugi::xml_document document;
    ASSERT_TRUE(document.load_buffer(data.GetText(), data.GetSize()));

    Korrin::LocaleManager texts;
    texts.Load("strings.xml");
    int entries = 0;
    for (const pugi::xml_node entry : document.child("root").children("string"))
    {
        const std::string name = entry.child_value("text");
        EXPECT_FALSE(name.empty());
        EXPECT_FALSE(texts.getStringByNameAsUtf16(name).empty()) << name;
        ++entries;
    }
    EXPECT_GT(entries, 0);
    EXPECT_EQ(texts.GetCount(), static_cast<std::size_t>(entries)) << "names are unique";
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

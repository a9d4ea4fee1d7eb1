#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using Korrin::LuaScript;

namespace
{

// The story clips', the butterflies' and the leaves' sample data: every name they give exists.
class ClipSampleDataTest : public testing::Test
{
protected:
    ClipSampleDataTest()
    {
        mFiles.AddDirectory("media");
        mTexts.Load("strings.xml");
    }

    bool Exists(const std::string& name)
    {
        Korrin::FileData data;
        return mFiles.FindFileData(name, data);
    }

    static std::vector<std::string> Strings(const LuaValue& table)
    {
        std::vector<std::string> strings;
        table.ForEachElement(
            [&strings](int, const LuaValue& value)
            {
                if (value.IsString())
                {
                    strings.push_back(value.ToString());
                }
            });
        return strings;
    }

    // Every "Image", "Font" and "Caption" at any depth of the table names a file or a text that exists.
    void ExpectNamesExist(const LuaValue& table, const std::string& where)
    {
        std::function<void(const LuaValue&)> check = [&](const LuaValue& node)
        {
            for (const char* key : {"Image", "Font"})
            {
                if (const LuaValue value = node.GetField(key); value.IsString())
                {
                    EXPECT_TRUE(Exists(value.ToString())) << where << ": " << value.ToString();
                }
            }
            if (const LuaValue caption = node.GetField("Caption"); caption.IsString())
            {
                EXPECT_FALSE(mTexts.getStringByNameAsUtf16(caption.ToString()).empty())
                    << where << ": " << caption.ToString();
            }
            node.ForEachEntry(
                [&](const LuaValue&, const LuaValue& value)
                {
                    if (value.IsTable())
                    {
                        check(value);
                    }
                });
        };
        check(table);
    }

    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
    Korrin::LocaleManager mTexts;
};

} // namespace

TEST_F(ClipSampleDataTest, EverySceneAnimationHasThePartsTheScenesNameWithTheirPictures)
{
    // The parts the scenes reach by number must be there: scene 1's lamps and wheels (5, 7, 8) among
    // its 18 layers, scene 3's sky, moon and lamps, scene 4.1's mill and bakery, scene 6's 19 parts and
    // the sails of scene 6.3.
    const std::pair<const char*, std::size_t> files[] = {
        {"scene_1.anim", 18},   {"scene_1.1.anim", 1}, {"scene_1.1.quib.anim", 2}, {"scene_1.2.anim", 1},
        {"scene_2.anim", 1},    {"scene_2.1.anim", 1}, {"scene_3.anim", 6},        {"scene_4.anim", 1},
        {"scene_4.1.anim", 11}, {"scene_5.anim", 1},   {"scene_6.anim", 19},       {"scene_6.1.anim", 1},
        {"scene_6.2.anim", 1},  {"scene_6.3.anim", 6}};
    for (const auto& [file, leastParts] : files)
    {
        LuaScript script;
        ASSERT_EQ(script.LoadFile(file, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran) << file;
        Korrin::LuaStackGuard guard(script.GetState());
        const std::vector<std::string> parts = Strings(script.GetGlobal("MeshList"));
        const std::vector<std::string> images = Strings(script.GetGlobal("ImageList"));
        EXPECT_GE(parts.size(), leastParts) << file;
        ASSERT_EQ(images.size(), 1u) << file;
        EXPECT_TRUE(Exists(images[0])) << file;
        for (const std::string& part : parts)
        {
            Korrin::LuaStackGuard partGuard(script.GetState());
            const LuaValue table = script.GetGlobal(part.c_str());
            ASSERT_TRUE(table.IsTable()) << file << ": " << part;
            EXPECT_EQ(table.GetField("Image").ToString(), images[0]) << file << ": " << part;
            // Every part has keys, so that each animation reports its end.
            const LuaValue keys = table.GetField("Animation").GetField("FramesList");
            EXPECT_TRUE(keys.IsTable()) << file << ": " << part;
        }
    }
}

TEST_F(ClipSampleDataTest, TheCaptionsLayoutParticlesAndSoundsExist)
{
    LuaScript texts;
    ASSERT_EQ(texts.LoadFile("scene_text_data.lua", LuaScript::IfMissing::Report),
              LuaScript::LoadResult::Ran);
    const std::vector<std::string> keys = {
        "scene_1",     "scene_1_1", "scene_1_2", "scene_1_2_1", "scene_2",   "scene_2_1",
        "scene_2_1_1", "scene_3",   "scene_3_1", "scene_4",     "scene_4_1", "scene_4_2",
        "scene_4_3",   "scene_4_4", "scene_5",   "scene_5_1",   "scene_5_2", "scene_6",
        "scene_6_1",   "scene_6_2", "scene_6_3", "scene_6_4",   "scene_6_5"};
    for (const std::string& key : keys)
    {
        Korrin::LuaStackGuard guard(texts.GetState());
        const LuaValue text = texts.GetGlobal(key.c_str());
        ASSERT_TRUE(text.IsString()) << key;
        EXPECT_FALSE(mTexts.getStringByNameAsUtf16(text.ToString()).empty()) << key;
    }
    for (const char* built : {"scene_6_5", "scene_6_6"})
    {
        EXPECT_FALSE(mTexts.getStringByNameAsUtf16(built).empty()) << built;
    }

    const std::pair<const char*, const char*> tables[] = {{"clip_text.lua", "Text"},
                                                          {"clip_gui.lua", "clip_gui"},
                                                          {"smoke.particle", "smoke"},
                                                          {"quib_smoke.particle", "quib_smoke"},
                                                          {"dust.particle", "dust"}};
    for (const auto& [file, name] : tables)
    {
        LuaScript script;
        ASSERT_EQ(script.LoadFile(file, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran) << file;
        Korrin::LuaStackGuard guard(script.GetState());
        const LuaValue table = script.GetGlobal(name);
        ASSERT_TRUE(table.IsTable()) << file << ": " << name;
        ExpectNamesExist(table, file);
    }
    LuaScript layout;
    layout.LoadFile("clip_gui.lua", LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(layout.GetState());
    bool skip = false;
    layout.GetGlobal("clip_gui")
        .ForEachElement([&skip](int, const LuaValue& element)
                        { skip = skip || element.GetField("Name").ToString() == "CLIP_SKIP_BUTTON"; });
    EXPECT_TRUE(skip);

    LuaScript sounds;
    sounds.LoadFile("audiolist1.audio", LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard soundGuard(sounds.GetState());
    std::vector<std::string> names;
    sounds.GetGlobal("audiolist1")
        .ForEachElement([&names](int, const LuaValue& entry)
                        { names.push_back(entry.GetField("Name").ToString()); });
    for (const char* sound : {"click_button", "MainMenu"})
    {
        EXPECT_NE(std::find(names.begin(), names.end(), sound), names.end()) << sound;
    }
}

TEST_F(ClipSampleDataTest, TheButterfliesAndLeavesHaveTheirTablesPathsAndPictures)
{
    struct File
    {
        const char* name;
        std::vector<std::string> tables;
    };
    const File files[] = {
        {"menu_fly.lua", {"Butterfly1", "Butterfly2", "Butterfly3", "Butterfly4"}},
        {"map_fly.lua", {"Butterfly1", "Butterfly2", "Butterfly3"}},
    };
    for (const File& file : files)
    {
        LuaScript script;
        ASSERT_EQ(script.LoadFile(file.name, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran)
            << file.name;
        for (const std::string& name : file.tables)
        {
            Korrin::LuaStackGuard guard(script.GetState());
            const LuaValue table = script.GetGlobal(name.c_str());
            ASSERT_TRUE(table.IsTable()) << file.name << ": " << name;
            ExpectNamesExist(table, file.name);
            for (const char* frames : {"FrameFly2", "FrameLanding2", "FrameSit2", "FrameOff2"})
            {
                EXPECT_TRUE(table.GetField(frames).IsTable()) << file.name << ": " << name << " " << frames;
            }
        }
        for (const char* path : {"Path1", "Path2", "Path3", "Path4"})
        {
            Korrin::LuaStackGuard guard(script.GetState());
            int points = 0;
            script.GetGlobal(path).GetField("List2").ForEachElement([&points](int, const LuaValue&)
                                                                    { ++points; });
            EXPECT_GE(points, 2) << file.name << ": " << path;
        }
    }
    LuaScript leaves;
    ASSERT_EQ(leaves.LoadFile("menu_leaves.lua", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    for (const char* name : {"Branch", "Tree"})
    {
        Korrin::LuaStackGuard guard(leaves.GetState());
        const LuaValue table = leaves.GetGlobal(name);
        ASSERT_TRUE(table.IsTable()) << name;
        ExpectNamesExist(table, "menu_leaves.lua");
        EXPECT_TRUE(table.GetField("SrcRectList").IsTable()) << name;
        EXPECT_TRUE(table.GetField("LeavesList").IsTable()) << name;
    }
}

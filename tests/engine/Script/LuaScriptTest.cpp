#include "engine/Script/LuaScript.h"

#include "engine/File/FileSysManager.h"
#include "engine/Script/LuaStackGuard.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

using Korrin::LuaScript;
using Korrin::LuaStackGuard;
using LoadResult = Korrin::LuaScript::LoadResult;
using IfMissing = Korrin::LuaScript::IfMissing;
using TestSupport::ReportRecorder;

namespace
{

class LuaScriptTest : public testing::Test
{
protected:
    void SetUp() override { ReportRecorder::Clear(); }

    TestSupport::LogCapture mLog;
    Korrin::FileSysManager mFiles{WF_FIXTURES_DIR "/script"};
    LuaScript mScript;
};

} // namespace

TEST_F(LuaScriptTest, RunsAFileFoundUnderALowerCasedName)
{
    ASSERT_TRUE(mScript.IsOpen());
    EXPECT_EQ(mScript.LoadFile("Readers.LUA", IfMissing::Report), LoadResult::Ran);
    LuaStackGuard guard(mScript.GetState());
    EXPECT_TRUE(mScript.GetGlobal("Button").IsTable());
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(LuaScriptTest, AMissingFileIsLoggedOrReportedAndIsNotAScriptFailure)
{
    EXPECT_EQ(mScript.LoadFile("Absent.lua", IfMissing::Log), LoadResult::FileMissing);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
    EXPECT_NE(mLog.Text().find("File not load: absent.lua"), std::string::npos);

    EXPECT_EQ(mScript.LoadFile("Absent.lua", IfMissing::Report), LoadResult::FileMissing);
    EXPECT_EQ(ReportRecorder::LastDescription(), "File not load: absent.lua");
    EXPECT_EQ(ReportRecorder::Breaks(), 1);
}

TEST_F(LuaScriptTest, BrokenScriptsFailWithoutACrashAndKeepWhatRanBefore)
{
    EXPECT_EQ(mScript.LoadFile("syntax_error.lua", IfMissing::Report), LoadResult::ScriptFailed);
    EXPECT_NE(mLog.Text().find("LuaScript::LoadFile syntax_error.lua: syntax_error.lua:2:"),
              std::string::npos);

    const int top = lua_gettop(mScript.GetState());
    EXPECT_EQ(mScript.LoadFile("runtime_error.lua", IfMissing::Report), LoadResult::ScriptFailed);
    EXPECT_EQ(lua_gettop(mScript.GetState()), top) << "the error message is not left on the stack";
    EXPECT_NE(mLog.Text().find("the data is broken here"), std::string::npos);

    LuaStackGuard guard(mScript.GetState());
    EXPECT_EQ(mScript.GetGlobal("Before").GetField("Value").ToFloat(), 1.0f);
    EXPECT_TRUE(mScript.GetGlobal("After").IsNil());
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(LuaScriptTest, SeveralFilesRunIntoOneState)
{
    ASSERT_EQ(mScript.LoadFile("readers.lua", IfMissing::Report), LoadResult::Ran);
    ASSERT_EQ(mScript.LoadFile("glyphs.lua", IfMissing::Report), LoadResult::Ran);
    LuaStackGuard guard(mScript.GetState());
    EXPECT_TRUE(mScript.GetGlobal("Button").IsTable());
    EXPECT_TRUE(mScript.GetGlobal("Glyphs").IsTable());
}

TEST(LuaScript, APrecompiledChunkIsRefused)
{
    ReportRecorder::Clear();
    TestSupport::LogCapture log;
    TestSupport::TempFolder folder("precompiled");
    folder.Write("compiled.lua", std::string(LUA_SIGNATURE) + std::string("\x51\x00\x01\x04\x08", 5));
    Korrin::FileSysManager files(folder.Path());
    LuaScript script;

    EXPECT_EQ(script.LoadFile("compiled.lua", IfMissing::Report), LoadResult::ScriptFailed);
    EXPECT_NE(log.Text().find("precompiled scripts are not read"), std::string::npos);
}

TEST(LuaScript, WithoutAFileSystemNothingIsFound)
{
    ReportRecorder::Clear();
    LuaScript script;
    EXPECT_EQ(script.LoadFile("config.cfg", IfMissing::Log), LoadResult::FileMissing);
    EXPECT_EQ(ReportRecorder::LastDescription(), "FileSysManager::mSingleton==NULL");
}

// Compiled chunks are kept between loads: a file must still run as its text now stands, and an error in a
// chunk run again must still name its file and line.
TEST(LuaScript, AFileRunAgainRunsItsPresentTextAndNamesItsErrorsAsBefore)
{
    ReportRecorder::Clear();
    TestSupport::LogCapture log;
    TestSupport::TempFolder folder("rerun");
    Korrin::FileSysManager files(folder.Path());
    const auto valueAfterRun = []
    {
        LuaScript script;
        script.LoadFile("data.lua", IfMissing::Report);
        LuaStackGuard guard(script.GetState());
        return script.GetGlobal("Value").ToFloat();
    };
    folder.Write("data.lua", "Value = 1\n");
    EXPECT_EQ(valueAfterRun(), 1.0f);
    EXPECT_EQ(valueAfterRun(), 1.0f);
    folder.Write("data.lua", "Value = 2\n");
    EXPECT_EQ(valueAfterRun(), 2.0f);

    folder.Write("failing.lua", "Before = 1\n\nlocal t = nil\nAfter = t.field\n");
    for (int run = 0; run < 2; ++run)
    {
        LuaScript script;
        EXPECT_EQ(script.LoadFile("failing.lua", IfMissing::Report), LoadResult::ScriptFailed);
    }
    const std::string text = log.Text();
    const std::string line = "LuaScript::LoadFile failing.lua: failing.lua:4: attempt to index local 't'";
    const auto first = text.find(line);
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_NE(text.find(line, first + line.size()), std::string::npos) << text;
}

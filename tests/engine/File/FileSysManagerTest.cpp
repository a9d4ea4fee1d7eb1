#include "engine/File/FileSysManager.h"

#include "engine/File/FileData.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>
#include <string>

using Korrin::FileData;
using Korrin::FileSysManager;
using TestSupport::ReportRecorder;

namespace
{

std::string Text(const FileData& data)
{
    return std::string(data.GetText(), data.GetSize());
}

class FileSysManagerTest : public testing::Test
{
protected:
    void SetUp() override { ReportRecorder::Clear(); }

    TestSupport::TempFolder mFolder{"filesys"};
    FileSysManager mFiles{mFolder.Path()};
};

} // namespace

TEST_F(FileSysManagerTest, SearchFoldersAreTriedInOrderThenThePlainPath)
{
    mFolder.Write("media/a.txt", "from media");
    mFolder.Write("data/a.txt", "from data");
    mFolder.Write("data/b.txt", "only in data");
    mFolder.Write("c.txt", "beside the folders");
    mFiles.AddDirectory("media");
    mFiles.AddDirectory("data");

    FileData data;
    ASSERT_TRUE(mFiles.FindFileData("a.txt", data, "rb"));
    EXPECT_EQ(Text(data), "from media");
    ASSERT_TRUE(mFiles.FindFileData("b.txt", data, "rb"));
    EXPECT_EQ(Text(data), "only in data");
    ASSERT_TRUE(mFiles.FindFileData("c.txt", data, "rb"));
    EXPECT_EQ(Text(data), "beside the folders");
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(FileSysManagerTest, AddingAFolderTwiceKeepsOneEntryAndCaseCounts)
{
    mFiles.AddDirectory("media");
    mFiles.AddDirectory("media");
    mFiles.AddDirectory("Media");
    EXPECT_EQ(mFiles.GetSearchFolders(), (std::vector<std::string>{"media", "Media"}));
}

TEST_F(FileSysManagerTest, AFileOfNBytesIsHeldWithATerminatingZero)
{
    mFolder.Write("media/bytes.bin", std::string("ab\0cd", 5));
    mFiles.AddDirectory("media");

    FileData data;
    ASSERT_TRUE(mFiles.FindFileData("bytes.bin", data));
    ASSERT_EQ(data.GetSize(), 5u);
    EXPECT_EQ(data.GetData()[2], 0);
    EXPECT_EQ(data.GetData()[5], 0);
    EXPECT_EQ(data.GetEnd(), data.GetData() + 5);
    EXPECT_EQ(data.GetPosition(), data.GetData());
}

TEST_F(FileSysManagerTest, BackslashesAndWrongLetterCaseAreFound)
{
    mFolder.Write("media/Gui/Options.gui", "layout");
    mFolder.Write("media/sounds/Click.ogg", "sound");
    mFiles.AddDirectory("MEDIA");

    struct Case
    {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"Gui\\Options.gui", "layout"},
        {"gui/options.GUI", "layout"},
        {"SOUNDS\\click.ogg", "sound"},
        {"media\\sounds\\CLICK.OGG", "sound"}, // the plain path, from the start folder
    };
    for (const Case& each : cases)
    {
        FileData data;
        ASSERT_TRUE(mFiles.FindFileData(each.name, data)) << each.name;
        EXPECT_EQ(Text(data), each.expected) << each.name;
    }
}

TEST_F(FileSysManagerTest, AFileAddedAfterItsFolderWasListedIsStillFoundIgnoringCase)
{
    mFolder.Write("media/first.txt", "1");
    mFiles.AddDirectory("media");
    FileData data;
    ASSERT_TRUE(mFiles.FindFileData("FIRST.TXT", data));

    mFolder.Write("media/second.txt", "2");
    ASSERT_TRUE(mFiles.FindFileData("Second.Txt", data));
    EXPECT_EQ(Text(data), "2");
}

TEST_F(FileSysManagerTest, AMissingFileGivesFalseQuietlyAndLeavesTheDataAlone)
{
    mFolder.Write("media/kept.txt", "kept");
    mFiles.AddDirectory("media");
    FileData data;
    ASSERT_TRUE(mFiles.FindFileData("kept.txt", data));

    EXPECT_FALSE(mFiles.FindFileData("absent.txt", data));
    EXPECT_FALSE(mFiles.FindFileData("media", data)) << "a folder is not a file";
    EXPECT_EQ(Text(data), "kept");
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(FileSysManagerTest, AnEmptyFileIsReportedAndThenReadAsAnEmptyTerminatedBuffer)
{
    mFolder.Write("media/empty.lua", "");
    mFiles.AddDirectory("media");

    FileData data;
    ASSERT_TRUE(mFiles.FindFileData("empty.lua", data));
    ASSERT_EQ(ReportRecorder::Boxes().size(), 2u);
    EXPECT_NE(ReportRecorder::Boxes()[0].text.find("Problem getting file size: media/empty.lua"),
              std::string::npos);
    EXPECT_EQ(ReportRecorder::LastDescription(), "size==0");
    EXPECT_EQ(data.GetSize(), 0u);
    EXPECT_STREQ(data.GetText(), "");
}

TEST_F(FileSysManagerTest, AWritingModeIsRefusedAndTheFileKept)
{
    TestSupport::LogCapture log;
    mFolder.Write("media/save.dat", "precious");
    mFiles.AddDirectory("media");

    for (const char* mode : {"wb", "ab", "r+b", "w"})
    {
        FileData data;
        EXPECT_FALSE(mFiles.FindFileData("save.dat", data, mode)) << mode;
    }
    EXPECT_EQ(mFolder.Read("media/save.dat"), "precious");
    EXPECT_NE(log.Text().find("the mode 'wb' is not for reading"), std::string::npos);
}

TEST(FileSysManager, AMissingStartFolderIsReported)
{
    ReportRecorder::Clear();
    TestSupport::LogCapture log;
    FileSysManager files("/nonexistent/wrenfold-start");
    FileData data;
    EXPECT_FALSE(files.FindFileData("config.cfg", data));
    EXPECT_EQ(ReportRecorder::LastDescription(),
              "Cannot open requested directory (FileSysManager::FindFileData) = /nonexistent/wrenfold-start");
    EXPECT_NE(log.Text().find("FileSysManager::FindFileData /nonexistent/wrenfold-start"), std::string::npos);
}

TEST(FileSysManager, TheGetterReportsWhenThereIsNoManager)
{
    ReportRecorder::Clear();
    EXPECT_EQ(FileSysManager::GetInstance(), nullptr);
    EXPECT_EQ(ReportRecorder::LastDescription(), "FileSysManager::mSingleton==NULL");
}

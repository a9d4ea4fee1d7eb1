#include "engine/File/FileSysLocal.h"

#include "engine/File/FileData.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

using Korrin::FileSysLocal;
using TestSupport::ReportRecorder;

TEST(FileSysLocal, IndexesTheFilesOfAFolderByLowerCasedName)
{
    TestSupport::TempFolder folder("index");
    folder.Write("media/Hero.PNG", "x");
    folder.Write("media/sub/inner.txt", "x");
    TestSupport::LogCapture log;
    FileSysLocal local(folder.Path());

    EXPECT_EQ(local.GetName(), "FileSysLocal");
    local.DirGetFiles("media");
    EXPECT_EQ(local.FindFile("hero.png"), "media/hero.png");
    EXPECT_EQ(local.FindFile("inner.txt"), "") << "folders are not entered";
    EXPECT_NE(log.Text().find("File not found: inner.txt"), std::string::npos);
}

TEST(FileSysLocal, IndexingAMissingFolderIsReported)
{
    ReportRecorder::Clear();
    TestSupport::TempFolder folder("index-missing");
    FileSysLocal local(folder.Path());
    local.DirGetFiles("nowhere");
    EXPECT_EQ(ReportRecorder::LastDescription(),
              "Cannot open requested directory: nowhere (FileSysLocal::DirGetFiles)");
}

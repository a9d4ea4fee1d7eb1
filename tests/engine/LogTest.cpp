#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "platform/Message.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "tests/support/ReportRecorder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace
{

using TestSupport::ReportRecorder;

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(LogManager, LinesAreStampedWithTheTimeOfDay)
{
    Korrin::LogManager log;
    ASSERT_TRUE(log.Open("log.log", "stamped.log"));
    log.Write("Level %d loaded from %s", 3, "lev03.lev");
    log.Write("%s", "");
    const std::string text = ReadFile("stamped.log");
    EXPECT_TRUE(
        std::regex_match(text, std::regex("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]: Level 3 loaded from lev03.lev\n"
                                          "[0-2][0-9]:[0-5][0-9]:[0-5][0-9]: \n")))
        << text;
}

TEST(LogManager, LongLinesAreCutAndLinesWithoutAStreamAreDropped)
{
    Korrin::LogManager log;
    log.Write("dropped: no stream is open yet");
    ASSERT_TRUE(log.Open("log.log", "long.log"));
    const std::string longText(5000, 'x');
    log.Write("%s", longText.c_str());
    const std::string text = ReadFile("long.log");
    ASSERT_EQ(text.size(), 10 + Korrin::LogManager::kLineLimit + 1);
    EXPECT_EQ(text.find("dropped"), std::string::npos);
}

TEST(ReportAssert, WritesTheReportAndShowsItInTheErrorBox)
{
    ReportRecorder::Clear();
    const int button =
        Korrin::ReportAssert("mInputManager==NULL", "Korrin.dll", "Source\\App\\Application", 433);
    EXPECT_EQ(button, Platform::DialogButton::Ok);
    const std::string expected = "DLL Name:\n  Korrin.dll\n\nDeSrciption:\n  mInputManager==NULL\n\n"
                                 "File:\n  Source\\App\\Application\n\nLine:\n  433";
    EXPECT_EQ(ReadFile("Assert.txt"), expected + "\n");
    ASSERT_EQ(ReportRecorder::Boxes().size(), 1u);
    EXPECT_EQ(ReportRecorder::Boxes()[0].text, expected);
    EXPECT_EQ(ReportRecorder::Boxes()[0].title, "ERROR NOTIFICATION...");
    EXPECT_EQ(ReportRecorder::Boxes()[0].flags, 0x2011u);
    EXPECT_EQ(ReportRecorder::Breaks(), 0) << "ReportAssert alone never stops";
}

TEST(ReportAssert, TheFileHoldsOnlyTheLastReportAndAnEmptyDescriptionKeepsItsSection)
{
    Korrin::ReportAssert("first", "Game.exe", "Source\\Main", 1);
    Korrin::ReportAssert("", "Game.exe", "Source\\Main", 2);
    EXPECT_EQ(ReadFile("Assert.txt"),
              "DLL Name:\n  Game.exe\n\nDeSrciption:\n  \n\nFile:\n  Source\\Main\n\nLine:\n  2\n");
}

TEST(ReportAssertDeathTest, CancelEndsTheProcessWithCode255)
{
    EXPECT_EXIT(
        {
            Platform::MessageBox::SetHandler([](const std::string&, const std::string&, std::uint32_t)
                                             { return Platform::DialogButton::Cancel; });
            Korrin::ReportAssert("broken", "Game.exe", "Source\\Game\\Level", 10);
        },
        testing::ExitedWithCode(255), "");
}

TEST(ReportAssertDeathTest, HeadlessWithoutAHandlerAnswersAsTold)
{
    EXPECT_EXIT(
        {
            Platform::MessageBox::SetHandler(nullptr);
            Platform::MessageBox::SetInteractive(false);
            Platform::MessageBox::SetHeadlessAnswer(Platform::DialogButton::Cancel);
            Korrin::ReportAssert("no one to ask", "Korrin.dll", "Source\\App\\Application", 227);
        },
        testing::ExitedWithCode(255), "no one to ask");
}

TEST(ReportAssertDeathTest, WithoutADebuggerOkGoesOnAfterTheReportAndCancelEnds)
{
    ASSERT_FALSE(Platform::Process::DebuggerAttached()) << "run the tests without a debugger";
    const struct
    {
        int answer;
        int exitCode;
        const char* output;
    } cases[] = {
        {Platform::DialogButton::Ok, 7, "went on past the report"},
        {Platform::DialogButton::Cancel, 255, "ERROR NOTIFICATION"},
    };
    for (const auto& test : cases)
    {
        EXPECT_EXIT(
            {
                // The real program: no recorder, no stand-in for a debugger, the headless answer.
                Platform::MessageBox::SetHandler(nullptr);
                Platform::Process::SetBreakHandler(nullptr);
                Platform::MessageBox::SetInteractive(false);
                Platform::MessageBox::SetHeadlessAnswer(test.answer);
                Korrin::ReportAndBreak("a slider without its image", "Korrin.dll", "Source\\Gui\\GuiSlider",
                                       22);
                std::fprintf(stderr, "went on past the report\n");
                Platform::Process::EndNow(7);
            },
            testing::ExitedWithCode(test.exitCode), test.output)
            << test.answer;
    }
    EXPECT_NE(ReadFile("Assert.txt").find("a slider without its image"), std::string::npos);
}

} // namespace

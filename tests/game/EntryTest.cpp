#include "game/CommandLine.h"
#include "game/CrashDumpFilter.h"
#include "game/Util/TextFormat.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace
{

TEST(CommandLine, ReadsEveryOption)
{
    std::string error;
    const auto line =
        CommandLine::Parse({"--headless", "--fixed-step", "--frames", "300", "--save-dir", "saves", "--data",
                            "game data", "--windowed", "--report-answer", "ok", "--screenshot",
                            "120:shots/out.png", "--renderer", "software", "--screenshot", "300:last.png"},
                           error);
    ASSERT_TRUE(line) << error;
    EXPECT_TRUE(line->headless);
    EXPECT_TRUE(line->fixedStep);
    EXPECT_EQ(line->frames, 300u);
    EXPECT_EQ(line->saveDir, "saves");
    EXPECT_EQ(line->dataDir, "game data");
    EXPECT_EQ(line->windowed, true);
    EXPECT_EQ(line->reportAnswer, 1);
    ASSERT_EQ(line->screenshots.size(), 2u) << "every screenshot is kept";
    EXPECT_EQ(line->screenshots[0].frame, 120u);
    EXPECT_EQ(line->screenshots[0].path, "shots/out.png");
    EXPECT_EQ(line->screenshots[1].frame, 300u) << "the last frame of the run can be shot";
    EXPECT_EQ(line->screenshots[1].path, "last.png");
    EXPECT_EQ(line->renderer, Platform::RendererChoice::Software);

    const auto none = CommandLine::Parse({}, error);
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->windowed.has_value()) << "without an option the player's setting decides";
    EXPECT_EQ(none->reportAnswer, 2);
    EXPECT_EQ(none->renderer, Platform::RendererChoice::Automatic);
    const auto gl = CommandLine::Parse({"--renderer", "gl"}, error);
    ASSERT_TRUE(gl) << error;
    EXPECT_EQ(gl->renderer, Platform::RendererChoice::OpenGl);
}

TEST(CommandLine, RefusesMistakesWithAReason)
{
    const std::vector<std::vector<std::string>> mistakes = {
        {"--frames"},
        {"--frames", "0"},
        {"--frames", "12x"},
        {"--frames", "-5"},
        {"--save-dir"},
        {"--report-answer", "maybe"},
        {"--colour"},
        {"--screenshot", "out.png"},
        {"--screenshot", "0:out.png"},
        {"--screenshot", "5:"},
        {"--screenshot", "400:x.png", "--frames", "300"},
        {"--frames", "300", "--screenshot", "10:a.png", "--screenshot", "301:b.png"},
        {"--renderer"},
        {"--renderer", "vulkan"},
        {"--headless", "--renderer", "gl"},
    };
    for (const auto& arguments : mistakes)
    {
        std::string error;
        EXPECT_FALSE(CommandLine::Parse(arguments, error)) << arguments[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(TextFormat, ShortTextThatDoesNotFitIsNotProduced)
{
    char buffer[TextFormat::kShortLength];
    EXPECT_TRUE(TextFormat::FormatShortText(buffer, "ExceptionAddress: %p", static_cast<void*>(buffer)));
    EXPECT_EQ(std::string(buffer).rfind("ExceptionAddress: 0x", 0), 0u);

    const std::string tooLong(TextFormat::kShortLength, 'x');
    EXPECT_FALSE(TextFormat::FormatShortText(buffer, "%s", tooLong.c_str()));
    EXPECT_STREQ(buffer, "");
    EXPECT_TRUE(TextFormat::FormatShortText(buffer, "%s", tooLong.substr(1).c_str()));

    static char longBuffer[TextFormat::kLongLength];
    EXPECT_TRUE(TextFormat::FormatLongText(longBuffer, "Reallocate = %s\n", tooLong.c_str()));
}

TEST(TextFormat, AnsiToWideReadsUtf8ElseWindows1252)
{
    EXPECT_EQ(AnsiToWide("Wrenfold"), u"Wrenfold");
    EXPECT_EQ(AnsiToWide("\xD0\x9C\xD0\xB5\xD0\xB4"), u"\u041C\u0435\u0434"); // Cyrillic in UTF-8
    EXPECT_EQ(AnsiToWide("\xF0\x9F\x8C\xBB"), u"\U0001F33B") << "outside the basic plane: a surrogate pair";
    EXPECT_EQ(AnsiToWide("caf\xE9 \x80 \x96"), u"caf\u00E9 \u20AC \u2013") << "not UTF-8: Windows-1252";
    EXPECT_EQ(AnsiToWide(""), u"");
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(CrashDumpFilter, WritesTheDumpAndNamesTheFault)
{
    struct Case
    {
        int signal;
        int code;
        const char* expected;
    };
    const Case cases[] = {
        {SIGSEGV, SEGV_MAPERR, "Dump created.\nExceptionAddress: 0x1234\n"},
        {SIGFPE, FPE_INTDIV, "Dump created.\nExceptionAddress: 0x1234\n"},
        {SIGFPE, FPE_FLTDIV, "Dump created.\nOpppsss!!!\n"},
        {SIGABRT, 0, "Dump created.\nOpppsss!!!\n"},
    };
    for (const Case& c : cases)
    {
        std::filesystem::remove("OrvaleDump.dmp");
        Platform::CrashInfo info;
        info.signal = c.signal;
        info.code = c.code;
        info.instructionAddress = reinterpret_cast<const void*>(0x1234);
        testing::internal::CaptureStdout();
        EXPECT_EQ(CrashDumpFilter(&info), 1);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.expected);
        const std::string dump = ReadFile("OrvaleDump.dmp");
        EXPECT_NE(dump.find("signal: " + std::to_string(c.signal)), std::string::npos) << dump;
        EXPECT_NE(dump.find("backtrace:"), std::string::npos);
    }
}

} // namespace

#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{

// CTest runs every test in a process of its own, many at once, in one working folder; some write files
// of fixed names there ("Assert.txt", "Array.log", "log.log"). Each test run by name gets a folder of
// its own so that none reads another's file.
void EnterFolderOfTheTest(int argc, char** argv)
{
    const std::string filterOption = "--gtest_filter=";
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument.rfind(filterOption, 0) != 0)
        {
            continue;
        }
        std::string name = argument.substr(filterOption.size());
        for (char& c : name)
        {
            if (c == '/' || c == '*' || c == ':' || c == '?')
            {
                c = '_';
            }
        }
        const std::filesystem::path folder = std::filesystem::current_path() / "runs" / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
        return;
    }
}

} // namespace

// Reports and breakpoints never stop a test run: they are recorded for the tests to check.
int main(int argc, char** argv)
{
    EnterFolderOfTheTest(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    TestSupport::ReportRecorder::Install();
    return RUN_ALL_TESTS();
}

#include "tests/game/GameProcess.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{

enum class Damage
{
    Empty,
    CutInHalf,
    RandomBytes,
};

const char* NameOf(Damage damage)
{
    switch (damage)
    {
    case Damage::Empty:
        return "empty";
    case Damage::CutInHalf:
        return "cut in half";
    case Damage::RandomBytes:
        return "random bytes";
    }
    return "";
}

// The sample player "Bob" goes from the main menu through the map into level 1 (its goals window's OK at
// frame 451), opens the storehouse window, its storehouse tab, and buys a carrot: every file below is
// read and used on the way.
constexpr const char* kIntoLevelOne = "1 click left\n3 click left\n140 move 156 368\n141 click left\n"
                                      "200 move 50 735\n201 click left\n270 move 422 458\n271 click left\n"
                                      "450 move 512 458\n451 click left\n470 move 795 440\n471 click left\n"
                                      "490 move 760 50\n491 click left\n510 move 388 188\n511 click left\n";
constexpr int kFrames = 560;

std::vector<char> ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
    {
        ++count;
    }
    return count;
}

// A log line that names the file and says what is wrong with it.
bool LogNamesTheFault(const std::string& log, const std::string& fileName)
{
    static const char* const kFaultWords[] = {"damaged",  "not ",     "error",  "unexpected",
                                              "expected", "ends",     "cannot", "problem",
                                              "bad",      "no table", "failed", "empty"};
    std::istringstream lines(log);
    const std::string name = Lower(fileName);
    for (std::string line; std::getline(lines, line);)
    {
        line = Lower(line);
        if (line.find(name) == std::string::npos)
        {
            continue;
        }
        for (const char* word : kFaultWords)
        {
            if (line.find(word) != std::string::npos)
            {
                return true;
            }
        }
    }
    return false;
}

// One run of the game on a copy of the sample data in which one file is damaged.
class DamagedRun
{
public:
    DamagedRun(const std::string& file, Damage damage, std::uint32_t seed)
        : mFile(file), mDamage(damage),
          mGame("damaged-" + std::filesystem::path(file).filename().string() + "-" + std::to_string(seed))
    {
        const std::filesystem::path sample = GameProcess::SampleData();
        const std::filesystem::path data = mGame.PathOf("data");
        // Linked, not copied: the damaged file alone is written anew, so the sample data stays whole.
        std::filesystem::create_directories(data);
        std::filesystem::copy(sample / "media", data / "media",
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::create_hard_links);
        std::filesystem::copy_file(sample / "config.cfg", data / "config.cfg");
        std::vector<char> bytes = ReadAll(sample / file);
        std::filesystem::remove(data / file);
        switch (damage)
        {
        case Damage::Empty:
            bytes.clear();
            break;
        case Damage::CutInHalf:
            bytes.resize(bytes.size() / 2);
            break;
        case Damage::RandomBytes:
            for (char& byte : bytes)
            {
                seed = seed * 1664525u + 1013904223u;
                byte = static_cast<char>(seed >> 24);
            }
            break;
        }
        std::ofstream(data / file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

        const std::filesystem::path saves = mGame.PathOf("saves");
        std::filesystem::create_directories(saves);
        for (const char* name : {"Users.dat", "Save2_1.dat", "Save2_2.dat", "Save2_3.dat", "Save2_4.dat",
                                 "Save2_5.dat", "Save0b.dat"})
        {
            std::filesystem::copy_file(std::filesystem::path(WF_FIXTURES_DIR) / "saves" / name, saves / name);
        }
        mGame.WriteFile("input.txt", kIntoLevelOne);
        mChild = mGame.Start({"--headless", "--fixed-step", "--windowed", "--report-answer", "ok", "--data",
                              data.string(), "--save-dir", saves.string(), "--input",
                              mGame.PathOf("input.txt").string(), "--frames", std::to_string(kFrames)});
    }

    void Check()
    {
        const std::string what = mFile + ", " + NameOf(mDamage);
        const GameProcess::Ending ending = GameProcess::Wait(mChild);
        EXPECT_TRUE(ending.ExitedWith(0)) << what << ": code " << ending.code << ", signal " << ending.signal;
        const std::string errors = mGame.ReadFile("err.txt");
        EXPECT_LE(Count(errors, "DeSrciption:"), 1u) << what << ": one report box at most\n" << errors;
        EXPECT_TRUE(
            LogNamesTheFault(mGame.ReadFile("log.log"), std::filesystem::path(mFile).filename().string()))
            << what << ": no log line names the file and its fault";
    }

private:
    std::string mFile;
    Damage mDamage;
    GameProcess mGame;
    pid_t mChild = -1;
};

} // namespace

// One file of each kind, damaged three ways: the game goes on (every report answered OK), asks at most
// once per damaged file and says in its log which file is wrong and how. One test per file, so that the
// test runner spreads the games over the processors; the three damages of a file run side by side.
class DamagedDataScenarioTest : public testing::TestWithParam<const char*>
{
};

TEST_P(DamagedDataScenarioTest, EachDamagedFileAsksAtMostOnceAndIsNamedInTheLog)
{
    std::vector<std::unique_ptr<DamagedRun>> runs;
    std::uint32_t seed = 1;
    for (const Damage damage : {Damage::Empty, Damage::CutInHalf, Damage::RandomBytes})
    {
        runs.push_back(std::make_unique<DamagedRun>(GetParam(), damage, seed++));
    }
    for (const std::unique_ptr<DamagedRun>& run : runs)
    {
        run->Check();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedDataScenarioTest,
                         testing::Values("media/StoreHouse.lua", "media/Panel.gui", "media/Mill1.building",
                                         "media/selected01.particle", "media/pers_gardener_stand.anim",
                                         "media/font01.fnt", "media/strings.xml", "media/gui_widgets.png",
                                         "media/obj1.jpg", "media/obj1_a.jpg", "media/sound/click.ogg",
                                         "media/lev01.lev", "config.cfg"),
                         [](const testing::TestParamInfo<const char*>& file)
                         {
                             std::string name;
                             for (const char* c = file.param; *c != '\0'; ++c)
                             {
                                 name += std::isalnum(static_cast<unsigned char>(*c)) != 0 ? *c : '_';
                             }
                             return name;
                         });

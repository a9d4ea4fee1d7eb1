#include "tools/levelgen/LevelSeries.h"

#include "engine/File/FileSysManager.h"
#include "game/MapSettings.h"
#include "tools/levelgen/LevelContents.h"
#include "tools/levelgen/LevelMap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace LevelSeries
{

namespace
{

// The values of one derived level.
constexpr int kBaseMaps = 3;

struct LevelValues
{
    int baseMap;    // 1 to 3: the hand-written map it is built on
    int background; // 0 to 3
    int goldSeconds;
    int silverSeconds;
    int money;
    float goalScale; // the base map's goal targets are multiplied by it
    // When given, these goals (file code, target) replace the base map's.
    std::vector<std::pair<int, int>> goals;
};

// The last level's goals: two carrots sold and the money they leave. Its money buys both carrots in
// the storehouse at once; selling them meets both goals together.
constexpr int kCarrotCode = 1;
constexpr int kMoneyCode = 20;
constexpr int kLastLevelCarrots = 2;
constexpr int kLastLevelMoneyGoal = 100;
constexpr int kLastLevelMoney = 200;

// The series grows harder level by level; the last level is a short farewell that stands on its own
// goals, so that the base map's goals can change without making it long.
LevelValues ValuesOf(int level)
{
    LevelValues values{};
    values.baseMap = (level - 1) % 3 + 1;
    values.background = (level / 4) % 4;
    const float step = static_cast<float>(level - kFirstDerived);
    values.goalScale = 1.0f + step * 0.06f;
    values.goldSeconds = 240 + static_cast<int>(step * 4.0f);
    values.silverSeconds = values.goldSeconds + 120 + static_cast<int>(step * 2.0f);
    values.money = 200 + (level - 1) * 50;
    if (level == kLastLevel)
    {
        values.goldSeconds = 60;
        values.silverSeconds = 120;
        values.money = kLastLevelMoney;
        values.goals = {{kCarrotCode, kLastLevelCarrots}, {kMoneyCode, kLastLevelMoneyGoal}};
    }
    return values;
}

std::string Clock(int seconds)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

bool ReadText(const std::filesystem::path& path, std::string& text)
{
    std::ifstream in(path);
    std::stringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return static_cast<bool>(in);
}

// The base map with its header values replaced by the level's.
std::string Derive(const std::string& base, int level, const LevelValues& values)
{
    std::istringstream in(base);
    std::ostringstream out;
    out << "# Level " << level << ", derived from map " << values.baseMap << ".\n";
    out << "background " << values.background << "\n";
    out << "gold " << Clock(values.goldSeconds) << "\n";
    out << "silver " << Clock(values.silverSeconds) << "\n";
    out << "money " << values.money << "\n";
    for (const auto& [code, target] : values.goals)
    {
        out << "goal " << code << " " << target << "\n";
    }
    std::string line;
    while (std::getline(in, line))
    {
        std::istringstream words(line);
        std::string key;
        words >> key;
        if (key == "background" || key == "gold" || key == "silver" || key == "money")
        {
            continue;
        }
        if (key == "goal" && !values.goals.empty())
        {
            continue;
        }
        if (key == "goal")
        {
            int code = 0;
            double target = 0;
            words >> code >> target;
            const auto scaled = std::max(1L, std::lround(target * static_cast<double>(values.goalScale)));
            out << "goal " << code << " " << scaled << "\n";
            continue;
        }
        out << line << "\n";
    }
    return out.str();
}

std::filesystem::path MapName(const std::filesystem::path& folder, int level, const char* extension)
{
    char name[16];
    std::snprintf(name, sizeof name, "lev%02d%s", level, extension);
    return folder / name;
}

// The map shop's requirements of every level, from the world map's settings beside the maps folder.
LevelContents::Requirements ReadRequirements(const std::filesystem::path& maps)
{
    Korrin::FileSysManager files(maps.parent_path().string());
    MapSettings settings;
    settings.Load();
    LevelContents::Requirements requirements;
    for (std::uint32_t index = 0; index < settings.GetLevelCount(); ++index)
    {
        std::vector<LevelContents::Requirement>& level = requirements.emplace_back();
        for (const MapSettings::ShopItem& item : settings.GetLevel(index).shopItems)
        {
            level.push_back({item.id, item.upgrade});
        }
    }
    return requirements;
}

} // namespace

bool WriteAll(const std::filesystem::path& maps, const std::filesystem::path& output)
{
    std::vector<std::string> bases(kBaseMaps);
    std::vector<LevelContents::BaseMap> described(kBaseMaps);
    for (int base = 1; base <= kBaseMaps; ++base)
    {
        if (!ReadText(MapName(maps, base, ".map"), bases[base - 1]))
        {
            std::fprintf(stderr, "wf_levelgen: cannot read base map %d\n", base);
            return false;
        }
        described[base - 1] = LevelContents::DescribeBase(bases[base - 1]);
    }
    const LevelContents::Requirements requirements = ReadRequirements(maps);
    bool ok = true;
    for (int level = kFirstDerived; level <= kLastLevel; ++level)
    {
        if (std::filesystem::exists(MapName(maps, level, ".map")))
        {
            continue;
        }
        LevelValues values = ValuesOf(level);
        values.baseMap = LevelContents::BaseMapOf(level, values.baseMap, described, requirements);
        const std::string derived =
            LevelContents::Bring(Derive(bases[values.baseMap - 1], level, values), level, requirements);
        LevelMap map;
        std::string error;
        if (!map.Parse(derived, error))
        {
            std::fprintf(stderr, "wf_levelgen: level %d: %s\n", level, error.c_str());
            ok = false;
            continue;
        }
        const std::vector<std::uint8_t> bytes = map.Compile();
        std::ofstream out(MapName(output, level, ".lev"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        ok &= static_cast<bool>(out);
    }
    return ok;
}

} // namespace LevelSeries

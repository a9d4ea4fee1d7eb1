#include "tools/levelgen/LevelMap.h"

#include <cstring>
#include <sstream>

namespace
{

const char* const kGridNames[] = {"decor0", "decor1", "decor2", "tiles", "objects"};

bool IsGridName(const std::string& word)
{
    for (const char* name : kGridNames)
    {
        if (word == name)
        {
            return true;
        }
    }
    return false;
}

bool ParseNumber(const std::string& word, long low, long high, long& value)
{
    char* end = nullptr;
    value = std::strtol(word.c_str(), &end, 10);
    return !word.empty() && *end == '\0' && value >= low && value <= high;
}

bool ParseClock(const std::string& word, std::uint8_t& minutes, std::uint8_t& seconds)
{
    const std::size_t colon = word.find(':');
    long m = 0;
    long s = 0;
    if (colon == std::string::npos || !ParseNumber(word.substr(0, colon), 0, 255, m) ||
        !ParseNumber(word.substr(colon + 1), 0, 59, s))
    {
        return false;
    }
    minutes = static_cast<std::uint8_t>(m);
    seconds = static_cast<std::uint8_t>(s);
    return true;
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
    {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void PutF32(std::vector<std::uint8_t>& out, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    PutU32(out, bits);
}

void PutGrid(std::vector<std::uint8_t>& out, const LevelMap::Grid& grid)
{
    for (const std::uint16_t cell : grid)
    {
        PutU16(out, cell);
    }
}

} // namespace

bool LevelMap::Parse(const std::string& text, std::string& error)
{
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line))
    {
        ++number;
        std::string lineError;
        if (!mCurrentGrid.empty())
        {
            if (!ParseGridLine(line, lineError))
            {
                error = "line " + std::to_string(number) + ": " + lineError;
                return false;
            }
            continue;
        }
        const std::string content = line.substr(0, line.find('#'));
        std::istringstream wordStream(content);
        std::vector<std::string> words;
        for (std::string word; wordStream >> word;)
        {
            words.push_back(word);
        }
        if (!words.empty() && !ParseHeader(words, lineError))
        {
            error = "line " + std::to_string(number) + ": " + lineError;
            return false;
        }
    }
    if (!mCurrentGrid.empty())
    {
        error = "grid " + mCurrentGrid + " has " + std::to_string(mCurrentRow) + " of 26 rows";
        return false;
    }
    for (const char* name : {"tiles", "objects"})
    {
        if (mGrids.count(name) == 0)
        {
            error = std::string("the grid ") + name + " is missing";
            return false;
        }
    }
    if (mGoals.size() > 6)
    {
        error = "at most 6 goals";
        return false;
    }
    return true;
}

bool LevelMap::ParseHeader(const std::vector<std::string>& words, std::string& error)
{
    const std::string& key = words[0];
    long value = 0;
    const auto count = words.size();
    if (key == "background" && count == 2 && ParseNumber(words[1], 0, 255, value))
    {
        mBackground = static_cast<std::uint8_t>(value);
        return true;
    }
    if ((key == "gold" || key == "silver") && count == 2)
    {
        std::uint8_t* limit = key == "gold" ? mGold : mSilver;
        if (ParseClock(words[1], limit[0], limit[1]))
        {
            return true;
        }
    }
    if (key == "money" && count == 2 && ParseNumber(words[1], 0, 1000000, value))
    {
        mMoney = static_cast<std::int32_t>(value);
        return true;
    }
    long target = 0;
    if (key == "goal" && count == 3 && ParseNumber(words[1], 1, 20, value) &&
        ParseNumber(words[2], 1, 1000000, target))
    {
        mGoals.push_back({static_cast<std::uint8_t>(value), static_cast<std::uint32_t>(target)});
        return true;
    }
    long i = 0;
    long j = 0;
    Thief thief;
    if (key == "thief" && count == 4 && ParseClock(words[1], thief.minutes, thief.seconds) &&
        ParseNumber(words[2], 0, kColumns - 1, i) && ParseNumber(words[3], 0, kRows - 1, j))
    {
        thief.I = static_cast<std::uint8_t>(i);
        thief.J = static_cast<std::uint8_t>(j);
        mThieves.push_back(thief);
        return true;
    }
    if (key == "goods" || key == "buyers")
    {
        std::vector<std::uint8_t>& list = key == "goods" ? mGoods : mBuyers;
        for (std::size_t w = 1; w < count; ++w)
        {
            if (!ParseNumber(words[w], 0, key == "goods" ? 20 : 14, value))
            {
                error = "bad code '" + words[w] + "'";
                return false;
            }
            list.push_back(static_cast<std::uint8_t>(value));
        }
        return true;
    }
    if (key == "scenery" && count == 6 && words[1].size() < 60)
    {
        Scenery scenery{words[1], std::stof(words[2]), std::stof(words[3]), 0, 0};
        long kind = 0;
        long order = 0;
        if (ParseNumber(words[4], 0, 255, kind) && ParseNumber(words[5], -1000, 1000, order))
        {
            scenery.kind = static_cast<std::uint8_t>(kind);
            scenery.drawOrder = static_cast<std::int32_t>(order);
            mScenery.push_back(scenery);
            return true;
        }
    }
    if (count == 3 && words[1].size() == 1 && (IsGridName(words[0]) || words[0] == "decor") &&
        ParseNumber(words[2], 0, 65535, value))
    {
        // A legend entry: "tiles = 2" gives the character '=' the code 2 in the tile grid; "decor"
        // applies to the three decoration layers.
        const std::vector<std::string> grids = words[0] == "decor"
                                                   ? std::vector<std::string>{"decor0", "decor1", "decor2"}
                                                   : std::vector<std::string>{words[0]};
        for (const std::string& grid : grids)
        {
            mLegends[grid][words[1][0]] = static_cast<std::uint16_t>(value);
        }
        return true;
    }
    if (count == 1 && IsGridName(key))
    {
        mCurrentGrid = key;
        mCurrentRow = 0;
        mGrids[key].fill(0);
        return true;
    }
    error = "cannot read '" + key + "' with " + std::to_string(count - 1) + " values";
    return false;
}

bool LevelMap::ParseGridLine(const std::string& line, std::string& error)
{
    if (static_cast<int>(line.size()) != kColumns)
    {
        error = "a row of " + mCurrentGrid + " needs 16 characters, not " + std::to_string(line.size());
        return false;
    }
    const auto& legend = mLegends[mCurrentGrid];
    Grid& grid = mGrids[mCurrentGrid];
    for (int i = 0; i < kColumns; ++i)
    {
        const char c = line[static_cast<std::size_t>(i)];
        if (c == '.')
        {
            continue;
        }
        const auto found = legend.find(c);
        if (found == legend.end())
        {
            error = std::string("'") + c + "' has no code in the legend of " + mCurrentGrid;
            return false;
        }
        grid[static_cast<std::size_t>(i * kRows + mCurrentRow)] = found->second;
    }
    if (++mCurrentRow == kRows)
    {
        mCurrentGrid.clear();
    }
    return true;
}

std::vector<std::uint8_t> LevelMap::Compile() const
{
    std::vector<std::uint8_t> out;
    out.push_back(mBackground);
    out.push_back(mGold[0]);
    out.push_back(mGold[1]);
    out.push_back(mSilver[0]);
    out.push_back(mSilver[1]);
    PutU32(out, static_cast<std::uint32_t>(mMoney));
    for (std::size_t g = 0; g < 6; ++g)
    {
        const Goal goal = g < mGoals.size() ? mGoals[g] : Goal{};
        out.push_back(goal.code);
        PutU32(out, goal.target);
    }
    out.push_back(static_cast<std::uint8_t>(mThieves.size()));
    for (const Thief& thief : mThieves)
    {
        out.insert(out.end(), {thief.minutes, thief.seconds, thief.I, thief.J});
    }
    out.push_back(static_cast<std::uint8_t>(mGoods.size()));
    out.insert(out.end(), mGoods.begin(), mGoods.end());
    out.push_back(static_cast<std::uint8_t>(mBuyers.size()));
    out.insert(out.end(), mBuyers.begin(), mBuyers.end());
    const Grid empty{};
    const auto grid = [&](const char* name) -> const Grid&
    {
        const auto found = mGrids.find(name);
        return found != mGrids.end() ? found->second : empty;
    };
    PutGrid(out, grid("decor0"));
    PutGrid(out, grid("decor1"));
    PutGrid(out, grid("decor2"));
    PutGrid(out, grid("tiles"));
    PutGrid(out, empty); // the grid the game skips
    PutGrid(out, grid("objects"));
    PutU32(out, static_cast<std::uint32_t>(mScenery.size()));
    for (const Scenery& scenery : mScenery)
    {
        char name[60] = {};
        std::memcpy(name, scenery.table.data(), scenery.table.size());
        out.insert(out.end(), name, name + sizeof(name));
        PutF32(out, scenery.x);
        PutF32(out, scenery.y);
        out.push_back(scenery.kind);
        PutU32(out, static_cast<std::uint32_t>(scenery.drawOrder));
    }
    return out;
}

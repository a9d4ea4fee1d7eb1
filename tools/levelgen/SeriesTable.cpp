#include "tools/levelgen/SeriesTable.h"

#include "game/Entity/BuildingKind.h"
#include "game/Game/Level.h"

#include <cstdio>
#include <set>
#include <sstream>
#include <utility>

namespace
{

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
    {
        words.push_back(word);
    }
    return words;
}

bool Number(const std::string& word, int& value)
{
    try
    {
        std::size_t used = 0;
        value = std::stoi(word, &used);
        return used == word.size();
    }
    catch (...)
    {
        return false;
    }
}

bool Seconds(const std::string& word, int& seconds)
{
    const std::size_t colon = word.find(':');
    int minutes = 0;
    int rest = 0;
    if (colon == std::string::npos || !Number(word.substr(0, colon), minutes) ||
        !Number(word.substr(colon + 1), rest) || rest < 0 || rest > 59 || minutes < 0)
    {
        return false;
    }
    seconds = minutes * 60 + rest;
    return true;
}

std::string Clock(int seconds)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

const char* GoodsName(std::uint8_t goods)
{
    switch (goods)
    {
    case 84:
        return "carrots";
    case 85:
        return "tomatoes";
    case 86:
        return "potatoes";
    case 87:
        return "sunflowers";
    case 88:
        return "wheat";
    case 89:
        return "juice";
    case 92:
        return "sauce";
    case 95:
        return "oil";
    case 98:
        return "flour";
    case 101:
        return "parcels";
    case 104:
        return "bread";
    case 107:
        return "fried potatoes";
    case 110:
        return "dough";
    case 115:
        return "roasted beans";
    case 119:
        return "sandwiches";
    case 122:
        return "cakes";
    case 125:
        return "money";
    default:
        return "goods";
    }
}

// A goal of one: "1 sandwich", not "1 sandwiches" (names of stuff, such as juice, stay as they are).
std::string CountedGoods(std::int64_t count, std::uint8_t goods)
{
    std::string name = GoodsName(goods);
    if (count == 1)
    {
        static const std::pair<const char*, const char*> kOnes[] = {
            {"carrots", "carrot"},  {"tomatoes", "tomato"},
            {"potatoes", "potato"}, {"sunflowers", "sunflower"},
            {"parcels", "parcel"},  {"sandwiches", "sandwich"},
            {"cakes", "cake"}};
        for (const auto& [many, one] : kOnes)
        {
            name = name == many ? one : name;
        }
    }
    return std::to_string(count) + " " + name;
}

const char* BuyerName(int code)
{
    static const char* const kNames[] = {"peasant",          "girl",      "prince",   "sleeper",   "general",
                                         "smelly man",       "professor", "musician", "stout man", "princess",
                                         "quiet smelly man", "fat man",   "countess", "grandma"};
    return code >= 1 && code <= 14 ? kNames[code - 1] : "buyer";
}

} // namespace

bool SeriesTable::Read(const std::string& text, std::string& error)
{
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);)
    {
        ++number;
        line = line.substr(0, line.find('#'));
        if (Words(line).empty())
        {
            continue;
        }
        Entry entry;
        std::istringstream parts(line);
        for (std::string part; std::getline(parts, part, '|');)
        {
            std::vector<std::string> words = Words(part);
            if (words.empty())
            {
                continue;
            }
            const std::string key = words.front();
            words.erase(words.begin());
            std::string partError;
            if (!ReadPart(key, words, entry, partError))
            {
                error = "line " + std::to_string(number) + ": " + partError;
                return false;
            }
        }
        if (entry.level <= 0 || Find(entry.level) != nullptr)
        {
            error = "line " + std::to_string(number) + ": a level number missing or given twice";
            return false;
        }
        mEntries.push_back(entry);
    }
    return true;
}

bool SeriesTable::ReadPart(const std::string& key, const std::vector<std::string>& values, Entry& entry,
                           std::string& error) const
{
    const auto one = [&](int& value)
    {
        if (values.size() == 1 && Number(values[0], value))
        {
            return true;
        }
        error = "'" + key + "' takes one number";
        return false;
    };
    const auto time = [&](int& value)
    {
        if (values.size() == 1 && Seconds(values[0], value))
        {
            return true;
        }
        error = "'" + key + "' takes one clock time";
        return false;
    };
    const auto list = [&](std::vector<int>& out, bool clock)
    {
        for (const std::string& word : values)
        {
            int value = 0;
            if (!(clock ? Seconds(word, value) : Number(word, value)))
            {
                error = "bad value '" + word + "' of '" + key + "'";
                return false;
            }
            out.push_back(value);
        }
        return true;
    };
    if (key == "level")
        return one(entry.level);
    if (key == "field")
        return one(entry.field);
    if (key == "money")
        return one(entry.money);
    if (key == "gold")
        return time(entry.gold);
    if (key == "silver")
        return time(entry.silver);
    if (key == "clock")
        return time(entry.clock);
    if (key == "buyers")
        return list(entry.buyers, false);
    if (key == "thieves")
        return list(entry.thieves, true);
    if (key == "goods")
        return list(entry.goods, false);
    if (key == "goals")
    {
        for (const std::string& word : values)
        {
            const std::size_t colon = word.find(':');
            int code = 0;
            int target = 0;
            if (colon == std::string::npos || !Number(word.substr(0, colon), code) ||
                !Number(word.substr(colon + 1), target) || code < 1 || code > 20 || target < 1)
            {
                error = "bad goal '" + word + "'";
                return false;
            }
            entry.goals.emplace_back(code, target);
        }
        return true;
    }
    if (key == "places")
    {
        for (const std::string& word : values)
        {
            Content content;
            std::string number = word.size() > 2 ? word.substr(2) : "";
            if (!number.empty() && number.back() == 'h')
            {
                content.hired = true;
                number.pop_back();
            }
            if (word.size() < 3 || word[1] != '=' || !(IsLotName(word[0]) || IsBedName(word[0])) ||
                !Number(number, content.code))
            {
                error = "bad place '" + word + "'";
                return false;
            }
            entry.places[word[0]] = content;
        }
        return true;
    }
    error = "unknown part '" + key + "'";
    return false;
}

const SeriesTable::Entry* SeriesTable::Find(int level) const
{
    for (const Entry& entry : mEntries)
    {
        if (entry.level == level)
        {
            return &entry;
        }
    }
    return nullptr;
}

std::string SeriesTable::Markdown() const
{
    std::ostringstream out;
    out << "| level | field | goals | new | autoplayer | gold | silver |\n";
    out << "|---:|---:|---|---|---:|---:|---:|\n";
    std::set<int> buyersSeen;
    std::set<int> buildingsSeen;
    std::set<int> goalsSeen;
    bool thievesSeen = false;
    for (const Entry& entry : mEntries)
    {
        std::string goals;
        for (const auto& [code, target] : entry.goals)
        {
            const std::uint8_t goods = Level::GoodsFromFileCode(static_cast<std::uint8_t>(code));
            goals += (goals.empty() ? "" : ", ") + CountedGoods(target, goods);
        }
        std::string news;
        const auto add = [&news](const std::string& what) { news += (news.empty() ? "" : ", ") + what; };
        for (const auto& [name, content] : entry.places)
        {
            if (IsLotName(name) && content.code > 0)
            {
                const int base = Level::BuildingBaseCode(static_cast<std::uint8_t>(content.code));
                const BuildingKind* kind = BuildingKind::Find(static_cast<std::uint8_t>(base));
                if (kind != nullptr && buildingsSeen.insert(base).second)
                {
                    add(std::string("building ") + kind->name);
                }
            }
        }
        for (const int code : entry.buyers)
        {
            if (buyersSeen.insert(code).second)
            {
                add(std::string("buyer ") + BuyerName(code));
            }
        }
        for (const auto& [code, target] : entry.goals)
        {
            if (goalsSeen.insert(code).second)
            {
                add(std::string("goal ") +
                    GoodsName(Level::GoodsFromFileCode(static_cast<std::uint8_t>(code))));
            }
        }
        if (!entry.thieves.empty() && !thievesSeen)
        {
            thievesSeen = true;
            add("the thief");
        }
        out << "| " << entry.level << " | "
            << (entry.field == 0 ? std::string("own") : std::to_string(entry.field)) << " | " << goals
            << " | " << news << " | " << (entry.clock > 0 ? Clock(entry.clock) : "-") << " | "
            << Clock(entry.gold) << " | " << Clock(entry.silver) << " |\n";
    }
    return out.str();
}

#include "tools/levelgen/LevelSeries.h"

#include "engine/File/FileSysManager.h"
#include "game/Entity/BuildingKind.h"
#include "game/Game/Level.h"
#include "game/Game/TableCost.h"
#include "game/MapSettings.h"
#include "tools/levelgen/LevelMap.h"
#include "tools/levelgen/SeriesTable.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace LevelSeries
{

namespace
{

constexpr int kMostLevelsPerField = 8;
constexpr std::uint8_t kMoneyGoods = 125;
constexpr std::uint8_t kFirstCrop = 84;
constexpr std::uint8_t kLastCrop = 88;
constexpr int kGardenId = 5;
constexpr int kRopeId = 1;
// The well starts with pails already paid for; a money goal must lie well above the starting money.
constexpr int kMoneyGoalMargin = 200;

// The tile, object and decoration codes every field uses.
const char* const kLegend = "tiles = 2\n"
                            "tiles H 71\n"
                            "tiles T 147\n"
                            "tiles R 66\n"
                            "objects S 10\n"
                            "objects P 17\n"
                            "objects W 14\n"
                            "objects < 2\n"
                            "objects > 3\n"
                            "objects h 69\n"
                            "objects s 78\n"
                            "objects 1 79\n"
                            "objects 2 80\n"
                            "objects 3 81\n"
                            "objects 4 82\n"
                            "objects 5 83\n"
                            "objects r 1\n"
                            "decor a 11\n"
                            "decor b 12\n"
                            "decor c 13\n"
                            "decor u 15\n"
                            "decor F 17\n"
                            "decor o 18\n";

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

std::filesystem::path FieldPath(const std::filesystem::path& maps, int field)
{
    char name[32];
    std::snprintf(name, sizeof name, "fields/field%02d.map", field);
    return maps / name;
}

std::filesystem::path LevelPath(const std::filesystem::path& folder, int level, const char* extension)
{
    char name[16];
    std::snprintf(name, sizeof name, "lev%02d%s", level, extension);
    return folder / name;
}

// A hand-drawn field: its header values and its grids, with the lots (four cells) and beds (two cells)
// named by a letter in the object grid.
struct Field
{
    int background = 0;
    std::vector<std::pair<int, int>> thiefSpots;
    std::vector<std::string> scenery;
    std::map<std::string, std::vector<std::string>> grids;

    bool Read(const std::string& text, std::string& error)
    {
        std::istringstream in(text);
        std::string current;
        for (std::string line; std::getline(in, line);)
        {
            if (!current.empty())
            {
                grids[current].push_back(line);
                if (grids[current].size() == LevelMap::kRows)
                {
                    current.clear();
                }
                continue;
            }
            std::istringstream words(line.substr(0, line.find('#')));
            std::string key;
            if (!(words >> key))
            {
                continue;
            }
            if (key == "background")
            {
                words >> background;
            }
            else if (key == "thiefspot")
            {
                int i = 0;
                int j = 0;
                words >> i >> j;
                thiefSpots.emplace_back(i, j);
            }
            else if (key == "scenery")
            {
                scenery.push_back(line);
            }
            else if (key == "tiles" || key == "objects" || key == "decor0" || key == "decor1" ||
                     key == "decor2")
            {
                current = key;
            }
            else
            {
                error = "cannot read '" + key + "'";
                return false;
            }
        }
        if (grids.count("tiles") == 0 || grids.count("objects") == 0 || thiefSpots.empty())
        {
            error = "a field needs its tiles, its objects and a thief's spot";
            return false;
        }
        return true;
    }

    // The first cell of each place letter in the object grid: row, column.
    std::map<char, std::pair<int, int>> Places() const
    {
        std::map<char, std::pair<int, int>> places;
        const std::vector<std::string>& rows = grids.at("objects");
        for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        {
            for (int column = 0; column < static_cast<int>(rows[row].size()); ++column)
            {
                const char c = rows[row][column];
                if (SeriesTable::IsLotName(c) || SeriesTable::IsBedName(c))
                {
                    places.emplace(c, std::make_pair(row, column));
                }
            }
        }
        return places;
    }
};

// What the player owns from the map shop: upgrade level per cost id (-1 = not owned).
using Owned = std::map<int, int>;

Owned StartingPurchases(const TableCost& table)
{
    Owned owned;
    for (const int id :
         {1, 5, 10, 14, 17, 26, 30, 34, 38, 42, 46, 50, 54, 58, 62, 66, 130, 131, 132, 133, 134, 138})
    {
        CostRecord record;
        if (table.GetCost(static_cast<std::uint8_t>(id), record))
        {
            owned[id] = record.owned != 0 ? 0 : -1;
        }
    }
    return owned;
}

// The money a requirement costs a player who owns what is given, and the purchase made.
long long Pay(const TableCost& table, Owned& owned, int id, int upgrade)
{
    CostRecord record;
    if (!table.GetCost(static_cast<std::uint8_t>(id), record))
    {
        return 0;
    }
    long long price = 0;
    int& level = owned[id];
    if (level < 0)
    {
        price += record.rows.empty() ? 0 : record.rows[0].price;
        level = 0;
    }
    for (; level < upgrade && static_cast<std::size_t>(level + 1) < record.rows.size(); ++level)
    {
        price += record.rows[static_cast<std::size_t>(level + 1)].price;
    }
    return price;
}

// The goods a level can come by, given its field contents and the garden look the player has.
std::set<std::uint8_t> Reachable(const SeriesTable::Entry& entry, int gardenLook)
{
    std::set<std::uint8_t> goods;
    for (const int code : entry.goods)
    {
        goods.insert(Level::GoodsFromFileCode(static_cast<std::uint8_t>(code)));
    }
    int bestBed = -1;
    for (const auto& [name, content] : entry.places)
    {
        if (SeriesTable::IsBedName(name) && content.code >= 4)
        {
            bestBed = std::max(bestBed, content.code == 4 ? 0 : content.code - 5);
        }
    }
    if (bestBed >= 0)
    {
        const int look = std::max(bestBed, gardenLook);
        for (int crop = 0; crop <= look && kFirstCrop + crop <= kLastCrop; ++crop)
        {
            goods.insert(static_cast<std::uint8_t>(kFirstCrop + crop));
        }
    }
    for (bool grew = true; grew;)
    {
        grew = false;
        for (const auto& [name, content] : entry.places)
        {
            if (!SeriesTable::IsLotName(name) || content.code <= 0)
            {
                continue;
            }
            const BuildingKind* kind = BuildingKind::Find(
                static_cast<std::uint8_t>(Level::BuildingBaseCode(static_cast<std::uint8_t>(content.code))));
            if (kind != nullptr && goods.count(kind->firstInput) != 0 && goods.count(kind->secondInput) != 0)
            {
                grew |= goods.insert(kind->product).second;
            }
        }
    }
    return goods;
}

std::set<int> GoalKinds(const SeriesTable::Entry& entry)
{
    std::set<int> kinds;
    for (const auto& [code, target] : entry.goals)
    {
        kinds.insert(code);
    }
    return kinds;
}

// The whole series checked: the messages of every fault.
std::vector<std::string> Check(const SeriesTable& series, const std::map<int, Field>& fields,
                               const MapSettings& settings, const TableCost& table)
{
    std::vector<std::string> faults;
    const auto fault = [&faults](int level, const std::string& what)
    { faults.push_back("level " + std::to_string(level) + ": " + what); };
    Owned owned = StartingPurchases(table);
    long long bank = 0;
    std::map<int, int> fieldUses;
    std::map<int, std::set<int>> lastKinds;
    std::map<std::uint8_t, int> firstRequired;
    for (std::uint32_t index = 0; index < settings.GetLevelCount(); ++index)
    {
        for (const MapSettings::ShopItem& item : settings.GetLevel(index).shopItems)
        {
            firstRequired.emplace(static_cast<std::uint8_t>(item.id), static_cast<int>(index) + 1);
        }
    }
    for (int level = 1; level <= kLastLevel; ++level)
    {
        if (static_cast<std::uint32_t>(level - 1) < settings.GetLevelCount())
        {
            for (const MapSettings::ShopItem& item :
                 settings.GetLevel(static_cast<std::uint32_t>(level - 1)).shopItems)
            {
                bank -= Pay(table, owned, item.id, item.upgrade);
            }
        }
        if (bank < 0)
        {
            fault(level,
                  "a silver-cup player cannot pay its map-shop requirements (" + std::to_string(bank) + ")");
        }
        const SeriesTable::Entry* entry = series.Find(level);
        if (level >= kFirstDesigned && entry == nullptr)
        {
            fault(level, "missing from the series");
        }
        if (entry != nullptr && entry->field != 0)
        {
            if (fields.count(entry->field) == 0)
            {
                fault(level, "unknown field " + std::to_string(entry->field));
                continue;
            }
            if (++fieldUses[entry->field] > kMostLevelsPerField)
            {
                fault(level, "field " + std::to_string(entry->field) + " serves more than 8 levels");
            }
            const std::set<int> kinds = GoalKinds(*entry);
            if (lastKinds[entry->field] == kinds)
            {
                fault(level, "the same goals' kind as the field's level before");
            }
            lastKinds[entry->field] = kinds;
            const std::map<char, std::pair<int, int>> places = fields.at(entry->field).Places();
            for (const auto& [name, content] : entry->places)
            {
                if (places.count(name) == 0)
                {
                    fault(level, std::string("field has no place ") + name);
                }
                if (SeriesTable::IsLotName(name) && content.code > 0)
                {
                    const auto type = static_cast<std::uint8_t>(
                        Level::BuildingBaseCode(static_cast<std::uint8_t>(content.code)));
                    const auto first = firstRequired.find(type);
                    if (first == firstRequired.end() || first->second > level)
                    {
                        fault(level, std::string("building ") + BuildingKind::Find(type)->name +
                                         " before the map shop brings it");
                    }
                }
                if (SeriesTable::IsLotName(name) && content.code > 0 &&
                    content.code == Level::BuildingBaseCode(static_cast<std::uint8_t>(content.code)) - 1)
                {
                    // A lot for sale is bought in the level for its first row's value.
                    CostRecord record;
                    table.GetCost(static_cast<std::uint8_t>(content.code + 1), record);
                    if (!record.rows.empty() && static_cast<int>(record.rows[0].value) > entry->money)
                    {
                        fault(level, "its starting money cannot buy the lot for sale");
                    }
                }
                if (SeriesTable::IsBedName(name) && content.code > 5 && content.code - 5 > owned[kGardenId])
                {
                    fault(level, "a bed with a look the player has not bought");
                }
            }
            const std::set<std::uint8_t> goods = Reachable(*entry, owned[kGardenId]);
            for (const auto& [code, target] : entry->goals)
            {
                const std::uint8_t wanted = Level::GoodsFromFileCode(static_cast<std::uint8_t>(code));
                if (wanted == kMoneyGoods)
                {
                    if (target < entry->money + kMoneyGoalMargin)
                    {
                        fault(level, "its money goal is too close to its starting money");
                    }
                }
                else if (goods.count(wanted) == 0)
                {
                    fault(level, "cannot make goods " + std::to_string(wanted));
                }
            }
            if (entry->gold <= 0 || entry->silver <= entry->gold)
            {
                fault(level, "its silver time must be later than its gold time");
            }
        }
        if (level - 1 < static_cast<int>(gLevelStars.size()))
        {
            const LevelStar& star = gLevelStars[static_cast<std::size_t>(level - 1)];
            bank += star.complete + star.silver;
        }
    }
    (void)kRopeId;
    return faults;
}

// The field's text with the lots and beds filled as the level sets them.
std::string Compose(const Field& field, const SeriesTable::Entry& entry)
{
    std::ostringstream out;
    out << "# Level " << entry.level << " on field " << entry.field << ".\n";
    out << "background " << field.background << "\n";
    out << "gold " << Clock(entry.gold) << "\n";
    out << "silver " << Clock(entry.silver) << "\n";
    out << "money " << entry.money << "\n";
    for (const auto& [code, target] : entry.goals)
    {
        out << "goal " << code << " " << target << "\n";
    }
    for (std::size_t n = 0; n < entry.thieves.size(); ++n)
    {
        const auto& [i, j] = field.thiefSpots[n % field.thiefSpots.size()];
        out << "thief " << Clock(entry.thieves[n]) << " " << i << " " << j << "\n";
    }
    if (!entry.goods.empty())
    {
        out << "goods";
        for (const int code : entry.goods)
        {
            out << " " << code;
        }
        out << "\n";
    }
    out << "buyers";
    for (const int code : entry.buyers)
    {
        out << " " << code;
    }
    out << "\n";
    for (const std::string& line : field.scenery)
    {
        out << line << "\n";
    }
    out << kLegend;
    std::vector<std::string> objects = field.grids.at("objects");
    const std::map<char, std::pair<int, int>> places = field.Places();
    for (const auto& [name, where] : places)
    {
        const auto content = entry.places.find(name);
        const bool filled = content != entry.places.end() && content->second.code > 0;
        const int width = SeriesTable::IsLotName(name) ? 4 : 2;
        const auto [row, column] = where;
        for (int k = 0; k < width; ++k)
        {
            if (!filled)
            {
                objects[static_cast<std::size_t>(row)][static_cast<std::size_t>(column + k)] = '.';
            }
        }
        if (filled)
        {
            out << "objects " << name << " " << content->second.code << "\n";
            if (content->second.hired && row > 0)
            {
                objects[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column + width - 1)] =
                    'h';
            }
        }
    }
    for (const char* grid : {"tiles", "objects", "decor0", "decor1", "decor2"})
    {
        if (field.grids.count(grid) == 0)
        {
            continue;
        }
        out << grid << "\n";
        const std::vector<std::string>& rows =
            std::string(grid) == "objects" ? objects : field.grids.at(grid);
        for (const std::string& row : rows)
        {
            out << row << "\n";
        }
    }
    return out.str();
}

struct Loaded
{
    SeriesTable series;
    std::map<int, Field> fields;
    bool ok = false;
};

Loaded Load(const std::filesystem::path& maps)
{
    Loaded loaded;
    std::string text;
    std::string error;
    if (!ReadText(maps / "series.txt", text) || !loaded.series.Read(text, error))
    {
        std::fprintf(stderr, "wf_levelgen: series.txt: %s\n", error.empty() ? "cannot read" : error.c_str());
        return loaded;
    }
    for (const SeriesTable::Entry& entry : loaded.series.Entries())
    {
        if (entry.field == 0 || loaded.fields.count(entry.field) != 0)
        {
            continue;
        }
        Field field;
        if (!ReadText(FieldPath(maps, entry.field), text) || !field.Read(text, error))
        {
            std::fprintf(stderr, "wf_levelgen: field %d: %s\n", entry.field,
                         error.empty() ? "cannot read" : error.c_str());
            return loaded;
        }
        loaded.fields[entry.field] = std::move(field);
    }
    loaded.ok = true;
    return loaded;
}

} // namespace

bool WriteAll(const std::filesystem::path& maps, const std::filesystem::path& output)
{
    Loaded loaded = Load(maps);
    if (!loaded.ok)
    {
        return false;
    }
    Korrin::FileSysManager files(maps.parent_path().string());
    MapSettings settings;
    settings.Load();
    TableCost table;
    TableCost::BuildLevelTables();
    const std::vector<std::string> faults = Check(loaded.series, loaded.fields, settings, table);
    for (const std::string& fault : faults)
    {
        std::fprintf(stderr, "wf_levelgen: %s\n", fault.c_str());
    }
    bool ok = faults.empty();
    for (const SeriesTable::Entry& entry : loaded.series.Entries())
    {
        if (entry.field == 0 || loaded.fields.count(entry.field) == 0)
        {
            continue;
        }
        LevelMap map;
        std::string error;
        if (!map.Parse(Compose(loaded.fields.at(entry.field), entry), error))
        {
            std::fprintf(stderr, "wf_levelgen: level %d: %s\n", entry.level, error.c_str());
            ok = false;
            continue;
        }
        const std::vector<std::uint8_t> bytes = map.Compile();
        std::ofstream out(LevelPath(output, entry.level, ".lev"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        ok &= static_cast<bool>(out);
    }
    return ok;
}

std::string Table(const std::filesystem::path& maps)
{
    Loaded loaded = Load(maps);
    if (!loaded.ok)
    {
        return {};
    }
    return loaded.series.Markdown();
}

} // namespace LevelSeries

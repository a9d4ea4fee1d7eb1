#include "tools/levelgen/LevelContents.h"

#include "game/Entity/BuildingKind.h"
#include "game/Game/Level.h"
#include "game/Game/TableCost.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace LevelContents
{

namespace
{

constexpr int kGridRows = 26;
constexpr std::size_t kPlaceWidth = 4;
constexpr std::uint16_t kFirstBuildingCode = 25;
constexpr std::uint16_t kLastBuildingCode = 68;
constexpr std::uint16_t kFirstGardenCode = 4;
constexpr std::uint16_t kLastGardenCode = 9;
constexpr std::uint16_t kWellCode = 14;
constexpr std::uint8_t kFirstCrop = 84;
constexpr std::uint8_t kLastCrop = 88;
constexpr std::uint8_t kMoneyCode = 20;
constexpr std::size_t kMostGoals = 6;
// A level that brings a building asks for this many units of its product.
constexpr long kProductTarget = 2;

bool IsBuilding(int costId)
{
    return costId >= 0 && costId <= 255 && BuildingKind::Find(static_cast<std::uint8_t>(costId)) != nullptr;
}

std::vector<std::uint8_t> InputsOf(std::uint8_t type)
{
    const BuildingKind* kind = BuildingKind::Find(type);
    if (kind == nullptr)
    {
        return {};
    }
    if (kind->fairy && kind->secondInput != kind->firstInput)
    {
        return {kind->firstInput, kind->secondInput};
    }
    return {kind->firstInput};
}

std::uint8_t ProductOf(std::uint8_t type)
{
    const BuildingKind* kind = BuildingKind::Find(type);
    return kind != nullptr ? kind->product : 0;
}

// The level file's goods code of a goods id; 0 when it has none.
std::uint8_t GoodsCode(std::uint8_t goods)
{
    for (std::uint8_t code = 1; code < kMoneyCode; ++code)
    {
        if (Level::GoodsFromFileCode(code) == goods)
        {
            return code;
        }
    }
    return 0;
}

const std::vector<Requirement>& RequirementsAt(int level, const Requirements& requirements)
{
    static const std::vector<Requirement> kNone;
    return level >= 1 && static_cast<std::size_t>(level) <= requirements.size() ? requirements[level - 1]
                                                                                : kNone;
}

bool Requires(int level, int id, const Requirements& requirements)
{
    const std::vector<Requirement>& own = RequirementsAt(level, requirements);
    return std::any_of(own.begin(), own.end(), [id](const Requirement& r) { return r.id == id; });
}

// Buildings bought in the map shop up to a level, the most recent first.
std::vector<std::uint8_t> BoughtBuildings(int level, const Requirements& requirements)
{
    std::vector<std::uint8_t> bought;
    for (int earlier = level; earlier >= 1; --earlier)
    {
        for (const Requirement& required : RequirementsAt(earlier, requirements))
        {
            if (IsBuilding(required.id))
            {
                bought.push_back(static_cast<std::uint8_t>(required.id));
            }
        }
    }
    return bought;
}

void AddOnce(std::vector<std::uint8_t>& list, std::uint8_t type)
{
    if (std::find(list.begin(), list.end(), type) == list.end())
    {
        list.push_back(type);
    }
}

bool HasWorker(const std::vector<std::uint8_t>& buildings, bool fairy)
{
    return std::any_of(buildings.begin(), buildings.end(),
                       [fairy](std::uint8_t type) { return BuildingKind::Find(type)->fairy == fairy; });
}

// The buildings a level cannot do without: those it asks to buy, and one of each worker kind it asks to
// upgrade.
std::vector<std::uint8_t> NeededBuildings(int level, const std::vector<std::uint8_t>& known,
                                          const Requirements& requirements)
{
    std::vector<std::uint8_t> needed;
    for (const Requirement& required : RequirementsAt(level, requirements))
    {
        if (IsBuilding(required.id))
        {
            AddOnce(needed, static_cast<std::uint8_t>(required.id));
        }
    }
    for (const bool fairy : {false, true})
    {
        if (Requires(level, fairy ? kFairyId : kBoyId, requirements) && !HasWorker(needed, fairy))
        {
            const auto worker =
                std::find_if(known.begin(), known.end(),
                             [fairy](std::uint8_t type) { return BuildingKind::Find(type)->fairy == fairy; });
            if (worker != known.end())
            {
                needed.push_back(*worker);
            }
        }
    }
    return needed;
}

// The buildings among the candidates that make the inputs of the given ones, through the whole chain.
void AddProducers(std::vector<std::uint8_t>& wanted, const std::vector<std::uint8_t>& candidates)
{
    for (std::size_t k = 0; k < wanted.size(); ++k)
    {
        for (const std::uint8_t input : InputsOf(wanted[k]))
        {
            const auto maker = std::find_if(candidates.begin(), candidates.end(),
                                            [input](std::uint8_t type) { return ProductOf(type) == input; });
            if (maker != candidates.end())
            {
                AddOnce(wanted, *maker);
            }
        }
    }
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string word; in >> word;)
    {
        words.push_back(word);
    }
    return words;
}

long Number(const std::string& word)
{
    try
    {
        return std::stol(word);
    }
    catch (...)
    {
        return -1;
    }
}

// A map text split into its header lines and its grids, with the object legend.
struct MapText
{
    std::vector<std::string> lines;
    std::size_t firstGrid = 0;   // the line that opens the first grid
    std::size_t objectsGrid = 0; // the first row of the object grid; 0 when missing
    std::map<char, std::uint16_t> objectCodes;

    explicit MapText(const std::string& text)
    {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
        {
            lines.push_back(line);
        }
        firstGrid = lines.size();
        for (std::size_t n = 0; n < lines.size(); ++n)
        {
            const std::vector<std::string> words = Words(lines[n]);
            if (words.size() == 1 &&
                (words[0] == "tiles" || words[0] == "objects" || words[0].rfind("decor", 0) == 0))
            {
                firstGrid = std::min(firstGrid, n);
                if (words[0] == "objects")
                {
                    objectsGrid = n + 1;
                }
                n += kGridRows;
            }
            else if (words.size() == 3 && words[0] == "objects" && words[1].size() == 1)
            {
                objectCodes[words[1][0]] = static_cast<std::uint16_t>(Number(words[2]));
            }
        }
        if (objectsGrid + kGridRows > lines.size())
        {
            objectsGrid = 0;
        }
    }

    std::uint16_t CodeAt(std::size_t row, std::size_t column) const
    {
        const std::string& line = lines[objectsGrid + row];
        const auto found = column < line.size() ? objectCodes.find(line[column]) : objectCodes.end();
        return found != objectCodes.end() ? found->second : 0;
    }

    bool HasObject(std::uint16_t first, std::uint16_t last) const
    {
        for (std::size_t row = 0; objectsGrid != 0 && row < kGridRows; ++row)
        {
            for (std::size_t column = 0; column < lines[objectsGrid + row].size(); ++column)
            {
                const std::uint16_t code = CodeAt(row, column);
                if (code >= first && code <= last)
                {
                    return true;
                }
            }
        }
        return false;
    }

    struct Place
    {
        std::size_t row = 0;
        std::size_t column = 0;
        std::uint16_t code = 0;
    };

    // Runs of four cells of one building code within a row.
    std::vector<Place> Places() const
    {
        std::vector<Place> places;
        for (std::size_t row = 0; objectsGrid != 0 && row < kGridRows; ++row)
        {
            const std::string& line = lines[objectsGrid + row];
            for (std::size_t column = 0; column + kPlaceWidth <= line.size();)
            {
                const std::uint16_t code = CodeAt(row, column);
                const bool run =
                    code >= kFirstBuildingCode && code <= kLastBuildingCode &&
                    line.compare(column, kPlaceWidth, std::string(kPlaceWidth, line[column])) == 0;
                if (run)
                {
                    places.push_back({row, column, code});
                }
                column += run ? kPlaceWidth : 1;
            }
        }
        return places;
    }

    // A character of the object legend for the code, added to the legend when it has none.
    char LetterFor(std::uint16_t code, std::vector<std::string>& legend)
    {
        for (const auto& [letter, known] : objectCodes)
        {
            if (known == code)
            {
                return letter;
            }
        }
        for (const char letter : std::string("ABCDEFGIJKLNOQTUVXYZabdeijklnpqtvxyz"))
        {
            if (objectCodes.count(letter) == 0)
            {
                objectCodes[letter] = code;
                legend.push_back("objects " + std::string(1, letter) + " " + std::to_string(code));
                return letter;
            }
        }
        return '.';
    }
};

std::uint8_t TypeOfCode(std::uint16_t code)
{
    return static_cast<std::uint8_t>(Level::BuildingBaseCode(static_cast<std::uint8_t>(code)));
}

// What the level's own fields and buildings make, with what its storehouse sells.
std::set<std::uint8_t> Available(bool crops, const std::set<std::uint8_t>& store,
                                 const std::vector<std::uint8_t>& buildings)
{
    std::set<std::uint8_t> goods = store;
    for (std::uint8_t crop = kFirstCrop; crops && crop <= kLastCrop; ++crop)
    {
        goods.insert(crop);
    }
    for (bool grew = true; grew;)
    {
        grew = false;
        for (const std::uint8_t type : buildings)
        {
            const std::vector<std::uint8_t> inputs = InputsOf(type);
            const bool ready = std::all_of(inputs.begin(), inputs.end(),
                                           [&goods](std::uint8_t input) { return goods.count(input) != 0; });
            grew |= ready && goods.insert(ProductOf(type)).second;
        }
    }
    return goods;
}

// Money for one unit of the goods when only the storehouse's goods are bought: crops and the products of
// the level's buildings cost their inputs.
long StoreCost(std::uint8_t goods, bool crops, const std::vector<std::uint8_t>& buildings, int depth = 0)
{
    if (crops && goods >= kFirstCrop && goods <= kLastCrop)
    {
        return 0;
    }
    const auto maker = std::find_if(buildings.begin(), buildings.end(),
                                    [goods](std::uint8_t type) { return ProductOf(type) == goods; });
    if (maker == buildings.end() || depth > 8)
    {
        return TableCost::GetStoreHousePrice(goods);
    }
    long cost = 0;
    for (const std::uint8_t input : InputsOf(*maker))
    {
        cost += StoreCost(input, crops, buildings, depth + 1);
    }
    return cost;
}

} // namespace

BaseMap DescribeBase(const std::string& map)
{
    const MapText text(map);
    return {text.Places().size(), text.HasObject(Level::kRopeCode, Level::kRopeCode)};
}

int BaseMapOf(int level, int seriesBase, const std::vector<BaseMap>& bases, const Requirements& requirements)
{
    const bool rope = Requires(level, kRopeId, requirements);
    const std::size_t needed =
        NeededBuildings(level, BoughtBuildings(level, requirements), requirements).size();
    const auto fits = [&](const BaseMap& base) { return base.places >= needed && (base.rope || !rope); };
    if (seriesBase >= 1 && static_cast<std::size_t>(seriesBase) <= bases.size() &&
        fits(bases[seriesBase - 1]))
    {
        return seriesBase;
    }
    // Else the map that fits with the most places.
    int best = seriesBase;
    std::size_t most = 0;
    for (std::size_t k = 0; k < bases.size(); ++k)
    {
        if (fits(bases[k]) && bases[k].places >= most)
        {
            best = static_cast<int>(k) + 1;
            most = bases[k].places;
        }
    }
    return best;
}

std::vector<std::uint8_t> BuildingsOf(int level, const std::vector<std::uint8_t>& baseBuildings,
                                      const Requirements& requirements)
{
    std::vector<std::uint8_t> known = BoughtBuildings(level, requirements);
    known.insert(known.end(), baseBuildings.begin(), baseBuildings.end());
    std::vector<std::uint8_t> wanted = NeededBuildings(level, known, requirements);
    AddProducers(wanted, known);
    for (const std::uint8_t type : known)
    {
        AddOnce(wanted, type);
    }
    wanted.resize(std::min(wanted.size(), baseBuildings.size()));
    // A building that stays keeps its place; the others take the places that are left, in order.
    std::vector<std::uint8_t> placed(baseBuildings.size(), 0);
    std::vector<std::uint8_t> rest;
    for (const std::uint8_t type : wanted)
    {
        const auto same = std::find(baseBuildings.begin(), baseBuildings.end(), type);
        if (same != baseBuildings.end() && placed[same - baseBuildings.begin()] == 0)
        {
            placed[same - baseBuildings.begin()] = type;
        }
        else
        {
            rest.push_back(type);
        }
    }
    auto next = rest.begin();
    for (std::uint8_t& place : placed)
    {
        if (place == 0 && next != rest.end())
        {
            place = *next++;
        }
    }
    return placed;
}

std::string Bring(const std::string& map, int level, const Requirements& requirements)
{
    MapText text(map);
    const std::vector<MapText::Place> places = text.Places();
    std::vector<std::uint8_t> baseTypes;
    for (const MapText::Place& place : places)
    {
        baseTypes.push_back(TypeOfCode(place.code));
    }
    const std::vector<std::uint8_t> buildings = BuildingsOf(level, baseTypes, requirements);
    std::vector<std::string> header;
    for (std::size_t k = 0; k < places.size(); ++k)
    {
        const MapText::Place& place = places[k];
        const auto state = static_cast<int>(place.code) - static_cast<int>(baseTypes[k]);
        const char letter = text.LetterFor(static_cast<std::uint16_t>(buildings[k] + state), header);
        text.lines[text.objectsGrid + place.row].replace(place.column, kPlaceWidth, kPlaceWidth, letter);
    }

    // Goods, goals and money as the header gives them.
    std::set<std::uint8_t> store;
    std::set<std::uint8_t> goals;
    std::size_t goalCount = 0;
    std::size_t moneyLine = text.firstGrid;
    for (std::size_t n = 0; n < text.firstGrid; ++n)
    {
        const std::vector<std::string> words = Words(text.lines[n]);
        if (!words.empty() && words[0] == "goods")
        {
            for (std::size_t w = 1; w < words.size(); ++w)
            {
                store.insert(Level::GoodsFromFileCode(static_cast<std::uint8_t>(Number(words[w]))));
            }
        }
        else if (words.size() == 3 && words[0] == "goal")
        {
            goals.insert(static_cast<std::uint8_t>(Number(words[1])));
            ++goalCount;
        }
        else if (words.size() == 2 && words[0] == "money")
        {
            moneyLine = n;
        }
    }
    const bool crops =
        text.HasObject(kFirstGardenCode, kLastGardenCode) && text.HasObject(kWellCode, kWellCode);

    // Every building's inputs are made on the level or sold in its storehouse: first what no building of
    // the level makes, then what stays out of reach through a chain of buildings.
    std::string goodsLine;
    const auto sell = [&](std::uint8_t input)
    {
        if (GoodsCode(input) != 0 && store.insert(input).second)
        {
            goodsLine += " " + std::to_string(GoodsCode(input));
        }
    };
    for (const std::uint8_t type : buildings)
    {
        for (const std::uint8_t input : InputsOf(type))
        {
            const bool made = (crops && input >= kFirstCrop && input <= kLastCrop) ||
                              std::any_of(buildings.begin(), buildings.end(),
                                          [input](std::uint8_t maker) { return ProductOf(maker) == input; });
            if (!made)
            {
                sell(input);
            }
        }
    }
    for (const std::uint8_t type : buildings)
    {
        for (const std::uint8_t input : InputsOf(type))
        {
            if (Available(crops, store, buildings).count(input) == 0)
            {
                sell(input);
            }
        }
    }
    if (!goodsLine.empty())
    {
        header.push_back("goods" + goodsLine);
    }

    long extraMoney = 0;
    for (const Requirement& required : RequirementsAt(level, requirements))
    {
        const auto type = static_cast<std::uint8_t>(required.id);
        const std::uint8_t code = GoodsCode(ProductOf(type));
        if (!IsBuilding(required.id) || code == 0 || goals.count(code) != 0 || goalCount >= kMostGoals ||
            std::find(buildings.begin(), buildings.end(), type) == buildings.end())
        {
            continue;
        }
        header.push_back("goal " + std::to_string(code) + " " + std::to_string(kProductTarget));
        goals.insert(code);
        ++goalCount;
        for (const std::uint8_t input : InputsOf(type))
        {
            extraMoney += kProductTarget * StoreCost(input, crops, buildings);
        }
    }
    if (extraMoney > 0 && moneyLine < text.firstGrid)
    {
        text.lines[moneyLine] =
            "money " + std::to_string(Number(Words(text.lines[moneyLine])[1]) + extraMoney);
    }

    std::ostringstream out;
    for (std::size_t n = 0; n < text.lines.size(); ++n)
    {
        if (n == text.firstGrid)
        {
            if (!header.empty())
            {
                out << "# Brought by the world map's requirements.\n";
            }
            for (const std::string& line : header)
            {
                out << line << "\n";
            }
        }
        out << text.lines[n] << "\n";
    }
    return out.str();
}

} // namespace LevelContents

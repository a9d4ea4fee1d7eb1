#include "game/Game/LevelFile.h"

#include "engine/File/BinaryReader.h"
#include "engine/Log/LogManager.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr std::size_t kSceneryRecordBytes = LevelFile::kTableNameBytes + 4 + 4 + 1 + 4;

Korrin::LogManager* Log()
{
    return Korrin::LogManager::GetInstance();
}

void ReadGrid(Korrin::BinaryReader& in, LevelFile::Grid& grid)
{
    for (std::uint16_t& cell : grid)
    {
        cell = in.ReadU16();
    }
}

// The table name is a 60-byte field meant to end in a 0; one that fills the field is cut at its end.
std::string ReadTableName(Korrin::BinaryReader& in, const std::string& name, std::size_t record)
{
    std::array<char, LevelFile::kTableNameBytes> field{};
    for (char& c : field)
    {
        c = static_cast<char>(in.ReadU8());
    }
    const auto end = std::find(field.begin(), field.end(), '\0');
    if (end == field.end())
    {
        Log()->Write("%s: scenery record %zu has a table name without its end; cut at 60 characters",
                     name.c_str(), record);
    }
    return std::string(field.begin(), end);
}

} // namespace

bool LevelFile::Parse(std::span<const std::uint8_t> bytes, const std::string& name)
{
    Korrin::BinaryReader in(bytes);
    ReadHeader(in);
    ReadThieves(in, name);
    ReadStoreGoods(in);
    ReadBuyers(in, name);
    ReadGrids(in);
    if (!in.Ok())
    {
        Log()->Write("%s: the file ends before its grids (%zu bytes); the level is not loaded", name.c_str(),
                     bytes.size());
        return false;
    }
    ReadScenery(in, name);
    return true;
}

void LevelFile::ReadHeader(Korrin::BinaryReader& in)
{
    backgroundType = in.ReadU8();
    goldMinutes = in.ReadU8();
    goldSeconds = in.ReadU8();
    silverMinutes = in.ReadU8();
    silverSeconds = in.ReadU8();
    money = in.ReadI32();
    for (Goal& goal : goals)
    {
        goal.code = in.ReadU8();
        goal.target = in.ReadU32();
    }
}

void LevelFile::ReadThieves(Korrin::BinaryReader& in, const std::string& name)
{
    thieves.clear();
    const std::uint8_t thiefCount = in.ReadU8();
    for (std::uint8_t t = 0; t < thiefCount; ++t)
    {
        Thief thief{in.ReadU8(), in.ReadU8(), in.ReadU8(), in.ReadU8()};
        if (!in.Ok())
        {
            break;
        }
        if (!FieldGeometry::IsInside(thief.I, thief.J))
        {
            Log()->Write("%s: thief %d stands on (%d, %d) outside the field and is left out", name.c_str(),
                         static_cast<int>(t), static_cast<int>(thief.I), static_cast<int>(thief.J));
            continue;
        }
        thieves.push_back(thief);
    }
}

void LevelFile::ReadStoreGoods(Korrin::BinaryReader& in)
{
    storeGoods.clear();
    const std::uint8_t goodsCount = in.ReadU8();
    for (std::uint8_t g = 0; g < goodsCount; ++g)
    {
        const std::uint8_t code = in.ReadU8();
        if (code != 0 && in.Ok())
        {
            storeGoods.push_back(code);
        }
    }
}

void LevelFile::ReadBuyers(Korrin::BinaryReader& in, const std::string& name)
{
    buyers.clear();
    buyerCount = in.ReadU8();
    for (std::uint8_t b = 0; b < buyerCount; ++b)
    {
        const std::uint8_t code = in.ReadU8();
        if (code == 0 || !in.Ok())
        {
            continue;
        }
        if (code < kFirstBuyerCode || code > kLastBuyerCode)
        {
            // Any other code would make a gardener, a worker or a thief of the buyer.
            Log()->Write("%s: buyer %d has the unknown kind %d and is left out", name.c_str(),
                         static_cast<int>(b), static_cast<int>(code));
            continue;
        }
        buyers.push_back(code);
    }
}

void LevelFile::ReadGrids(Korrin::BinaryReader& in)
{
    for (Grid& layer : decorations)
    {
        ReadGrid(in, layer);
    }
    ReadGrid(in, tiles);
    Grid ignored{};
    ReadGrid(in, ignored);
    ReadGrid(in, objects);
}

void LevelFile::ReadScenery(Korrin::BinaryReader& in, const std::string& name)
{
    scenery.clear();
    if (in.Remaining() < 4)
    {
        // A file that ends with its grids has no scenery.
        return;
    }
    const std::int32_t count = in.ReadI32();
    const std::size_t fits = in.Remaining() / kSceneryRecordBytes;
    std::size_t wanted = count > 0 ? static_cast<std::size_t>(count) : 0;
    if (wanted > fits)
    {
        Log()->Write("%s: %d scenery records announced, the file holds %zu", name.c_str(),
                     static_cast<int>(count), fits);
        wanted = fits;
    }
    scenery.reserve(wanted);
    for (std::size_t s = 0; s < wanted; ++s)
    {
        Scenery record;
        record.table = ReadTableName(in, name, s);
        record.x = in.ReadF32();
        record.y = in.ReadF32();
        record.kind = in.ReadU8();
        record.drawOrder = in.ReadI32();
        scenery.push_back(std::move(record));
    }
}

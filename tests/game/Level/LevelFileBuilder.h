#pragma once

#include "engine/File/BinaryWriter.h"
#include "game/Game/LevelFile.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace TestSupport
{

// Writes a level file field by field in the game's layout, for tests that need one on disk or in memory.
struct LevelFileBuilder
{
    struct Scenery
    {
        std::string name; // written into the 60-byte field; 60 characters or more leave no end
        float x = 0.0f;
        float y = 0.0f;
        std::uint8_t kind = 0;
        std::int32_t drawOrder = 0;
    };

    std::uint8_t background = 0;
    std::uint8_t gold[2] = {3, 0};
    std::uint8_t silver[2] = {5, 0};
    std::int32_t money = 100;
    std::vector<LevelFile::Goal> goals;
    std::vector<LevelFile::Thief> thieves;
    std::vector<std::uint8_t> goods;
    std::vector<std::uint8_t> buyers{1, 2, 3, 1, 2, 3, 1, 2, 3};
    std::array<LevelFile::Grid, 3> decorations{};
    LevelFile::Grid tiles{};
    LevelFile::Grid ignored{};
    LevelFile::Grid objects{};
    std::optional<std::int32_t> sceneryCount; // none: the number of scenery records
    std::vector<Scenery> scenery;
    bool writeSceneryCount = true;

    static std::size_t Index(int i, int j) { return static_cast<std::size_t>(i * 26 + j); }
    void Tile(int i, int j, std::uint16_t code) { tiles[Index(i, j)] = code; }
    void Object(int i, int j, std::uint16_t code) { objects[Index(i, j)] = code; }
    void Floor(int j, int from = 0, int to = 15)
    {
        for (int i = from; i <= to; ++i)
        {
            Tile(i, j, 2);
        }
    }

    // The least a level needs on its bottom floor (row 22): the buyers' signposts at both ends, five
    // queue places, the shop on columns 7 and 8 and the storehouse on column 12.
    static LevelFileBuilder Complete()
    {
        LevelFileBuilder level;
        level.Floor(22);
        level.Object(0, 22, 2);
        level.Object(15, 22, 3);
        for (int place = 0; place < 5; ++place)
        {
            level.Object(1 + place, 22, static_cast<std::uint16_t>(79 + place));
        }
        level.Object(7, 22, 17);
        level.Object(8, 22, 17);
        level.Object(12, 22, 10);
        return level;
    }

    LevelFile Parsed() const
    {
        LevelFile file;
        const std::vector<std::uint8_t> bytes = Bytes();
        file.Parse(bytes, "test.lev");
        return file;
    }

    std::vector<std::uint8_t> Bytes() const
    {
        Korrin::BinaryWriter out;
        out.WriteU8(background);
        out.WriteU8(gold[0]);
        out.WriteU8(gold[1]);
        out.WriteU8(silver[0]);
        out.WriteU8(silver[1]);
        out.WriteI32(money);
        for (std::size_t g = 0; g < 6; ++g)
        {
            const LevelFile::Goal goal = g < goals.size() ? goals[g] : LevelFile::Goal{};
            out.WriteU8(goal.code);
            out.WriteU32(goal.target);
        }
        out.WriteU8(static_cast<std::uint8_t>(thieves.size()));
        for (const LevelFile::Thief& thief : thieves)
        {
            out.WriteU8(thief.minutes);
            out.WriteU8(thief.seconds);
            out.WriteU8(thief.I);
            out.WriteU8(thief.J);
        }
        out.WriteU8(static_cast<std::uint8_t>(goods.size()));
        for (const std::uint8_t code : goods)
        {
            out.WriteU8(code);
        }
        out.WriteU8(static_cast<std::uint8_t>(buyers.size()));
        for (const std::uint8_t code : buyers)
        {
            out.WriteU8(code);
        }
        for (const auto& layer : decorations)
        {
            WriteGrid(out, layer);
        }
        WriteGrid(out, tiles);
        WriteGrid(out, ignored);
        WriteGrid(out, objects);
        if (writeSceneryCount)
        {
            out.WriteI32(sceneryCount.value_or(static_cast<std::int32_t>(scenery.size())));
        }
        for (const Scenery& record : scenery)
        {
            char name[60];
            std::memset(name, 0, sizeof(name));
            std::memcpy(name, record.name.data(), std::min<std::size_t>(record.name.size(), sizeof(name)));
            for (const char c : name)
            {
                out.WriteU8(static_cast<std::uint8_t>(c));
            }
            out.WriteF32(record.x);
            out.WriteF32(record.y);
            out.WriteU8(record.kind);
            out.WriteI32(record.drawOrder);
        }
        return out.Bytes();
    }

private:
    static void WriteGrid(Korrin::BinaryWriter& out, const LevelFile::Grid& grid)
    {
        for (const std::uint16_t cell : grid)
        {
            out.WriteU16(cell);
        }
    }
};

} // namespace TestSupport

#pragma once

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/Util/Singleton.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// The world map's progress boards (the rivals' board and the companion's board) and which one is shown.
// Holds their saved state; the boards' drawing belongs to the map.
class ProgressBoardManager : public Korrin::Singleton<ProgressBoardManager>
{
public:
    static constexpr std::uint32_t kRivalsBoard = 0;
    static constexpr std::uint32_t kCompanionBoard = 1;
    static constexpr std::uint32_t kNoBoard = 2;
    static constexpr std::uint32_t kMaxRivalEntries = 1000;

    // One rival's line, 45 bytes in the file.
    struct RivalEntry
    {
        std::array<std::uint32_t, 4> counts{};
        std::array<float, 2> position{};
        std::uint8_t flag = 0;
        std::array<float, 4> motion{};
        std::uint32_t value = 0;
    };

    struct RivalsBoard
    {
        std::uint8_t shown = 0;
        std::uint32_t state = 0;
        std::vector<RivalEntry> entries;
        std::array<float, 2> scale{10.0f, 10.0f};
        std::uint8_t flag = 0;
        float alpha = 1.0f;
        std::array<std::int32_t, 4> marks{-1, -1, 0, -1};
    };

    struct CompanionBoard
    {
        std::uint8_t shown = 0;
        std::uint32_t first = 0;
        std::uint32_t second = 0;
        float alpha = 1.0f;
        std::uint32_t third = 0;
    };

    struct Boards
    {
        std::uint32_t shownIndex = kNoBoard;
        RivalsBoard rivals;
        CompanionBoard companion;
    };

    ProgressBoardManager() = default;

    static ProgressBoardManager* GetInstance()
    {
        return CheckedInstance("ProgressBoardManager::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\GUI\\ProgressBoardManager", 20);
    }

    void Save(Korrin::BinaryWriter& out) const { Write(out, mBoards); }
    // With no data: back to the defaults. With data: the boards read, or false (nothing changed) when
    // the data is short or its counts are impossible.
    bool Load(Korrin::BinaryReader* in);

    static void Write(Korrin::BinaryWriter& out, const Boards& boards);
    static bool Read(Korrin::BinaryReader& in, Boards& boards);

    const Boards& GetBoards() const { return mBoards; }
    void SetBoards(Boards boards) { mBoards = std::move(boards); }

private:
    Boards mBoards;
};

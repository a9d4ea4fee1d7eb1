#pragma once

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/Util/Singleton.h"
#include "game/GUI/ProgressBoardRecord.h"

#include <cstdint>
#include <memory>

class CompeteBoard;
class QuibProgressGui;
class ProgressBoard;

// The world map's two progress boards (the rivals' and the companion's), which one is shown, and their
// part of the player's purchases file.
class ProgressBoardManager : public Korrin::Singleton<ProgressBoardManager>
{
public:
    static constexpr std::uint32_t kRivalsBoard = 0;
    static constexpr std::uint32_t kCompanionBoard = 1;
    static constexpr std::uint32_t kNoBoard = 2;

    using Boards = ProgressBoardRecord::Boards;

    ProgressBoardManager();
    ~ProgressBoardManager();

    static ProgressBoardManager* GetInstance()
    {
        return CheckedInstance("ProgressBoardManager::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\GUI\\ProgressBoardManager", 20);
    }

    // Loads the boards' pictures and layouts.
    void Init();
    void Update(float dt);
    void Draw();

    // At a level reached for the first time: the board the two thresholds choose is shown (the one
    // shown before hidden) and moves; below the first threshold nothing happens.
    void OnNewLevel(std::int32_t highestLevel, std::int32_t startLevel, std::int32_t swapLevel);

    void Save(Korrin::BinaryWriter& out) const { Write(out, GetBoards()); }
    // With no data: both boards from the start, none shown.
    void Load(Korrin::BinaryReader* in);

    static void Write(Korrin::BinaryWriter& out, const Boards& boards);
    // False when the data is short, names more than five rivals or a board that does not exist.
    static bool Read(Korrin::BinaryReader& in, Boards& boards);

    // The boards as the file stores them, and back (a leaving rival's elimination starts again).
    Boards GetBoards() const;
    void SetBoards(const Boards& boards);

    std::uint32_t GetShown() const { return mShown; }
    ProgressBoard* GetShownBoard() const;
    CompeteBoard& GetRivals() const { return *mRivals; }
    QuibProgressGui& GetCompanion() const { return *mCompanion; }

private:
    void Show(std::uint32_t board);

    std::uint32_t mShown = kNoBoard;
    std::unique_ptr<CompeteBoard> mRivals;
    std::unique_ptr<QuibProgressGui> mCompanion;
};

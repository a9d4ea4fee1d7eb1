#pragma once

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"

#include <cstdint>

// A board of the world map that shows the player's progress between levels. At most one is shown; a
// level reached for the first time moves the shown one.
class ProgressBoard
{
public:
    virtual ~ProgressBoard() = default;
    ProgressBoard(const ProgressBoard&) = delete;
    ProgressBoard& operator=(const ProgressBoard&) = delete;

    virtual void Init() = 0;
    virtual void Reset() = 0;
    virtual bool Update(float dt) = 0;
    virtual void Draw() = 0;
    // The player reached a new level (h, the new highest level reached).
    virtual void LevelCompleted(std::uint32_t highestLevel) = 0;

    bool IsShown() const { return shown != 0; }

    std::uint8_t shown = 0;

protected:
    ProgressBoard() = default;
};

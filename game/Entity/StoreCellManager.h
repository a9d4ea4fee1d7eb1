#pragma once

#include <cstdint>
#include <vector>

// The goods cells of the shop or the storehouse.
class StoreCellManager
{
public:
    struct Cell
    {
        std::uint8_t goods = 0; // 0: empty
        bool locked = false;
        float fade = 0.0f; // below 0 while fading out
    };

    // False as soon as one unlocked cell holds goods that are settled or fading in.
    bool IsEmpty() const;

    std::vector<Cell>& Cells() { return mCells; }

private:
    std::vector<Cell> mCells;
};

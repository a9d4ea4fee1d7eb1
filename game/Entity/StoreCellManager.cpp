#include "game/Entity/StoreCellManager.h"

bool StoreCellManager::IsEmpty() const
{
    for (const Cell& cell : mCells)
    {
        if (cell.goods != 0 && !cell.locked && cell.fade >= 0.0f)
        {
            return false;
        }
    }
    return true;
}

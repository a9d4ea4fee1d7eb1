#pragma once

#include "game/Game/LevelBackdrop.h"

// The lake backdrop: a river across the foot of the picture.
class Bk04 : public LevelBackdrop
{
public:
    Bk04();
    ~Bk04() override;

protected:
    void LoadWater() override;
};

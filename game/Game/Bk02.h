#pragma once

#include "game/Game/LevelBackdrop.h"

// The orchard backdrop: sky and picture only.
class Bk02 : public LevelBackdrop
{
public:
    Bk02();
    ~Bk02() override;
};

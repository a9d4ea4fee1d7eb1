#pragma once

#include "game/Pers/PersRun.h"

// The thief: one figure from "thieflist.lua".
class PersRunThief final : public PersRun
{
public:
    PersRunThief();

    void Init() override;
};

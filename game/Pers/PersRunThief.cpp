#include "game/Pers/PersRunThief.h"

PersRunThief::PersRunThief() : PersRun(kThief)
{
    mKind = kThief;
}

void PersRunThief::Init()
{
    ClearFigures();
    AddFigure(kThief, "thieflist.lua");
    PersRun::Init();
    PlayAnimation("stand", kKeepFacing);
}

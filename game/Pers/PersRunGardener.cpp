#include "game/Pers/PersRunGardener.h"

#include "game/Pers/CorrectionTable.h"

namespace
{
constexpr const char* kListFile = "gardenerlist.lua";
} // namespace

PersRunGardener::PersRunGardener() : PersRun(kGardener)
{
    mKind = kKindCode;
    TakeCostRecord();
}

void PersRunGardener::Init()
{
    ClearFigures();
    AddFigure(kGardener, kListFile);
    mCorrections->Load(kListFile, "ObjList");
    PersRun::Init();
    PlayAnimation("stand", kKeepFacing);
}

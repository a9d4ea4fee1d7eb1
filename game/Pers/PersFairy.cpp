#include "game/Pers/PersFairy.h"

PersFairy::PersFairy(std::uint8_t kind) : Pers(kFairy)
{
    mKind = kind;
    TakeCostRecord();
}

std::string PersFairy::KindListFile(std::uint8_t kind)
{
    switch (kind)
    {
    case 38:
        return "fairy_roaster_list.lua";
    case 42:
        return "fairy_confectionery_list.lua";
    case 54:
        return "fairy_sandwich_list.lua";
    case 58:
        return "fairy_dough_list.lua";
    case 66:
        return "fairy_friedpotatoes_list.lua";
    default:
        return {};
    }
}

void PersFairy::Init()
{
    ClearFigures();
    AddFigure(kFairy, "fairy_normal_list.lua");
    const std::string kindFile = KindListFile(mKind);
    if (!kindFile.empty())
    {
        AddFigure(mKind, kindFile);
    }
    Pers::Init();
    PlayAnimation("run", kKeepFacing);
}

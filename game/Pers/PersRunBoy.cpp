#include "game/Pers/PersRunBoy.h"

#include "game/Pers/CorrectionTable.h"

PersRunBoy::PersRunBoy(std::uint8_t kind) : PersRun(kErrandBoy)
{
    mKind = kind;
    TakeCostRecord();
}

std::string PersRunBoy::KindListFile(std::uint8_t kind)
{
    switch (kind)
    {
    case 26:
        return "boy_miller_list.lua";
    case 30:
        return "boy_juicer_list.lua";
    case 34:
        return "boy_tomat_list.lua";
    case 46:
        return "boy_baker_list.lua";
    case 50:
        return "boy_sunflower_list.lua";
    case 62:
        return "boy_packer_list.lua";
    default:
        return {};
    }
}

void PersRunBoy::Init()
{
    ClearFigures();
    AddFigure(kErrandBoy, "boy_normal_list.lua");
    const std::string kindFile = KindListFile(mKind);
    if (!kindFile.empty())
    {
        AddFigure(mKind, kindFile);
        mCorrections->Load(kindFile, "ObjList");
    }
    PersRun::Init();
    PlayAnimation("stand", kKeepFacing);
}

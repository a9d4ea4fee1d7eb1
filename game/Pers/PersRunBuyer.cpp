#include "game/Pers/PersRunBuyer.h"

#include "engine/Log/LogManager.h"
#include "game/Pers/CorrectionTable.h"
#include "game/Pers/PersAnimatedManager.h"

#include <array>

namespace
{

constexpr float kBuyerWalkSpeed = 1.6f;

constexpr std::array<const char*, PersRunBuyer::kLastKind - PersRunBuyer::kFirstKind + 1> kListFiles = {
    "peasantlist.lua", "girllist.lua",      "princelist.lua",   "sleeperlist.lua", "generallist.lua",
    "smellylist.lua",  "professorlist.lua", "musicianlist.lua", "fatBlist.lua",    "princesslist.lua",
    "smellylist.lua",  "fatlist.lua",       "countesslist.lua", "grandmalist.lua"};

} // namespace

PersRunBuyer::PersRunBuyer(std::uint8_t kind) : PersRun(kBuyer)
{
    mKind = kind;
    if (!KindListFile(kind).empty())
    {
        mWalkSpeed = kBuyerWalkSpeed;
    }
}

std::string PersRunBuyer::KindListFile(std::uint8_t kind)
{
    if (kind < kFirstKind || kind > kLastKind)
    {
        return {};
    }
    return kListFiles[static_cast<std::size_t>(kind - kFirstKind)];
}

void PersRunBuyer::Init()
{
    ClearFigures();
    const std::string listFile = KindListFile(mKind);
    if (listFile.empty())
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("Ошибка типа в PersRunBuyer::Load()");
        }
    }
    else
    {
        AddFigure(mKind, listFile);
        mCorrections->Load(listFile, "ObjList");
    }
    PersRun::Init();
    if (mFigure != nullptr)
    {
        mFigure->SetAnimation("stand");
    }
}

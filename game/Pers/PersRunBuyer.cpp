#include "game/Pers/PersRunBuyer.h"

#include "engine/Log/LogManager.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "game/Pers/BuyerWishFrames.h"
#include "game/Pers/CorrectionTable.h"
#include "game/Pers/PersAnimatedManager.h"

#include <array>

namespace
{

constexpr float kBuyerWalkSpeed = 1.6f;

// What each buyer kind is: its look, how many goods it wants and its voice.
struct BuyerKind
{
    const char* listFile;
    std::uint32_t wanted;
    PersRunBuyer::Voice voice;
};

using Voice = PersRunBuyer::Voice;
constexpr std::array<BuyerKind, PersRunBuyer::kLastKind - PersRunBuyer::kFirstKind + 1> kKinds{{
    {"peasantlist.lua", 2, Voice::OldMale},
    {"girllist.lua", 1, Voice::YoungFemale},
    {"princelist.lua", 2, Voice::OldMale},
    {"sleeperlist.lua", 1, Voice::YoungMale},
    {"generallist.lua", 1, Voice::OldMale},
    {"smellylist.lua", 1, Voice::YoungMale},
    {"professorlist.lua", 3, Voice::OldMale},
    {"musicianlist.lua", 1, Voice::YoungMale},
    {"fatBlist.lua", 3, Voice::OldMale},
    {"princesslist.lua", 3, Voice::YoungFemale},
    {"smellylist.lua", 1, Voice::None},
    {"fatlist.lua", 2, Voice::YoungMale},
    {"countesslist.lua", 4, Voice::OldFemale},
    {"grandmalist.lua", 2, Voice::OldFemale},
}};

const BuyerKind* KindOf(std::uint8_t kind)
{
    if (kind < PersRunBuyer::kFirstKind || kind > PersRunBuyer::kLastKind)
    {
        return nullptr;
    }
    return &kKinds[static_cast<std::size_t>(kind - PersRunBuyer::kFirstKind)];
}

void Log(const char* line)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", line);
    }
}

void PlayVoice(PersRunBuyer::Voice voice, bool angry, const char* missingLine)
{
    static constexpr std::array<const char*, 5> kClick{"", "click_old_male", "click_young_male",
                                                       "click_young_female", "click_old_female"};
    static constexpr std::array<const char*, 5> kAngry{"", "grumble_old_male", "grumble_young_male",
                                                       "grumble_young_female", "grumble_old_female"};
    if (voice == PersRunBuyer::Voice::None)
    {
        Log(missingLine);
        return;
    }
    const char* name = (angry ? kAngry : kClick)[static_cast<std::size_t>(voice)];
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    if (Korrin::Sound* sound = sounds != nullptr ? sounds->GetSound(name) : nullptr)
    {
        sound->Play(false);
    }
}

} // namespace

PersRunBuyer::PersRunBuyer(std::uint8_t kind) : PersRun(kBuyer)
{
    mKind = kind;
    mWantedCount = KindWantedCount(kind);
    if (KindOf(kind) != nullptr)
    {
        mWalkSpeed = kBuyerWalkSpeed;
    }
}

std::string PersRunBuyer::KindListFile(std::uint8_t kind)
{
    const BuyerKind* found = KindOf(kind);
    return found != nullptr ? found->listFile : std::string();
}

std::uint32_t PersRunBuyer::KindWantedCount(std::uint8_t kind)
{
    const BuyerKind* found = KindOf(kind);
    return found != nullptr ? found->wanted : 1;
}

PersRunBuyer::Voice PersRunBuyer::KindVoice(std::uint8_t kind)
{
    const BuyerKind* found = KindOf(kind);
    return found != nullptr ? found->voice : Voice::None;
}

void PersRunBuyer::Init()
{
    ClearFigures();
    const std::string listFile = KindListFile(mKind);
    if (listFile.empty())
    {
        Log("Ошибка типа в PersRunBuyer::Load()");
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

void PersRunBuyer::SetDream(std::int32_t wish)
{
    BuyerWishFrames::FrameOfWish(wish, mDreamFrame);
}

std::int32_t PersRunBuyer::GetFrameIndexDream() const
{
    return BuyerWishFrames::WishOfFrame(mDreamFrame);
}

void PersRunBuyer::StartAction(std::int32_t command)
{
    if (command == kTakeGoods)
    {
        // The shop then hands over the goods and the pace of its companion.
        PlayAnimation("drope", kKeepFacing);
        mWaitingForAnimationEnd = 1;
    }
    else if (command == kRefused)
    {
        SetDream(BuyerWishFrames::kNone);
        mCarriedGoods = 0;
        mQueueWord = 0;
        mFirstVisitPending = 1;
        PlayAnimation("idle1", kLeft);
        BuyerAnglySound();
    }
}

void PersRunBuyer::BuyerClickSound() const
{
    PlayVoice(KindVoice(mKind), false, "! Error 'No sound' in PersRunBuyer::BuyerClickSound()");
}

void PersRunBuyer::BuyerAnglySound() const
{
    PlayVoice(KindVoice(mKind), true, "! Error 'No sound' in PersRunBuyer::BuyerAnglySound()");
}

#include "game/Pers/PersRunBuyer.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/BuyerWishFrames.h"
#include "game/Entity/CorrectionTable.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Game/Level.h"
#include "game/Pers/PersManager.h"

#include <array>
#include <cmath>

namespace
{

// What each buyer kind is: its look, how many goods it wants, what climbs it dislikes, its voice, and
// whether it stops on the way for an extra.
struct BuyerKind
{
    const char* listFile;
    std::uint32_t wanted;
    std::uint8_t dislike;
    PersRunBuyer::Voice voice;
    bool extra;
};

using Voice = PersRunBuyer::Voice;
constexpr std::array<BuyerKind, PersRunBuyer::kLastKind - PersRunBuyer::kFirstKind + 1> kKinds{{
    {"peasantlist.lua", 2, 0, Voice::OldMale, false},
    {"girllist.lua", 1, 1, Voice::YoungFemale, false},
    {"princelist.lua", 2, 1, Voice::OldMale, false},
    {"sleeperlist.lua", 1, 0, Voice::YoungMale, true},
    {"generallist.lua", 1, 1, Voice::OldMale, false},
    {"smellylist.lua", 1, 0, Voice::YoungMale, false},
    {"professorlist.lua", 3, 0, Voice::OldMale, true},
    {"musicianlist.lua", 1, 1, Voice::YoungMale, true},
    {"fatBlist.lua", 3, 2, Voice::OldMale, true},
    {"princesslist.lua", 3, 2, Voice::YoungFemale, true},
    {"smellylist.lua", 1, 0, Voice::None, false},
    {"fatlist.lua", 2, 1, Voice::YoungMale, true},
    {"countesslist.lua", 4, 3, Voice::OldFemale, false},
    {"grandmalist.lua", 2, 3, Voice::OldFemale, false},
}};
constexpr std::uint32_t kMostWanted = 4;
constexpr std::uint8_t kMostDislike = 3;

const BuyerKind* KindOf(std::uint8_t kind)
{
    if (kind < PersRunBuyer::kFirstKind || kind > PersRunBuyer::kLastKind)
    {
        return nullptr;
    }
    return &kKinds[static_cast<std::size_t>(kind - PersRunBuyer::kFirstKind)];
}

#define BUYER_LOG(...)                                                                                       \
    do                                                                                                       \
    {                                                                                                        \
        if (Korrin::LogManager* buyerLog = Korrin::LogManager::Peek())                                       \
        {                                                                                                    \
            buyerLog->Write(__VA_ARGS__);                                                                    \
        }                                                                                                    \
    } while (false)

void PlayVoice(PersRunBuyer::Voice voice, bool angry, const char* missingLine)
{
    static constexpr std::array<const char*, 5> kClick{"", "click_old_male", "click_young_male",
                                                       "click_young_female", "click_old_female"};
    static constexpr std::array<const char*, 5> kAngry{"", "grumble_old_male", "grumble_young_male",
                                                       "grumble_young_female", "grumble_old_female"};
    if (voice == PersRunBuyer::Voice::None)
    {
        BUYER_LOG("%s", missingLine);
        return;
    }
    Korrin::PlaySoundOnce((angry ? kAngry : kClick)[static_cast<std::size_t>(voice)]);
}

void DeleteDrawable(Korrin::AnimatedSprite* sprite)
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
        sprites != nullptr && sprite != nullptr)
    {
        sprites->DeleteSprite(sprite);
    }
}

bool IsShownWish(std::int32_t wish)
{
    std::int32_t frame = 0;
    return BuyerWishFrames::FrameOfWish(wish, frame);
}

} // namespace

PersRunBuyer::PersRunBuyer(std::uint8_t kind) : PersRun(kBuyer)
{
    mKind = kind;
    mWantedCount = KindWantedCount(kind);
    mDislike = KindDislike(kind);
    if (KindOf(kind) != nullptr)
    {
        mWalkSpeed = kWalkSpeed;
    }
    mKeptSpeed = mWalkSpeed;
}

PersRunBuyer::~PersRunBuyer()
{
    DeleteDrawable(mReservedDigits);
    DeleteDrawable(mWantedDigits);
    DeleteDrawable(mFinger);
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

std::uint8_t PersRunBuyer::KindDislike(std::uint8_t kind)
{
    const BuyerKind* found = KindOf(kind);
    return found != nullptr ? found->dislike : 0;
}

PersRunBuyer::Voice PersRunBuyer::KindVoice(std::uint8_t kind)
{
    const BuyerKind* found = KindOf(kind);
    return found != nullptr ? found->voice : Voice::None;
}

bool PersRunBuyer::KindHasExtra(std::uint8_t kind)
{
    const BuyerKind* found = KindOf(kind);
    return found != nullptr && found->extra;
}

void PersRunBuyer::Init()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        DeleteDrawable(mReservedDigits);
        DeleteDrawable(mWantedDigits);
        DeleteDrawable(mFinger);
        mReservedDigits = sprites->LoadAnimatedSprite("DreamNum", "CharDream.lua");
        mWantedDigits = sprites->LoadAnimatedSprite("DreamNum1", "CharDream.lua");
        mFinger = sprites->LoadAnimatedSprite("characterFinger", "CharacterHint.lua");
    }
    ClearFigures();
    mMonster.reset();
    const std::string listFile = KindListFile(mKind);
    if (listFile.empty())
    {
        BUYER_LOG("Ошибка типа в PersRunBuyer::Load()");
    }
    else
    {
        AddFigure(mKind, listFile);
        if (mKind == kProfessor)
        {
            mMonster =
                std::make_unique<PersAnimatedManager>(kMonsterListId, "monsterlist.lua", &mMonsterPosition);
            mMonster->SetAnimation("eat_monster");
        }
        mCorrections->Load(listFile, "ObjList");
    }
    PersRun::Init();
    if (mFigure != nullptr)
    {
        mFigure->SetAnimation("stand");
    }
}

void PersRunBuyer::Reset()
{
    mBubbleCountdown = 1.0f;
    mBlinkPhase = 0.0f;
}

void PersRunBuyer::SetActive(bool on)
{
    // The climb's state goes first: the base plays "stand", which would hand a wish from before a climb
    // back to a buyer that turned back and left, and admission would then wait for all of its old count.
    mClimbCount = 0;
    mClimbLatch = 0;
    mWishBeforeClimb = BuyerWishFrames::kNone;
    PersRun::SetActive(on);
    mFirstVisitPending = 0; // buyers have no first visit to make
}

void PersRunBuyer::SetDream(std::int32_t wish)
{
    BuyerWishFrames::FrameOfWish(wish, mDreamFrame);
}

std::int32_t PersRunBuyer::GetFrameIndexDream() const
{
    return BuyerWishFrames::WishOfFrame(mDreamFrame);
}

std::string PersRunBuyer::GetAnimationVariant(const std::string& name) const
{
    if (mCarriedGoods > 0)
    {
        return name + "1";
    }
    if (name == "run" && GetFrameIndexDream() == kAngry)
    {
        return name + "2";
    }
    return name;
}

void PersRunBuyer::PlayAnimation(const std::string& name, std::uint8_t facing)
{
    PersRun::PlayAnimation(name, facing);
    if (mFigure == nullptr || mDislike == 0)
    {
        return;
    }
    const std::string& playing = GetAnimationName();
    const bool onRope = playing == "moveup_rope" || playing == "moveup_rope1" || playing == "movedown_rope" ||
                        playing == "movedown_rope1";
    const bool onStairs = playing == "moveup_ladder" || playing == "moveup_ladder1" ||
                          playing == "movedown_ladder" || playing == "movedown_ladder1";
    const std::int32_t wish = GetFrameIndexDream();
    if (onRope || (onStairs && mDislike >= kMostDislike))
    {
        mAnimationSpeed = mWalkSpeed;
        if (wish == kAngry)
        {
            return; // already leaving angry: the bubble keeps saying so, and there is nothing to turn from
        }
        if (mClimbLatch == 0)
        {
            ++mClimbCount;
            mClimbLatch = 1;
            BUYER_LOG("____RETURN +++");
        }
        if (mWishBeforeClimb == BuyerWishFrames::kNone)
        {
            mWishBeforeClimb = wish;
        }
        // The complaints -3, -4 and -5 by how much the buyer dislikes climbing.
        SetDream(-2 - static_cast<std::int32_t>(mDislike));
        return;
    }
    if ((mWishBeforeClimb > BuyerWishFrames::kNone || mCarriedGoods != 0) && wish != kAngry)
    {
        SetDream(mWishBeforeClimb);
        mWishBeforeClimb = BuyerWishFrames::kNone;
        mClimbCount = 0;
    }
}

EntityShop* PersRunBuyer::Shop()
{
    return dynamic_cast<EntityShop*>(Signpost(Entity::kShop));
}

Entity* PersRunBuyer::Signpost(std::uint8_t type)
{
    const Level* level = Level::Peek();
    EntityManager* entities = level != nullptr ? level->GetEntityManager() : nullptr;
    return entities != nullptr ? entities->GetEntity(type) : nullptr;
}

bool PersRunBuyer::WalkToSignpost(std::uint8_t type)
{
    Entity* signpost = Signpost(type);
    WalkTarget target;
    if (signpost == nullptr || !signpost->GetWalkTarget(&target, 0))
    {
        return false;
    }
    GoTo(target, 0);
    return true;
}

void PersRunBuyer::StartAction(std::int32_t command)
{
    if (command == kGoToQueue)
    {
        EntityShop* shop = Shop();
        PersManager* characters = PersManager::Peek();
        if (shop != nullptr && characters != nullptr)
        {
            const IJ tail = characters->GetQueuePlace(PersManager::kTailPlace);
            GoTo({tail.I, tail.J, shop}, 0);
        }
        mCarriedGoods = 0;
        PickExtraStop();
    }
    else if (command == kTakeGoods)
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

bool PersRunBuyer::OnAnimationEnd()
{
    mClimbLatch = 0;
    if (StartExtraIfAtStop())
    {
        return false;
    }
    const std::int32_t wish = GetFrameIndexDream();
    // Only a buyer still on its way to the shop turns back: one leaving would turn round to the
    // entrance and free a counter that the next buyer may already hold.
    const bool toShop = mWalkTarget != nullptr && mWalkTarget->GetType() == Entity::kShop;
    if (mClimbCount > 0 && wish < 0 && wish != kAngry && toShop)
    {
        TurnBack();
    }
    if (mKind == kPrincess && GetFrameIndexDream() == kPrincessWish)
    {
        SetDream(mKeptWish);
    }
    if (StepExtras())
    {
        return true;
    }
    if (StepQueue())
    {
        return true; // the companion's errand has started
    }
    StepLeaving();
    return true;
}

void PersRunBuyer::TurnBack()
{
    mClimbCount = 1;
    PersManager* characters = PersManager::Peek();
    if (characters != nullptr)
    {
        // Only a buyer past the head place holds the counter; one still queueing leaves it to the buyer
        // walking there or being served.
        if (mQueuePlace < 0)
        {
            characters->SetCounterTaken(false);
        }
        characters->SetQueuePlaceTaken(mQueuePlace, false);
    }
    ReleaseReservedCells();
    WalkToSignpost(Entity::kBuyersEntry);
    BuyerAnglySound();
    SetDream(kAngry);
    mQueueWord = 0;
}

void PersRunBuyer::ReleaseReservedCells() const
{
    EntityShop* shop = Shop();
    if (shop == nullptr)
    {
        return;
    }
    shop->ReleaseReservations(mNumber);
}

bool PersRunBuyer::StepQueue()
{
    mHold = 0;
    if (mCarriedGoods != 0 || mWalkTarget == nullptr || mWalkTarget->GetType() != Entity::kShop)
    {
        return false;
    }
    auto* shop = dynamic_cast<EntityShop*>(mWalkTarget);
    PersManager* characters = PersManager::Peek();
    if (shop == nullptr || characters == nullptr)
    {
        return false;
    }
    IJ here;
    GetIJ(here.I, here.J);
    if (mQueuePlace >= 1)
    {
        MoveUpTheQueue(*shop, *characters, here);
        return false;
    }
    WalkTarget counter;
    shop->GetWalkTarget(&counter, EntityShop::kServingCellMode);
    if (mQueuePlace == 0)
    {
        LeaveTheQueueForTheCounter(*shop, *characters, counter);
        return false;
    }
    if (mQueuePlace == kToCounter)
    {
        return ArriveAtTheCounter(*shop, here, counter);
    }
    return false;
}

void PersRunBuyer::MoveUpTheQueue(EntityShop& shop, PersManager& characters, const IJ& here)
{
    const IJ place = characters.GetQueuePlace(static_cast<std::uint16_t>(mQueuePlace));
    if (!(here == place))
    {
        return; // still on its way to its place
    }
    const std::size_t front = static_cast<std::size_t>(mQueuePlace) - 1;
    if (front < characters.GetBuyersQueue().size() && characters.GetBuyersQueue()[front].taken != 0)
    {
        PlayAnimation("stand", kKeepFacing);
        return;
    }
    const IJ next = characters.GetQueuePlace(static_cast<std::uint16_t>(front));
    if (!GoTo({next.I, next.J, &shop}, 0))
    {
        PlayAnimation("stand", kKeepFacing);
        return;
    }
    characters.SetQueuePlaceTaken(mQueuePlace, false);
    characters.SetQueuePlaceTaken(mQueuePlace - 1, true);
    --mQueuePlace;
}

void PersRunBuyer::LeaveTheQueueForTheCounter(EntityShop& shop, PersManager& characters,
                                              const WalkTarget& counter)
{
    if (shop.IsBusy() || characters.IsCounterTaken())
    {
        PlayAnimation("stand", kKeepFacing);
        return;
    }
    // The counter is taken only once the walk to it has started: a buyer that cannot get there
    // stays at the head of the queue instead of holding the counter for ever.
    if (!GoTo({counter.I, counter.J, &shop}, 0))
    {
        PlayAnimation("stand", kKeepFacing);
        return;
    }
    characters.SetCounterTaken(true);
    BUYER_LOG("shop->GetCommand %i,%i", counter.I, counter.J);
    mFirstVisitPending = 1;
    mCarriedGoods = 0;
    characters.SetQueuePlaceTaken(0, false);
    mQueuePlace = kToCounter;
}

bool PersRunBuyer::ArriveAtTheCounter(EntityShop& shop, const IJ& here, const WalkTarget& counter)
{
    PlayAnimation("stand", kKeepFacing);
    if (!(here == IJ{counter.I, counter.J}) || shop.IsBusy())
    {
        return false;
    }
    mClimbCount = 0;
    mFirstVisitPending = 0;
    BUYER_LOG("GOOOOOO QUIB %i,%i", here.I, here.J);
    mQueuePlace = kAtCounter;
    shop.GoQuib(this, static_cast<std::uint8_t>(mNumber));
    return true;
}

void PersRunBuyer::StepLeaving()
{
    PersManager* characters = PersManager::Peek();
    if (GetAnimationName() == "idle1")
    {
        // The refusal is over: it leaves angry.
        if (characters != nullptr)
        {
            characters->SetCounterTaken(false);
        }
        WalkToSignpost(Entity::kBuyersExit);
        SetDream(kAngry);
        return;
    }
    if (mWalkTarget == nullptr)
    {
        PlayAnimation("stand", kKeepFacing);
        return;
    }
    if (mWaitingForAnimationEnd == 0)
    {
        return;
    }
    mWalkSpeed = kWalkSpeed;
    if (GetAnimationName() == "drope" || GetAnimationName() == "drope1")
    {
        // The goods are caught: it leaves with them.
        if (characters != nullptr)
        {
            characters->SetCounterTaken(false);
        }
        WalkToSignpost(Entity::kBuyersExit);
        SetDream(BuyerWishFrames::kNone);
        mAnimationSpeed = mWalkSpeed;
        mQueueWord = 0;
    }
    PlayAnimation("stand", kKeepFacing);
    mWaitingForAnimationEnd = 0;
}

void PersRunBuyer::OnPathEnd(std::int32_t /*I*/, std::int32_t /*J*/)
{
    if (mWalkTarget == nullptr)
    {
        PlayAnimation("stand", kKeepFacing);
        return;
    }
    const std::uint8_t type = mWalkTarget->GetType();
    if (type == Entity::kBuyersEntry || type == Entity::kBuyersExit)
    {
        if (PersManager* characters = PersManager::Peek())
        {
            characters->BuyerLeft();
        }
        SetActive(false);
        PlayAnimation("stand", kKeepFacing);
        return;
    }
    if (type == Entity::kShop && GetAnimationName() == "idle1")
    {
        return;
    }
    PlayAnimation("stand", type == Entity::kShop && mQueuePlace == kAtCounter ? kLeft : kKeepFacing);
}

bool PersRunBuyer::IsPointInside(const Korrin::Vector2& point)
{
    if (mKind == kProfessor && GetAnimationName() == "extra")
    {
        return false;
    }
    return PersRun::IsPointInside(point);
}

bool PersRunBuyer::TryClick()
{
    if (!PersRun::TryClick())
    {
        return false;
    }
    BuyerClickSound();
    if (mKind == kSleeper && GetAnimationName() == "sleep")
    {
        PlayAnimation("doesnt_awake", kKeepFacing);
    }
    else if (GetAnimationName() == "walk_idle")
    {
        // Sent on: the extra is skipped.
        mWalkSpeed = kWalkSpeed;
        PlayAnimation("run", kKeepFacing);
        mAnimationSpeed = mKeptSpeed;
    }
    return true;
}

void PersRunBuyer::BuyerClickSound() const
{
    PlayVoice(KindVoice(mKind), false, "! Error 'No sound' in PersRunBuyer::BuyerClickSound()");
}

void PersRunBuyer::BuyerAnglySound() const
{
    PlayVoice(KindVoice(mKind), true, "! Error 'No sound' in PersRunBuyer::BuyerAnglySound()");
}

void PersRunBuyer::Save(Korrin::BinaryWriter& out)
{
    PersRun::Save(out);
    if (mMonster != nullptr)
    {
        mMonster->Save(out);
    }
    out.WriteU32(static_cast<std::uint32_t>(mExtraStops.size()));
    for (const IJ& stop : mExtraStops)
    {
        out.WriteI32(stop.I);
        out.WriteI32(stop.J);
    }
    out.WriteU32(mNumber);
    out.WriteI32(mKeptWish);
    out.WriteI32(mQueuePlace);
    out.WriteF32(mKeptSpeed);
    out.WriteF32(mFingerTimer);
    out.WriteU32(mWantedCount);
    out.WriteU8(mDislike);
    out.WriteU16(mClimbCount);
    out.WriteU8(mClimbLatch);
    out.WriteI32(mWishBeforeClimb);
    out.WriteU8(mEffectShown);
    out.WriteF32(mSleepTimer);
}

void PersRunBuyer::Load(Korrin::BinaryReader& in)
{
    PersRun::Load(in);
    if (!in.Ok())
    {
        return;
    }
    const std::int32_t shownFrame = mDreamFrame;
    if (shownFrame != BuyerWishFrames::kNone && BuyerWishFrames::WishOfFrame(shownFrame) == shownFrame)
    {
        in.Fail(); // a frame no wish of a buyer shows
        return;
    }
    if (mMonster != nullptr)
    {
        mMonster->Load(in);
        if (!in.Ok())
        {
            return;
        }
        mMonster->SetMirror(mFacing == kRight ? 1 : 0);
    }
    const std::uint32_t stops = in.ReadU32();
    if (!in.CheckCount(stops, 8, 1))
    {
        in.Fail();
        return;
    }
    std::vector<IJ> extraStops;
    for (std::uint32_t k = 0; k < stops; ++k)
    {
        extraStops.push_back({in.ReadI32(), in.ReadI32()});
    }
    const std::uint32_t number = in.ReadU32();
    const std::int32_t keptWish = in.ReadI32();
    const std::int32_t queuePlace = in.ReadI32();
    const float keptSpeed = in.ReadF32();
    const float fingerTimer = in.ReadF32();
    const std::uint32_t wanted = in.ReadU32();
    const std::uint8_t dislike = in.ReadU8();
    const std::uint16_t climbCount = in.ReadU16();
    const std::uint8_t climbLatch = in.ReadU8();
    const std::int32_t wishBeforeClimb = in.ReadI32();
    const std::uint8_t effectShown = in.ReadU8();
    const float sleepTimer = in.ReadF32();
    PersManager* characters = PersManager::Peek();
    const auto places =
        static_cast<std::int32_t>(characters != nullptr ? characters->GetBuyersQueue().size() : 0);
    bool stopsInside = true;
    for (const IJ& stop : extraStops)
    {
        stopsInside = stopsInside && FieldGeometry::IsInside(stop.I, stop.J);
    }
    const bool wishesShown = (keptWish == 0 || IsShownWish(keptWish)) && IsShownWish(wishBeforeClimb);
    const bool placeInQueue = queuePlace >= kAtCounter && queuePlace < places;
    const bool timesFinite =
        std::isfinite(keptSpeed) && std::isfinite(fingerTimer) && std::isfinite(sleepTimer);
    if (!in.Ok() || !stopsInside || number != mNumber || !wishesShown || !placeInQueue || wanted < 1 ||
        wanted > kMostWanted || dislike > kMostDislike || effectShown > 1 || !timesFinite)
    {
        in.Fail();
        return;
    }
    mExtraStops = std::move(extraStops);
    mKeptWish = keptWish;
    mQueuePlace = queuePlace;
    mKeptSpeed = keptSpeed;
    mFingerTimer = fingerTimer;
    mWantedCount = wanted;
    mDislike = dislike;
    mClimbCount = climbCount;
    mClimbLatch = climbLatch;
    mWishBeforeClimb = wishBeforeClimb;
    mEffectShown = effectShown;
    mSleepTimer = sleepTimer;
}

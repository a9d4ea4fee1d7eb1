#include "engine/Log/ReportAssert.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Util/Random.h"
#include "game/Entity/CorrectionTable.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityShopLog.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Entity/ShopBuyer.h"
#include "game/Entity/StoreEntityServices.h"
#include "game/GUI/AchievementSystem.h"
#include "game/Game/GameTables.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Game/TableCost.h"
#include "game/Pers/PersAnimationManager.h"
#include "game/Profile.h"

#include <cmath>
#include <string>
#include <vector>

// The companion's errand: between buyers he plays his ten idle animations in turn; a buyer at the counter
// sends him to the half of the shelf holding more of its goods, again until none is left for it, and he
// throws them over the counter (the sale is booked when the throw ends) or, with nothing to give, blushes.
// Each step lasts one animation, played at the shop's pace.

namespace
{
// The errand's steps.
constexpr std::uint32_t kAtCentre = 0;
constexpr std::uint32_t kAtLeft = 1;
constexpr std::uint32_t kAtRight = 2;
constexpr std::uint32_t kThrowing = 3;
constexpr std::uint32_t kBlushing = 4;
constexpr std::uint32_t kFirstIdle = EntityShop::kFirstIdleState;
constexpr std::uint32_t kLastIdle = EntityShop::kLastErrandState;
// ChooseSide's answers.
constexpr std::uint8_t kNothingReserved = 0;
constexpr std::uint8_t kGoLeft = 1;
// A sale counts towards achievements only for the garden's crops.
constexpr std::uint8_t kFirstCrop = 84;
constexpr std::uint8_t kLastCrop = 88;
constexpr std::array<std::uint32_t, 5> kCropAchievement{7, 8, 10, 3, 1};
constexpr std::uint32_t kSalesAchievement = 4;
constexpr std::uint32_t kHundredSalesAchievement = 13;
const Korrin::Vector2 kSaleFigureOffset{65.0f, -50.0f};

bool EndsService(const std::string& animation)
{
    return animation == "drop" || animation == "red1" || animation == "red2";
}
} // namespace

void EntityShop::MakeCompanion()
{
    mCompanion = std::make_unique<PersAnimatedManager>(kCompanionListId, kCompanionList, &mCompanionPoint);
    mCorrections = std::make_unique<CorrectionTable>();
    mCorrections->Load(kCompanionList, "ObjList");
    mGoodsBone = -1;
    if (const Korrin::Skeleton* skeleton = mCompanion->GetSkeleton())
    {
        for (std::size_t i = 0; i < skeleton->GetBoneCount(); ++i)
        {
            if (skeleton->GetBone(static_cast<std::uint16_t>(i))->GetName() == "obj_right")
            {
                mGoodsBone = static_cast<std::int32_t>(i);
            }
        }
    }
    PlayCompanion(mCompanionAnimation);
}

bool EntityShop::CompanionPlays() const
{
    return mCompanion != nullptr && mCompanion->GetSkeleton() != nullptr;
}

void EntityShop::PlayCompanion(const std::string& name)
{
    mCompanionAnimation = name;
    if (!CompanionPlays())
    {
        return;
    }
    // The same animation asked again starts again too: each step lasts one whole animation.
    if (!mCompanion->SetAnimation(name) && mCompanion->GetCurrent() != nullptr)
    {
        mCompanion->GetState().mTime = 0.0f;
    }
}

bool EntityShop::Update(float dt)
{
    if (CompanionPlays() && mCompanion->GetCurrent() != nullptr)
    {
        const Korrin::Animation* animation = mCompanion->GetCurrent();
        const std::uint16_t reached = PersAnimationManager::ApplyAnimation(
            animation, mCompanion->GetState(), mCompanionPoint, mCompanion->GetSkeleton(), dt * mSpeedFactor);
        if (reached + 1u == animation->GetFrameCount())
        {
            mCompanion->GetState().mTime = 0.0f;
            GoQuib(nullptr, 0);
        }
    }
    mCells.Update(dt);
    return true;
}

void EntityShop::GoQuib(ShopBuyer* buyer, std::uint8_t buyerId)
{
    if (buyer != nullptr && mServingBuyer != nullptr)
    {
        Korrin::ReportAndBreak("EntityShop::GoQuib error pointer", Korrin::kGameModule,
                               "Source\\Entity\\EntityShop", 550);
    }
    mCompanionPoint = CompanionHome();
    if (buyer != nullptr)
    {
        mServingBuyer = buyer;
        RecalcStandBuyers(buyer, buyerId);
    }
    if (EndsService(mCompanionAnimation))
    {
        EndService();
    }
    if (buyerId != 0 && mBusy == 0)
    {
        SHOP_LOG("Начало продажи");
        mServingId = buyerId;
        mErrandState = kAtCentre;
        mBusy = 1;
        mCarriedGoods = 0;
    }
    RunErrandStep();
}

void EntityShop::EndService()
{
    SHOP_LOG("НЕ работаем");
    mBusy = 0;
    if (mCarriedGoods != 0)
    {
        BookSale(mCarriedGoods, mCarriedCount);
    }
    mCarriedGoods = 0;
    mServingBuyer = nullptr;
    mCarriedCount = 0;
    mServingId = kNoServingId;
}

void EntityShop::RunErrandStep()
{
    switch (mErrandState)
    {
    case kAtCentre:
        DecideAtCentre();
        break;
    case kAtLeft:
    case kAtRight:
        ComeBackFromHalf(mErrandState == kAtLeft);
        break;
    case kThrowing:
    case kBlushing:
    case kFirstIdle:
        SHOP_LOG("Quib стоит 0");
        PlayCompanion("idle0");
        mErrandState = kFirstIdle + 1;
        break;
    default:
    {
        // Idle steps 6 to 14 play "idle1" to "idle9"; the last goes back to the first idle step.
        const std::uint32_t n = mErrandState - kFirstIdle;
        SHOP_LOG("Quib стоит %u", n);
        PlayCompanion("idle" + std::to_string(n));
        mErrandState = mErrandState >= kLastIdle ? kFirstIdle : mErrandState + 1;
        break;
    }
    }
}

void EntityShop::DecideAtCentre()
{
    SHOP_LOG("Перерасчет покупателей CENTER");
    RecalcStandBuyers(mServingBuyer, mServingId);
    SHOP_LOG("Обработка покупателя %i", static_cast<int>(mServingId));
    SHOP_LOG("Quib в центре - думает куда идти");
    const std::uint8_t side = ChooseSide(mServingId);
    const bool carrying = mCarriedCount > 0;
    if (side == kNothingReserved)
    {
        SHOP_LOG("помеченного товара больше нет");
        if (carrying)
        {
            SHOP_LOG("Quib кидает");
            PlayCompanion("drop");
            mErrandState = kThrowing;
            if (mServingBuyer != nullptr)
            {
                mServingBuyer->StartAction(ShopBuyer::kTakeGoods);
                mServingBuyer->SetCarriedGoods(mCarriedGoods);
                mServingBuyer->SetAnimationSpeed(mSpeedFactor);
            }
            return;
        }
        SHOP_LOG("Quib краснеет");
        if (mServingBuyer != nullptr)
        {
            mServingBuyer->StartAction(ShopBuyer::kRefused);
        }
        PlayCompanion(Korrin::Rand() % 2 != 0 ? "red1" : "red2");
        mErrandState = kBlushing;
        return;
    }
    if (side == kGoLeft)
    {
        SHOP_LOG("товара больше слева - идет налево");
        PlayCompanion(carrying ? "left2" : "left");
        mErrandState = kAtLeft;
        return;
    }
    SHOP_LOG("товара больше справа - идет направо");
    PlayCompanion(carrying ? "right2" : "right");
    mErrandState = kAtRight;
}

void EntityShop::ComeBackFromHalf(bool left)
{
    std::uint8_t takenGoods = 0;
    mCarriedCount +=
        left ? TakeReservedLeft(mServingId, &takenGoods) : TakeReservedRight(mServingId, &takenGoods);
    if (left)
    {
        SHOP_LOG("Quib слева - пойдет в центр %i", static_cast<int>(mCarriedCount));
    }
    else
    {
        SHOP_LOG("Quib справа - пойдет в центр %i", static_cast<int>(mCarriedCount));
    }
    mErrandState = kAtCentre;
    if (mCarriedCount == 0)
    {
        SHOP_LOG(left ? "Quib animation left4" : "Quib animation right4");
        PlayCompanion(left ? "left4" : "right4");
        return;
    }
    SHOP_LOG(left ? "Quib animation left3" : "Quib animation right3");
    PlayCompanion(left ? "left3" : "right3");
    // He carries the goods of the cells he took: the buyer's wish names the same goods, and without a
    // buyer (gone since a load) the sale is still booked with them.
    if (takenGoods != 0)
    {
        mCarriedGoods = takenGoods;
    }
    if (mServingBuyer != nullptr)
    {
        if (left)
        {
            SHOP_LOG("GGET L %i,%i", static_cast<int>(mCarriedGoods), mServingBuyer->GetFrameIndexDream());
        }
        else
        {
            SHOP_LOG("GGET R %i,%i", static_cast<int>(mCarriedGoods), mServingBuyer->GetFrameIndexDream());
        }
    }
}

void EntityShop::DrawQuib()
{
    if (!CompanionPlays())
    {
        return;
    }
    Korrin::Skeleton* skeleton = mCompanion->GetSkeleton();
    Korrin::Bone* bone = mGoodsBone >= 0 && static_cast<std::size_t>(mGoodsBone) < skeleton->GetBoneCount()
                             ? skeleton->GetBone(static_cast<std::uint16_t>(mGoodsBone))
                             : nullptr;
    if (bone != nullptr && bone->mFrame > 0.0f)
    {
        const auto frame = static_cast<std::uint32_t>(GetGoodsIndex(mCarriedGoods) + 1);
        if (const Correction* c = mCorrections->Find(mCompanionAnimation, frame))
        {
            bone->mScale = {c->sX, c->sY};
            // The throw's name was compared with "drope", which he never plays: "drop" takes the whole
            // correction.
            if (mCompanionAnimation != "drope")
            {
                bone->mAngle = c->angle;
                bone->mPivot = {c->pX, c->pY};
                if (const Korrin::Bone* parent = bone->GetParent())
                {
                    const float a = bone->mMirrorHorizontal ? -c->sX * c->pX : c->sX * c->pX;
                    const float b = bone->mMirrorVertical ? -c->sY * c->pY : c->sY * c->pY;
                    bone->mWorldPosition = {
                        parent->mWorldPosition.x + a * std::cos(c->angle) - b * std::sin(c->angle),
                        parent->mWorldPosition.y + a * std::sin(c->angle) + b * std::cos(c->angle)};
                }
            }
            bone->mFrame = static_cast<float>(frame);
        }
    }
    mCompanion->DrawSkeleton();
}

std::uint32_t EntityShop::CountReserved(CellTest inHalf, std::uint16_t buyerId, bool left) const
{
    const std::vector<StoreCell>& cells = mCells.GetCells();
    std::uint32_t count = 0;
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        if (inHalf(i) && cells[i].buyer == buyerId && cells[i].fadeRate >= 0.0f)
        {
            if (left)
            {
                SHOP_LOG("shop left %i %u", static_cast<int>(i), static_cast<unsigned>(buyerId));
            }
            else
            {
                SHOP_LOG("shop right %i %u", static_cast<int>(i), static_cast<unsigned>(buyerId));
            }
            ++count;
        }
    }
    return count;
}

std::uint32_t EntityShop::CountReservedLeft(std::uint16_t buyerId) const
{
    return CountReserved(InLeftHalf, buyerId, true);
}

std::uint32_t EntityShop::CountReservedRight(std::uint16_t buyerId) const
{
    return CountReserved(InRightHalf, buyerId, false);
}

std::uint8_t EntityShop::ChooseSide(std::uint8_t buyerId) const
{
    const std::uint32_t left = CountReservedLeft(buyerId);
    const std::uint32_t right = CountReservedRight(buyerId);
    SHOP_LOG("слева товара %u справатовара %u", left, right);
    if (left == 0 && right == 0)
    {
        return 0;
    }
    return left >= right ? 1 : 2;
}

std::uint32_t EntityShop::TakeReserved(CellTest inHalf, std::uint8_t buyerId, bool left,
                                       std::uint8_t* takenGoods)
{
    if (left)
    {
        SHOP_LOG("пытаемся товар забрае слева");
    }
    else
    {
        SHOP_LOG("пытаемся товар забрае справа");
    }
    std::vector<StoreCell>& cells = mCells.GetCells();
    std::uint32_t taken = 0;
    std::uint8_t goods = 0;
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        const StoreCell& cell = cells[i];
        if (!inHalf(i) || cell.buyer != buyerId || cell.fadeRate < 0.0f)
        {
            continue;
        }
        const std::uint8_t cellGoods = cell.goods;
        if (mCells.PickItemAnimatedByNum(static_cast<std::uint32_t>(i)))
        {
            ++taken;
            goods = cellGoods;
            if (left)
            {
                SHOP_LOG("товар забран слева c номером %i", static_cast<int>(i));
            }
            else
            {
                SHOP_LOG("товар забран справа с номером %i", static_cast<int>(i));
            }
        }
    }
    if (left)
    {
        SHOP_LOG("Всего забрано товара слева %u", taken);
    }
    else
    {
        SHOP_LOG("Всего забрано товар справа %u", taken);
    }
    if (takenGoods != nullptr)
    {
        *takenGoods = goods;
    }
    return taken;
}

std::uint32_t EntityShop::TakeReservedLeft(std::uint8_t buyerId, std::uint8_t* takenGoods)
{
    return TakeReserved(InLeftHalf, buyerId, true, takenGoods);
}

std::uint32_t EntityShop::TakeReservedRight(std::uint8_t buyerId, std::uint8_t* takenGoods)
{
    return TakeReserved(InRightHalf, buyerId, false, takenGoods);
}

void EntityShop::BookSale(std::uint8_t goods, std::uint32_t count)
{
    const std::uint32_t price = static_cast<std::uint32_t>(TableCost::GetSalePrice(goods)) * count;
    if (LevelTaskInfo* task = LevelTaskInfo::Peek())
    {
        task->AddMoney(static_cast<std::int32_t>(price));
        for (std::uint32_t unit = 0; unit < count; ++unit)
        {
            task->CountGoods(goods, -1);
        }
    }
    if (MoneyAnimatedSprite* figures = StoreEntityServices::MoneyFigures())
    {
        figures->Add(0.0f, std::to_string(price), mX + kSaleFigureOffset.x, mY + kSaleFigureOffset.y,
                     {1.0f, 1.0f, 1.0f, 1.0f});
    }
    StoreEntityServices::PlaySoundOrLog("Sale");
    if (goods >= kFirstCrop && goods <= kLastCrop)
    {
        if (AchievementSystem* achievements = AchievementSystem::Peek())
        {
            achievements->AddProgress(kCropAchievement[goods - kFirstCrop], count);
            achievements->AddProgress(kSalesAchievement, 1);
        }
        Profile* profile = Profile::Peek();
        if (profile != nullptr && profile->CountSale())
        {
            if (AchievementSystem* achievements = AchievementSystem::Peek())
            {
                achievements->AddProgress(kHundredSalesAchievement, 1);
            }
        }
    }
    mCarriedCount = 0;
}

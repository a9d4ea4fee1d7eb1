#include "game/Entity/StoreCellManager.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/Random.h"
#include "game/Game/GameTables.h"

#include <algorithm>
#include <cmath>

namespace
{
// The lid swings about this point of its picture.
constexpr float kLidPivotY = 20.0f;
// The goods icon sits this far left of the cell and rises out of its box by this height.
constexpr float kGoodsLeft = 20.0f;
constexpr float kGoodsBoxTop = 25.0f;
constexpr float kGoodsRise = 20.0f;

#define STORE_LOG(...)                                                                                       \
    do                                                                                                       \
    {                                                                                                        \
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())                                            \
        {                                                                                                    \
            log->Write(__VA_ARGS__);                                                                         \
        }                                                                                                    \
    } while (false)

bool Finite(float a, float b, float c, float d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}
} // namespace

StoreCellManager::StoreCellManager(std::uint32_t width, std::uint32_t height)
    : mCells(static_cast<std::size_t>(width) * height), mWidth(width), mHeight(height)
{
}

StoreCellManager::~StoreCellManager()
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("StoreCellManager::~StoreCellManager()");
    }
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        sprites->DeleteSprite(mLid);
        sprites->DeleteSprite(mGoodsIcons);
    }
}

void StoreCellManager::Init()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    sprites->DeleteSprite(mLid);
    sprites->DeleteSprite(mGoodsIcons);
    mLid = sprites->LoadSprite("BackDoor", "StoreHouse.lua");
    mGoodsIcons = sprites->LoadAnimatedSprite("ShopObj", "shop.lua");
}

bool StoreCellManager::IsFull() const
{
    return std::none_of(mCells.begin(), mCells.end(), [](const StoreCell& cell) { return cell.IsFree(); });
}

bool StoreCellManager::IsEmpty() const
{
    return std::none_of(mCells.begin(), mCells.end(),
                        [](const StoreCell& cell) { return cell.unlocked != 0 && cell.HoldsGoods(); });
}

bool StoreCellManager::HasGoods(std::uint8_t goods) const
{
    return std::any_of(mCells.begin(), mCells.end(),
                       [goods](const StoreCell& cell) { return cell.goods == goods && cell.HoldsGoods(); });
}

StoreCell* StoreCellManager::FindFree()
{
    const auto found =
        std::find_if(mCells.begin(), mCells.end(), [](const StoreCell& cell) { return cell.IsFree(); });
    return found != mCells.end() ? &*found : nullptr;
}

StoreCell* StoreCellManager::FindKept(std::uint8_t goods, std::uint32_t* number)
{
    for (std::size_t n = 0; n < mCells.size(); ++n)
    {
        if (mCells[n].goods == goods && !mCells[n].IsLeaving())
        {
            if (number != nullptr)
            {
                *number = static_cast<std::uint32_t>(n);
            }
            return &mCells[n];
        }
    }
    return nullptr;
}

bool StoreCellManager::PutGoods(std::uint8_t goods)
{
    StoreCell* cell = goods != 0 ? FindFree() : nullptr;
    if (cell == nullptr)
    {
        return false;
    }
    cell->goods = goods;
    cell->animation = 0.0f;
    cell->fadeRate = 1.0f;
    return true;
}

bool StoreCellManager::PutGoodsInstant(std::uint8_t goods)
{
    StoreCell* cell = goods != 0 ? FindFree() : nullptr;
    if (cell == nullptr)
    {
        return false;
    }
    cell->goods = goods;
    cell->animation = kFullValue;
    cell->fadeRate = 0.0f;
    return true;
}

void StoreCellManager::StartLeaving(StoreCell& cell)
{
    // A cell still arriving turns round from where it is.
    if (cell.IsSettled())
    {
        cell.animation = kFullValue;
    }
    cell.fadeRate = -1.0f;
}

bool StoreCellManager::PickItemAnimatedById(std::uint8_t goods)
{
    if (goods == 0)
    {
        STORE_LOG("PickItemAnimatedById() нельзя забрать пустоту");
        return false;
    }
    std::uint32_t number = 0;
    StoreCell* cell = FindKept(goods, &number);
    if (cell == nullptr)
    {
        return false;
    }
    StartLeaving(*cell);
    STORE_LOG("PickItemAnimatedById() объект будет забран после окончания анимации, %u", number);
    return true;
}

bool StoreCellManager::PickItemAnimatedByNum(std::uint32_t number)
{
    const std::uint32_t size = mWidth * mHeight;
    if (number >= size || number >= mCells.size())
    {
        STORE_LOG("PickItemAnimatedByNum() Выход за предела массива %u>=%u ", number, size);
        return false;
    }
    StoreCell& cell = mCells[number];
    if (cell.goods == 0)
    {
        STORE_LOG("PickItemAnimatedById() нельзя забрать пустоту");
        return false;
    }
    if (cell.IsLeaving())
    {
        return false;
    }
    StartLeaving(cell);
    STORE_LOG("PickItemAnimatedByNum() объект будет забран после окончания анимации, %u", number);
    return true;
}

bool StoreCellManager::TakeGoodsInstant(std::uint8_t goods)
{
    if (goods == 0)
    {
        return false;
    }
    Korrin::LogManager* log = Korrin::LogManager::Peek();
    for (StoreCell& cell : mCells)
    {
        if (log != nullptr)
        {
            log->Write("step=%i id=%i", static_cast<int>(cell.fadeRate), static_cast<int>(cell.goods));
        }
        if (cell.goods == goods && !cell.IsLeaving())
        {
            cell.Empty();
            return true;
        }
    }
    return false;
}

bool StoreCellManager::StealItem(Korrin::Vector2& pos)
{
    if (IsEmpty())
    {
        return false;
    }
    const auto candidates = static_cast<std::size_t>(
        std::count_if(mCells.begin(), mCells.end(), [](const StoreCell& cell) { return cell.HoldsGoods(); }));
    std::size_t pick = static_cast<std::size_t>(Korrin::Rand()) % candidates;
    for (StoreCell& cell : mCells)
    {
        if (cell.HoldsGoods() && pick-- == 0)
        {
            cell.Empty();
            pos = {cell.x, cell.y};
            return true;
        }
    }
    return false;
}

std::map<std::uint8_t, std::uint32_t> StoreCellManager::GetGoodsCounts() const
{
    std::map<std::uint8_t, std::uint32_t> counts;
    for (const StoreCell& cell : mCells)
    {
        if (cell.HoldsGoods())
        {
            ++counts[cell.goods];
        }
    }
    return counts;
}

void StoreCellManager::Update(float dt)
{
    for (StoreCell& cell : mCells)
    {
        if (cell.IsSettled())
        {
            continue;
        }
        cell.animation += cell.fadeRate * dt;
        if (cell.animation < 0.0f)
        {
            cell.Empty();
        }
        else if (cell.animation > kFullValue)
        {
            cell.animation = kFullValue;
            cell.fadeRate = 0.0f;
        }
    }
}

void StoreCellManager::DrawLid(const StoreCell& cell)
{
    if (cell.IsSettled())
    {
        mLid->SetBlendMode(0);
        mLid->DrawEx(cell.x, cell.y, 1.0f, 1.0f, 0.0f, 0.0f, kLidPivotY);
        return;
    }
    const float t = kLidLift * 2.0f * (cell.animation / kFullValue);
    const float bounce = t <= kLidLift ? t : 2.0f * kLidLift - t;
    mLid->DrawEx(cell.x, cell.y - kLidPivotY * bounce, 1.0f, 1.0f - bounce, 0.2f * bounce, 0.0f, kLidPivotY);
}

void StoreCellManager::DrawLids()
{
    if (mLid == nullptr)
    {
        return;
    }
    for (const StoreCell& cell : mCells)
    {
        if (cell.unlocked != 0)
        {
            DrawLid(cell);
        }
    }
}

void StoreCellManager::DrawLidOf(std::uint32_t number)
{
    if (mLid != nullptr && number < mCells.size())
    {
        DrawLid(mCells[number]);
    }
}

void StoreCellManager::DrawGoods(const Korrin::Rect& clip)
{
    if (mGoodsIcons == nullptr || mGoodsIcons->GetFrameCount() == 0)
    {
        return;
    }
    const std::size_t lastFrame = mGoodsIcons->GetFrameCount() - 1;
    for (const StoreCell& cell : mCells)
    {
        if (cell.goods == 0)
        {
            continue;
        }
        const std::int32_t index = GetGoodsIndex(cell.goods);
        const auto frame = static_cast<std::uint16_t>(
            std::min<std::size_t>(index < 0 ? 0 : static_cast<std::size_t>(index), lastFrame));
        const float left = cell.x - kGoodsLeft;
        const float boxTop = cell.y + kGoodsBoxTop;
        const Korrin::Rect moved{clip.left + left, clip.top + boxTop, clip.right + left,
                                 clip.bottom + boxTop};
        const float y = cell.IsSettled() ? cell.y + kGoodsBoxTop - kGoodsRise
                                         : boxTop - kGoodsRise * cell.animation / kFullValue;
        mGoodsIcons->DrawFrameInRect(frame, left, y, moved);
    }
}

void StoreCellManager::Save(Korrin::BinaryWriter& out) const
{
    out.WriteU32(mWidth);
    out.WriteU32(mHeight);
    out.WriteU32(static_cast<std::uint32_t>(mCells.size()));
    for (const StoreCell& cell : mCells)
    {
        out.WriteU8(cell.goods);
        out.WriteU16(cell.buyer);
        out.WriteF32(cell.animation);
        out.WriteU8(cell.unlocked);
        out.WriteF32(cell.x);
        out.WriteF32(cell.y);
        out.WriteF32(cell.fadeRate);
    }
}

void StoreCellManager::Load(Korrin::BinaryReader& in)
{
    const std::uint32_t width = in.ReadU32();
    const std::uint32_t height = in.ReadU32();
    const std::uint32_t count = in.ReadU32();
    // The saved grid must be this grid: a cell number is bounded by width x height.
    const bool sameGrid = width == mWidth && height == mHeight && count == mCells.size();
    if (!in.Ok() || !sameGrid || !in.CheckCount(count, kCellBytes, count))
    {
        STORE_LOG("StoreCellManager: a saved grid of %u cells refused", count);
        in.Fail();
        return;
    }
    std::vector<StoreCell> cells(count);
    for (StoreCell& cell : cells)
    {
        cell.goods = in.ReadU8();
        cell.buyer = in.ReadU16();
        cell.animation = in.ReadF32();
        cell.unlocked = in.ReadU8();
        cell.x = in.ReadF32();
        cell.y = in.ReadF32();
        cell.fadeRate = in.ReadF32();
        if (!in.Ok() || cell.unlocked > 1 || !Finite(cell.animation, cell.x, cell.y, cell.fadeRate))
        {
            in.Fail();
            return;
        }
    }
    mCells = std::move(cells);
}

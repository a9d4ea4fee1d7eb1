#include "game/GUI/StoreTrade.h"

#include "game/Entity/StoreCellManager.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"

#include <algorithm>
#include <iterator>

namespace
{
std::int64_t LevelMoney()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    return task != nullptr ? task->money : 0;
}
} // namespace

void StoreTrade::Copy(const StoreCellManager* place, std::vector<Cell>& out)
{
    out.clear();
    if (place == nullptr)
    {
        return;
    }
    for (const StoreCell& real : place->GetCells())
    {
        out.push_back(Cell{real.goods, real.unlocked != 0, real.IsLeaving(), false});
    }
}

void StoreTrade::TakeShopCopies()
{
    Copy(mShop, mShopCells);
    Copy(mStorehouse, mStoreCells);
    mStoreCounts = mStorehouse != nullptr ? mStorehouse->GetGoodsCounts() : GoodsCounts{};
    SumSale();
    SumPurchase();
}

void StoreTrade::Open(StoreCellManager* shop, StoreCellManager* storehouse)
{
    mShop = shop;
    mStorehouse = storehouse;
    TakeShopCopies();
}

bool StoreTrade::GoodsOfRow(const GoodsCounts& list, std::uint32_t row, std::uint8_t& goods)
{
    if (row >= list.size())
    {
        return false;
    }
    goods = std::next(list.begin(), static_cast<std::ptrdiff_t>(row))->first;
    return true;
}

bool StoreTrade::GetStoreGoods(std::uint32_t row, std::uint8_t& goods) const
{
    return GoodsOfRow(mStoreCounts, row, goods);
}

bool StoreTrade::GetBuyGoods(std::uint32_t row, std::uint8_t& goods) const
{
    return GoodsOfRow(mBuyList, row, goods);
}

bool StoreTrade::HasFreeShopCell() const
{
    return std::any_of(mShopCells.begin(), mShopCells.end(), [](const Cell& cell) { return cell.IsFree(); });
}

bool StoreTrade::HasFreeStoreCell() const
{
    return std::any_of(mStoreCells.begin(), mStoreCells.end(),
                       [](const Cell& cell) { return cell.IsFree(); });
}

bool StoreTrade::HasNewShopGoods() const
{
    return std::any_of(mShopCells.begin(), mShopCells.end(),
                       [](const Cell& cell) { return cell.HoldsNewGoods(); });
}

bool StoreTrade::HasNewStoreGoods() const
{
    return std::any_of(mStoreCells.begin(), mStoreCells.end(),
                       [](const Cell& cell) { return cell.HoldsNewGoods(); });
}

StoreTrade::Cell* StoreTrade::FirstFree(std::vector<Cell>& cells)
{
    const auto found =
        std::find_if(cells.begin(), cells.end(), [](const Cell& cell) { return cell.IsFree(); });
    return found != cells.end() ? &*found : nullptr;
}

void StoreTrade::PlaceFromStock(Cell& cell, std::uint8_t goods)
{
    cell.goods = goods;
    cell.placedNow = true;
    const auto count = mStoreCounts.find(goods);
    if (count->second <= 1)
    {
        mStoreCounts.erase(count);
    }
    else
    {
        --count->second;
    }
}

void StoreTrade::ReturnToStock(Cell& cell)
{
    ++mStoreCounts[cell.goods];
    cell.goods = 0;
    cell.placedNow = false;
}

bool StoreTrade::MoveOne(std::uint32_t row)
{
    std::uint8_t goods = 0;
    Cell* place = GetStoreGoods(row, goods) ? FirstFree(mShopCells) : nullptr;
    if (place == nullptr)
    {
        return false;
    }
    PlaceFromStock(*place, goods);
    SumSale();
    return true;
}

std::uint32_t StoreTrade::MoveAll(std::uint32_t row)
{
    std::uint8_t goods = 0;
    if (!GetStoreGoods(row, goods))
    {
        return 0;
    }
    std::uint32_t placed = 0;
    for (Cell& cell : mShopCells)
    {
        if (!mStoreCounts.contains(goods))
        {
            break;
        }
        if (cell.IsFree())
        {
            PlaceFromStock(cell, goods);
            ++placed;
        }
    }
    SumSale();
    return placed;
}

bool StoreTrade::CanAfford(std::uint8_t goods) const
{
    return static_cast<std::int64_t>(mBuyTotal) + TableCost::GetStoreHousePrice(goods) <= LevelMoney();
}

bool StoreTrade::BuyOne(std::uint32_t row)
{
    std::uint8_t goods = 0;
    Cell* place = GetBuyGoods(row, goods) && CanAfford(goods) ? FirstFree(mStoreCells) : nullptr;
    if (place == nullptr)
    {
        return false;
    }
    place->goods = goods;
    place->placedNow = true;
    SumPurchase();
    return true;
}

bool StoreTrade::TakeBackFromShop(std::size_t cell)
{
    if (cell >= mShopCells.size() || !mShopCells[cell].HoldsNewGoods())
    {
        return false;
    }
    ReturnToStock(mShopCells[cell]);
    SumSale();
    return true;
}

bool StoreTrade::TakeBackFromStore(std::size_t cell)
{
    if (cell >= mStoreCells.size() || !mStoreCells[cell].HoldsNewGoods())
    {
        return false;
    }
    mStoreCells[cell].goods = 0;
    mStoreCells[cell].placedNow = false;
    SumPurchase();
    return true;
}

bool StoreTrade::CommitSale()
{
    bool allMoved = true;
    for (const Cell& cell : mShopCells)
    {
        if (!cell.HoldsNewGoods())
        {
            continue;
        }
        // A unit leaves the storehouse only when the shop has a cell for it: nothing is lost.
        const bool canMove = mShop != nullptr && mStorehouse != nullptr &&
                             mStorehouse->HasGoods(cell.goods) && !mShop->IsFull();
        if (!canMove || !mStorehouse->TakeGoodsInstant(cell.goods) || !mShop->PutGoodsInstant(cell.goods))
        {
            allMoved = false;
        }
    }
    TakeShopCopies();
    return allMoved;
}

void StoreTrade::CancelSale()
{
    for (Cell& cell : mShopCells)
    {
        if (cell.HoldsNewGoods())
        {
            ReturnToStock(cell);
        }
    }
    SumSale();
}

bool StoreTrade::CommitPurchase()
{
    bool allBought = true;
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    for (const Cell& cell : mStoreCells)
    {
        if (!cell.HoldsNewGoods())
        {
            continue;
        }
        // Each unit is paid only once a real cell is free for it, and placed only once it is paid.
        const std::int32_t price = TableCost::GetStoreHousePrice(cell.goods);
        const bool paid =
            mStorehouse != nullptr && !mStorehouse->IsFull() && task != nullptr && task->AddMoney(-price);
        if (!paid || !mStorehouse->PutGoodsInstant(cell.goods))
        {
            allBought = false;
        }
    }
    Copy(mStorehouse, mStoreCells);
    mStoreCounts = mStorehouse != nullptr ? mStorehouse->GetGoodsCounts() : GoodsCounts{};
    SumPurchase();
    return allBought;
}

void StoreTrade::CancelPurchase()
{
    for (Cell& cell : mStoreCells)
    {
        if (cell.HoldsNewGoods())
        {
            cell.goods = 0;
            cell.placedNow = false;
        }
    }
    SumPurchase();
}

void StoreTrade::SumSale()
{
    mSaleTotal = 0;
    for (const Cell& cell : mShopCells)
    {
        if (cell.HoldsNewGoods())
        {
            mSaleTotal += TableCost::GetSalePrice(cell.goods);
        }
    }
}

void StoreTrade::SumPurchase()
{
    mBuyTotal = 0;
    for (const Cell& cell : mStoreCells)
    {
        if (cell.HoldsNewGoods())
        {
            mBuyTotal += TableCost::GetStoreHousePrice(cell.goods);
        }
    }
}

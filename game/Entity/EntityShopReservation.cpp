#include "game/Entity/BuyerWishFrames.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityShopLog.h"
#include "game/Entity/ShopBuyer.h"
#include "game/Pers/PersManager.h"

#include <vector>

// How the shop sets goods aside for buyers: each cell's buyer field holds the id of the buyer whose goods
// it keeps; the companion only takes the cells of the buyer he serves.

bool EntityShop::UpdateDreamBuyers(ShopBuyer* buyer, std::uint16_t buyerId, bool advanceStart)
{
    if (buyer == nullptr)
    {
        return false;
    }
    std::int32_t wish = buyer->GetFrameIndexDream();
    const std::int32_t before = wish;
    std::uint16_t reserved = buyer->GetObjBuyCount();
    const bool enough = Reserve(wish, buyer->GetWantedCount(), reserved, buyerId, advanceStart);
    if (wish != before)
    {
        buyer->SetDream(wish);
    }
    buyer->SetObjBuyCount(reserved);
    return enough;
}

bool EntityShop::RecalcStandBuyers(ShopBuyer* buyer, std::uint8_t buyerId)
{
    SHOP_LOG("Перерасчет покупателей *pers=%i idBuyers = %u",
             static_cast<int>(reinterpret_cast<std::uintptr_t>(buyer)), static_cast<unsigned>(buyerId));
    if (buyer == nullptr)
    {
        SHOP_LOG("!!! Инвалидный указатель EntityShop::RecalcStandBuyers");
        return false;
    }
    UpdateDreamBuyers(buyer, buyerId, false);
    SHOP_LOG("pers->GetObjBuyCount()=%u", static_cast<unsigned>(buyer->GetObjBuyCount()));
    if (buyer->GetObjBuyCount() != 0)
    {
        SHOP_LOG("Перерасчет успешен ???");
        return true;
    }
    SHOP_LOG("+попадаем pers->GetObjBuyCount()==0 ");
    // Nothing is left for the buyer at the counter: it takes the first cell of its goods, even one that a
    // buyer further back had, and the others look again.
    const std::int32_t wish = buyer->GetFrameIndexDream();
    std::vector<StoreCell>& cells = mCells.GetCells();
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        StoreCell& cell = cells[i];
        if (cell.goods == 0 || cell.goods != wish || cell.IsLeaving() || cell.unlocked == 0)
        {
            continue;
        }
        SHOP_LOG("Ппомечаем ячейку номер=%u для покупателя idBuyers = %u", static_cast<unsigned>(i),
                 static_cast<unsigned>(buyerId));
        cell.buyer = buyerId;
        buyer->SetObjBuyCount(1);
        if (PersManager* characters = PersManager::Peek())
        {
            characters->RecalcBuyersObj();
        }
        SHOP_LOG("Перерасчет успешен !");
        return true;
    }
    SHOP_LOG("Перерасчет успешен ???");
    return true;
}

bool EntityShop::Reserve(std::int32_t& wish, std::uint32_t wanted, std::uint16_t& reserved,
                         std::uint16_t buyerId, bool advanceStart)
{
    if (wish == BuyerWishFrames::kNone)
    {
        return ReserveWithoutWish(wish, wanted, reserved, buyerId, advanceStart);
    }
    return ReserveForWish(wish, wanted, reserved, buyerId);
}

bool EntityShop::ReserveWithoutWish(std::int32_t& wish, std::uint32_t wanted, std::uint16_t& reserved,
                                    std::uint16_t buyerId, bool advanceStart)
{
    std::vector<StoreCell>& cells = mCells.GetCells();
    const std::size_t n = cells.size();
    const std::uint32_t start = mIStartFindCellToBuyers;
    if (n == 0 || start >= n)
    {
        SHOP_LOG("ошибка в индексе при выборе товара для покупателя EntityShop::UpdateDreamBuyers");
        return false;
    }
    SHOP_LOG("---стартовый индекс mIStartFindCellToBuyers = %u ", start);
    std::uint32_t count = 0;
    std::size_t stop = start;
    for (std::size_t step = 0; step < n; ++step)
    {
        const std::size_t i = (start + step) % n;
        StoreCell& cell = cells[i];
        const bool qualifies = Offers(cell) && cell.unlocked != 0 && cell.buyer == 0;
        if (!qualifies || (count > 0 && cell.goods != wish))
        {
            continue;
        }
        cell.buyer = buyerId;
        if (count == 0)
        {
            wish = cell.goods;
        }
        ++count;
        reserved = static_cast<std::uint16_t>(count);
        if (count >= wanted)
        {
            stop = i;
            break;
        }
    }
    if (advanceStart)
    {
        mIStartFindCellToBuyers = static_cast<std::uint32_t>((stop + 1) % n);
    }
    return count > 0;
}

bool EntityShop::ReserveForWish(std::int32_t wish, std::uint32_t wanted, std::uint16_t& reserved,
                                std::uint16_t buyerId)
{
    std::uint32_t already = 0;
    if (mServingId == buyerId && mCarriedGoods == wish)
    {
        already = mCarriedCount;
    }
    std::vector<StoreCell>& cells = mCells.GetCells();
    for (const StoreCell& cell : cells)
    {
        if (already >= wanted)
        {
            break;
        }
        if (cell.buyer == buyerId && cell.goods == wish)
        {
            ++already;
        }
    }
    reserved = static_cast<std::uint16_t>(already);
    if (already >= wanted)
    {
        return true;
    }
    for (StoreCell& cell : cells)
    {
        if (cell.goods == wish && cell.buyer == 0)
        {
            cell.buyer = buyerId;
            ++already;
            reserved = static_cast<std::uint16_t>(already);
            if (already >= wanted)
            {
                return true;
            }
        }
    }
    return false;
}

void EntityShop::ReleaseReservations(std::uint32_t buyerId)
{
    for (StoreCell& cell : mCells.GetCells())
    {
        if (cell.buyer == buyerId)
        {
            cell.buyer = 0;
        }
    }
}

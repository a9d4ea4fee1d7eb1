#pragma once

#include <cstdint>
#include <map>
#include <vector>

class StoreCellManager;

// What one visit of the storehouse window changes: working copies of the shop's and the storehouse's
// goods cells, the storehouse's stock still to give to the shop, the goods the level sells into the
// storehouse, and the two pages' totals. Moves change only the copies; a commit then moves or buys unit
// by unit, each unit only when the real places can give, take and (for a purchase) the money pays it.
class StoreTrade
{
public:
    using GoodsCounts = std::map<std::uint8_t, std::uint32_t>;

    // One cell of a working copy.
    struct Cell
    {
        std::uint8_t goods = 0; // 0: empty
        bool open = false;      // unlocked in the real grid
        bool leaving = false;   // its goods are on their way out of the real grid
        bool placedNow = false; // goods placed during this visit

        bool IsFree() const { return open && goods == 0 && !leaving; }
        bool HoldsNewGoods() const { return goods != 0 && placedNow; }
        bool HoldsOldGoods() const { return goods != 0 && !placedNow; }
    };

    // Fresh copies of both places and the storehouse's stock, totals 0. A missing place (null) leaves
    // its copy empty, and a missing storehouse leaves no stock.
    void Open(StoreCellManager* shop, StoreCellManager* storehouse);

    // The goods of a row of the shop page (the stock) or of the storehouse page (the buy list), in
    // ascending goods id; false past the end.
    bool GetStoreGoods(std::uint32_t row, std::uint8_t& goods) const;
    bool GetBuyGoods(std::uint32_t row, std::uint8_t& goods) const;

    bool HasFreeShopCell() const;
    bool HasFreeStoreCell() const;
    bool HasNewShopGoods() const;
    bool HasNewStoreGoods() const;

    // One unit of a stock row into the first free shop place; false when there is no such row or place.
    bool MoveOne(std::uint32_t row);
    // As many units of a stock row as there are free shop places; the number placed.
    std::uint32_t MoveAll(std::uint32_t row);
    // One unit of a buyable row into the first free storehouse place, when the money covers the page's
    // total with it; false otherwise.
    bool BuyOne(std::uint32_t row);
    // Whether the money covers the page's total and one more unit of those goods.
    bool CanAfford(std::uint8_t goods) const;
    // Takes back the goods placed in this visit in that copied cell; false when it holds none.
    bool TakeBackFromShop(std::size_t cell);
    bool TakeBackFromStore(std::size_t cell);

    // Moves the shop page's new goods from the storehouse to the shop; false when some unit could not
    // move (it then stays where it was). The copies and the stock are taken again.
    bool CommitSale();
    // Returns the shop page's new goods to the stock.
    void CancelSale();
    // Buys the storehouse page's new goods unit by unit; false when some unit found no free cell or was
    // not covered by the money (it is then neither placed nor paid). The storehouse's copy and the
    // stock are taken again.
    bool CommitPurchase();
    // Drops the storehouse page's new goods.
    void CancelPurchase();

    const std::vector<Cell>& GetShopCells() const { return mShopCells; }
    const std::vector<Cell>& GetStoreCells() const { return mStoreCells; }
    const GoodsCounts& GetStoreCounts() const { return mStoreCounts; }
    // The goods the level sells into the storehouse (goods id -> 1), filled by the level loader.
    GoodsCounts& GetBuyList() { return mBuyList; }
    const GoodsCounts& GetBuyList() const { return mBuyList; }
    std::uint32_t GetSaleTotal() const { return mSaleTotal; }
    std::uint32_t GetBuyTotal() const { return mBuyTotal; }
    void ClearSaleTotal() { mSaleTotal = 0; }
    void ClearBuyTotal() { mBuyTotal = 0; }
    bool HasShop() const { return mShop != nullptr; }
    bool HasStorehouse() const { return mStorehouse != nullptr; }

private:
    static bool GoodsOfRow(const GoodsCounts& list, std::uint32_t row, std::uint8_t& goods);
    static void Copy(const StoreCellManager* place, std::vector<Cell>& out);
    static Cell* FirstFree(std::vector<Cell>& cells);
    void TakeShopCopies();
    void PlaceFromStock(Cell& cell, std::uint8_t goods);
    void ReturnToStock(Cell& cell);
    void SumSale();
    void SumPurchase();

    StoreCellManager* mShop = nullptr;
    StoreCellManager* mStorehouse = nullptr;
    std::vector<Cell> mShopCells;
    std::vector<Cell> mStoreCells;
    GoodsCounts mStoreCounts;
    GoodsCounts mBuyList;
    std::uint32_t mSaleTotal = 0;
    std::uint32_t mBuyTotal = 0;
};

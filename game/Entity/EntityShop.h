#pragma once

#include "engine/Util/Vector2.h"
#include "game/Entity/Entity.h"
#include "game/Entity/StoreCellManager.h"

#include <array>
#include <memory>
#include <string>

class CorrectionTable;
class PersAnimatedManager;
class ShopBuyer;

namespace Korrin
{
class AnimatedSprite;
class GuiButton;
} // namespace Korrin

// The shop: the companion's counter with a shelf of goods cells on either side, four columns by three
// rows. The left half (columns 0 and 1) is always there; the right half (columns 2 and 3) only while the
// right shelf's price record says it was bought. Each half opens its rows one by one as it is upgraded;
// the shop itself has levels 0 to 4, which change its pictures and speed the companion up. Buyers wish
// for goods and the shop reserves cells for them; the thief robs one half at a time.
class EntityShop : public Entity
{
public:
    static constexpr std::uint32_t kColumns = 4;
    static constexpr std::uint32_t kRows = 3;
    static constexpr std::uint32_t kCellCount = kColumns * kRows;
    static constexpr std::uint16_t kLastLevel = 4;
    static constexpr std::uint16_t kLastRowLevel = kRows - 1;
    // The halves' price records.
    static constexpr std::uint8_t kLeftHalfCost = 130;
    static constexpr std::uint8_t kRightHalfCost = 131;
    // The mouse zones: the hover and pressed states the shop gives.
    static constexpr std::int32_t kZoneBody = 1;
    static constexpr std::int32_t kZoneLeftBox = 2;
    static constexpr std::int32_t kZoneRightBox = 3;
    // Walk-target modes: the buyers' serving cell, and the thief's left and right side.
    static constexpr std::uint8_t kServingCellMode = 0;
    static constexpr std::uint8_t kThiefLeftMode = 51;
    static constexpr std::uint8_t kThiefRightMode = 52;
    // The thief's sides: 1 the left half, anything else the right.
    static constexpr std::uint8_t kLeftSide = 1;
    // No buyer is being served.
    static constexpr std::uint8_t kNoServingId = 255;
    // The errand's first idle step.
    static constexpr std::uint32_t kFirstIdleState = 5;
    static constexpr std::uint32_t kLastErrandState = 14;
    // The companion's animations.
    static constexpr std::array<const char*, 21> kCompanionAnimations{
        "left",  "right", "left2", "right2", "left3", "right3", "left4", "right4", "drop",  "red1", "red2",
        "idle0", "idle1", "idle2", "idle3",  "idle4", "idle5",  "idle6", "idle7",  "idle8", "idle9"};
    // A figure's record: its animation's name in this many bytes, zero-terminated, then x, y and time.
    static constexpr std::size_t kFigureNameBytes = 50;
    static bool IsCompanionAnimation(const std::string& name);

    EntityShop();
    ~EntityShop() override;

    // The companion's look and its list id.
    static constexpr const char* kCompanionList = "quibanilist.lua";
    static constexpr std::int32_t kCompanionListId = 154;

    // Makes the companion (playing "idle1") with his goods corrections, loads the pictures, the offsets
    // of "shop.lua" and the cells' pictures, and places the cells.
    void Init() override;
    // Level 0, the click rectangle and the companion's place; the cells' locks follow the halves.
    void Reset() override;
    // Plays the companion's animation at the shop's pace and takes the errand's next step each time it
    // ends; the cells' lids and goods move at the usual pace.
    bool Update(float dt) override;
    void Draw() override;
    // The shop's own next level: the upgrade sparkle, and a faster companion.
    bool Upgrade() override;
    // While the companion is busy there is nothing to steal; otherwise whether the side's half offers
    // nothing (side 1 the left half, else the right).
    bool IsEmptyFor(std::uint8_t side, std::int32_t i, std::int32_t j) override;
    // The thief robs the side's half; true in every case.
    bool Interact(std::uint8_t side, std::int32_t i, std::int32_t j) override;
    // Mode 0 the buyers' serving cell, 51 and 52 the thief's places left and right of the shop.
    bool GetWalkTarget(WalkTarget* out, std::uint8_t mode) override;

    // Fills the panel by the pressed zone: the shop's page, or the shelf page for a half.
    void ChangeGui() override;
    // The panel's "SHOP_UPGRADE" buys the next level of the pressed zone.
    void OnGuiEvent() override;
    // The left box, the right box (while it exists), then the shop's rectangle.
    bool IsPointInside(const Korrin::Vector2& point) override;
    // Selects the shop with the hovered zone as its pressed state.
    bool TryClick() override;

    void Save(Korrin::BinaryWriter& out) override;
    void Load(Korrin::BinaryReader& in) override;

    // The next row of a half; false, and nothing changed, when the half's record has no more rows.
    bool UpgradeLeft();
    bool UpgradeRight();
    // Opens the rows of each half up to its row level; the right half only while it exists.
    void UpdateUnlockedCells();
    bool HasRightHalf() const { return mRightCost.owned != 0; }
    // No cell of the half offers goods (reservations and locks do not matter).
    bool IsLeftEmpty() const;
    bool IsRightEmpty() const;
    // No cell offers goods that is unlocked and reserved for nobody: there is nothing for a new buyer.
    bool IsEmpty() const;

    // Sets goods aside for the buyer under its id: a buyer without a wish takes the goods of the first
    // cell on offer from the search start (advanceStart moves the next search past the cells visited);
    // one with a wish takes free cells of its goods. Writes the buyer's wish and its count of goods set
    // aside; false when fewer than it wants (nothing at all, for a buyer without a wish) are set aside.
    bool UpdateDreamBuyers(ShopBuyer* buyer, std::uint16_t buyerId, bool advanceStart);
    // For the buyer at the counter: its goods again, and when none is left for it the first cell of its
    // goods even if another buyer had it (the others then look again). False without a buyer.
    bool RecalcStandBuyers(ShopBuyer* buyer, std::uint8_t buyerId);
    // One step of the companion's errand: a buyer arriving at the counter (with its id) starts a
    // service; without one, the animation that just ended leads to the next.
    void GoQuib(ShopBuyer* buyer, std::uint8_t buyerId);

    // The cells set aside for that buyer are free for the others again.
    void ReleaseReservations(std::uint32_t buyerId);
    // The cells of a half reserved for the buyer whose goods stay (not leaving).
    std::uint32_t CountReservedLeft(std::uint16_t buyerId) const;
    std::uint32_t CountReservedRight(std::uint16_t buyerId) const;
    // 0 nothing reserved for the buyer, 1 go left, 2 go right (a tie goes left).
    std::uint8_t ChooseSide(std::uint8_t buyerId) const;
    // Starts taking every cell of the half reserved for the buyer; the number taken.
    // takenGoods (when given) receives the goods of the cells taken, 0 when none was.
    std::uint32_t TakeReservedLeft(std::uint8_t buyerId, std::uint8_t* takenGoods = nullptr);
    std::uint32_t TakeReservedRight(std::uint8_t buyerId, std::uint8_t* takenGoods = nullptr);

    StoreCellManager& GetCells() { return mCells; }
    const StoreCellManager& GetCells() const { return mCells; }
    std::uint16_t GetLeftRowLevel() const { return mLeftRowLevel; }
    std::uint16_t GetRightRowLevel() const { return mRightRowLevel; }
    const CostRecord& GetLeftCost() const { return mLeftCost; }
    const CostRecord& GetRightCost() const { return mRightCost; }
    float GetSpeedFactor() const { return mSpeedFactor; }
    std::uint32_t GetSearchStart() const { return mIStartFindCellToBuyers; }
    std::uint32_t GetErrandState() const { return mErrandState; }
    std::uint32_t GetCarriedCount() const { return mCarriedCount; }
    std::uint8_t GetCarriedGoods() const { return mCarriedGoods; }
    std::uint8_t GetServingId() const { return mServingId; }
    bool IsBusy() const { return mBusy != 0; }
    ShopBuyer* GetServingBuyer() const { return mServingBuyer; }
    PersAnimatedManager* GetCompanion() const { return mCompanion.get(); }
    // The animation the companion plays ("" before the first).
    const std::string& GetCompanionAnimation() const { return mCompanionAnimation; }
    std::int32_t GetGoodsBone() const { return mGoodsBone; }
    const Korrin::Vector2& GetCompanionPoint() const { return mCompanionPoint; }
    const Korrin::Vector2& GetShopOffset(std::size_t level) const { return mShopOffsets[level]; }
    const Korrin::Vector2& GetBackOffset(std::size_t level) const { return mBackOffsets[level]; }
    const Korrin::Vector2& GetLeftBoxOffset() const { return mLeftBoxOffset; }
    const Korrin::Vector2& GetRightBoxOffset() const { return mRightBoxOffset; }

private:
    // Tests reach the reservation and the booking directly through it (defined in tests/ only).
    friend struct EntityShopTestAccess;

    // Reserves goods for a buyer: wish is the goods it wants (-1 when it has none yet; a buyer without a
    // wish takes the goods of the first cell found), wanted how many, reserved receives the count of
    // cells (and carried units) now set aside for it. advanceStart moves the next search's start past
    // the cells visited. False when nothing is reserved for it.
    bool Reserve(std::int32_t& wish, std::uint32_t wanted, std::uint16_t& reserved, std::uint16_t buyerId,
                 bool advanceStart);
    // Books a sale of count units of goods: money, goals, the money figure, the sound, achievements and
    // the level's sales counter.
    void BookSale(std::uint8_t goods, std::uint32_t count);
    void SetSearchStart(std::uint32_t start) { mIStartFindCellToBuyers = start; }

    using CellTest = bool (*)(std::size_t index);
    static bool InLeftHalf(std::size_t index) { return index % kColumns < 2; }
    static bool InRightHalf(std::size_t index) { return index % kColumns >= 2; }
    static bool Offers(const StoreCell& cell) { return cell.goods != 0 && cell.fadeRate >= 0.0f; }
    // Whether a shelf cell's goods can be wished for (a goods id the buyers' bubbles show).
    static bool Wishable(std::uint8_t goods);

    void LoadPictures();
    void ReleasePictures();
    // The companion's place behind the counter.
    Korrin::Vector2 CompanionHome() const { return {mX + 42.0f, mY - 30.0f}; }
    void MakeCompanion();
    // Whether the companion's figure has a skeleton to pose (not so without the characters' data).
    bool CompanionPlays() const;
    // Switches the companion to the animation from its first frame.
    void PlayCompanion(const std::string& name);
    void RunErrandStep();
    void DecideAtCentre();
    void ComeBackFromHalf(bool left);
    void EndService();
    void DrawQuib();
    void SaveCompanion(Korrin::BinaryWriter& out);
    bool LoadCompanion(Korrin::BinaryReader& in);
    // The buyer with that save number while a service runs, else none.
    void FindServingBuyer(std::int32_t saveNumber);
    void LoadOffsets();
    void PlaceCells();
    bool IsHalfEmpty(CellTest inHalf) const;
    bool UpgradeHalf(std::uint16_t& rowLevel, const CostRecord& cost, const Korrin::Vector2& effectPoint);
    bool StealFromHalf(CellTest inHalf);
    std::uint32_t CountReserved(CellTest inHalf, std::uint16_t buyerId, bool left) const;
    std::uint32_t TakeReserved(CellTest inHalf, std::uint8_t buyerId, bool left, std::uint8_t* takenGoods);
    bool ReserveWithoutWish(std::int32_t& wish, std::uint32_t wanted, std::uint16_t& reserved,
                            std::uint16_t buyerId, bool advanceStart);
    bool ReserveForWish(std::int32_t wish, std::uint32_t wanted, std::uint16_t& reserved,
                        std::uint16_t buyerId);
    // The pressed zone's row level and record, for the halves' panel and purchase.
    bool CanBuyNext(std::int32_t zone) const;
    std::uint16_t PriceOfNext(std::int32_t zone) const;
    void FillHalfButton(std::uint16_t rowLevel, const CostRecord& cost, Korrin::GuiButton* button) const;
    void DrawPicture(Korrin::AnimatedSprite* sprite, std::size_t frame, float x, float y, bool lit);
    void DrawHalfLids(CellTest inHalf);
    void DrawLockDoors(std::uint16_t rowLevel, std::uint32_t column, bool lit);
    bool IsLit(std::int32_t zone) const { return mHover == zone || mPressed == zone; }

    StoreCellManager mCells{kColumns, kRows};
    Korrin::AnimatedSprite* mShopPicture = nullptr;
    Korrin::AnimatedSprite* mBackPicture = nullptr;
    Korrin::AnimatedSprite* mBoxPicture = nullptr;
    Korrin::AnimatedSprite* mLockDoorPicture = nullptr;
    Korrin::AnimatedSprite* mFoundationPicture = nullptr;
    std::array<Korrin::Vector2, kLastLevel + 1> mShopOffsets{};
    std::array<Korrin::Vector2, kLastLevel + 1> mBackOffsets{};
    Korrin::Vector2 mLeftBoxOffset;
    Korrin::Vector2 mRightBoxOffset;
    CostRecord mLeftCost;
    CostRecord mRightCost;
    std::uint16_t mLeftRowLevel = 0;
    std::uint16_t mRightRowLevel = 0;
    Korrin::Vector2 mCompanionPoint;
    std::uint32_t mErrandState = kFirstIdleState;
    std::uint32_t mCarriedCount = 0;
    std::uint8_t mServingId = kNoServingId;
    std::uint8_t mBusy = 0;
    std::uint8_t mCarriedGoods = 0;
    float mSpeedFactor = 1.0f;
    std::uint32_t mIStartFindCellToBuyers = 0;
    ShopBuyer* mServingBuyer = nullptr;
    std::unique_ptr<CorrectionTable> mCorrections;
    std::unique_ptr<PersAnimatedManager> mCompanion;
    std::int32_t mGoodsBone = -1;
    std::string mCompanionAnimation = "idle1";
};

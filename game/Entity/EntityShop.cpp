#include "game/Entity/EntityShop.h"

#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/Random.h"
#include "game/Entity/StoreEntityServices.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GuiSound.h"
#include "game/GUI/InputLocks.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/GameTables.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Game/TableCost.h"
#include "game/Pers/BuyerWishFrames.h"
#include "game/Profile.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace
{
constexpr const char* kFile = "shop.lua";
// The goods of a cell show through this window of its opening.
const Korrin::Rect kGoodsClip{12.0f, -22.0f, 37.0f, 6.0f};
// Cell (row r, column c of a half) sits at the half's shelf + (44 or 75.5, 7) + (2r, 33r).
constexpr float kCellLeft = 44.0f;
constexpr float kCellSecondColumn = 75.5f;
constexpr float kCellTop = 7.0f;
constexpr float kCellRowSlant = 2.0f;
constexpr float kCellRowStep = 33.0f;
// A lock door covers its row from just left of the row's first cell.
constexpr float kLockDoorLeft = 10.0f;
constexpr float kLockDoorTop = 3.0f;
// Where the right shelf's foundation stands while the right half is missing.
const Korrin::Vector2 kFoundationOffset{100.0f, -31.0f};
// The companion stands behind the counter.
const Korrin::Vector2 kCompanionOffset{42.0f, -30.0f};
// The companion's pace by shop level.
constexpr std::array<float, EntityShop::kLastLevel + 1> kSpeedByLevel{1.0f, 1.4f, 1.6f, 1.8f, 2.0f};
// The panel's picture of the shop at level n is frame n + 54, of a shelf at row level n frame n + 9.
constexpr std::int32_t kShopPictureBase = 54;
constexpr std::int32_t kShelfPictureBase = 9;
constexpr std::uint32_t kShelfLevels = 3;
// A sale counts towards achievements only for the garden's crops.
constexpr std::uint8_t kFirstCrop = 84;
constexpr std::uint8_t kLastCrop = 88;
constexpr std::array<std::uint32_t, 5> kCropAchievement{7, 8, 10, 3, 1};
constexpr std::uint32_t kSalesAchievement = 4;
constexpr std::uint32_t kHundredSalesAchievement = 13;
constexpr std::int32_t kSalesForAchievement = 100;
const Korrin::Vector2 kSaleFigureOffset{65.0f, -50.0f};

#define SHOP_LOG(...)                                                                                        \
    do                                                                                                       \
    {                                                                                                        \
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())                                            \
        {                                                                                                    \
            log->Write(__VA_ARGS__);                                                                         \
        }                                                                                                    \
    } while (false)

Korrin::Vector2 RectCentre(const Korrin::Rect& rect)
{
    return {(rect.left + rect.right) * 0.5f, (rect.top + rect.bottom) * 0.5f};
}

bool Inside(const Korrin::Rect& rect, const Korrin::Vector2& point)
{
    return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom;
}

// The {x, y} table of a global of the script; false (and nothing read) when it is missing or not two
// numbers.
bool ReadPoint(Korrin::LuaScript& script, const char* name, Korrin::Vector2& out)
{
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue value = script.GetGlobal(name);
    float x = 0.0f;
    float y = 0.0f;
    if (!value.IsTable() || !value.GetFloat2(x, y) || !std::isfinite(x) || !std::isfinite(y))
    {
        return false;
    }
    out = {x, y};
    return true;
}
} // namespace

EntityShop::EntityShop()
{
    SHOP_LOG("EntityShop::EntityShop()");
    mType = kShop;
    TakeCostRecord();
    if (const TableCost* table = TableCost::Peek())
    {
        table->GetCost(kRightHalfCost, mRightCost);
        table->GetCost(kLeftHalfCost, mLeftCost);
    }
}

EntityShop::~EntityShop()
{
    ReleasePictures();
}

void EntityShop::ReleasePictures()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (Korrin::NullSprite* sprite : std::initializer_list<Korrin::NullSprite*>{
                 mShopPicture, mBackPicture, mBoxPicture, mLockDoorPicture, mFoundationPicture})
        {
            sprites->DeleteSprite(sprite);
        }
    }
    mShopPicture = mBackPicture = mBoxPicture = mLockDoorPicture = mFoundationPicture = nullptr;
}

void EntityShop::LoadPictures()
{
    ReleasePictures();
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    mShopPicture = sprites->LoadAnimatedSprite("Shop", kFile);
    mBackPicture = sprites->LoadAnimatedSprite("Back", kFile);
    mBoxPicture = sprites->LoadAnimatedSprite("MainBox", kFile);
    mLockDoorPicture = sprites->LoadAnimatedSprite("LockDoor", kFile);
    mFoundationPicture = sprites->LoadAnimatedSprite("FoundationStoreShop", kFile);
}

void EntityShop::LoadOffsets()
{
    mShopOffsets.fill({});
    mBackOffsets.fill({});
    mLeftBoxOffset = {};
    mRightBoxOffset = {};
    Korrin::LuaScript script;
    script.LoadFile(kFile, Korrin::LuaScript::IfMissing::Report);
    for (std::size_t level = 0; level <= kLastLevel; ++level)
    {
        const std::string shop = "ShopOffset" + std::to_string(level + 1);
        ReadPoint(script, shop.c_str(), mShopOffsets[level]);
        if (level > 0)
        {
            const std::string back = "BackOffset" + std::to_string(level + 1);
            ReadPoint(script, back.c_str(), mBackOffsets[level]);
        }
    }
    ReadPoint(script, "MainBoxOffsetL", mLeftBoxOffset);
    ReadPoint(script, "MainBoxOffsetR", mRightBoxOffset);
}

void EntityShop::PlaceCells()
{
    std::vector<StoreCell>& cells = mCells.GetCells();
    if (mCells.GetWidth() != kColumns || mCells.GetHeight() != kRows || cells.size() != kCellCount)
    {
        return;
    }
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        const std::size_t column = i % kColumns;
        const auto row = static_cast<float>(i / kColumns);
        const Korrin::Vector2& shelf = column < 2 ? mLeftBoxOffset : mRightBoxOffset;
        const float left = column % 2 == 0 ? kCellLeft : kCellSecondColumn;
        cells[i].x = mX + shelf.x + left + kCellRowSlant * row;
        cells[i].y = mY + shelf.y + kCellTop + kCellRowStep * row;
        cells[i].animation = 0.0f;
    }
}

void EntityShop::Init()
{
    LoadPictures();
    LoadOffsets();
    mCells.Init();
    PlaceCells();
}

void EntityShop::Reset()
{
    Entity::Reset();
    SetRect({mX - 13.0f, mY - 180.0f, mX + 127.0f, mY + 10.0f});
    mCompanionPoint = {mX + kCompanionOffset.x, mY + kCompanionOffset.y};
    UpdateUnlockedCells();
}

void EntityShop::UpdateUnlockedCells()
{
    std::vector<StoreCell>& cells = mCells.GetCells();
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        const bool left = InLeftHalf(i);
        const std::size_t open =
            (static_cast<std::size_t>(left ? mLeftRowLevel : mRightRowLevel) + 1) * kColumns;
        cells[i].unlocked = i < open && (left || HasRightHalf()) ? 1 : 0;
    }
}

bool EntityShop::Update(float dt)
{
    mCells.Update(dt);
    return true;
}

bool EntityShop::Upgrade()
{
    const bool upgraded = Entity::Upgrade();
    if (GameParticleManager* effects = GameParticleManager::Peek())
    {
        effects->AddParticleToDQ(kParticleBuildingUpgrade, {mX - 25.0f, mY});
    }
    if (mUpgradeLevel >= 1 && mUpgradeLevel <= kLastLevel)
    {
        mSpeedFactor = kSpeedByLevel[mUpgradeLevel];
    }
    return upgraded;
}

bool EntityShop::UpgradeHalf(std::uint16_t& rowLevel, const CostRecord& cost,
                             const Korrin::Vector2& effectPoint)
{
    ++rowLevel;
    if (rowLevel > cost.maxLevel)
    {
        rowLevel = cost.maxLevel;
        return false;
    }
    if (GameParticleManager* effects = GameParticleManager::Peek())
    {
        effects->AddParticleToDQ(kParticleShopStoreUpgrade, effectPoint);
    }
    PlayGuiSound("upgrade");
    UpdateUnlockedCells();
    return true;
}

bool EntityShop::UpgradeLeft()
{
    return UpgradeHalf(mLeftRowLevel, mLeftCost, {mX - 90.0f, mY + 10.0f});
}

bool EntityShop::UpgradeRight()
{
    return UpgradeHalf(mRightRowLevel, mRightCost, {mX + 120.0f, mY + 10.0f});
}

bool EntityShop::IsHalfEmpty(CellTest inHalf) const
{
    const std::vector<StoreCell>& cells = mCells.GetCells();
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        if (inHalf(i) && Offers(cells[i]))
        {
            return false;
        }
    }
    return true;
}

bool EntityShop::IsLeftEmpty() const
{
    return IsHalfEmpty(InLeftHalf);
}

bool EntityShop::IsRightEmpty() const
{
    return IsHalfEmpty(InRightHalf);
}

bool EntityShop::IsEmpty() const
{
    return std::none_of(mCells.GetCells().begin(), mCells.GetCells().end(),
                        [](const StoreCell& cell)
                        { return Offers(cell) && cell.unlocked != 0 && cell.buyer == 0; });
}

bool EntityShop::IsEmptyFor(std::uint8_t side, std::int32_t /*i*/, std::int32_t /*j*/)
{
    if (mBusy != 0)
    {
        return false;
    }
    return side == kLeftSide ? IsLeftEmpty() : IsRightEmpty();
}

bool EntityShop::StealFromHalf(CellTest inHalf)
{
    std::vector<StoreCell>& cells = mCells.GetCells();
    std::vector<std::size_t> offered;
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        if (inHalf(i) && Offers(cells[i]))
        {
            offered.push_back(i);
        }
    }
    if (offered.empty())
    {
        return false;
    }
    StoreCell& cell = cells[offered[static_cast<std::size_t>(Korrin::Rand()) % offered.size()]];
    cell.Empty();
    StoreEntityServices::ShowStealing({cell.x + 3.0f, cell.y + 17.0f});
    return true;
}

bool EntityShop::Interact(std::uint8_t side, std::int32_t /*i*/, std::int32_t /*j*/)
{
    if (side == kLeftSide)
    {
        SHOP_LOG("StealLeftSide1");
        StealFromHalf(InLeftHalf);
    }
    else
    {
        SHOP_LOG("StealRightSide1");
        StealFromHalf(InRightHalf);
    }
    return true;
}

bool EntityShop::GetWalkTarget(WalkTarget* out, std::uint8_t mode)
{
    if (out == nullptr)
    {
        return true;
    }
    *out = {mWalkI, mWalkJ, this};
    const Level* level = Level::Peek();
    const GameField* field = level != nullptr ? level->GetGameField() : nullptr;
    const auto usable = [field](std::int32_t i, std::int32_t j)
    { return FieldGeometry::IsInside(i, j) && field != nullptr && field->GetTile(i, j) > 0; };
    if (mode == kServingCellMode)
    {
        out->I = mWalkI + 1;
    }
    else if (mode == kThiefLeftMode)
    {
        out->I = usable(mWalkI - 2, mWalkJ) ? mWalkI - 2 : mWalkI - 1;
    }
    else if (mode == kThiefRightMode)
    {
        out->I = usable(mWalkI + 3, mWalkJ) ? mWalkI + 3 : mWalkI + 2;
    }
    return true;
}

bool EntityShop::IsPointInside(const Korrin::Vector2& point)
{
    const Korrin::Rect leftBox{mX - 98.0f, mY - 120.0f, mX - 14.0f, mY + 10.0f};
    if (Inside(leftBox, point))
    {
        mHover = kZoneLeftBox;
        StoreEntityServices::ShowHint("ShopBoxHint", RectCentre(leftBox));
        return true;
    }
    const Korrin::Rect rightBox{mX + 128.0f, mY - 120.0f, mX + 212.0f, mY + 10.0f};
    if (HasRightHalf() && Inside(rightBox, point))
    {
        mHover = kZoneRightBox;
        StoreEntityServices::ShowHint("ShopBoxHint", RectCentre(rightBox));
        return true;
    }
    if (!Entity::IsPointInside(point))
    {
        return false;
    }
    StoreEntityServices::ShowHint("ShopHint", RectCentre(GetRect()));
    return true;
}

bool EntityShop::TryClick()
{
    if (!LeftButtonWentDown() || InputLocks::second || InputLocks::third || mHover == kNone)
    {
        return false;
    }
    Entity::TryClick();
    PlayGuiSound("Storehouse");
    mPressed = mHover;
    SHOP_LOG("SelButtonDown (%i)", mPressed);
    ChangeGui();
    return true;
}

bool EntityShop::CanBuyNext(std::int32_t zone) const
{
    if (zone == kZoneBody)
    {
        return mUpgradeLevel < mCost.upgradeLevel && mUpgradeLevel < mCost.maxLevel &&
               mUpgradeLevel < kLastLevel;
    }
    const bool left = zone == kZoneLeftBox;
    if (!left && (zone != kZoneRightBox || !HasRightHalf()))
    {
        return false;
    }
    const std::uint16_t row = left ? mLeftRowLevel : mRightRowLevel;
    const CostRecord& cost = left ? mLeftCost : mRightCost;
    return row < cost.upgradeLevel && row < cost.maxLevel && row < kLastRowLevel;
}

std::uint16_t EntityShop::PriceOfNext(std::int32_t zone) const
{
    if (zone == kZoneLeftBox)
    {
        return CostRecord::GetLevelValue(mLeftRowLevel, mLeftCost);
    }
    if (zone == kZoneRightBox)
    {
        return CostRecord::GetLevelValue(mRightRowLevel, mRightCost);
    }
    return CostRecord::GetLevelValue(mUpgradeLevel, mCost);
}

void EntityShop::ChangeGui()
{
    GamePanel* panel = GamePanel::Peek();
    if (panel == nullptr)
    {
        return;
    }
    if (mPressed == kZoneBody)
    {
        SHOP_LOG(" EntityShop::ChangeGui() 3 Изменение _GetGamePanel().SetPanelParam = ");
        panel->SetCurrentByType(kShop);
        panel->SetPanelParam(nullptr, mUpgradeLevel + kShopPictureBase, mUpgradeLevel, kLastLevel + 1u, 0);
    }
    else if (mPressed == kZoneLeftBox || mPressed == kZoneRightBox)
    {
        panel->SetCurrent(GamePanel::kShopStorePage);
        const bool left = mPressed == kZoneLeftBox;
        if (left)
        {
            SHOP_LOG(" EntityShop::ChangeGui() 2 Изменение _GetGamePanel().SetPanelParam = ");
        }
        const std::uint16_t row = left ? mLeftRowLevel : mRightRowLevel;
        panel->SetPanelParam(nullptr, row + kShelfPictureBase, row, kShelfLevels, 0);
    }
    else
    {
        return;
    }
    Korrin::GuiContainer* page = panel->GetPanel(panel->GetCurrent());
    auto* button =
        page != nullptr ? dynamic_cast<Korrin::GuiButton*>(page->GetByName("SHOP_UPGRADE")) : nullptr;
    if (button == nullptr)
    {
        return;
    }
    if (mPressed == kZoneBody)
    {
        SetUpgradeButton(PriceOfNext(kZoneBody), button);
        return;
    }
    const bool left = mPressed == kZoneLeftBox;
    FillUpgradeButton(left ? mLeftRowLevel : mRightRowLevel, left ? mLeftCost : mRightCost,
                      PriceOfNext(mPressed), button, false);
}

void EntityShop::OnGuiEvent()
{
    if (StoreEntityServices::ClickedElement() != "SHOP_UPGRADE")
    {
        return;
    }
    // Test first, then pay: a level that cannot be bought takes no money.
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    const std::int32_t zone = mPressed;
    if (task != nullptr && CanBuyNext(zone) && task->AddMoney(-static_cast<std::int32_t>(PriceOfNext(zone))))
    {
        if (zone == kZoneBody)
        {
            Upgrade();
        }
        else if (zone == kZoneLeftBox)
        {
            UpgradeLeft();
        }
        else
        {
            UpgradeRight();
        }
    }
    ChangeGui();
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
        // Goods that no bubble can show are not offered: the buyer would keep no wish and the companion
        // would carry nothing it can book.
        const bool qualifies = Offers(cell) && cell.unlocked != 0 && cell.buyer == 0 &&
                               BuyerWishFrames::IsWishableGoods(cell.goods);
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
        if (profile != nullptr && profile->salesCount < kSalesForAchievement)
        {
            ++profile->salesCount;
            AchievementSystem* achievements = AchievementSystem::Peek();
            if (profile->salesCount == kSalesForAchievement && achievements != nullptr)
            {
                achievements->AddProgress(kHundredSalesAchievement, 1);
            }
        }
    }
    mCarriedCount = 0;
}

void EntityShop::DrawPicture(Korrin::AnimatedSprite* sprite, std::size_t frame, float x, float y, bool lit)
{
    if (sprite == nullptr || sprite->GetFrameCount() == 0)
    {
        return;
    }
    const auto clamped = static_cast<std::uint16_t>(std::min(frame, sprite->GetFrameCount() - 1));
    sprite->SetBlendMode(0);
    sprite->DrawFrame(clamped, static_cast<int>(x), static_cast<int>(y));
    if (lit)
    {
        sprite->SetBlendMode(2);
        sprite->DrawFrame(clamped, static_cast<int>(x), static_cast<int>(y));
        sprite->SetBlendMode(0);
    }
}

void EntityShop::DrawHalfLids(CellTest inHalf)
{
    const std::vector<StoreCell>& cells = mCells.GetCells();
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        if (inHalf(i) && cells[i].unlocked != 0)
        {
            mCells.DrawLidOf(static_cast<std::uint32_t>(i));
        }
    }
}

void EntityShop::DrawLockDoors(std::uint16_t rowLevel, std::uint32_t column, bool lit)
{
    const std::vector<StoreCell>& cells = mCells.GetCells();
    for (std::uint32_t row = rowLevel + 1u; row < kRows; ++row)
    {
        const std::size_t i = row * kColumns + column;
        if (i < cells.size())
        {
            DrawPicture(mLockDoorPicture, 0, cells[i].x - kLockDoorLeft, cells[i].y + kLockDoorTop, lit);
        }
    }
}

void EntityShop::Draw()
{
    const std::size_t level = std::min<std::size_t>(mUpgradeLevel, kLastLevel);
    if (level >= 1)
    {
        DrawPicture(mBackPicture, level, mX + mBackOffsets[level].x, mY + mBackOffsets[level].y, false);
    }
    if (HasRightHalf())
    {
        DrawHalfLids(InRightHalf);
        DrawPicture(mBoxPicture, level, mX + mRightBoxOffset.x, mY + mRightBoxOffset.y, IsLit(kZoneRightBox));
        DrawLockDoors(mRightRowLevel, 2, IsLit(kZoneRightBox));
    }
    else
    {
        DrawPicture(mFoundationPicture, level, mX + kFoundationOffset.x, mY + kFoundationOffset.y, false);
    }
    DrawPicture(mShopPicture, level, mX + mShopOffsets[level].x, mY + mShopOffsets[level].y,
                IsLit(kZoneBody));
    DrawHalfLids(InLeftHalf);
    DrawPicture(mBoxPicture, level, mX + mLeftBoxOffset.x, mY + mLeftBoxOffset.y, IsLit(kZoneLeftBox));
    mCells.DrawGoods(kGoodsClip);
    DrawLockDoors(mLeftRowLevel, 0, IsLit(kZoneLeftBox));
}

void EntityShop::Save(Korrin::BinaryWriter& out)
{
    out.WriteU16(mLeftRowLevel);
    out.WriteU16(mRightRowLevel);
    out.WriteU32(mErrandState);
    out.WriteU32(mCarriedCount);
    out.WriteU8(mServingId);
    out.WriteU8(mBusy);
    out.WriteU8(mCarriedGoods);
    out.WriteF32(mSpeedFactor);
    out.WriteU32(mIStartFindCellToBuyers);
    mCells.Save(out);
    SaveCompanion(out);
    out.WriteI32(mServingNumber);
    out.WriteU16(mUpgradeLevel);
}

bool EntityShop::IsCompanionAnimation(const std::string& name)
{
    return std::find(kCompanionAnimations.begin(), kCompanionAnimations.end(), name) !=
           kCompanionAnimations.end();
}

void EntityShop::SaveCompanion(Korrin::BinaryWriter& out) const
{
    std::array<char, kFigureNameBytes> name{};
    mCompanionAnimation.copy(name.data(), std::min(mCompanionAnimation.size(), name.size() - 1));
    for (const char c : name)
    {
        out.WriteU8(static_cast<std::uint8_t>(c));
    }
    out.WriteF32(mCompanionPoint.x);
    out.WriteF32(mCompanionPoint.y);
    out.WriteF32(0.0f);
}

bool EntityShop::LoadCompanion(Korrin::BinaryReader& in)
{
    std::array<char, kFigureNameBytes> bytes{};
    for (char& c : bytes)
    {
        c = static_cast<char>(in.ReadU8());
    }
    const float x = in.ReadF32();
    const float y = in.ReadF32();
    in.ReadF32(); // the animation starts again from its beginning
    const auto end = std::find(bytes.begin(), bytes.end(), '\0');
    const std::string name(bytes.begin(), end);
    if (!in.Ok() || end == bytes.end() || !std::isfinite(x) || !std::isfinite(y) ||
        (!name.empty() && !IsCompanionAnimation(name)))
    {
        return false;
    }
    mCompanionAnimation = name;
    mCompanionPoint = {x, y};
    return true;
}

void EntityShop::Load(Korrin::BinaryReader& in)
{
    const std::uint16_t leftRow = in.ReadU16();
    const std::uint16_t rightRow = in.ReadU16();
    const std::uint32_t state = in.ReadU32();
    const std::uint32_t carried = in.ReadU32();
    const std::uint8_t servingId = in.ReadU8();
    const std::uint8_t busy = in.ReadU8();
    const std::uint8_t goods = in.ReadU8();
    const float speed = in.ReadF32();
    const std::uint32_t start = in.ReadU32();
    const bool rowsKnown = leftRow <= mLeftCost.maxLevel && rightRow <= mRightCost.maxLevel &&
                           leftRow <= kLastRowLevel && rightRow <= kLastRowLevel;
    const bool goodsKnown = goods == 0 || GetGoodsIndex(goods) >= 0;
    const bool speedKnown = std::isfinite(speed) && speed >= 1.0f && speed <= kSpeedByLevel[kLastLevel];
    if (!in.Ok() || !rowsKnown || state > kLastErrandState || carried > kCellCount || busy > 1 ||
        !goodsKnown || !speedKnown || start >= kCellCount)
    {
        in.Fail();
        return;
    }
    mCells.Load(in);
    if (!in.Ok() || !LoadCompanion(in))
    {
        in.Fail();
        return;
    }
    const std::int32_t servingNumber = in.ReadI32();
    const std::uint16_t level = in.ReadU16();
    if (!in.Ok() || level > mCost.maxLevel || level > kLastLevel)
    {
        in.Fail();
        return;
    }
    mLeftRowLevel = leftRow;
    mRightRowLevel = rightRow;
    mErrandState = state;
    mCarriedCount = carried;
    mServingId = servingId;
    mBusy = busy;
    mCarriedGoods = goods;
    mSpeedFactor = level >= 1 ? kSpeedByLevel[level] : speed;
    mIStartFindCellToBuyers = start;
    mServingNumber = servingNumber;
    mUpgradeLevel = level;
    UpdateUnlockedCells();
}

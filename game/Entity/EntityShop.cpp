#include "game/Entity/EntityShop.h"

#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Util/Random.h"
#include "game/Entity/CorrectionTable.h"
#include "game/Entity/EntityShopLog.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Entity/ShopBuyer.h"
#include "game/Entity/StoreEntityServices.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/GameTables.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Game/TableCost.h"
#include "game/Pers/PersManager.h"
#include "game/Util/InputLocks.h"

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
// The companion's pace by shop level.
constexpr std::array<float, EntityShop::kLastLevel + 1> kSpeedByLevel{1.0f, 1.4f, 1.6f, 1.8f, 2.0f};
// The panel's picture of the shop at level n is frame n + 54, of a shelf at row level n frame n + 9.
constexpr std::int32_t kShopPictureBase = 54;
constexpr std::int32_t kShelfPictureBase = 9;
constexpr std::uint32_t kShelfLevels = 3;

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
    MakeCompanion();
    LoadPictures();
    LoadOffsets();
    mCells.Init();
    PlaceCells();
}

void EntityShop::Reset()
{
    Entity::Reset();
    SetRect({mX - 13.0f, mY - 180.0f, mX + 127.0f, mY + 10.0f});
    mCompanionPoint = CompanionHome();
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
    Korrin::PlaySoundOnce("upgrade");
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
    if (PersManager* characters = PersManager::Peek())
    {
        characters->RecalcBuyersObj();
    }
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
    Korrin::PlaySoundOnce("Storehouse");
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
    DrawQuib();
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
    out.WriteI32(mServingBuyer != nullptr ? static_cast<std::int32_t>(mServingBuyer->GetSaveNumber()) : -1);
    out.WriteU16(mUpgradeLevel);
}

bool EntityShop::IsCompanionAnimation(const std::string& name)
{
    return std::find(kCompanionAnimations.begin(), kCompanionAnimations.end(), name) !=
           kCompanionAnimations.end();
}

void EntityShop::SaveCompanion(Korrin::BinaryWriter& out)
{
    if (CompanionPlays())
    {
        mCompanion->Save(out);
        return;
    }
    // Without the characters' data the record keeps the same layout: the errand's animation, his place
    // and the start of the animation.
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
    if (CompanionPlays())
    {
        mCompanion->Load(in);
        if (!in.Ok() || !IsCompanionAnimation(mCompanion->GetAnimationName()))
        {
            return false;
        }
        mCompanionAnimation = mCompanion->GetAnimationName();
        return true;
    }
    std::array<char, kFigureNameBytes> bytes{};
    for (char& c : bytes)
    {
        c = static_cast<char>(in.ReadU8());
    }
    const float x = in.ReadF32();
    const float y = in.ReadF32();
    in.ReadF32(); // without a figure there is no animation to go on with
    const auto end = std::find(bytes.begin(), bytes.end(), '\0');
    const std::string name(bytes.begin(), end);
    if (!in.Ok() || end == bytes.end() || !std::isfinite(x) || !std::isfinite(y) ||
        !IsCompanionAnimation(name))
    {
        return false;
    }
    mCompanionAnimation = name;
    mCompanionPoint = {x, y};
    return true;
}

void EntityShop::FindServingBuyer(std::int32_t saveNumber)
{
    mServingBuyer = nullptr;
    // Only a running service has a buyer: one set between services would make the next arrival look like a
    // second buyer at the counter.
    const PersManager* characters = PersManager::Peek();
    if (mBusy == 0 || saveNumber < 0 || characters == nullptr)
    {
        return;
    }
    mServingBuyer = characters->FindBuyer(static_cast<std::uint32_t>(saveNumber));
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
    FindServingBuyer(servingNumber);
    mUpgradeLevel = level;
    UpdateUnlockedCells();
}

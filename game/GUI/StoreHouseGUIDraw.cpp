// The storehouse window's drawing: the shop page with its shelves, the storehouse page with its boxes,
// the goods list, the totals and the dimming of confirmations and tutorial tips.
#include "engine/Gui/Font.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Render/Sprite.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/GUI/StoreHouseGUI.h"
#include "game/Game/Education.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/GameTables.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Util/TextFormat.h"

#include <algorithm>
#include <string>

namespace
{
// The goods list: a row every 44 pixels from the top, icon, count, coin and price.
constexpr float kListRowStep = 44.0f;
constexpr float kListTop = 168.0f;
constexpr float kIconX = 69.0f;
constexpr float kMoneyIconX = 180.0f;
constexpr Korrin::Rect kCountArea{90.0f, 175.0f, 200.0f, 206.0f};
constexpr Korrin::Rect kPriceArea{221.0f, 174.0f, 321.0f, 205.0f};
constexpr Korrin::Rect kTotalArea{714.0f, 530.0f, 842.0f, 587.0f};
// Texts are a little narrower than the font, centred both ways.
constexpr float kTextSpacing = 0.85f;
constexpr std::uint32_t kCentred = 12;
const Korrin::Colour kWhite{1.0f, 1.0f, 1.0f, 1.0f};
// A hovered good is drawn again, added half over itself.
const Korrin::Colour kHoverGlow{1.0f, 1.0f, 1.0f, 0.5f};
// A shop shelf's cells are two columns; its places go two to a row.
constexpr std::uint32_t kPlacesPerShelfRow = 2;
// New goods sit a little apart from the place of goods already there.
constexpr float kNewShopGoodsShift = 5.0f;
constexpr float kSlotDrop = 5.0f;
constexpr float kStoreShift = 5.0f;
// The storehouse's doors close the rows above its level.
constexpr float kDoorLeft = 2.0f;
constexpr float kDoorTop = 13.0f;
constexpr float kDoorStep = 72.0f;
constexpr std::uint16_t kLevel21 = 21;
constexpr std::int32_t kStoreTipGroup = 1;

Korrin::Rect Down(const Korrin::Rect& rect, float dy)
{
    return {rect.left, rect.top + dy, rect.right, rect.bottom + dy};
}

void DrawNumber(Korrin::Font* font, const Korrin::Rect& area, const std::u16string& text)
{
    if (font != nullptr)
    {
        font->DrawAlignedScaled(area, text, kTextSpacing, 1.0f, 1.0f, 1.0f, kWhite, kCentred);
    }
}

// Open places of a shop shelf and the most it can have, from its row level and its price record.
std::uint32_t OpenPlaces(std::uint16_t rowLevel)
{
    return (static_cast<std::uint32_t>(rowLevel) + 1) * kPlacesPerShelfRow;
}

std::uint32_t MostPlaces(const CostRecord& cost)
{
    return OpenPlaces(std::min<std::uint16_t>(cost.maxLevel, EntityShop::kLastRowLevel));
}
} // namespace

void StoreHouseGUI::Draw()
{
    if (mMainWindow != nullptr)
    {
        mMainWindow->Draw();
    }
    StoreWindowArt::DrawAtOwnPlace(mArt.mBoards[mPage == kShopPage ? 0 : 1]);
    if (mPage == kShopPage)
    {
        DrawBuy();
    }
    else
    {
        DrawStore();
    }
    for (Korrin::GuiContainer* confirm : {mBuyConfirm, mSaleConfirm})
    {
        if (confirm != nullptr && !confirm->IsDisabled())
        {
            if (mArt.mDim != nullptr)
            {
                mArt.mDim->DrawScale(0, 0, 1024, 768);
            }
            confirm->Draw();
        }
    }
    DrawTutorialDim();
}

void StoreHouseGUI::DrawTutorialDim()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    const Main* main = Main::Peek();
    EducationSlot* slot = main != nullptr ? main->GetEducationSlot() : nullptr;
    Education* tutorial = slot != nullptr ? slot->Get() : nullptr;
    if (task == nullptr || tutorial == nullptr || mArt.mDim == nullptr ||
        tutorial->GetCurrentGroup() != kStoreTipGroup)
    {
        return;
    }
    const auto group = tutorial->GetGroups().find(kStoreTipGroup);
    // A tip the player has read no longer dims the window: the group stays current at its last tip.
    if (group == tutorial->GetGroups().end() || group->second.local != 0 || group->second.finished != 0)
    {
        return;
    }
    if (task->level == 1 || (task->level == kLevel21 && slot->IsEventActive()))
    {
        mArt.mDim->DrawScale(0, 0, 1024, 768);
    }
}

void StoreHouseGUI::DrawGoodsList()
{
    const StoreTrade::GoodsCounts& list = mPage == kShopPage ? mTrade.GetStoreCounts() : mTrade.GetBuyList();
    float d = 0.0f;
    for (const auto& [goods, count] : list)
    {
        StoreWindowArt::DrawFrame(mArt.mListIcons, GetGoodsIndex(goods), kIconX, kListTop + d);
        DrawNumber(mArt.mListFont, Down(kCountArea, d), u"x" + TextFormat::Decimal(count));
        StoreWindowArt::DrawAt(mArt.mMoneyIcon, kMoneyIconX, kListTop + d);
        const std::uint16_t price =
            mPage == kShopPage ? TableCost::GetSalePrice(goods) : TableCost::GetStoreHousePrice(goods);
        DrawNumber(mArt.mListFont, Down(kPriceArea, d), TextFormat::Decimal(price));
        d += kListRowStep;
    }
}

void StoreHouseGUI::DrawTotal(std::uint32_t total)
{
    DrawNumber(mArt.mTotalFont, kTotalArea, TextFormat::Decimal(total));
}

void StoreHouseGUI::DrawGoods(Korrin::AnimatedSprite* sprite, std::uint8_t goods, float x, float y,
                              bool hovered)
{
    const std::int32_t frame = GetGoodsIndex(goods);
    if (sprite == nullptr || frame < 0)
    {
        return;
    }
    StoreWindowArt::DrawFrame(sprite, frame, x, y);
    if (hovered)
    {
        sprite->SetBlendMode(Korrin::RenderData::kBlendAdd);
        sprite->SetColourV(kHoverGlow);
        StoreWindowArt::DrawFrame(sprite, frame, x, y);
        sprite->SetBlendMode(Korrin::RenderData::kBlendAlpha);
        sprite->SetColourV(kWhite);
    }
}

StoreHouseGUI::LockPlaces StoreHouseGUI::GetLockPlaces(bool firstShelf) const
{
    LockPlaces locks;
    const Korrin::Sprite* shelf =
        StoreWindowArt::PictureOf(firstShelf ? mArt.mShelf1Pictures : mArt.mShelf2Pictures, ShopLevel());
    if (mShop == nullptr || shelf == nullptr)
    {
        return locks;
    }
    // The closed places of a shelf are those from its first closed one up to the last it can open.
    const std::uint32_t open = OpenPlaces(firstShelf ? mShop->GetLeftRowLevel() : mShop->GetRightRowLevel());
    const std::uint32_t most = MostPlaces(firstShelf ? mShop->GetLeftCost() : mShop->GetRightCost());
    for (std::uint32_t place = open;
         place < most && place < mArt.mLockOffsets.size() && locks.count < locks.places.size(); ++place)
    {
        locks.places[locks.count++] = {shelf->GetPosition().x + mArt.mLockOffsets[place].x,
                                       shelf->GetPosition().y + mArt.mLockOffsets[place].y};
    }
    return locks;
}

void StoreHouseGUI::DrawShelfLocks(bool firstShelf)
{
    const LockPlaces locks = GetLockPlaces(firstShelf);
    for (std::size_t i = 0; i < locks.count; ++i)
    {
        StoreWindowArt::DrawAt(mArt.mLockIcon, locks.places[i].x, locks.places[i].y);
    }
}

void StoreHouseGUI::DrawShopCells(bool firstShelf)
{
    const std::vector<StoreTrade::Cell>& cells = mTrade.GetShopCells();
    ParticleSystemList& particles = firstShelf ? mShelf1Particles : mShelf2Particles;
    bool particlesDrawn = false;
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        const std::optional<CellView> view = ViewOfCell(i, true);
        if (!view || StoreWindowArt::OnFirstShelf(i, PageColumns()) != firstShelf)
        {
            continue;
        }
        const StoreTrade::Cell& cell = cells[i];
        const Korrin::Vector2 at = view->place;
        if (cell.IsFree() || cell.HoldsNewGoods())
        {
            StoreWindowArt::DrawAt(mArt.mShopSlot, at.x, at.y + kSlotDrop);
        }
        // The highlight glows over the slots and under the goods.
        if (!particlesDrawn)
        {
            particles.Draw();
            particlesDrawn = true;
        }
        const bool hovered = mHoveredCell == static_cast<std::int32_t>(i);
        if (cell.HoldsOldGoods())
        {
            DrawGoods(mArt.mShopGoods, cell.goods, at.x, at.y, hovered);
        }
        else if (cell.HoldsNewGoods())
        {
            DrawGoods(mArt.mShopNewGoods, cell.goods, at.x + kNewShopGoodsShift, at.y + kNewShopGoodsShift,
                      hovered);
        }
    }
}

void StoreHouseGUI::DrawBuy()
{
    const std::size_t level = ShopLevel();
    StoreWindowArt::DrawAtOwnPlace(StoreWindowArt::PictureOf(mArt.mShelf1Pictures, level));
    DrawShelfLocks(true);
    DrawShopCells(true);
    StoreWindowArt::DrawAtOwnPlace(StoreWindowArt::PictureOf(mArt.mShopPictures, level));
    if (mSecondShelf == 0)
    {
        StoreWindowArt::DrawAtOwnPlace(mArt.mFoundation);
    }
    else
    {
        StoreWindowArt::DrawAtOwnPlace(StoreWindowArt::PictureOf(mArt.mShelf2Pictures, level));
        DrawShelfLocks(false);
        DrawShopCells(false);
    }
    DrawNewGoodsFrames();
    DrawGoodsList();
    if (level >= StoreWindowArt::kShopLevels)
    {
        Korrin::ReportAndBreak("Level upgrade >=5 (StoreHouseGUI::DrawBuy)", Korrin::kGameModule,
                               "Source\\GUI\\StoreHouseGUI", 1732);
        return;
    }
    for (std::size_t c = 0; c < StoreWindowArt::kFlowersPerLevel; ++c)
    {
        StoreWindowArt::DrawAtOwnPlace(mArt.mFlowers[level * StoreWindowArt::kFlowersPerLevel + c]);
    }
    DrawTotal(mTrade.GetSaleTotal());
}

void StoreHouseGUI::DrawStoreCells()
{
    const std::vector<StoreTrade::Cell>& cells = mTrade.GetStoreCells();
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        const StoreTrade::Cell& cell = cells[i];
        const Korrin::Vector2 at = mArt.StoreCellPlace(i, PageColumns());
        if (cell.IsFree() || cell.HoldsNewGoods())
        {
            StoreWindowArt::DrawAt(mArt.mStoreSlot, at.x - kStoreShift, at.y);
        }
        const bool hovered = mHoveredCell == static_cast<std::int32_t>(i);
        if (cell.HoldsOldGoods())
        {
            DrawGoods(mArt.mStorehouseGoods, cell.goods, at.x, at.y, hovered);
        }
        else if (cell.HoldsNewGoods())
        {
            DrawGoods(mArt.mStorehouseNewGoods, cell.goods, at.x - kStoreShift, at.y, hovered);
        }
    }
}

void StoreHouseGUI::DrawStore()
{
    const std::uint16_t level = mStorehouse != nullptr ? mStorehouse->GetUpgradeLevel() : 0;
    const std::uint16_t most = mStorehouse != nullptr ? mStorehouse->GetCost().maxLevel : 0;
    const Korrin::Vector2 origin = mArt.mStorehouseOrigin;
    StoreWindowArt::DrawAt(mArt.mStorehousePicture, origin.x, origin.y);
    StoreWindowArt::DrawAtOwnPlace(StoreWindowArt::PictureOf(mArt.mStorehouseDown, level));
    StoreWindowArt::DrawAtOwnPlace(StoreWindowArt::PictureOf(mArt.mStorehouseUp, level));
    DrawGoodsList();
    for (std::uint32_t row = level + 1u; row <= most && row < EntityStorehouse::kRows; ++row)
    {
        StoreWindowArt::DrawFrame(mArt.mDoors, level, origin.x + kDoorLeft,
                                  origin.y + kDoorTop + kDoorStep * static_cast<float>(row));
    }
    mStoreParticles.Draw();
    DrawStoreCells();
    DrawNewGoodsFrames();
    StoreWindowArt::DrawAtOwnPlace(mArt.mShovel);
    StoreWindowArt::DrawAtOwnPlace(mArt.mStone);
    DrawTotal(mTrade.GetBuyTotal());
}

void StoreHouseGUI::DrawNewGoodsFrames()
{
    const std::vector<StoreTrade::Cell>& cells =
        mPage == kShopPage ? mTrade.GetShopCells() : mTrade.GetStoreCells();
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        const std::optional<CellView> view = cells[i].HoldsNewGoods() ? ViewOfCell(i, false) : std::nullopt;
        if (view)
        {
            DrawFrame(view->hit.left, view->hit.top, view->hit.right, view->hit.bottom, kWhite);
        }
    }
}

void StoreHouseGUI::DrawFrame(float left, float top, float right, float bottom, const Korrin::Colour& colour)
{
    Korrin::RenderSystem* render = Korrin::RenderSystem::Peek();
    if (render == nullptr)
    {
        return;
    }
    const std::uint32_t packed = colour.ToARGB();
    render->DrawLine(left, top, right, top, packed);
    render->DrawLine(left, bottom, right, bottom, packed);
    render->DrawLine(left, bottom, left, top, packed);
    render->DrawLine(right, bottom, right, top, packed);
}

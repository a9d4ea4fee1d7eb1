#include "game/GUI/StoreHouseGUI.h"

#include "engine/App/InputManager.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiImage.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/LevelLookup.h"
#include "game/Game/GamePanel.h"
#include "game/Util/InputLocks.h"
#include "game/Util/VirtualMouse.h"

namespace
{
// The title strip and the window's frame are cut from the layout's picture, one look per page.
constexpr Korrin::Rect kShopTitleSource{0.0f, 681.0f, 1024.0f, 769.0f};
constexpr Korrin::Rect kStoreTitleSource{0.0f, 770.0f, 1024.0f, 858.0f};
constexpr Korrin::Rect kShopFrameSource{739.0f, 926.0f, 881.0f, 1024.0f};
constexpr Korrin::Rect kStoreFrameSource{881.0f, 926.0f, 1024.0f, 1024.0f};
// New goods answer the mouse inside these squares of their cell's place.
constexpr float kShopHitInset = 10.0f;
constexpr float kShopHitSize = 40.0f;
constexpr float kStoreHitSize = 65.0f;
// A highlight's effect stands at the middle of its cell.
constexpr float kHighlightCentre = 30.0f;

bool Inside(const Korrin::Rect& rect, const Korrin::Vector2& point)
{
    return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom;
}

Korrin::Rect Moved(const Korrin::Rect& rect, const Korrin::Vector2& by)
{
    return {rect.left + by.x, rect.top + by.y, rect.right + by.x, rect.bottom + by.y};
}

Korrin::GuiContainer* CreateDisabled(Korrin::GuiManager* widgets, const char* table)
{
    Korrin::GuiContainer* container = widgets->CreateContainer(table, StoreWindowArt::kLayoutFile);
    if (container != nullptr)
    {
        container->SetDisabled(true);
    }
    return container;
}

Korrin::GuiText* TextOf(Korrin::GuiContainer* window, const char* name)
{
    return window != nullptr ? dynamic_cast<Korrin::GuiText*>(window->GetByName(name)) : nullptr;
}

Korrin::Rect RelativeAreaOf(Korrin::GuiContainer* window, const char* name)
{
    const Korrin::GuiText* text = TextOf(window, name);
    return text != nullptr ? text->GetRelativeArea() : Korrin::Rect{};
}

void PlaceTitle(Korrin::GuiContainer* window, const char* name, const Korrin::Rect& area)
{
    if (Korrin::GuiText* text = TextOf(window, name))
    {
        text->SetRelativeArea(area);
        text->Update();
    }
}

// Enables or disables a container the way its mouse needs: the children's mouse states go too.
void SetEnabled(Korrin::GuiContainer* container, bool enabled)
{
    if (container != nullptr)
    {
        container->SetDisabled(!enabled);
    }
}
} // namespace

StoreHouseGUI::StoreHouseGUI()
{
    mActive = false;
}

StoreHouseGUI::~StoreHouseGUI() = default;

void StoreHouseGUI::Init()
{
    if (Korrin::GuiManager* widgets = Korrin::GuiManager::Peek())
    {
        mMainWindow = CreateDisabled(widgets, "StoreShop");
        mSaleConfirm = CreateDisabled(widgets, "SaleWin");
        mBuyConfirm = CreateDisabled(widgets, "BuyWin");
    }
    mArt.Load();
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek())
    {
        mShopHighlight = particles->CreateParticleSystem("selected01.particle", "selected01");
        mStoreHighlight = particles->CreateParticleSystem("selected02.particle", "selected02");
    }
    mShopTitleArea = RelativeAreaOf(mMainWindow, "TitleShop");
    mStoreTitleArea = RelativeAreaOf(mMainWindow, "TitleStorehouse");
    RefreshRows();
}

void StoreHouseGUI::SetActive(bool active)
{
    Blank::SetActive(active);
    SetEnabled(mMainWindow, active);
    SetEnabled(mBuyConfirm, false);
    SetEnabled(mSaleConfirm, false);
    if (!active)
    {
        StopHighlights();
        if (GamePanel* panel = GamePanel::Peek())
        {
            panel->SetCurrentByType(0);
        }
        return;
    }
    mPage = kShopPage;
    RefreshPage();
    FindPlaces();
    mHoveredCell = -1;
    const bool nothingToBuy = mTrade.GetBuyList().empty();
    if (Korrin::GuiElement* lock = mMainWindow != nullptr ? mMainWindow->GetByName("LockBuyPage") : nullptr)
    {
        lock->SetVisible(nothingToBuy);
    }
    if (Korrin::GuiText* title = TextOf(mMainWindow, "TitleStorehouse"))
    {
        title->SetColour(Korrin::Colour{1.0f, 1.0f, 1.0f, nothingToBuy ? 0.2f : 1.0f});
    }
    // The window shows its state at once, but takes no click before the opening click is released.
    // Opened by a released button (the panel's), nothing is held: waiting would swallow the next click.
    SetEnabled(mMainWindow, true);
    RefreshRows();
    RefreshOkCancel();
    if (mMainWindow != nullptr)
    {
        mMainWindow->Update();
    }
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    mWaitForRelease = input != nullptr && input->IsButtonDown(Korrin::InputManager::kLeftButton) ? 1 : 0;
    SetEnabled(mMainWindow, mWaitForRelease == 0);
}

void StoreHouseGUI::FindPlaces()
{
    EntityManager* entities = LevelLookup::Entities();
    mStorehouse = entities != nullptr
                      ? dynamic_cast<EntityStorehouse*>(entities->GetEntity(Entity::kStorehouse))
                      : nullptr;
    mShop = entities != nullptr ? dynamic_cast<EntityShop*>(entities->GetEntity(Entity::kShop)) : nullptr;
    mSecondShelf = mShop != nullptr && mShop->HasRightHalf() ? 1 : 0;
    mTrade.Open(mShop != nullptr ? &mShop->GetCells() : nullptr,
                mStorehouse != nullptr ? &mStorehouse->GetCells() : nullptr);
}

void StoreHouseGUI::RefreshPage()
{
    const bool shopPage = mPage == kShopPage;
    if (auto* title = mMainWindow != nullptr
                          ? dynamic_cast<Korrin::GuiImage*>(mMainWindow->GetByName("title"))
                          : nullptr)
    {
        title->SetSrcRect(shopPage ? kShopTitleSource : kStoreTitleSource);
    }
    if (mMainWindow != nullptr)
    {
        mMainWindow->SetFrameSource(shopPage ? kShopFrameSource : kStoreFrameSource);
        mMainWindow->SetWinSize(mMainWindow->GetWinSize(), mMainWindow->GetCornerSize());
    }
    // The title of the page not shown sits a little lower, like a tab behind the other.
    PlaceTitle(mMainWindow, "TitleStorehouse",
               shopPage ? Moved(mStoreTitleArea, mTitleShift) : mStoreTitleArea);
    PlaceTitle(mMainWindow, "TitleShop", shopPage ? mShopTitleArea : Moved(mShopTitleArea, mTitleShift));
}

bool StoreHouseGUI::IsPress() const
{
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    return input != nullptr && input->IsButtonPressed(Korrin::InputManager::kLeftButton) &&
           !InputLocks::second;
}

bool StoreHouseGUI::IsConfirmShown() const
{
    return (mSaleConfirm != nullptr && !mSaleConfirm->IsDisabled()) ||
           (mBuyConfirm != nullptr && !mBuyConfirm->IsDisabled());
}

void StoreHouseGUI::ShowConfirm(Korrin::GuiContainer* confirm)
{
    SetEnabled(confirm, true);
    SetEnabled(mMainWindow, false);
}

void StoreHouseGUI::SwitchTo(std::uint8_t page)
{
    Korrin::PlaySoundOnce("click_button");
    mPage = page;
    RefreshPage();
    RefreshRows();
}

void StoreHouseGUI::SwitchPages()
{
    // A press under an open question answers only the question.
    if (IsConfirmShown())
    {
        return;
    }
    Korrin::Vector2 mouse;
    if (VirtualMousePosition(mouse) && Inside(kShopTab, mouse) && IsPress())
    {
        if (mPage == kStorehousePage && mTrade.HasNewStoreGoods())
        {
            ShowConfirm(mBuyConfirm);
        }
        else
        {
            SwitchTo(kShopPage);
        }
    }
    if (!mTrade.GetBuyList().empty() && VirtualMousePosition(mouse) && Inside(kStorehouseTab, mouse) &&
        IsPress())
    {
        if (mPage == kShopPage && mTrade.HasNewShopGoods())
        {
            ShowConfirm(mSaleConfirm);
        }
        else
        {
            SwitchTo(kStorehousePage);
        }
    }
}

std::uint32_t StoreHouseGUI::PageColumns() const
{
    if (mPage == kShopPage)
    {
        return mShop != nullptr ? mShop->GetCells().GetWidth() : 0;
    }
    return mStorehouse != nullptr ? mStorehouse->GetCells().GetWidth() : 0;
}

std::uint16_t StoreHouseGUI::ShopLevel() const
{
    return mShop != nullptr ? mShop->GetUpgradeLevel() : 0;
}

std::optional<StoreHouseGUI::CellView> StoreHouseGUI::ViewOfCell(std::size_t index, bool forDrawing) const
{
    const std::uint32_t columns = PageColumns();
    if (mPage == kShopPage)
    {
        // The cells answer the mouse where the lowest level's shelves put them.
        const std::optional<Korrin::Vector2> place =
            mArt.ShopCellPlace(index, columns, forDrawing ? ShopLevel() : 0);
        if (!place)
        {
            return std::nullopt;
        }
        return CellView{index,
                        *place,
                        {place->x + kShopHitInset, place->y + kShopHitInset,
                         place->x + kShopHitInset + kShopHitSize, place->y + kShopHitInset + kShopHitSize}};
    }
    const Korrin::Vector2 place = mArt.StoreCellPlace(index, columns);
    return CellView{index, place, {place.x, place.y, place.x + kStoreHitSize, place.y + kStoreHitSize}};
}

void StoreHouseGUI::HoverNewGoods()
{
    const std::vector<StoreTrade::Cell>& cells =
        mPage == kShopPage ? mTrade.GetShopCells() : mTrade.GetStoreCells();
    Korrin::Vector2 mouse;
    const bool hasMouse = VirtualMousePosition(mouse);
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        if (!cells[i].HoldsNewGoods())
        {
            continue;
        }
        const std::optional<CellView> cell = ViewOfCell(i, false);
        if (!cell || !hasMouse || !Inside(cell->hit, mouse))
        {
            continue;
        }
        mHoveredCell = static_cast<std::int32_t>(i);
        StartHighlight(*cell);
        if (IsPress() && !IsConfirmShown())
        {
            TakeBack(i);
            return;
        }
    }
}

void StoreHouseGUI::StartHighlight(const CellView& cell)
{
    const bool shopPage = mPage == kShopPage;
    Korrin::ParticleSystem*& running = shopPage ? mShopHighlightRun : mStoreHighlightRun;
    Korrin::ParticleSystem* prototype = shopPage ? mShopHighlight : mStoreHighlight;
    if (running != nullptr || prototype == nullptr)
    {
        return;
    }
    ParticleSystemList& list = !shopPage                                                 ? mStoreParticles
                               : StoreWindowArt::OnFirstShelf(cell.index, PageColumns()) ? mShelf1Particles
                                                                                         : mShelf2Particles;
    prototype->SetPosition({cell.place.x + kHighlightCentre, cell.place.y + kHighlightCentre});
    running = list.Add(*prototype);
}

void StoreHouseGUI::StopHighlights()
{
    for (Korrin::ParticleSystem** running : {&mShopHighlightRun, &mStoreHighlightRun})
    {
        if (*running != nullptr)
        {
            (*running)->Stop();
            *running = nullptr;
        }
    }
}

std::size_t StoreHouseGUI::GetHighlightCount() const
{
    return mShelf1Particles.GetCount() + mShelf2Particles.GetCount() + mStoreParticles.GetCount();
}

void StoreHouseGUI::TakeBack(std::size_t cell)
{
    const bool taken = mPage == kShopPage ? mTrade.TakeBackFromShop(cell) : mTrade.TakeBackFromStore(cell);
    if (taken)
    {
        Korrin::PlaySoundOnce("Product_pick");
        RefreshRows();
    }
}

bool StoreHouseGUI::Update(float /*dt*/)
{
    RefreshOkCancel();
    RefreshRows();
    mHoveredCell = -1;
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    if (mWaitForRelease != 0 && input != nullptr &&
        input->IsButtonReleased(Korrin::InputManager::kLeftButton))
    {
        SetEnabled(mMainWindow, true);
        mWaitForRelease = 0;
    }
    SwitchPages();
    HoverNewGoods();
    if (mHoveredCell != mPreviousHoveredCell)
    {
        StopHighlights();
    }
    mPreviousHoveredCell = mHoveredCell;
    mShelf2Particles.Update();
    mShelf1Particles.Update();
    mStoreParticles.Update();
    HandleClick();
    return true;
}

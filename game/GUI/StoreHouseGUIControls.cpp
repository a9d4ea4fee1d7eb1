// The storehouse window's controls: row buttons, OK and Cancel, the confirmations, and the tutorial's
// hold on them.
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Log/LogManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/StoreHouseGUI.h"
#include "game/Game/Education.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Pers/PersManager.h"
#include "game/Util/GuiSound.h"

namespace
{
// The first buyer comes at the character manager's next update once its timer stands this high.
constexpr float kAdmitAtOnce = 10.0f;
constexpr std::uint16_t kFirstLevel = 1;

std::string RowButtonName(std::uint32_t row, bool all)
{
    return std::to_string(row + 1) + (all ? "_all" : "_one");
}

void Log(const char* text)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", text);
    }
}

void SetButton(Korrin::GuiButton* button, bool visible, bool enabled)
{
    button->SetVisible(visible);
    button->SetDisabled(!enabled);
}
} // namespace

Korrin::GuiButton* StoreHouseGUI::RowButton(std::uint32_t row, bool all) const
{
    return mMainWindow != nullptr
               ? dynamic_cast<Korrin::GuiButton*>(mMainWindow->GetByName(RowButtonName(row, all)))
               : nullptr;
}

bool StoreHouseGUI::IsTutorialLocked() const
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    const Main* main = Main::Peek();
    const EducationSlot* slot = main != nullptr ? main->GetEducationSlot() : nullptr;
    Education* tutorial = slot != nullptr ? slot->Get() : nullptr;
    if (task == nullptr || task->level != kFirstLevel || tutorial == nullptr || !slot->IsEnabled())
    {
        return false;
    }
    // The tip is looked up without asking for one the tutorial does not have.
    const auto group = tutorial->GetGroups().find(tutorial->GetCurrentGroup());
    if (group == tutorial->GetGroups().end() || group->second.local >= group->second.events.size())
    {
        return false;
    }
    return group->second.events[group->second.local].timer != Education::kUnarmed;
}

void StoreHouseGUI::PlaceRowButton(Korrin::GuiButton* button, bool shifted)
{
    const Korrin::Vector2 at = button->GetLocalPosition();
    const bool atHome = at.x == *mRowHomeX;
    if (shifted && atHome)
    {
        button->SetLocalPosition({at.x + kRowButtonShift, at.y});
    }
    else if (!shifted && !atHome)
    {
        button->SetLocalPosition({at.x - kRowButtonShift, at.y});
    }
}

void StoreHouseGUI::RefreshRows()
{
    const bool shopPage = mPage == kShopPage;
    const std::size_t count = shopPage ? mTrade.GetStoreCounts().size() : mTrade.GetBuyList().size();
    const bool locked = IsTutorialLocked();
    for (std::uint32_t row = 0; row < kRowCount; ++row)
    {
        Korrin::GuiButton* one = RowButton(row, false);
        Korrin::GuiButton* all = RowButton(row, true);
        if (one == nullptr || all == nullptr)
        {
            continue;
        }
        if (!mRowHomeX)
        {
            const Korrin::GuiButton* first = RowButton(0, false);
            mRowHomeX = first != nullptr ? first->GetLocalPosition().x : one->GetLocalPosition().x;
        }
        if (row >= count)
        {
            SetButton(one, false, false);
            SetButton(all, false, false);
            continue;
        }
        std::uint8_t goods = 0;
        if (shopPage)
        {
            PlaceRowButton(one, false);
            const bool canMove = mTrade.HasFreeShopCell();
            SetButton(one, true, canMove && !locked);
            SetButton(all, true, canMove && !locked);
        }
        else
        {
            PlaceRowButton(one, true);
            const bool canBuy =
                mTrade.HasFreeStoreCell() && mTrade.GetBuyGoods(row, goods) && mTrade.CanAfford(goods);
            SetButton(one, true, canBuy && !locked);
            SetButton(all, false, false);
        }
    }
}

void StoreHouseGUI::RefreshOkCancel()
{
    const bool locked = IsTutorialLocked();
    auto* ok = mMainWindow != nullptr
                   ? dynamic_cast<Korrin::GuiButton*>(mMainWindow->GetByName("StoreShop_OK"))
                   : nullptr;
    if (ok == nullptr)
    {
        Log("Ошибка обращения к элементу кнопки OK");
    }
    else
    {
        const bool hasMoves = mPage == kShopPage ? mTrade.HasNewShopGoods() : mTrade.HasNewStoreGoods();
        ok->SetDisabled(!hasMoves || locked);
    }
    auto* cancel = mMainWindow != nullptr
                       ? dynamic_cast<Korrin::GuiButton*>(mMainWindow->GetByName("StoreShop_Cancel"))
                       : nullptr;
    if (cancel == nullptr)
    {
        Log("Ошибка обращения к элементу кнопки Cancel");
    }
    else
    {
        cancel->SetDisabled(locked);
    }
}

bool StoreHouseGUI::MoveOne(std::uint32_t row)
{
    PlayGuiSound("click_button");
    const bool moved = mTrade.MoveOne(row);
    RefreshRows();
    return moved;
}

bool StoreHouseGUI::MoveAll(std::uint32_t row)
{
    const bool moved = mTrade.MoveAll(row) > 0;
    RefreshRows();
    return moved;
}

bool StoreHouseGUI::BuyOne(std::uint32_t row)
{
    PlayGuiSound("click_button");
    const bool bought = mTrade.BuyOne(row);
    RefreshRows();
    return bought;
}

void StoreHouseGUI::CloseConfirm(Korrin::GuiContainer* confirm, std::uint8_t nextPage)
{
    if (confirm != nullptr)
    {
        confirm->SetDisabled(true);
    }
    if (mMainWindow != nullptr)
    {
        mMainWindow->SetDisabled(false);
    }
    mPage = nextPage;
    RefreshPage();
    RefreshRows();
}

void StoreHouseGUI::SettleSale(bool commit)
{
    if (commit)
    {
        mTrade.CommitSale();
        return;
    }
    PlayGuiSound("click_button");
    mTrade.CancelSale();
}

void StoreHouseGUI::SettlePurchase(bool commit)
{
    if (commit)
    {
        mTrade.CommitPurchase();
        return;
    }
    PlayGuiSound("click_button");
    mTrade.CancelPurchase();
}

void StoreHouseGUI::Close(bool commit)
{
    PlayGuiSound("click_button");
    if (mPage == kShopPage)
    {
        SettleSale(commit);
    }
    else
    {
        SettlePurchase(commit);
    }
    if (GameGuiManager* windows = Main::Peek() != nullptr ? Main::Peek()->GetGameGuiManager() : nullptr)
    {
        windows->Show(GameGuiManager::kNoWindow);
    }
    PersManager* characters = PersManager::Peek();
    if (commit && characters != nullptr && characters->GetBuyersOnField() == 0)
    {
        characters->SetAdmissionTimer(kAdmitAtOnce);
    }
}

bool StoreHouseGUI::HandleWindowControl(const std::string& name)
{
    if (name == "SaleOK" || name == "SaleCancel")
    {
        PlayGuiSound("click_button");
        SettleSale(name == "SaleOK");
        mTrade.ClearSaleTotal();
        CloseConfirm(mSaleConfirm, kStorehousePage);
        return true;
    }
    if (name == "BuyOK" || name == "BuyCancel")
    {
        PlayGuiSound("click_button");
        SettlePurchase(name == "BuyOK");
        mTrade.ClearBuyTotal();
        CloseConfirm(mBuyConfirm, kShopPage);
        return true;
    }
    if (name == "StoreShop_OK" || name == "StoreShop_Cancel")
    {
        Close(name == "StoreShop_OK");
        return true;
    }
    return false;
}

bool StoreHouseGUI::HandleRowControl(const std::string& name)
{
    const bool shopPage = mPage == kShopPage;
    const std::size_t count = shopPage ? mTrade.GetStoreCounts().size() : mTrade.GetBuyList().size();
    for (std::uint32_t row = 0; row < count && row < kRowCount; ++row)
    {
        if (name == RowButtonName(row, false))
        {
            shopPage ? MoveOne(row) : BuyOne(row);
            PlayGuiSound("Product_put");
            return true;
        }
        if (shopPage && name == RowButtonName(row, true))
        {
            MoveAll(row);
            PlayGuiSound("Product_put");
            return true;
        }
    }
    return false;
}

void StoreHouseGUI::HandleClick()
{
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    if (clicked == nullptr)
    {
        return;
    }
    const std::string name = clicked->GetName();
    if (!HandleWindowControl(name))
    {
        HandleRowControl(name);
    }
}

#pragma once

#include "engine/Particle/ParticleSystemList.h"
#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"
#include "game/GUI/StoreTrade.h"
#include "game/GUI/StoreWindowArt.h"
#include "game/Util/Blank.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class EntityShop;
class EntityStorehouse;

namespace Korrin
{
class GuiButton;
class GuiContainer;
class ParticleSystem;
} // namespace Korrin

// The storehouse and shop window (window 0). Its shop page fills the shop's shelves from the
// storehouse's stock; its storehouse page buys goods into the storehouse for the level's money. Row
// buttons move one or all units of a row, a click on goods placed in this visit takes them back, OK
// commits the shown page's moves and closes, Cancel drops them and closes; leaving a page with moves
// not yet committed asks first. It opens and closes at once, without a sliding frame.
class StoreHouseGUI : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 0;
    static constexpr std::uint8_t kShopPage = 0;
    static constexpr std::uint8_t kStorehousePage = 1;
    static constexpr std::uint32_t kRowCount = 12;
    // How far a one-button stands right of its shop-page place on the storehouse page.
    static constexpr float kRowButtonShift = 40.0f;
    // The tabs at the top of the screen.
    static constexpr Korrin::Rect kShopTab{20.0f, 14.0f, 505.0f, 86.0f};
    static constexpr Korrin::Rect kStorehouseTab{520.0f, 14.0f, 1005.0f, 86.0f};

    StoreHouseGUI();
    ~StoreHouseGUI() override;
    StoreHouseGUI(const StoreHouseGUI&) = delete;
    StoreHouseGUI& operator=(const StoreHouseGUI&) = delete;

    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override;
    // Opening takes fresh copies of the level's shop and storehouse and starts on the shop page.
    void SetActive(bool active) override;

    // The titles and the frame for the shown page.
    void RefreshPage();
    // States and places of the 24 row buttons.
    void RefreshRows();
    // States of OK and Cancel.
    void RefreshOkCancel();
    // Acts on the widget clicked in this frame.
    void HandleClick();

    // The row buttons' actions, each with its sound.
    bool MoveOne(std::uint32_t row);
    bool MoveAll(std::uint32_t row);
    bool BuyOne(std::uint32_t row);

    std::uint8_t GetPage() const { return mPage; }
    void SetPage(std::uint8_t page) { mPage = page; }
    // The goods the level sells into the storehouse (goods id -> 1), filled by the level loader.
    StoreTrade::GoodsCounts& GetBuyList() { return mTrade.GetBuyList(); }
    StoreTrade& GetTrade() { return mTrade; }
    std::int32_t GetHoveredCell() const { return mHoveredCell; }
    bool IsWaitingForRelease() const { return mWaitForRelease != 0; }
    Korrin::GuiContainer* GetMainWindow() const { return mMainWindow; }
    Korrin::GuiContainer* GetSaleConfirm() const { return mSaleConfirm; }
    Korrin::GuiContainer* GetBuyConfirm() const { return mBuyConfirm; }
    const StoreWindowArt& GetArt() const { return mArt; }
    // The highlight effects alive, and whether one follows the hovered goods.
    std::size_t GetHighlightCount() const;
    bool IsHighlightRunning() const { return mShopHighlightRun != nullptr || mStoreHighlightRun != nullptr; }
    // Where the locks of a shop shelf's closed places stand at the shop's level.
    struct LockPlaces
    {
        std::array<Korrin::Vector2, 6> places{};
        std::size_t count = 0;
    };
    LockPlaces GetLockPlaces(bool firstShelf) const;
    // A row's one-button ("1_one") or all-button ("1_all"), row counting from 0; null when missing.
    Korrin::GuiButton* RowButton(std::uint32_t row, bool all) const;

private:
    // One copied cell of the shown page, with its place and hit rectangle.
    struct CellView
    {
        std::size_t index = 0;
        Korrin::Vector2 place;
        Korrin::Rect hit;
    };

    void FindPlaces();
    bool IsPress() const;
    bool IsConfirmShown() const;
    void ShowConfirm(Korrin::GuiContainer* confirm);
    void CloseConfirm(Korrin::GuiContainer* confirm, std::uint8_t nextPage);
    void SwitchTo(std::uint8_t page);
    void SwitchPages();
    void HoverNewGoods();
    void StartHighlight(const CellView& cell);
    void StopHighlights();
    void TakeBack(std::size_t cell);
    bool HandleWindowControl(const std::string& name);
    bool HandleRowControl(const std::string& name);
    // Commits or drops a page's moves (dropping plays its own click).
    void SettleSale(bool commit);
    void SettlePurchase(bool commit);
    void Close(bool commit);
    bool IsTutorialLocked() const;
    void PlaceRowButton(Korrin::GuiButton* button, bool shifted);
    std::optional<CellView> ViewOfCell(std::size_t index, bool forDrawing) const;
    std::uint32_t PageColumns() const;
    std::uint16_t ShopLevel() const;

    void DrawBuy();
    void DrawStore();
    void DrawGoodsList();
    void DrawTotal(std::uint32_t total);
    void DrawShopCells(bool firstShelf);
    void DrawShelfLocks(bool firstShelf);
    void DrawStoreCells();
    void DrawGoods(Korrin::AnimatedSprite* sprite, std::uint8_t goods, float x, float y, bool hovered);
    void DrawNewGoodsFrames();
    void DrawTutorialDim();
    static void DrawFrame(float left, float top, float right, float bottom, const Korrin::Colour& colour);

    StoreWindowArt mArt;
    StoreTrade mTrade;
    Korrin::GuiContainer* mMainWindow = nullptr; // the widget manager's
    Korrin::GuiContainer* mSaleConfirm = nullptr;
    Korrin::GuiContainer* mBuyConfirm = nullptr;
    std::uint8_t mPage = kShopPage;
    std::uint8_t mSecondShelf = 0;
    ParticleSystemList mShelf2Particles;
    ParticleSystemList mShelf1Particles;
    ParticleSystemList mStoreParticles;
    Korrin::ParticleSystem* mShopHighlight = nullptr; // the particle manager's prototypes
    Korrin::ParticleSystem* mStoreHighlight = nullptr;
    Korrin::ParticleSystem* mShopHighlightRun = nullptr; // running copies, owned by the lists
    Korrin::ParticleSystem* mStoreHighlightRun = nullptr;
    EntityStorehouse* mStorehouse = nullptr;
    EntityShop* mShop = nullptr;
    std::int32_t mHoveredCell = -1;
    std::int32_t mPreviousHoveredCell = -1;
    Korrin::Rect mShopTitleArea;
    Korrin::Rect mStoreTitleArea;
    Korrin::Vector2 mTitleShift{0.0f, 5.0f};
    std::uint8_t mWaitForRelease = 0;
    // Where row 1's one-button stands on the shop page, as first seen.
    std::optional<float> mRowHomeX;
};

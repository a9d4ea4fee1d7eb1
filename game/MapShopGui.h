#pragma once

#include "engine/Util/SafeVector.h"
#include "engine/Util/Vector2.h"
#include "game/MapShopItem.h"
#include "game/Util/Blank.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class HintArrow;

namespace Korrin
{
class AnimatedSprite;
class GuiContainer;
class Sprite;
} // namespace Korrin

// The map shop: a full-screen panel of the world map in which the player spends the money carried
// between levels on the 22 goods of the price table (workers, buildings' upgrades, the rope...).
class MapShopGui : public Blank
{
public:
    static constexpr const char* kScript = "MapShop.lua";
    static constexpr std::size_t kGoodsCount = 22;
    static constexpr std::size_t kRopeIndex = 20;
    static constexpr std::uint8_t kRopeId = 1;
    static constexpr std::uint32_t kAllBoughtAchievement = 0;

    MapShopGui();
    ~MapShopGui() override;
    MapShopGui(const MapShopGui&) = delete;
    MapShopGui& operator=(const MapShopGui&) = delete;

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    // Every item's points and state and every button's price, from the price table and the money.
    void UpdateItems();
    // Buys the next level of item i; false (nothing changed) when it cannot be bought: no record, no
    // row for that level, or a price above the money.
    bool Buy(std::size_t index);

    static std::uint8_t GetIdByIndex(int index);
    static int GetIndexById(std::uint8_t costId);
    static std::string GetNameById(std::uint8_t costId);
    // The hover hint of an item with that many points.
    static std::string HintName(std::size_t index, std::uint16_t points);

    const Korrin::SafeVector<MapShopItem*>& GetItems() const { return mItems; }
    Korrin::GuiContainer* GetContainer() const { return mContainer; }
    const std::string& GetRopeText(std::size_t level) const { return mRopeTexts[level]; }
    bool IsTutorialLocked() const;
    // Where the arrow points to a required good of that index.
    static Korrin::Vector2 ArrowTarget(int index);

private:
    void UpdateHoverHints();
    void UpdateRopeCaption();
    void UpdateMoneyCaption();
    void HandleClick();
    void DrawItem(std::size_t index, const MapShopItem& item);
    void DrawItemIcon(const MapShopItem& item, float x, float y);
    void DrawItemMarks(const MapShopItem& item, float x, float y);
    void DrawArrowToRequiredGoods();
    // The first good that the level of the highest level reached requires and lacks, or -1.
    int FirstMissingRequirement() const;
    void StartOrEndTutorial(bool opening);

    Korrin::SafeVector<MapShopItem*> mItems{"MapShopGui::items"};
    Korrin::Sprite* mBackground = nullptr;
    Korrin::GuiContainer* mContainer = nullptr; // the widget manager's
    Korrin::Sprite* mCheck = nullptr;
    Korrin::AnimatedSprite* mIcons = nullptr;
    Korrin::AnimatedSprite* mMounts = nullptr;
    Korrin::AnimatedSprite* mDots = nullptr;
    Korrin::AnimatedSprite* mStars = nullptr;
    std::uint16_t mMountWidth = 0;
    std::uint16_t mMountHeight = 0;
    std::unique_ptr<HintArrow> mArrow;
    std::array<std::string, 4> mRopeTexts;
    Korrin::Sprite* mShade = nullptr;
    bool mReenablePending = false;
};

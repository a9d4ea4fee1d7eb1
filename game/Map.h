#pragma once

#include "engine/Util/RandomGenerator.h"
#include "engine/Util/Rect.h"
#include "engine/Util/SafeVector.h"
#include "engine/Util/Vector2.h"
#include "game/ButterflyList.h"
#include "game/CupSparkle.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/Game/LevelProgressView.h"
#include "game/MapButton.h"
#include "game/MapItem.h"
#include "game/MapSettings.h"
#include "game/Util/AnimatedObjectList.h"
#include "game/Util/Blank.h"
#include "game/Util/NamedObjectContainer.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>

class GameGuiManager;
class MapShopGui;
class StartNewLevelGui;

namespace Korrin
{
class AnimatedSprite;
class GuiContainer;
class Mesh;
class ParticleSystem;
class Sprite;
} // namespace Korrin

// The world map between the levels: a painted landscape with sky, flowing water, turning wheels,
// animals and decorations that appear as the player advances, a button per level, the shop and the
// way back to the menu. Owns the map shop, the progress boards and the levels' map settings.
class Map : public Blank, public NamedObjectContainer, public LevelProgressView
{
public:
    // The decorations that the start shows and progress removes.
    static constexpr std::uint32_t kFirstStartItem = 28;
    static constexpr std::uint32_t kSecondStartItem = 29;
    static constexpr std::uint32_t kLeastItems = 30;
    static constexpr std::uint32_t kLevelCount = 67;
    static constexpr const char* kScript = "Map.lua";
    static constexpr const char* kShopName = "MapShopGui";
    // The levels whose first start plays a story clip (0-based), with the clip and the story stage
    // below which it plays.
    struct StoryLevel
    {
        std::uint32_t level;
        std::int32_t clip;
        std::int32_t stageBelow;
    };
    static constexpr std::array<StoryLevel, 4> kStoryLevels{{{2, 2, 1}, {9, 3, 2}, {21, 4, 3}, {47, 5, 4}}};

    Map();
    ~Map() override;
    Map(const Map&) = delete;
    Map& operator=(const Map&) = delete;

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    const MapSettings& GetSettings() const { return mSettings; }
    MapSettings& GetSettings() { return mSettings; }
    ProgressBoardManager& GetBoards() { return mBoards; }
    MapShopGui* GetShop() const { return mShop; }

    // The start state: every item hidden, but for the two start items.
    void ResetItems();
    // Shows the items of the levels reached (0 to the highest, both included), at once.
    void ShowReachedItems();
    // Null, with a report, past the end.
    MapItem* GetItem(std::uint32_t index);
    std::uint32_t GetItemCount() const { return static_cast<std::uint32_t>(mItems.size()); }
    // The scenery item of the level now reached fades in and the rivals' boards move on.
    void ShowNewHighestLevel(std::uint16_t highestLevel) override;
    // Null past the end.
    MapButton* GetButton(std::uint32_t index) const;
    const std::array<Korrin::Mesh*, 3>& GetMillWheels() const { return mMillWheels; }
    std::uint32_t GetButtonCount() const { return static_cast<std::uint32_t>(mButtons.size()); }

    // Every button's state from the player's progress and purchases.
    void ComputeButtonStates();
    // The first clicked button that is not locked, or -1.
    std::int32_t GetClickedButton() const;
    // Carries out a click of a level button (0-based): the map shop when the newest level lacks goods it
    // requires, else the start window (or the continue window for a saved level). True when it opened
    // the map shop.
    bool ClickLevel(std::int32_t level);
    // True when a good that the level requires is not bought at its required level.
    bool LacksRequiredGoods(std::uint32_t level) const;

    // The goods kinds of the level hints: title, icon frame and offset of a cost id at a level.
    std::u16string GetStuffTitle(std::uint8_t costId, std::uint32_t level, std::int32_t requiredLevel) const;
    Korrin::Rect GetStuffIconRect(std::uint8_t costId, std::int32_t level) const;
    Korrin::Vector2 GetStuffHintDelta(std::uint8_t costId, std::int32_t level) const;
    // The title entry of a cost id required at a 0-based level, -1 for an id outside the table.
    static std::int32_t GoodsSlot(std::uint8_t costId, std::uint32_t level, std::int32_t requiredLevel);
    // The first icon frame of a cost id, 0 for an id outside the table.
    static std::int32_t GoodsFrameBase(std::uint8_t costId);

    // What the level hint of button i shows: number, best time and the goods it needs.
    void FillLevelHint(const std::string& hintName, std::uint32_t button);
    // "05:07" for 5 minutes 7 seconds.
    static std::u16string FormatBestTime(std::uint32_t minutes, std::uint32_t seconds);

    const Korrin::SafeVector<MapItem*>& GetDrawItems() const { return mDrawItems; }
    AnimatedObjectList& GetAnimals() { return mAnimals; }
    Korrin::GuiContainer* GetMenuButtons() const { return mMenuButtons; }
    const CupSparkleList& GetCupSparkles(std::size_t kind) const { return mCupSparkles[kind]; }

private:
    void LoadDrawables();
    void LoadItemsAndButtons();
    void LoadSparkles();
    void LoadWheels();
    void LoadWater();
    void LoadHintTables();
    void LoadGoodsIcons();
    void LoadHintLayout();
    void CheckData();

    void PlayMusic();
    void UpdateAllGold();
    void UpdateButtons(float dt);
    void UpdateSparkle(CupSparkle& sparkle, std::size_t button, float dt);
    void UpdateHints();
    void UpdateFunctionalItem(MapItem& item, float dt);
    void UpdateWater(float dt);
    void UpdateEffects(float dt);
    // False when the menu button left the map.
    bool HandleMenuButtons();

    void DrawItems();
    void DrawFunctionalItem(const MapItem& item, float red, float green, float blue, float alpha);
    void DrawButtons();
    void DrawShownBoard();

    // The steps of a click on a level button.
    static std::int32_t StoryClipBefore(std::uint32_t level);
    static void PrepareStoryClip(std::int32_t level, StartNewLevelGui* start);
    static void OpenLevelWindow(GameGuiManager& windows, StartNewLevelGui* start, std::int32_t level);

    // True once the story's last clip has been seen: every level button then stays open.
    static bool FinalClipSeen();

    MapShopGui* mShop = nullptr; // owned through the container
    Korrin::Sprite* mBackground = nullptr;
    Korrin::AnimatedSprite* mSky = nullptr;
    Korrin::Sprite* mButtonSelection = nullptr;
    Korrin::Sprite* mCupSelection = nullptr;
    Korrin::AnimatedSprite* mButtonIcons = nullptr;
    Korrin::AnimatedSprite* mItemIcons = nullptr;
    Korrin::SafeVector<MapItem*> mItems{"Map::items"};
    Korrin::SafeVector<MapItem*> mDrawItems{"Map::drawItems"};
    Korrin::SafeVector<MapButton*> mButtons{"Map::buttons"};
    // The map's own sequence: the butterflies and the sparkles' delays draw from it, seeded once.
    Korrin::RandomGenerator mRandom;
    ButterflyList mButterflies{mRandom};
    std::array<Korrin::Mesh*, 3> mMillWheels{};
    Korrin::Mesh* mWaterWheel = nullptr;
    AnimatedObjectList mAnimals;
    std::array<Korrin::Mesh*, 4> mRivers{};
    Korrin::Mesh* mPond = nullptr;
    Korrin::GuiContainer* mMenuButtons = nullptr; // the widget manager's
    MapSettings mSettings;
    ProgressBoardManager mBoards;
    std::array<CupSparkleList, 2> mCupSparkles{CupSparkleList{"Map::goldSparkles"},
                                               CupSparkleList{"Map::silverSparkles"}};
    Korrin::ParticleSystem* mNextLevelSparkle = nullptr; // the particle manager's
    float mNextLevelTime = 0.0f;
    Korrin::SafeVector<Korrin::Rect> mStuffIconRects{"Map::stuffIconRects"};
    Korrin::SafeVector<Korrin::Vector2> mStuffHintDeltas{"Map::stuffHintDeltas"};
    Korrin::SafeVector<std::string> mStuffTitles{"Map::stuffTitles"};
    Korrin::Rect mStuffMarkRect;
    std::map<int, Korrin::SafeVector<Korrin::Rect>> mUpgradeRects;
};

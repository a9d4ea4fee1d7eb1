#pragma once

#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"
#include "tools/autoplay/LevelOutcome.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct BuildingKind;
class Clickable;
class EntityBuilding;
class EntityGarden;
class EntityStorehouse;
class EntityShop;
class EntityWaterWell;
class Hands;
class Level;
class StoreHouseGUI;
class StoreTrade;

namespace Korrin
{
class GuiContainer;
}

// The automatic player of one level: it reads the state of the game's objects and acts only through
// its hands, as a good player would. From the main menu it goes to the map, starts the level through
// its windows, plays it to the statistics window and back to the map.
class Player
{
public:
    struct Options
    {
        std::int32_t level = 1;
        // The level clock after which the level counts as lost; 0: twice its silver time.
        float giveUpSeconds = 0.0f;
        bool trace = false;
        // Story clips play to their end instead of being skipped.
        bool watchClips = false;
    };

    explicit Player(const Options& options) : mOptions(options) {}

    // Looks at the game between two frames and plans the next events; false once the run is over.
    bool Think(std::uint64_t frame, Hands& hands);

    const LevelOutcome& Outcome() const { return mOutcome; }
    bool Finished() const { return mFinished; }
    // A story clip showed while this level was being reached or after its win.
    bool SawClip() const { return mSawClip; }

private:
    enum class Stage
    {
        ToLevel, // menus, map, the level's opening windows
        Playing,
        Won, // the statistics window is being closed
        Done,
    };

    bool ThinkOutsideLevel(Hands& hands);
    bool AnswerWindow(std::uint8_t shown, Hands& hands);
    bool ClickWindowButton(const std::vector<std::string>& names, Hands& hands, bool anyContainer = false);
    void ThinkInLevel(Hands& hands);

    // Field actions; each returns true when it queued events.
    bool AnswerTip(Hands& hands);
    bool CatchThief(Hands& hands);
    bool CatchBag(Hands& hands);
    bool TendGardens(Hands& hands);
    bool TendWells(Hands& hands);
    bool TendBuildings(Hands& hands);
    bool TendStorehouseWindow(Hands& hands);
    bool OpenStorehouseWindow(Hands& hands);
    static std::int32_t BoughtNow(const StoreTrade& trade, std::uint8_t goods);
    bool LeavesRoomForOtherInputs(const StoreTrade& trade, std::uint8_t goods) const;
    bool UpgradeWhereItPays(Hands& hands);
    bool TendRopes(Hands& hands);
    // Whether an object's character reaches the storehouse only over a rope still to buy.
    static bool SomeoneWaitsForARope(Level& level);

    // Selects an object by a click inside its rectangle, then clicks a button of the page it opens.
    bool ClickObjectThenButton(Clickable& object, const std::string& button, Hands& hands, int tab = -1);
    void ClickObject(const Clickable& object, Hands& hands);
    // Clicks a part of an object (its rectangle, the storehouse's flag) where the object takes the click.
    bool ClickPart(const Clickable& object, const Korrin::Rect& part, Hands& hands);
    // The object of the field that takes a click at the point (the level asks them in its order).
    const Clickable* TakerOf(const Korrin::Vector2& point) const;
    static std::string KindName(std::uint8_t type);
    // The centre of a button of the panel's current page; false when it is not clickable there.
    bool PanelButton(const std::string& name, Korrin::Vector2& at) const;

    // What the level still wants.
    std::map<std::uint8_t, std::int32_t> GoalsLeft() const;
    std::int32_t GoalMoneyLeft() const;
    // The goods worth having: goal goods still wanted, then inputs of their buildings.
    std::map<std::uint8_t, std::int32_t> Wanted() const;
    // Whether one of the field's lots holds a building of the kind, bought or for sale.
    bool OnTheField(std::uint8_t buildingType) const;
    // How many of a good the storehouse keeps for the orders of the goals' buildings.
    std::int32_t KeptForOrders(std::uint8_t goods) const;
    // Units of the goods that the orders queued in the buildings will fetch from the storehouse.
    std::int32_t QueuedInputs(std::uint8_t goods) const;
    // Orders of the goods waiting in the buildings' queues.
    std::int32_t QueuedOrders(std::uint8_t goods) const;
    // Whether goods that no goal wants go to the shop now: while the money goal is open.
    bool SellingForMoney() const;
    bool ShortOfOrderMoney() const;
    bool Broke() const;
    // Whether a good goes from the storehouse to the shop, with so many in the store and on the shelves.
    bool Sells(std::uint8_t goods, std::int32_t inStore, std::int32_t onShelves) const;
    std::int32_t OrderPriceOfUsing(std::uint8_t goods) const;
    // Whether the storehouse holds the inputs of one more order of the building, beyond those queued.
    bool InputsInStock(const BuildingKind& kind, std::int32_t queued) const;
    // A worker holds goods that the full storehouse cannot take: it waits until a box is freed.
    bool WorkerWaitsForRoom() const;
    bool StoreFull() const;
    std::int32_t Money() const;
    std::string FieldState() const;
    // The money kept for the buildings and workers the goals need, and whether a price leaves it.
    std::int32_t Reserve() const;
    bool Affords(std::int32_t price) const;
    // The price of the wanted order whose inputs the storehouse holds, while the building has no order.
    std::int32_t ReadyOrderPrice(EntityBuilding& building,
                                 const std::map<std::uint8_t, std::int32_t>& wanted) const;
    // Units of wanted goods not yet in stock, on the shelves or in production (nor bought in this visit).
    std::int32_t Missing(std::uint8_t goods, std::int32_t alsoBought) const;
    // Whether the storehouse window's goods are worth buying, with this much already spent in the visit;
    // grownPass: the pass over crops the gardens could grow.
    bool WorthBuying(std::uint8_t goods, std::int32_t alsoBought, std::int32_t spent, bool grownPass) const;
    // A crop one of the level's gardens can grow now.
    bool Growable(std::uint8_t goods) const;
    std::int32_t InStock(std::uint8_t goods) const;
    std::int32_t OnShelves(std::uint8_t goods) const;
    std::int32_t InProduction(std::uint8_t goods) const;
    std::uint32_t FreeShopCells() const;

    void Lose(const std::string& reason);
    void Trace(const char* format, ...) const;

    Options mOptions;
    LevelOutcome mOutcome;
    Stage mStage = Stage::ToLevel;
    bool mFinished = false;
    std::uint64_t mFrame = 0;
    std::uint64_t mStageFrame = 0;
    std::uint64_t mLastProgressFrame = 0;
    // Pending selection check: the object a click meant to select, and the button to click after.
    const Clickable* mMeant = nullptr;
    int mMisses = 0;
    std::uint64_t mNextStoreVisit = 0;
    std::uint64_t mNextUpgradeLook = 0;
    int mStoreSteps = 0;
    const void* mTip = nullptr;
    int mTipLooks = 0;
    bool mSawClip = false;
    bool mToldBuyList = false;
    std::string mLastButton;
    int mRepeats = 0;
    std::map<std::string, std::uint64_t> mResting;
};

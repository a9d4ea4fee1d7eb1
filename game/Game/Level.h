#pragma once

#include "engine/Util/Singleton.h"
#include "game/Game/LevelContent.h"
#include "game/Util/Blank.h"
#include "game/Util/NamedObjectContainer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class EntityManager;
class Clickable;
class GameField;
class LevelFile;
class LevelTaskInfo;
class MoneyAnimatedSprite;
class PersManager;
class SaveLoadManager;

// The running level: reads its level file, builds the field, the entities and the characters, checks
// that the level is complete, and then runs its clock, routes the mouse to the objects on the field and
// ends one second after the last goal is met.
class Level : public Blank, public NamedObjectContainer, public Korrin::Singleton<Level>
{
public:
    // The object-grid codes the level reads.
    static constexpr std::uint16_t kRopeCode = 1;
    static constexpr std::uint16_t kHireMarker = 69;
    static constexpr std::uint16_t kSideMarker = 78;
    static constexpr std::uint16_t kFirstQueueMarker = 79;
    static constexpr std::uint16_t kQueuePlaces = 5;
    static constexpr std::uint16_t kRopeTile = 66;
    // Background types 0 to 3 each have their own backdrop, tile sheet and scenery.
    static constexpr std::uint8_t kLastBackgroundType = 3;

    Level();
    ~Level() override;

    static Level* GetInstance()
    {
        return CheckedInstance("Level::mSingleton==NULL", Korrin::kGameModule, "Source\\Game\\Level", 60);
    }

    // Reads "levNN.lev" and builds the level; false when the file is missing or damaged (reported), which
    // leaves the level empty and not to be played.
    bool Load(std::uint16_t level);
    // Builds the level from a read level file.
    void Build(const LevelFile& file);

    void Init() override {}
    // The screen's reset of its members leaves the level alone: its own reset runs once per start.
    void Reset() override {}
    // The level's own reset, called by the game screen when the level starts: resets every member, sorts
    // the object list and sets the level clock to 0.
    void ResetLevel();
    bool Update(float dt) override;
    void Draw() override { DrawAll(); }
    void InitAll() override;

    void AddObject(Clickable* object);
    void SetPendingObject(Clickable* object);
    Clickable* GetPendingObject() const { return mPending; }
    const std::vector<Clickable*>& GetObjects() const { return mObjects; }
    static bool CompareObjects(const Clickable* a, const Clickable* b);
    // The overlays of every entity, then the dream bubbles of the active characters.
    void DrawOverlays();

    // What makes and watches the field's entities and characters.
    LevelContent& GetContent() const { return mContent; }
    EntityManager* GetEntityManager() const { return mMembers.entities; }
    PersManager* GetPersManager() const { return mMembers.characters; }
    GameField* GetGameField() const { return mMembers.field; }
    MoneyAnimatedSprite* GetMoneyAnimation() const { return mMembers.money; }

    static std::uint8_t GoodsFromFileCode(std::uint8_t code);
    static std::uint16_t BuildingBaseCode(std::uint8_t code);
    static std::string FileName(std::uint16_t level);
    // The file's background type, or 0 (logged) for a type above the last.
    static std::uint8_t BackgroundType(std::uint8_t type);

private:
    void AddMembers(std::uint8_t backgroundType);
    void ReadGoals(const LevelFile& file);
    void OfferStorehouseGoods(const LevelFile& file);
    void AddBuyers(const LevelFile& file);
    void FillField(const LevelFile& file);
    // First play of a level with a tutorial starts it; any other load leaves no tutorial running.
    void StartTutorial();
    void RouteMouse();

    LevelContent& mContent;
    std::vector<Clickable*> mObjects;
    Clickable* mPending = nullptr;
    std::unique_ptr<SaveLoadManager> mSaveManager;
    std::unique_ptr<LevelTaskInfo> mTaskInfo;
    LevelContent::Members mMembers;
    float mEndTimer = 0.0f;
};

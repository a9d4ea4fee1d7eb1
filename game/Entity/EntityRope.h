#pragma once

#include "game/Entity/Entity.h"
#include "game/Game/IJ.h"

#include <memory>
#include <string>
#include <vector>

class GameField;
class HintArrow;
class ParticleSystemList;

namespace Korrin
{
class Font;
class ParticleSystem;
class Sprite;
} // namespace Korrin

// The links between the floors of a level: ropes, two grades of stairs and teleport links, all drawn in
// the field's tile layer, and the rope tables where a rope can still be bought. One per level. Which kind
// a link is lives only in its tiles; the cells of a link carry object code 1.
class EntityRope : public Entity
{
public:
    // A place where a rope can be bought: the table's top-left corner on the screen, and whether a
    // character's route needs a rope there (the hint arrow shows over it).
    struct RopeTablePoint
    {
        float x = 0.0f;
        float y = 0.0f;
        std::uint8_t flagged = 0;
    };
    // One link as the record keeps it: its top cell and its kind (0 none, 1 rope, 2 and 3 stairs, 4
    // teleport link).
    struct Link
    {
        std::int32_t I = 0;
        std::int32_t J = 0;
        std::int32_t kind = 0;
    };

    static constexpr std::uint16_t kLinkCode = 1;
    static constexpr std::int32_t kTeleport = 4;
    // Two cells at least make a link, so a column holds at most 13 of them.
    static constexpr std::uint32_t kMaxLinks = 16 * 13;
    // A table's box from its corner.
    static constexpr float kTableWidth = 74.0f;
    static constexpr float kTableHeight = 90.0f;
    // A table stands this far above the top of its cell.
    static constexpr float kTableRise = 62.0f;

    EntityRope();
    ~EntityRope() override;

    void Init() override;
    bool Update(float dt) override;
    void Draw() override;
    // The rope has no level of its own: its links rise one by one.
    bool Upgrade() override { return true; }

    void ClearHover() override;
    // Also ends the selection of a rope and every table's flag.
    void ClearPressed() override;
    void ChangeGui() override;
    // Buying at the pressed table and upgrading the selected rope.
    void OnGuiEvent() override;
    // Tables first (the hover state becomes the table's number from 1), then the links.
    bool IsPointInside(const Korrin::Vector2& point) override;
    // Only the third input lock keeps a click from the rope.
    bool TryClick() override;

    void Save(Korrin::BinaryWriter& out) override;
    // Rebuilds every saved link by replaying its purchase and upgrades on the level's tiles. Fails the
    // reader on more tables than the level has or a table where the level has none, on a link that is no
    // link of the level, a kind out of range, or a link that stands higher than the save says.
    void Load(Korrin::BinaryReader& in) override;

    // A table of the level file (the level calls it while it scans the field).
    void AddPoint(float x, float y, std::uint8_t flagged);
    bool HasPointAtCell(std::int32_t I, std::int32_t J) const;
    // Flags every table in the cell: a character's route would need a rope there.
    void MarkPointAtCell(std::int32_t I, std::int32_t J);
    // Every link of the field, scanned column by column, with its kind.
    std::vector<Link> FindLinks() const;

    // The rope normally finds the level's field itself; a rope without a level is given one.
    void SetGameField(GameField* field) { mField = field; }
    const std::vector<RopeTablePoint>& GetPoints() const { return mPoints; }
    const std::string& GetLinkName(std::size_t level) const { return mNames[level]; }
    const ParticleSystemList& GetEffects() const { return *mEffects; }

private:
    static IJ CellOf(const RopeTablePoint& point);
    static bool IsInTable(const RopeTablePoint& point, const Korrin::Vector2& at);
    bool IsLinkTop(std::int32_t I, std::int32_t J) const;
    bool HoverLink(const Korrin::Vector2& point);
    // The level shown for the selected rope: its kind - 1, 0 when none is selected.
    std::int32_t SelectedLevel() const;
    std::int32_t Money() const;
    void FillBuyButton();
    void FillUpgradeButton(std::int32_t level);
    void BuyAtPressedTable();
    void UpgradeSelected();
    // The tiles of a rope bought on the link that starts at (I, top); true when the link has cells.
    bool LayRope(std::int32_t I, std::int32_t top, bool withEffects);
    // The tiles of the link one kind higher.
    void RaiseLink(std::int32_t I, std::int32_t top, bool withEffects);
    void LoadNames();
    // The saved tables and links, each checked against the level; false on the first that does not fit.
    bool ReadTables(Korrin::BinaryReader& in, std::vector<RopeTablePoint>& tables) const;
    bool ReadLinks(Korrin::BinaryReader& in, std::vector<Link>& links) const;
    // Lays and raises the loaded links the level file did not build as high.
    void LayLinks(const std::vector<Link>& links);

    GameField* mField = nullptr;
    std::vector<RopeTablePoint> mPoints;
    // The tables as the level file gives them: a saved table must be one of them.
    std::vector<RopeTablePoint> mLevelPoints;
    std::string mNames[3];
    Korrin::Sprite* mTable = nullptr;
    Korrin::Font* mFont = nullptr;
    Korrin::ParticleSystem* mBuildEffect = nullptr;
    std::unique_ptr<ParticleSystemList> mEffects;
    std::unique_ptr<HintArrow> mArrow;
};

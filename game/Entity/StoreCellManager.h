#pragma once

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"
#include "game/Entity/StoreCell.h"

#include <cstdint>
#include <map>
#include <vector>

namespace Korrin
{
class AnimatedSprite;
class Sprite;
} // namespace Korrin

// A grid of goods cells (the shop's shelves, the storehouse's boxes): goods go into the first free cell
// and out again with a short lid-and-icon animation, or at once; the thief steals a random one.
class StoreCellManager
{
public:
    // The animation value of a settled cell, and the peak of the lid's bounce.
    static constexpr float kFullValue = 0.5f;
    static constexpr float kLidLift = 0.25f;
    // The save block's fixed part and the bytes of one cell in it.
    static constexpr std::size_t kBlockHeaderBytes = 12;
    static constexpr std::size_t kCellBytes = 20;

    // width x height unlocked, empty cells.
    StoreCellManager(std::uint32_t width, std::uint32_t height);
    ~StoreCellManager();
    StoreCellManager(const StoreCellManager&) = delete;
    StoreCellManager& operator=(const StoreCellManager&) = delete;

    // Loads the lid and the goods icons.
    void Init();
    // No free cell left.
    bool IsFull() const;
    // No unlocked cell holds goods that stay.
    bool IsEmpty() const;
    // Some cell, locked or not, holds those goods and keeps them.
    bool HasGoods(std::uint8_t goods) const;
    // Into the first free cell, arriving; false for goods 0 or a full grid.
    bool PutGoods(std::uint8_t goods);
    // Into the first free cell, settled at once.
    bool PutGoodsInstant(std::uint8_t goods);
    // Starts taking the first cell that keeps those goods; they leave when the animation ends.
    bool PickItemAnimatedById(std::uint8_t goods);
    bool PickItemAnimatedByNum(std::uint32_t number);
    // Empties the first cell that keeps those goods at once.
    bool TakeGoodsInstant(std::uint8_t goods);
    // Empties a random cell that keeps goods (locked ones too) while some unlocked cell holds goods;
    // pos receives the cell's place.
    bool StealItem(Korrin::Vector2& pos);
    // How many cells keep each goods id (locked ones too).
    std::map<std::uint8_t, std::uint32_t> GetGoodsCounts() const;
    void Update(float dt);
    void DrawLids();
    // The lid of one cell, as DrawLids draws it (for owners that draw their halves apart).
    void DrawLidOf(std::uint32_t number);
    void DrawGoods(const Korrin::Rect& clip);

    void Save(Korrin::BinaryWriter& out) const;
    // Fails the reader on a block whose size differs from this grid's or that holds a value a cell
    // cannot take; the cells are then left as they were.
    void Load(Korrin::BinaryReader& in);

    std::vector<StoreCell>& GetCells() { return mCells; }
    const std::vector<StoreCell>& GetCells() const { return mCells; }
    std::uint32_t GetWidth() const { return mWidth; }
    std::uint32_t GetHeight() const { return mHeight; }

private:
    StoreCell* FindKept(std::uint8_t goods, std::uint32_t* number);
    StoreCell* FindFree();
    void StartLeaving(StoreCell& cell);
    void DrawLid(const StoreCell& cell);

    std::vector<StoreCell> mCells;
    Korrin::Sprite* mLid = nullptr;
    Korrin::AnimatedSprite* mGoodsIcons = nullptr;
    std::uint32_t mWidth = 0;
    std::uint32_t mHeight = 0;
};

#pragma once

#include "engine/Util/Vector2.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace Korrin
{
class AnimatedSprite;
class Font;
class Sprite;
} // namespace Korrin

// The pictures of the storehouse window and where its cells lie: the shop at its five levels with its
// two shelves, locks and flowers, the storehouse's inside at its four levels with doors and
// decorations, goods pictures, boards and fonts. The sprite and font managers own them all.
class StoreWindowArt
{
public:
    static constexpr std::size_t kShopLevels = 5;
    static constexpr std::size_t kStorehouseLevels = 4;
    static constexpr std::size_t kFlowersPerLevel = 4;
    static constexpr const char* kLayoutFile = "StoreShop.gui";
    static constexpr const char* kPicturesFile = "StoreShop1.gui";

    void Load();

    // Where a shop cell lies: on the first shelf for columns 0 and 1, else on the second, from the
    // shelf picture of that shop level; nothing when the offsets or pictures lack it.
    std::optional<Korrin::Vector2> ShopCellPlace(std::size_t cell, std::uint32_t columns,
                                                 std::size_t level) const;
    // Where a storehouse cell lies, from the inside's loaded position.
    Korrin::Vector2 StoreCellPlace(std::size_t cell, std::uint32_t columns) const;
    // Whether a shop cell stands on the first shelf.
    static bool OnFirstShelf(std::size_t cell, std::uint32_t columns)
    {
        return columns == 0 || cell % columns < 2;
    }

    // A frame of an animated sprite at whole pixels: the goods index or level, clamped to its last
    // frame; nothing for a sprite without frames or a negative frame.
    static void DrawFrame(Korrin::AnimatedSprite* sprite, std::int32_t frame, float x, float y);
    // A sprite at its own position, or at the given place, at whole pixels.
    static void DrawAtOwnPlace(Korrin::Sprite* sprite);
    static void DrawAt(Korrin::Sprite* sprite, float x, float y);
    // A sprite of a picture vector, nothing past its end.
    static Korrin::Sprite* PictureOf(const std::vector<Korrin::Sprite*>& pictures, std::size_t level);

    Korrin::Sprite* mDim = nullptr;
    std::array<Korrin::Sprite*, 2> mBoards{};
    Korrin::Sprite* mMoneyIcon = nullptr;
    std::vector<Korrin::Sprite*> mShopPictures;
    std::vector<Korrin::Sprite*> mShelf2Pictures;
    std::vector<Korrin::Sprite*> mShelf1Pictures;
    Korrin::Sprite* mLockIcon = nullptr;
    Korrin::Sprite* mFoundation = nullptr;
    Korrin::Sprite* mStorehousePicture = nullptr;
    std::vector<Korrin::Sprite*> mStorehouseUp;
    std::vector<Korrin::Sprite*> mStorehouseDown;
    Korrin::AnimatedSprite* mDoors = nullptr;
    Korrin::Vector2 mStorehouseOrigin;
    Korrin::AnimatedSprite* mListIcons = nullptr;
    Korrin::AnimatedSprite* mStorehouseGoods = nullptr;
    Korrin::AnimatedSprite* mStorehouseNewGoods = nullptr;
    Korrin::AnimatedSprite* mShopGoods = nullptr;
    Korrin::AnimatedSprite* mShopNewGoods = nullptr;
    Korrin::Sprite* mShopSlot = nullptr;
    Korrin::Sprite* mStoreSlot = nullptr;
    Korrin::Sprite* mShovel = nullptr;
    Korrin::Sprite* mStone = nullptr;
    std::array<Korrin::Sprite*, kShopLevels * kFlowersPerLevel> mFlowers{};
    Korrin::Font* mTotalFont = nullptr;
    Korrin::Font* mListFont = nullptr;
    std::vector<Korrin::Vector2> mBoxOffsets;
    std::vector<Korrin::Vector2> mLockOffsets;

private:
    void LoadOffsets(const char* table, std::vector<Korrin::Vector2>& out);
};

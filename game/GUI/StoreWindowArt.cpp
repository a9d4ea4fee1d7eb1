#include "game/GUI/StoreWindowArt.h"

#include "engine/Gui/FontManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace
{
// A storehouse cell: the first one's corner from the inside's picture, and the step between cells.
constexpr float kStoreCellLeft = 17.0f;
constexpr float kStoreCellTop = 14.0f;
constexpr float kStoreCellStep = 72.0f;
// The cells of one shop shelf are this many columns of the shop's grid.
constexpr std::uint32_t kShelfColumns = 2;
} // namespace

void StoreWindowArt::Load()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    mDim = sprites->CreateSprite("empty");
    mDim->SetColour(0.0f, 0.0f, 0.0f, 0.6f);
    mBoards = {sprites->LoadSprite("BoardSale", kLayoutFile), sprites->LoadSprite("BoardBuy", kLayoutFile)};
    mLockIcon = sprites->LoadSprite("LockBoxShop", kPicturesFile);
    mFoundation = sprites->LoadSprite("FoundationStoreShop", kPicturesFile);
    mDoors = sprites->LoadAnimatedSprite("StoreHouseDoors", kPicturesFile);
    mMoneyIcon = sprites->LoadSprite("StoreShopMoney", kLayoutFile);
    for (std::size_t n = 1; n <= kShopLevels; ++n)
    {
        const std::string number = std::to_string(n);
        mShopPictures.push_back(sprites->LoadSprite("Shop" + number, kPicturesFile));
        mShelf2Pictures.push_back(sprites->LoadSprite("ShopBoxLeft" + number, kPicturesFile));
        mShelf1Pictures.push_back(sprites->LoadSprite("ShopBoxRight" + number, kPicturesFile));
    }
    for (std::size_t n = 1; n <= kStorehouseLevels; ++n)
    {
        const std::string number = std::to_string(n);
        mStorehouseUp.push_back(sprites->LoadSprite("StoreHouseUp" + number, kPicturesFile));
        mStorehouseDown.push_back(sprites->LoadSprite("StoreHouseDown" + number, kPicturesFile));
    }
    mStorehousePicture = sprites->LoadSprite("StoreHouseMain", kPicturesFile);
    mStorehouseOrigin = mStorehousePicture->GetPosition();
    mListIcons = sprites->LoadAnimatedSprite("StoreShopObj", kLayoutFile);
    mStorehouseGoods = sprites->LoadAnimatedSprite("StoreHouseListObj", kPicturesFile);
    mStorehouseNewGoods = sprites->LoadAnimatedSprite("StoreHouseListObj1", kPicturesFile);
    mShopGoods = sprites->LoadAnimatedSprite("ShopListObj", kPicturesFile);
    mShopNewGoods = sprites->LoadAnimatedSprite("ShopListObj1", kPicturesFile);
    mShopSlot = sprites->LoadSprite("TempWindowShopSprite", kPicturesFile);
    mStoreSlot = sprites->LoadSprite("TempWindowStoreSprite", kPicturesFile);
    mShovel = sprites->LoadSprite("ShovelStoreSprite", kPicturesFile);
    mStone = sprites->LoadSprite("StoneStoreSprite", kPicturesFile);
    for (std::size_t level = 0; level < kShopLevels; ++level)
    {
        for (std::size_t c = 0; c < kFlowersPerLevel; ++c)
        {
            mFlowers[level * kFlowersPerLevel + c] =
                sprites->LoadSprite("FloverShop" + std::to_string(level) + std::to_string(c), kPicturesFile);
        }
    }
    if (Korrin::FontManager* fonts = Korrin::FontManager::Peek())
    {
        mTotalFont = fonts->GetFont("font04.fnt");
        mListFont = fonts->GetFont("font04.fnt");
    }
    LoadOffsets("BoxOffset", mBoxOffsets);
    LoadOffsets("LockBoxOffset", mLockOffsets);
}

void StoreWindowArt::LoadOffsets(const char* table, std::vector<Korrin::Vector2>& out)
{
    out.clear();
    Korrin::LuaScript script;
    script.LoadFile(kPicturesFile, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    script.GetGlobal(table).ForEachElement(
        [&out](int /*position*/, const LuaValue& entry)
        {
            float x = 0.0f;
            float y = 0.0f;
            if (entry.IsTable() && entry.GetFloat2(x, y) && std::isfinite(x) && std::isfinite(y))
            {
                out.push_back({x, y});
            }
        });
}

std::optional<Korrin::Vector2> StoreWindowArt::ShopCellPlace(std::size_t cell, std::uint32_t columns,
                                                             std::size_t level) const
{
    if (columns <= kShelfColumns)
    {
        return std::nullopt;
    }
    const std::size_t row = cell / columns;
    const std::size_t column = cell % columns;
    const bool firstShelf = column < kShelfColumns;
    const std::size_t offset =
        (columns - kShelfColumns) * row + (firstShelf ? column : column - kShelfColumns);
    const Korrin::Sprite* shelf = PictureOf(firstShelf ? mShelf1Pictures : mShelf2Pictures, level);
    if (shelf == nullptr || offset >= mBoxOffsets.size())
    {
        return std::nullopt;
    }
    return Korrin::Vector2{shelf->GetPosition().x + mBoxOffsets[offset].x,
                           shelf->GetPosition().y + mBoxOffsets[offset].y};
}

Korrin::Vector2 StoreWindowArt::StoreCellPlace(std::size_t cell, std::uint32_t columns) const
{
    const std::size_t width = std::max<std::uint32_t>(columns, 1);
    return {mStorehouseOrigin.x + kStoreCellLeft + kStoreCellStep * static_cast<float>(cell % width),
            mStorehouseOrigin.y + kStoreCellTop + kStoreCellStep * static_cast<float>(cell / width)};
}

void StoreWindowArt::DrawFrame(Korrin::AnimatedSprite* sprite, std::int32_t frame, float x, float y)
{
    if (sprite == nullptr || sprite->GetFrameCount() == 0 || frame < 0)
    {
        return;
    }
    const auto last = static_cast<std::int32_t>(sprite->GetFrameCount() - 1);
    sprite->DrawFrame(static_cast<std::uint16_t>(std::min(frame, last)), static_cast<int>(x),
                      static_cast<int>(y));
}

void StoreWindowArt::DrawAtOwnPlace(Korrin::Sprite* sprite)
{
    if (sprite != nullptr)
    {
        DrawAt(sprite, sprite->GetPosition().x, sprite->GetPosition().y);
    }
}

void StoreWindowArt::DrawAt(Korrin::Sprite* sprite, float x, float y)
{
    if (sprite != nullptr)
    {
        sprite->Draw(static_cast<int>(x), static_cast<int>(y));
    }
}

Korrin::Sprite* StoreWindowArt::PictureOf(const std::vector<Korrin::Sprite*>& pictures, std::size_t level)
{
    return level < pictures.size() ? pictures[level] : nullptr;
}

// The goods a level requires before it opens, and how the level hints name and show them.
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Mesh.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Butterfly.h"
#include "game/ClipGui.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/ContinueLevelGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/StartNewLevelGui.h"
#include "game/Game/GameInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Map.h"
#include "game/MapShopGui.h"
#include "game/MapWaterShapes.h"
#include "game/Profile.h"
#include "game/Util/AnimatedObject.h"
#include "game/Util/Hint.h"
#include "game/Util/HintManager.h"
#include "game/Util/RotateMesh.h"

#include <algorithm>

namespace
{

struct GoodsKind
{
    std::uint8_t costId;
    std::int32_t slot;
    std::int32_t frameBase;
};

// The goods a level may require, with their title entry and first icon frame.
constexpr std::array<GoodsKind, 22> kGoodsKinds{{
    {132, 0, 0},  {133, 1, 3},  {134, 2, 6},  {130, 3, 9},   {131, 4, 9},  {10, 5, 12},
    {26, 6, 16},  {50, 7, 19},  {62, 8, 22},  {30, 9, 25},   {42, 10, 28}, {34, 11, 31},
    {46, 12, 34}, {38, 13, 37}, {54, 14, 40}, {66, 15, 43},  {58, 16, 46}, {5, 17, 49},
    {17, 18, 54}, {14, 19, 59}, {1, 20, 62},  {138, 24, 66},
}};
constexpr std::uint8_t kRopeId = 1;

const GoodsKind* FindKind(std::uint8_t costId)
{
    for (const GoodsKind& kind : kGoodsKinds)
    {
        if (kind.costId == costId)
        {
            return &kind;
        }
    }
    return nullptr;
}

} // namespace

bool Map::LacksRequiredGoods(std::uint32_t level) const
{
    if (level >= mSettings.GetLevelCount())
    {
        return false;
    }
    const TableCost* table = TableCost::Peek();
    const std::vector<MapSettings::ShopItem>& goods = mSettings.GetLevel(level).shopItems;
    return std::any_of(goods.begin(), goods.end(),
                       [table](const MapSettings::ShopItem& required) { return required.IsMissing(table); });
}

std::int32_t Map::GoodsSlot(std::uint8_t costId, std::uint32_t level, std::int32_t requiredLevel)
{
    const GoodsKind* kind = FindKind(costId);
    if (kind == nullptr)
    {
        return -1;
    }
    if (costId != kRopeId)
    {
        return kind->slot;
    }
    // The rope's four titles belong to the levels that bring its four upgrades; elsewhere the title of
    // the upgrade required.
    switch (level)
    {
    case 2:
        return 20;
    case 8:
        return 21;
    case 13:
        return 22;
    case 23:
        return 23;
    default:
        return 20 + std::clamp(requiredLevel, 0, 3);
    }
}

std::int32_t Map::GoodsFrameBase(std::uint8_t costId)
{
    const GoodsKind* kind = FindKind(costId);
    return kind != nullptr ? kind->frameBase : 0;
}

std::u16string Map::GetStuffTitle(std::uint8_t costId, std::uint32_t level, std::int32_t requiredLevel) const
{
    const std::int32_t slot = GoodsSlot(costId, level, requiredLevel);
    const Korrin::LocaleManager* locale = Korrin::LocaleManager::Peek();
    if (locale == nullptr)
    {
        return {};
    }
    if (slot < 0)
    {
        return std::u16string(locale->getStringByNameAsUtf16("ops"));
    }
    if (static_cast<std::size_t>(slot) >= mStuffTitles.size())
    {
        return {};
    }
    return std::u16string(locale->getStringByNameAsUtf16(mStuffTitles[static_cast<std::size_t>(slot)]));
}

Korrin::Rect Map::GetStuffIconRect(std::uint8_t costId, std::int32_t level) const
{
    const std::int32_t entry = FindKind(costId) != nullptr ? GoodsFrameBase(costId) + level : 0;
    return entry >= 0 && static_cast<std::size_t>(entry) < mStuffIconRects.size()
               ? mStuffIconRects[static_cast<std::size_t>(entry)]
               : Korrin::Rect{};
}

Korrin::Vector2 Map::GetStuffHintDelta(std::uint8_t costId, std::int32_t level) const
{
    const std::int32_t entry = FindKind(costId) != nullptr ? GoodsFrameBase(costId) + level : 0;
    return entry >= 0 && static_cast<std::size_t>(entry) < mStuffHintDeltas.size()
               ? mStuffHintDeltas[static_cast<std::size_t>(entry)]
               : Korrin::Vector2{};
}

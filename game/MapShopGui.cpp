#include "game/MapShopGui.h"

#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Util/CheckedInteger.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/Education.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/GameInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Map.h"
#include "game/Util/HintArrow.h"
#include "game/Util/HintManager.h"
#include "game/Util/TextFormat.h"
#include "game/Util/VirtualMouse.h"

#include <algorithm>

namespace
{

struct Good
{
    std::uint8_t costId;
    const char* name;
};

// The goods in the order of the shop's items.
constexpr std::array<Good, MapShopGui::kGoodsCount> kGoods{{
    {132, "Gardener"},     {10, "Storehouse"}, {130, "ShopBox"},  {17, "Shop"},    {131, "ShopBox"},
    {50, "OilB"},          {133, "Boy"},       {30, "Juicer"},    {34, "TomatoB"}, {26, "Mill"},
    {46, "Bakery"},        {62, "Packing"},    {134, "Fairy"},    {58, "DoughB"},  {42, "Confectionery"},
    {66, "FriedPotatoes"}, {38, "Roaster"},    {54, "SandwichB"}, {5, "Garden"},   {14, "Waterwell"},
    {1, "Rope"},           {138, "Cage"},
}};

constexpr const char* kTutorialScript = "Educationshop.lua";
constexpr std::uint32_t kMapScreen = 1;
constexpr std::uint8_t kRewardAlertsWindow = 7;
constexpr float kHoverWidth = 150.0f;
constexpr float kHoverTop = 3.0f;
constexpr float kHoverBottom = 116.0f;

std::int64_t Money()
{
    const GameInfo* info = GameInfo::Peek();
    return info != nullptr ? static_cast<std::int64_t>(info->totalMoney) : 0;
}

EducationSlot* Tutorial()
{
    Main* main = Main::Peek();
    return main != nullptr ? main->GetEducationSlot() : nullptr;
}

Map* FindMap()
{
    Main* main = Main::Peek();
    return main != nullptr ? dynamic_cast<Map*>(main->Find("Map")) : nullptr;
}

// The price of buying that row of a record, or -1 when the record has no such row.
std::int64_t RowPrice(const CostRecord& record, std::size_t row)
{
    return row < record.rows.size() ? static_cast<std::int64_t>(record.rows[row].price) : -1;
}

template <typename T>
void Release(T*& drawable)
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (drawable != nullptr && sprites != nullptr)
    {
        sprites->DeleteSprite(drawable);
    }
    drawable = nullptr;
}

void DrawSheetFrame(Korrin::AnimatedSprite* sheet, std::size_t frame, float x, float y)
{
    if (sheet == nullptr || sheet->GetFrameCount() == 0)
    {
        return;
    }
    const auto clamped = static_cast<std::uint16_t>(std::min(frame, sheet->GetFrameCount() - 1));
    sheet->DrawFrame(clamped, Korrin::CheckedInteger<int>(x), Korrin::CheckedInteger<int>(y));
}

} // namespace

MapShopGui::MapShopGui() : mArrow(std::make_unique<HintArrow>())
{
    mActive = false;
}

MapShopGui::~MapShopGui()
{
    for (MapShopItem* item : mItems)
    {
        delete item;
    }
    mItems.clear();
    mArrow->Release();
    Release(mBackground);
    Release(mCheck);
    Release(mIcons);
    Release(mMounts);
    Release(mDots);
    Release(mStars);
    Release(mShade);
}

void MapShopGui::Init()
{
    mArrow->Create();
    mArrow->Load();
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mBackground = sprites->LoadSprite("background", kScript);
        mCheck = sprites->LoadSprite("check", kScript);
        mIcons = sprites->LoadAnimatedSprite("icons", kScript);
        mMounts = sprites->LoadAnimatedSprite("mounts", kScript);
        mDots = sprites->LoadAnimatedSprite("dots", kScript);
        mStars = sprites->LoadAnimatedSprite("stars", kScript);
        mShade = sprites->CreateSprite("empty");
        mShade->SetColour(0.0f, 0.0f, 0.0f, 0.3f);
    }
    if (Korrin::GuiManager* widgets = Korrin::GuiManager::Peek())
    {
        mContainer = widgets->CreateContainer("gui", kScript);
    }
    Korrin::LuaScript script;
    script.LoadFile(kScript, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    const std::array<const char*, 4> ropeGlobals{"RopeText", "RopeLadderText", "WoodenLadderText",
                                                 "TeleportText"};
    for (std::size_t level = 0; level < ropeGlobals.size(); ++level)
    {
        const LuaValue text = script.GetGlobal(ropeGlobals[level]);
        mRopeTexts[level] = text.IsString() ? text.ToString() : std::string();
    }
    script.GetGlobal("MapShopData")
        .ForEachEntry(
            [this](const LuaValue& /*key*/, const LuaValue& entry)
            {
                auto* item = new MapShopItem();
                item->Load(entry);
                mItems.push_back(item);
            });
    if (mMounts != nullptr && mMounts->GetFrameCount() > 0)
    {
        const Korrin::Rect& frame = mMounts->GetFrameRect(0);
        mMountWidth = Korrin::CheckedInteger<std::uint16_t>(frame.right - frame.left);
        mMountHeight = Korrin::CheckedInteger<std::uint16_t>(frame.bottom - frame.top);
    }
    if (mContainer != nullptr)
    {
        mContainer->SetDisabled(!mActive);
    }
    UpdateItems();
}

void MapShopGui::Reset()
{
    for (std::size_t index = 0; index < mItems.size() && mContainer != nullptr; ++index)
    {
        if (Korrin::GuiElement* caption = mContainer->GetByName("CAPTION_" + std::to_string(index + 1)))
        {
            caption->SetVisible(false);
        }
    }
    UpdateItems();
    SetActive(false);
}

std::uint8_t MapShopGui::GetIdByIndex(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= kGoods.size())
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("Unknow index! - %i", index);
        }
        return 0;
    }
    return kGoods[static_cast<std::size_t>(index)].costId;
}

int MapShopGui::GetIndexById(std::uint8_t costId)
{
    for (std::size_t index = 0; index < kGoods.size(); ++index)
    {
        if (kGoods[index].costId == costId)
        {
            return static_cast<int>(index);
        }
    }
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("Unknow id! - %i", costId);
    }
    return 0;
}

std::string MapShopGui::GetNameById(std::uint8_t costId)
{
    for (const Good& good : kGoods)
    {
        if (good.costId == costId)
        {
            return good.name;
        }
    }
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("Name not found ! (MapShopGui)");
    }
    return "Name not found ! (MapShopGui)";
}

std::string MapShopGui::HintName(std::size_t index, std::uint16_t points)
{
    if (index == kRopeIndex)
    {
        return points <= 3 ? "RopeUpgradeHint" + std::to_string(points) : std::string();
    }
    return GetNameById(GetIdByIndex(static_cast<int>(index))) + "Hint" + std::to_string(points);
}

void MapShopGui::UpdateItems()
{
    const TableCost* table = TableCost::Peek();
    const std::uint16_t highest = GameInfo::HighestLevelReached();
    const std::int64_t money = Money();
    for (std::size_t index = 0; index < mItems.size(); ++index)
    {
        MapShopItem& item = *mItems[index];
        CostRecord record;
        const bool known = table != nullptr && table->GetCost(GetIdByIndex(static_cast<int>(index)), record);
        std::int64_t price = 0;
        if (!known || record.unlockLevel > highest)
        {
            item.points = 0;
            item.state = MapShopItem::kLocked;
        }
        else if (record.owned == 0)
        {
            item.points = 0;
            item.state = MapShopItem::kAffordable;
            price = std::max<std::int64_t>(RowPrice(record, 0), 0);
        }
        else
        {
            const std::size_t next = static_cast<std::size_t>(record.upgradeLevel) + 1;
            if (next < record.rows.size())
            {
                price = RowPrice(record, next);
            }
            if (next <= item.maxPoints)
            {
                item.points = static_cast<std::uint16_t>(next);
            }
            item.state = item.points == item.maxPoints ? MapShopItem::kComplete
                         : item.points > 0             ? MapShopItem::kPartlyBought
                                                       : MapShopItem::kAffordable;
        }
        if (mContainer != nullptr)
        {
            if (auto* button =
                    dynamic_cast<Korrin::GuiButton*>(mContainer->GetByName("button" + std::to_string(index))))
            {
                button->SetCaptionW(TextFormat::Decimal(price));
            }
        }
        if (item.state != MapShopItem::kComplete && item.state != MapShopItem::kLocked && price > money)
        {
            item.state = MapShopItem::kTooDear;
        }
    }
}

bool MapShopGui::Buy(std::size_t index)
{
    TableCost* table = TableCost::Peek();
    GameInfo* info = GameInfo::Peek();
    CostRecord* record =
        table != nullptr ? table->GetCostPtr(GetIdByIndex(static_cast<int>(index))) : nullptr;
    if (record == nullptr || info == nullptr)
    {
        return false;
    }
    const std::size_t row = record->owned == 0 ? 0 : static_cast<std::size_t>(record->upgradeLevel) + 1;
    const std::int64_t price = RowPrice(*record, row);
    // A stale button must not buy a good for the money left, nor a level the record has no row for.
    if (price < 0 || price > static_cast<std::int64_t>(info->totalMoney) ||
        (record->owned != 0 && record->upgradeLevel >= record->maxLevel))
    {
        return false;
    }
    if (record->owned == 0)
    {
        record->owned = 1;
    }
    else
    {
        ++record->upgradeLevel;
    }
    info->totalMoney -= static_cast<std::uint32_t>(price);
    const bool allAtMost =
        std::all_of(table->Records().begin(), table->Records().end(),
                    [](const auto& entry) { return entry.second.upgradeLevel == entry.second.maxLevel; });
    if (allAtMost)
    {
        if (AchievementSystem* achievements = AchievementSystem::Peek())
        {
            achievements->AddProgress(kAllBoughtAchievement, 1);
        }
        mReenablePending = true;
        if (mContainer != nullptr)
        {
            mContainer->SetDisabled(true);
            for (std::uint16_t child = 0; child < mContainer->GetCount(); ++child)
            {
                mContainer->GetByIndex(child)->ClearMouse();
            }
        }
    }
    UpdateItems();
    return true;
}

bool MapShopGui::IsTutorialLocked() const
{
    EducationSlot* slot = Tutorial();
    if (slot == nullptr || !slot->IsEnabled() || slot->Get() == nullptr || !slot->Get()->IsRunning())
    {
        return false;
    }
    const Education::TipEvent* event = slot->Get()->GetCurrentEvent();
    return event != nullptr && event->timer != Education::kUnarmed;
}

bool MapShopGui::Update(float dt)
{
    // Disabling clears the buttons' mouse states, so it is done only when the state changes.
    if (mContainer != nullptr && mContainer->IsDisabled() != IsTutorialLocked())
    {
        mContainer->SetDisabled(IsTutorialLocked());
    }
    const GameGuiManager* windows = GameGuiManager::Current();
    if (windows == nullptr || windows->GetRequested() != kRewardAlertsWindow)
    {
        if (mReenablePending)
        {
            mReenablePending = false;
            if (mContainer != nullptr)
            {
                mContainer->SetDisabled(false);
            }
        }
        UpdateHoverHints();
    }
    UpdateRopeCaption();
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    if (clicked != nullptr && clicked->GetName() == "MAP_SHOP_OK")
    {
        Korrin::PlaySoundOnce("click_button");
        if (Map* map = FindMap())
        {
            map->Reset();
        }
        SetActive(false);
        return false;
    }
    if (clicked != nullptr)
    {
        for (std::size_t index = 0; index < mItems.size(); ++index)
        {
            if (clicked->GetName() == "button" + std::to_string(index))
            {
                Korrin::PlaySoundOnce("click_button");
                Buy(index);
                break;
            }
        }
    }
    UpdateMoneyCaption();
    if (FirstMissingRequirement() >= 0)
    {
        mArrow->Update(dt);
    }
    return true;
}

void MapShopGui::UpdateHoverHints()
{
    HintManager* hints = HintManager::Peek();
    Korrin::Vector2 mouse;
    if (hints == nullptr || !VirtualMousePosition(mouse))
    {
        return;
    }
    for (std::size_t index = 0; index < mItems.size(); ++index)
    {
        const MapShopItem& item = *mItems[index];
        if (item.state == MapShopItem::kLocked || item.points >= item.maxPoints)
        {
            continue;
        }
        const float x = item.position.x;
        const float y = item.position.y;
        if (mouse.x >= x && mouse.x <= x + kHoverWidth && mouse.y >= y + kHoverTop &&
            mouse.y <= y + kHoverBottom)
        {
            hints->Show(HintName(index, item.points), 1,
                        {x + kHoverWidth / 2.0f, y + (kHoverTop + kHoverBottom) / 2.0f});
        }
    }
}

void MapShopGui::UpdateRopeCaption()
{
    const TableCost* table = TableCost::Peek();
    auto* caption =
        mContainer != nullptr ? dynamic_cast<Korrin::GuiText*>(mContainer->GetByName("CAPTION_21")) : nullptr;
    CostRecord rope;
    if (caption == nullptr || table == nullptr || !table->GetCost(kRopeId, rope))
    {
        return;
    }
    const std::size_t level = rope.owned == 0 ? 0 : rope.upgradeLevel;
    if (level >= mRopeTexts.size())
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("!!! Ошибка индекса MapShopGui::SetEnabled(bool en) ");
        }
        return;
    }
    caption->mCaption.clear();
    caption->SetCaptionName(mRopeTexts[level]);
}

void MapShopGui::UpdateMoneyCaption()
{
    if (auto* money = mContainer != nullptr
                          ? dynamic_cast<Korrin::GuiText*>(mContainer->GetByName("MAP_SHOP_MONEY"))
                          : nullptr)
    {
        money->mCaption = TextFormat::Decimal(Money());
    }
}

int MapShopGui::FirstMissingRequirement() const
{
    const Map* map = FindMap();
    const TableCost* table = TableCost::Peek();
    const std::uint16_t highest = GameInfo::HighestLevelReached();
    if (map == nullptr || table == nullptr || highest >= map->GetSettings().GetLevelCount())
    {
        return -1;
    }
    for (const MapSettings::ShopItem& required : map->GetSettings().GetLevel(highest).shopItems)
    {
        if (required.IsMissing(table))
        {
            return GetIndexById(required.CostId());
        }
    }
    return -1;
}

Korrin::Vector2 MapShopGui::ArrowTarget(int index)
{
    if (index < 0 || index >= static_cast<int>(kGoodsCount))
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("!!! Ошибка index>=22");
        }
        return {};
    }
    const int row = index / 6;
    const int column = index % 6;
    const float left = index < 20 ? 97.0f : 403.0f;
    return {153.0f * static_cast<float>(column) + left, 154.0f * static_cast<float>(row) + 118.0f};
}

void MapShopGui::DrawArrowToRequiredGoods()
{
    const Map* map = FindMap();
    const TableCost* table = TableCost::Peek();
    const std::uint16_t highest = GameInfo::HighestLevelReached();
    if (map == nullptr || table == nullptr || highest >= map->GetSettings().GetLevelCount())
    {
        return;
    }
    for (const MapSettings::ShopItem& required : map->GetSettings().GetLevel(highest).shopItems)
    {
        if (required.IsMissing(table))
        {
            mArrow->Draw(ArrowTarget(GetIndexById(required.CostId())));
        }
    }
}

void MapShopGui::Draw()
{
    if (mBackground != nullptr)
    {
        mBackground->Draw(0, 0);
    }
    for (std::size_t index = 0; index < mItems.size(); ++index)
    {
        DrawItem(index, *mItems[index]);
    }
    if (mContainer != nullptr)
    {
        mContainer->Draw();
    }
    DrawArrowToRequiredGoods();
    if (IsTutorialLocked() && mShade != nullptr)
    {
        mShade->DrawScale(0, 0, 1024, 768);
    }
}

void MapShopGui::DrawItem(std::size_t index, const MapShopItem& item)
{
    Korrin::GuiElement* caption =
        mContainer != nullptr ? mContainer->GetByName("CAPTION_" + std::to_string(index + 1)) : nullptr;
    auto* button =
        mContainer != nullptr && index < mContainer->GetCount()
            ? dynamic_cast<Korrin::GuiButton*>(mContainer->GetByIndex(static_cast<std::uint16_t>(index)))
            : nullptr;
    const bool locked = item.state == MapShopItem::kLocked;
    if (caption != nullptr)
    {
        caption->SetVisible(!locked);
    }
    if (button != nullptr)
    {
        button->SetDisabled(item.state != MapShopItem::kAffordable &&
                            item.state != MapShopItem::kPartlyBought);
        button->SetVisible(!locked && item.state != MapShopItem::kComplete);
    }
    if (locked)
    {
        return;
    }
    const float x = std::trunc(item.position.x);
    const float y = std::trunc(item.position.y);
    const bool dear = item.state == MapShopItem::kTooDear;
    const std::size_t mount = dear ? 0 : item.state == MapShopItem::kComplete ? 2 : 1;
    DrawSheetFrame(mMounts, mount, x, y);
    DrawItemIcon(item, x, y);
    DrawItemMarks(item, x, y);
}

// The good's icon at its bought level; before any purchase its first icon, faded.
void MapShopGui::DrawItemIcon(const MapShopItem& item, float x, float y)
{
    if (mIcons != nullptr)
    {
        const float iconX = x + static_cast<float>(mMountWidth) / 2.0f - 60.0f;
        const float iconY = y + static_cast<float>(mMountHeight) / 2.0f - 40.0f;
        if (item.points > 0)
        {
            mIcons->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
            DrawSheetFrame(mIcons, static_cast<std::size_t>(item.firstIconFrame) + item.points - 1, iconX,
                           iconY);
        }
        else
        {
            mIcons->SetColour(1.0f, 1.0f, 1.0f, 0.5f);
            DrawSheetFrame(mIcons, item.firstIconFrame, iconX, iconY);
            mIcons->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        }
    }
}

// The dots of the levels bought out of the levels there are, and the star or the check below.
void MapShopGui::DrawItemMarks(const MapShopItem& item, float x, float y)
{
    const bool dear = item.state == MapShopItem::kTooDear;
    const float n = item.maxPoints;
    const std::size_t dotFrame = dear ? 0 : 2;
    for (std::uint16_t k = 0; k < item.maxPoints; ++k)
    {
        DrawSheetFrame(mDots, dotFrame, x + 125.0f, y + 65.0f + 6.5f * n - 13.0f * k);
    }
    for (std::uint16_t k = 0; k < item.points; ++k)
    {
        DrawSheetFrame(mDots, dotFrame + 1, x + 125.0f, y + 65.0f + 6.5f * n - 13.0f * k);
    }
    if (item.state == MapShopItem::kComplete)
    {
        if (mCheck != nullptr)
        {
            mCheck->DrawEx(x + static_cast<float>(mMountWidth / 2), y + 132.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f);
        }
    }
    else
    {
        DrawSheetFrame(mStars, dear ? 0 : 1, x + 10.0f, y + 113.0f);
    }
}

void MapShopGui::SetActive(bool active)
{
    Blank::SetActive(active);
    if (mContainer != nullptr)
    {
        mContainer->SetDisabled(!active);
    }
    StartOrEndTutorial(active);
}

void MapShopGui::StartOrEndTutorial(bool opening)
{
    EducationSlot* slot = Tutorial();
    if (slot == nullptr)
    {
        return;
    }
    const TableCost* table = TableCost::Peek();
    CostRecord rope;
    const bool ropeBought = table != nullptr && table->GetCost(kRopeId, rope) && rope.owned != 0;
    if (opening && GameInfo::HighestLevelReached() == 2 && !ropeBought)
    {
        slot->Start(kTutorialScript, kMapScreen, true);
        return;
    }
    if (slot->Get() != nullptr && slot->Get()->IsRunning())
    {
        slot->Clear();
    }
}

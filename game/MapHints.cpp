// The hints over the level buttons: the level's number, its best time and the goods it needs.
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
#include <string>

namespace
{

const Korrin::Vector2 kHintOffset{22.0f, 30.0f};

const Korrin::Vector2 kTutorialHintPosition{845.0f, 610.0f};

} // namespace

void Map::UpdateHints()
{
    HintManager* hints = HintManager::Peek();
    if (hints == nullptr || GameGuiManager::IsAnyShown())
    {
        return;
    }
    const std::uint32_t highest = GameInfo::HighestLevelReached();
    const Profile* profile = Profile::Peek();
    const bool clickedOnce = profile != nullptr && profile->mapHint != 0;
    if (highest <= 1 && !clickedOnce)
    {
        if (const MapButton* button = GetButton(highest))
        {
            hints->Show("StartGameHint", 1,
                        Korrin::Vector2{button->pos.x + kHintOffset.x, button->pos.y + kHintOffset.y});
        }
        return;
    }
    for (std::uint32_t index = 0; index < mButtons.size(); ++index)
    {
        const MapButton& button = *mButtons[index];
        const std::size_t needs =
            index < mSettings.GetLevelCount() ? mSettings.GetLevel(index).shopItems.size() : 0;
        if (button.state == MapButton::kWaitingForGoods)
        {
            const std::string name = "BuyStuffMapHintCross" + std::to_string(needs);
            if (hints->GetByName(name) == nullptr)
            {
                Korrin::ReportAndBreak("BuyStuffMapHint not found", Korrin::kGameModule, "Source\\Map", 0);
                return;
            }
            FillLevelHint(name, index);
            if (highest == 2)
            {
                hints->Show("_shintEdu_1", 1, kTutorialHintPosition);
            }
            else
            {
                hints->Show(name, 1,
                            Korrin::Vector2{button.pos.x + kHintOffset.x, button.pos.y + kHintOffset.y});
            }
            return;
        }
        if (button.mouse == MapButton::kHover && button.state != MapButton::kLocked)
        {
            const std::string name =
                needs == 0 ? std::string("NormalMapHint") : "BuyStuffMapHint" + std::to_string(needs);
            if (hints->GetByName(name) == nullptr)
            {
                Korrin::ReportAndBreak(needs == 0 ? "NormalMapHint not found" : "BuyStuffMapHint not found",
                                       Korrin::kGameModule, "Source\\Map", 0);
                return;
            }
            FillLevelHint(name, index);
            hints->Show(name, 1, Korrin::Vector2{button.pos.x + kHintOffset.x, button.pos.y + kHintOffset.y});
            return;
        }
    }
}

std::u16string Map::FormatBestTime(std::uint32_t minutes, std::uint32_t seconds)
{
    auto twoDigits = [](std::uint32_t value)
    { return (value < 10 ? std::string("0") : std::string()) + std::to_string(value); };
    const std::string text = twoDigits(minutes) + ":" + twoDigits(seconds);
    return std::u16string(text.begin(), text.end());
}

void Map::FillLevelHint(const std::string& hintName, std::uint32_t button)
{
    HintManager* hints = HintManager::Peek();
    HintManager::HintRecord* named = hints != nullptr ? hints->GetByName(hintName) : nullptr;
    if (named == nullptr || named->hint == nullptr)
    {
        return;
    }
    Hint& hint = *named->hint;
    const std::string number = std::to_string(button + 1);
    hint.SetText("levelNum", std::u16string(number.begin(), number.end()));
    GameInfo* info = GameInfo::Peek();
    const TimeScoreItem best = info != nullptr ? info->GetBestTime(button) : TimeScoreItem();
    hint.SetText("bestTimeValue", FormatBestTime(best.minutes, best.seconds));
    hint.SetText("bestTimeUserName", best.name);
    if (button >= mSettings.GetLevelCount())
    {
        return;
    }
    const TableCost* table = TableCost::Peek();
    std::uint32_t k = 1;
    for (const MapSettings::ShopItem& required : mSettings.GetLevel(button).shopItems)
    {
        const std::uint8_t costId = required.CostId();
        CostRecord record;
        if (table != nullptr)
        {
            table->GetCost(costId, record);
        }
        const std::string n = std::to_string(k++);
        hint.ShowItem("stuff" + n, GetStuffIconRect(costId, required.upgrade));
        hint.GetOffsets()["stuff" + n] = GetStuffHintDelta(costId, required.upgrade);
        const auto found = mUpgradeRects.find(static_cast<int>(record.maxLevel) + 1);
        const bool hasRect = found != mUpgradeRects.end() && required.upgrade >= 0 &&
                             static_cast<std::size_t>(required.upgrade) < found->second.size();
        hint.ShowItem("upgradeRect" + n,
                      hasRect ? found->second[static_cast<std::size_t>(required.upgrade)] : Korrin::Rect{});
        hint.SetText("stuffname" + n, GetStuffTitle(costId, button, required.upgrade));
        hint.ShowItem("stuffMark" + n, required.IsMissing(table) ? Korrin::Rect{} : mStuffMarkRect);
    }
}

#include "engine/App/InputManager.h"
#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Log/ReportFileScope.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/GameInfo.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GamePanelPers.h"
#include "game/Game/Level.h"
#include "game/Game/LevelContent.h"
#include "game/Game/LevelFile.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Main.h"
#include "game/Pers/PersManager.h"
#include "game/Util/InputLocks.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace
{

constexpr const char* kSource = "Source\\Game\\Level";
constexpr std::uint8_t kBuyerCodeOffset = 138;
constexpr unsigned kMostBuyers = 254;

void ReportLevel(const char* text, int line)
{
    Korrin::ReportAndBreak(text, Korrin::kGameModule, kSource, line);
}

} // namespace

void Level::Build(const LevelFile& file)
{
    GamePanel* panel = GamePanel::Peek();
    if (panel != nullptr)
    {
        panel->GetPers().Clear();
    }
    const std::uint8_t background = BackgroundType(file.backgroundType);
    mTaskInfo->backgroundType = background;
    AddMembers(background);
    ReadGoals(file);
    if (panel != nullptr)
    {
        panel->ResetGoalFlags(mTaskInfo->goals.size());
    }
    mContent.AddThieves(*this, file);
    OfferStorehouseGoods(file);
    AddBuyers(file);
    FillField(file);
    mContent.AddEntities(*this);
    for (const LevelFile::Scenery& scenery : file.scenery)
    {
        mMembers.field->AddAnimatedObject(scenery.table, scenery.x, scenery.y, scenery.kind,
                                          scenery.drawOrder);
    }
    mContent.Finish(*this);
    StartTutorial();
}

std::uint8_t Level::BackgroundType(std::uint8_t type)
{
    if (type <= kLastBackgroundType)
    {
        return type;
    }
    // No tile sheet nor scenery script exists for it; the first background stands in for all of them.
    Korrin::LogManager::GetInstance()->Write("Level: background type %u unknown, background 0 used",
                                             static_cast<unsigned>(type));
    return 0;
}

void Level::StartTutorial()
{
    Main* main = Main::Peek();
    EducationSlot* slot = main != nullptr ? main->GetEducationSlot() : nullptr;
    if (slot == nullptr)
    {
        return;
    }
    const std::uint16_t level = mTaskInfo->level;
    const GameInfo* info = GameInfo::Peek();
    const bool firstPlay = info != nullptr && info->highestLevel + 1 == level;
    static constexpr std::uint16_t kTutorialLevels[] = {1, 2, 3, 4, 8, 21};
    const bool hasTutorial =
        std::find(std::begin(kTutorialLevels), std::end(kTutorialLevels), level) != std::end(kTutorialLevels);
    if (firstPlay && hasTutorial)
    {
        slot->Start("Education" + std::to_string(level) + ".lua", Main::kGameScreen, true);
    }
    else
    {
        // A tutorial of an earlier level must not run on this one.
        slot->Clear();
    }
}

void Level::AddMembers(std::uint8_t backgroundType)
{
    mContent.AddMembers(*this, backgroundType, mMembers);
}

void Level::ReadGoals(const LevelFile& file)
{
    mTaskInfo->goldMinutes = file.goldMinutes;
    mTaskInfo->goldSeconds = file.goldSeconds;
    mTaskInfo->silverMinutes = file.silverMinutes;
    mTaskInfo->silverSeconds = file.silverSeconds;
    // The money is never below 0, and a target beyond the signed range would count as met at once.
    if (file.money < 0)
    {
        Korrin::LogManager::GetInstance()->Write("Level: starting money %d taken as 0",
                                                 static_cast<int>(file.money));
    }
    mTaskInfo->money = std::max(file.money, 0);
    mTaskInfo->ClearGoals();
    for (const LevelFile::Goal& goal : file.goals)
    {
        if (goal.code == 0)
        {
            continue;
        }
        // A goal of an unknown goods code (logged) could never be met and would keep the level from ending.
        const std::uint8_t goods = GoodsFromFileCode(goal.code);
        if (goods != 0)
        {
            const auto target = static_cast<std::int32_t>(std::min<std::uint32_t>(goal.target, INT32_MAX));
            mTaskInfo->AddGoal(goods, target);
        }
    }
}

void Level::OfferStorehouseGoods(const LevelFile& file)
{
    Main* main = Main::Peek();
    GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr;
    if (windows == nullptr)
    {
        return;
    }
    std::vector<std::uint8_t> offered;
    for (const std::uint8_t code : file.storeGoods)
    {
        // An unknown code (logged) is no goods: it would show an empty row sold at no price.
        if (const std::uint8_t goods = GoodsFromFileCode(code); goods != 0)
        {
            offered.push_back(goods);
        }
    }
    windows->OfferStorehouseGoods(offered);
}

void Level::AddBuyers(const LevelFile& file)
{
    if (file.buyerCount < LevelFile::kMinimumBuyers)
    {
        ReportLevel("Нужно добавить 9 покупателей", 526);
    }
    for (const std::uint8_t code : file.buyers)
    {
        // The companion's errand keeps a buyer's number in a byte, 255 meaning none.
        if (mMembers.characters->GetBuyers().size() >= kMostBuyers)
        {
            if (Korrin::LogManager* log = Korrin::LogManager::Peek())
            {
                log->Write("The level lists more than %u buyers: the first %u come", kMostBuyers,
                           kMostBuyers);
            }
            break;
        }
        const auto kind = static_cast<std::uint8_t>(code + kBuyerCodeOffset);
        mContent.AddBuyer(*this, kind);
        if (GamePanel* panel = GamePanel::Peek())
        {
            panel->GetPers().AddPers(kind);
        }
        auto& kinds = mTaskInfo->buyerKinds;
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
        {
            kinds.push_back(kind);
        }
    }
}

void Level::FillField(const LevelFile& file)
{
    for (std::size_t layer = 0; layer < LevelFile::kDecorationLayers; ++layer)
    {
        for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
        {
            for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
            {
                mMembers.field->AddDecoration(layer, i, j,
                                              file.decorations[layer][FieldGeometry::Index(i, j)]);
            }
        }
    }
    for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
    {
        for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
        {
            mMembers.field->SetTile(i, j, file.tiles[FieldGeometry::Index(i, j)]);
            mMembers.field->SetObjectCode(i, j, file.objects[FieldGeometry::Index(i, j)]);
        }
    }
}

#include "game/Map.h"

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
#include "game/MapShopGui.h"
#include "game/Profile.h"
#include "game/Util/AnimatedObject.h"
#include "game/Util/Hint.h"
#include "game/Util/HintManager.h"
#include "game/Util/RotateMesh.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace
{

constexpr std::uint32_t kAllGoldAchievement = 12;
constexpr std::uint32_t kFinalClipIndex = 5;
const Korrin::Vector2 kHintOffset{22.0f, 30.0f};
const Korrin::Vector2 kNextLevelSparklePosition{23.0f, 30.0f};
const Korrin::Vector2 kTutorialHintPosition{845.0f, 610.0f};
constexpr float kRiverFlow = 0.01f;
constexpr float kPondFlow = 0.006f;
constexpr std::uint16_t kWheelSize = 64;
const Korrin::Vector2 kWaterWheelOffset{117.0f, 290.0f};

struct Point
{
    float x;
    float y;
};

// The corners of the three mill wheels over the painted mill, in the mesh's vertex order.
constexpr std::array<std::array<Point, 4>, 3> kMillWheelCorners{{
    {{{474, 366}, {511, 369}, {484, 404}, {514, 397}}},
    {{{527, 338}, {578, 342}, {531, 397}, {580, 390}}},
    {{{560, 362}, {597, 365}, {570, 400}, {600, 393}}},
}};

struct WaterRow
{
    Point left;
    Point right;
};
struct WaterShape
{
    const char* table;
    std::vector<WaterRow> rows;
};

// The rivers and the pond follow the painted banks; each row of the mesh spans from bank to bank.
const std::array<WaterShape, 5> kWaterShapes{{
    {"river_1",
     {{{879, 295}, {881, 340}},
      {{933, 301}, {911, 341}},
      {{999, 349}, {917, 348}},
      {{989, 432}, {875, 392}}}},
    {"river_2",
     {{{612, 306}, {634, 346}},
      {{530, 340}, {603, 358}},
      {{528, 378}, {592, 378}},
      {{555, 419}, {602, 391}},
      {{609, 451}, {652, 415}}}},
    {"river_3",
     {{{586, 480}, {635, 469}},
      {{591, 521}, {652, 503}},
      {{647, 570}, {718, 570}},
      {{642, 621}, {724, 620}},
      {{628, 676}, {724, 637}},
      {{666, 722}, {717, 669}},
      {{758, 746}, {767, 676}},
      {{954, 736}, {931, 666}}}},
    {"river_4",
     {{{159, 240}, {177, 240}},
      {{162, 317}, {175, 317}},
      {{164, 329}, {182, 338}},
      {{141, 332}, {141, 339}},
      {{95, 342}, {127, 342}},
      {{97, 354}, {240, 354}},
      {{94, 455}, {250, 456}}}},
    {"pond", {{{48, 402}, {408, 402}}, {{48, 496}, {408, 496}}}},
}};

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

void PlaySound(const char* name)
{
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    if (sounds == nullptr)
    {
        return;
    }
    if (Korrin::Sound* sound = sounds->GetSound(name))
    {
        sound->Play(false);
    }
}

std::uint16_t HighestLevel()
{
    const GameInfo* info = GameInfo::Peek();
    return info != nullptr ? info->highestLevel : 0;
}

bool FinalClipSeen()
{
    const Profile* profile = Profile::Peek();
    return profile != nullptr && profile->storyStage == static_cast<std::int32_t>(kFinalClipIndex);
}

GameGuiManager* Windows()
{
    Main* main = Main::Peek();
    return main != nullptr ? main->GetGameGuiManager() : nullptr;
}

bool WindowShown()
{
    const GameGuiManager* windows = Windows();
    // Before the first window the manager holds no identifier at all, which shows none either.
    return windows != nullptr && windows->GetShownWindow() != nullptr;
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

void ReleaseParticles(Korrin::ParticleSystem*& system)
{
    Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
    if (system != nullptr && particles != nullptr)
    {
        particles->DeleteParticleSystem(system);
    }
    system = nullptr;
}

Korrin::ParticleSystem* CreateParticles(const std::string& name)
{
    Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
    return particles != nullptr ? particles->CreateParticleSystem(name + ".particle", name) : nullptr;
}

void DrawMesh(Korrin::Mesh* mesh, const Korrin::Vector2& offset)
{
    if (mesh != nullptr)
    {
        mesh->DrawCells(Korrin::CheckedInteger<int>(offset.x), Korrin::CheckedInteger<int>(offset.y),
                        mesh->GetVertexColumns(), mesh->GetVertexRows());
    }
}

} // namespace

Map::Map() : mRandom(Korrin::RandomGenerator::RunSeed())
{
    mButterflies.reaction = true;
}

Map::~Map()
{
    for (MapItem* item : mItems)
    {
        delete item;
    }
    for (MapButton* button : mButtons)
    {
        delete button;
    }
    mItems.clear();
    mDrawItems.clear();
    mButtons.clear();
    for (Korrin::Mesh*& wheel : mMillWheels)
    {
        Release(wheel);
    }
    Release(mWaterWheel);
    for (Korrin::Mesh*& river : mRivers)
    {
        Release(river);
    }
    Release(mPond);
    Release(mBackground);
    Release(mSky);
    Release(mButtonSelection);
    Release(mCupSelection);
    Release(mButtonIcons);
    Release(mItemIcons);
    for (CupSparkleList& list : mCupSparkles)
    {
        for (CupSparkle& sparkle : list)
        {
            ReleaseParticles(sparkle.effect);
        }
        list.clear();
    }
    ReleaseParticles(mNextLevelSparkle);
    DeleteButterflies(mButterflies);
    DeleteAll();
}

void Map::Init()
{
    mShop = new MapShopGui();
    Add(kShopName, mShop, true);
    mShop->SetActive(false);
    InitAll();
    LoadDrawables();
    LoadItemsAndButtons();
    LoadButterfly(mButterflies, "map_fly.lua", "Butterfly1", "Path1", 0.25f);
    LoadButterfly(mButterflies, "map_fly.lua", "Butterfly1", "Path2", 0.25f);
    LoadButterfly(mButterflies, "map_fly.lua", "Butterfly2", "Path3", 0.3f);
    LoadButterfly(mButterflies, "map_fly.lua", "Butterfly3", "Path4", 0.4f);
    LoadSparkles();
    LoadWheels();
    mAnimals.Load("map_animal.lua", "AllObjects");
    LoadWater();
    mSettings.Load();
    mBoards.Init();
    LoadHintTables();
    CheckData();
    SetActive(IsActive());
}

void Map::LoadDrawables()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    mBackground = sprites->LoadSprite("background", kScript);
    mSky = sprites->LoadAnimatedSprite("sky", kScript);
    mItemIcons = sprites->LoadAnimatedSprite("item_icons", kScript);
    mButtonIcons = sprites->LoadAnimatedSprite("button_icons", kScript);
    mButtonSelection = sprites->LoadSprite("button_selection", kScript);
    mCupSelection = sprites->LoadSprite("cup_selection", kScript);
    if (Korrin::GuiManager* widgets = Korrin::GuiManager::Peek())
    {
        mMenuButtons = widgets->CreateContainer("menu_buttons", kScript);
        if (mMenuButtons != nullptr)
        {
            mMenuButtons->SetDisabled(true);
        }
    }
}

void Map::LoadItemsAndButtons()
{
    Korrin::LuaScript script;
    script.LoadFile(kScript, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    script.GetGlobal("items").ForEachEntry(
        [this](const LuaValue& /*key*/, const LuaValue& entry)
        {
            if (entry.IsTable())
            {
                auto* item = new MapItem();
                item->Load(entry);
                mItems.push_back(item);
                mDrawItems.push_back(item);
            }
        });
    std::sort(mDrawItems.begin(), mDrawItems.end(), MapItem::CompareByZ);
    for (std::size_t index = 0; index < mItems.size(); ++index)
    {
        mItems.Elements()[index]->index = static_cast<std::uint32_t>(index);
    }
    script.GetGlobal("buttons").ForEachEntry(
        [this](const LuaValue& /*key*/, const LuaValue& entry)
        {
            if (entry.IsTable())
            {
                auto* button = new MapButton();
                button->Load(entry);
                mButtons.push_back(button);
            }
        });
}

void Map::LoadSparkles()
{
    for (std::size_t button = 0; button < mButtons.size(); ++button)
    {
        const float delay = static_cast<float>(mRandom.Next() % 20) / 20.0f;
        mCupSparkles[0].push_back({delay, CreateParticles("GoldCupButtonParticle")});
        mCupSparkles[1].push_back({delay, CreateParticles("SilverCupButtonParticle")});
    }
    mNextLevelSparkle = CreateParticles("nextLevel");
    if (mNextLevelSparkle != nullptr)
    {
        mNextLevelSparkle->SetPosition(kNextLevelSparklePosition);
    }
}

void Map::LoadWheels()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    for (std::size_t wheel = 0; wheel < mMillWheels.size(); ++wheel)
    {
        Korrin::Mesh* mesh = sprites->CreateMesh("Mill01.png", kWheelSize, kWheelSize);
        mesh->SetAddressing(Korrin::RenderData::kAddressClamp);
        for (std::uint16_t vertex = 0; vertex < 4 && vertex < mesh->GetVertexCount(); ++vertex)
        {
            const std::uint16_t columns = mesh->GetVertexColumns();
            Korrin::Vertex& corner =
                mesh->GridVertex(static_cast<std::uint16_t>(vertex / columns), vertex % columns);
            corner.x = kMillWheelCorners[wheel][vertex].x;
            corner.y = kMillWheelCorners[wheel][vertex].y;
        }
        mMillWheels[wheel] = mesh;
    }
    mWaterWheel = sprites->CreateMesh("map_whell.png", kWheelSize, kWheelSize);
    mWaterWheel->SetAddressing(Korrin::RenderData::kAddressClamp);
}

void Map::LoadWater()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    for (std::size_t index = 0; index < kWaterShapes.size(); ++index)
    {
        const WaterShape& shape = kWaterShapes[index];
        Korrin::Mesh* mesh = sprites->LoadMesh(shape.table, kScript);
        for (std::uint16_t row = 0; row < mesh->GetVertexRows() && row < shape.rows.size(); ++row)
        {
            if (mesh->GetVertexColumns() < 2)
            {
                break;
            }
            Korrin::Vertex& left = mesh->GridVertex(row, 0);
            Korrin::Vertex& right = mesh->GridVertex(row, 1);
            left.x = shape.rows[row].left.x;
            left.y = shape.rows[row].left.y;
            right.x = shape.rows[row].right.x;
            right.y = shape.rows[row].right.y;
        }
        (index < mRivers.size() ? mRivers[index] : mPond) = mesh;
    }
}

void Map::LoadHintTables()
{
    {
        Korrin::LuaScript script;
        script.LoadFile("MapShop.lua", Korrin::LuaScript::IfMissing::Report);
        Korrin::LuaStackGuard guard(script.GetState());
        script.GetGlobal("icons")
            .GetField("Animation")
            .GetField("FramesList")
            .ForEachElement(
                [this](int /*position*/, const LuaValue& frame)
                {
                    Korrin::Rect rect;
                    if (frame.GetRect(rect))
                    {
                        mStuffIconRects.push_back(rect);
                    }
                });
        script.GetGlobal("mapHintDeltas")
            .ForEachElement(
                [this](int /*position*/, const LuaValue& entry)
                {
                    Korrin::Vector2 delta;
                    if (entry.GetVector2(delta))
                    {
                        mStuffHintDeltas.push_back(delta);
                    }
                });
    }
    Korrin::LuaScript script;
    script.LoadFile("MapHint.lua", Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    script.GetGlobal("mapHintTitles")
        .ForEachElement(
            [this](int /*position*/, const LuaValue& title)
            {
                if (title.IsString())
                {
                    mStuffTitles.push_back(title.ToString());
                }
            });
    script.GetGlobal("StuffMarkRect").GetRect(mStuffMarkRect);
    script.GetGlobal("HintUpgradeRects")
        .ForEachElement(
            [this](int /*position*/, const LuaValue& entry)
            {
                if (!entry.IsTable())
                {
                    return;
                }
                const LuaValue key = entry.GetField("maxUpgrades");
                const int maxUpgrades = key.IsNumber() ? Korrin::CheckedInteger<int>(key.ToFloat()) : 0;
                Korrin::SafeVector<Korrin::Rect>& rects = mUpgradeRects[maxUpgrades];
                entry.GetField("data").ForEachElement(
                    [&rects](int /*position*/, const LuaValue& value)
                    {
                        Korrin::Rect rect;
                        if (value.GetRect(rect))
                        {
                            if (Korrin::LogManager* log = Korrin::LogManager::Peek())
                            {
                                log->Write("%.0f %.0f %.0f %.0f", static_cast<double>(rect.left),
                                           static_cast<double>(rect.top), static_cast<double>(rect.right),
                                           static_cast<double>(rect.bottom));
                            }
                            rects.push_back(rect);
                        }
                    });
            });
}

void Map::CheckData()
{
    bool settingsFit = true;
    for (std::uint32_t level = 0; level < mSettings.GetLevelCount(); ++level)
    {
        const std::int32_t item = mSettings.GetLevel(level).sceneryItem;
        settingsFit = settingsFit && item < static_cast<std::int32_t>(mItems.size());
    }
    // One report for the whole file; every later use checks its index again.
    if (mItems.size() < kLeastItems || mButtons.size() < kLevelCount || !settingsFit)
    {
        Korrin::ReportAndBreak("Map.lua lacks items or buttons that the map needs!", Korrin::kGameModule,
                               "Source\\Map", 0);
    }
}

// ---- Entering and leaving ----

void Map::PlayMusic()
{
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    Main* main = Main::Peek();
    if (sounds == nullptr || main == nullptr)
    {
        return;
    }
    Korrin::Sound* music = sounds->GetSound("MainMenu");
    if (music == nullptr)
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("File not found: %s", "MainMenu");
        }
        return;
    }
    if (main->GetMusic() == music)
    {
        return;
    }
    sounds->StopMusic();
    main->SetMusic(music);
    music->Play(true);
}

void Map::Reset()
{
    PlayMusic();
    ResetAll();
    ComputeButtonStates();
    const MapItem* secondStart = kSecondStartItem < mItems.size() ? mItems[kSecondStartItem] : nullptr;
    if (secondStart != nullptr && secondStart->visible)
    {
        mAnimals.HideFirstThree();
    }
    else
    {
        mAnimals.ShowFirstThree();
    }
}

void Map::SetActive(bool active)
{
    if (mMenuButtons != nullptr)
    {
        mMenuButtons->SetDisabled(!active);
    }
    Blank::SetActive(active);
}

MapItem* Map::GetItem(std::uint32_t index)
{
    if (index >= mItems.size())
    {
        Korrin::ReportAndBreak("Wrong map item index!", Korrin::kGameModule, "Source\\Map", 0);
        return nullptr;
    }
    return mItems.Elements()[index];
}

MapButton* Map::GetButton(std::uint32_t index) const
{
    return index < mButtons.size() ? mButtons.Elements()[index] : nullptr;
}

void Map::ResetItems()
{
    for (MapItem* item : mItems)
    {
        item->time = 0.0f;
        item->visible = false;
        item->running = false;
    }
    for (std::uint32_t index : {kSecondStartItem, kFirstStartItem})
    {
        if (index < mItems.size())
        {
            mItems[index]->time = 0.0f;
            mItems[index]->visible = true;
        }
    }
}

void Map::ShowReachedItems()
{
    const std::uint32_t highest = HighestLevel();
    for (std::uint32_t level = 0; level <= highest && level < mSettings.GetLevelCount(); ++level)
    {
        const std::int32_t scenery = mSettings.GetLevel(level).sceneryItem;
        if (scenery < 0 || static_cast<std::uint32_t>(scenery) >= mItems.size())
        {
            continue;
        }
        MapItem* item = mItems[static_cast<std::size_t>(scenery)];
        item->time = 0.0f;
        item->running = false;
        item->visible = scenery != kFirstStartItem && scenery != kSecondStartItem;
    }
}

// ---- Level buttons ----

bool Map::LacksRequiredGoods(std::uint32_t level) const
{
    if (level >= mSettings.GetLevelCount())
    {
        return false;
    }
    const TableCost* table = TableCost::Peek();
    for (const MapSettings::ShopItem& required : mSettings.GetLevel(level).shopItems)
    {
        CostRecord record;
        const bool known = table != nullptr && required.id >= 0 && required.id <= 255 &&
                           table->GetCost(static_cast<std::uint8_t>(required.id), record);
        if (!known || record.owned == 0 || record.upgradeLevel < required.upgrade)
        {
            return true;
        }
    }
    return false;
}

void Map::ComputeButtonStates()
{
    const GameInfo* info = GameInfo::Peek();
    const std::uint32_t highest = HighestLevel();
    const bool finalSeen = FinalClipSeen();
    for (std::uint32_t index = 0; index < mButtons.size(); ++index)
    {
        MapButton& button = *mButtons[index];
        if (index < highest || finalSeen)
        {
            const std::int32_t pass =
                info != nullptr && index < info->passTypes.size() ? info->passTypes[index] : kLevelNotPassed;
            button.state = pass == kLevelPassedGold     ? MapButton::kGold
                           : pass == kLevelPassedSilver ? MapButton::kSilver
                                                        : MapButton::kPassed;
        }
        else if (index == highest)
        {
            button.state = LacksRequiredGoods(index) ? MapButton::kWaitingForGoods : MapButton::kOpen;
        }
        else
        {
            button.state = MapButton::kLocked;
        }
    }
}

std::int32_t Map::GetClickedButton() const
{
    for (std::size_t index = 0; index < mButtons.size(); ++index)
    {
        const MapButton& button = *mButtons[index];
        if (button.mouse == MapButton::kClicked && button.state != MapButton::kLocked)
        {
            return static_cast<std::int32_t>(index);
        }
    }
    return -1;
}

void Map::UpdateAllGold()
{
    const GameInfo* info = GameInfo::Peek();
    AchievementSystem* achievements = AchievementSystem::Peek();
    if (info == nullptr || achievements == nullptr || info->passTypes.empty())
    {
        return;
    }
    const bool allGold = std::all_of(info->passTypes.begin(), info->passTypes.end(),
                                     [](LevelPassType pass) { return pass == kLevelPassedGold; });
    if (allGold)
    {
        achievements->AddProgress(kAllGoldAchievement, 1);
    }
}

void Map::UpdateSparkle(CupSparkle& sparkle, std::size_t button, float dt)
{
    if (sparkle.effect == nullptr)
    {
        return;
    }
    sparkle.delay -= dt;
    if (sparkle.delay >= 0.0f)
    {
        return;
    }
    sparkle.effect->Update(dt);
    if (!sparkle.effect->HasActiveEmitter())
    {
        sparkle.effect->Restart();
        sparkle.delay =
            2.0f + static_cast<float>(mRandom.Next() % 60) / (static_cast<float>(button / 2 + 1) * 60.0f);
    }
}

void Map::UpdateButtons(float dt)
{
    const bool blocked = WindowShown();
    for (std::size_t index = 0; index < mButtons.size(); ++index)
    {
        MapButton& button = *mButtons[index];
        button.UpdateMouse(blocked);
        if (button.state == MapButton::kGold && index < mCupSparkles[0].size())
        {
            UpdateSparkle(mCupSparkles[0][index], index, dt);
        }
        else if (button.state == MapButton::kSilver && index < mCupSparkles[1].size())
        {
            UpdateSparkle(mCupSparkles[1][index], index, dt);
        }
    }
}

bool Map::ClickLevel(std::int32_t level)
{
    PlaySound("click_button");
    Profile* profile = Profile::Peek();
    if (profile != nullptr)
    {
        profile->mapHint = 1;
    }
    const auto index = static_cast<std::uint32_t>(level);
    if (index == HighestLevel() && LacksRequiredGoods(index))
    {
        if (mShop != nullptr)
        {
            mShop->SetActive(true);
        }
        return true;
    }
    GameGuiManager* windows = Windows();
    auto* start = windows != nullptr
                      ? dynamic_cast<StartNewLevelGui*>(windows->Get(StartNewLevelGui::kWindowId))
                      : nullptr;
    // Both clip fields are written on every click, so that a cancelled start cannot leave a clip (and
    // its level) for the next one.
    std::int32_t clip = StartNewLevelGui::kNoClip;
    for (const StoryLevel& story : kStoryLevels)
    {
        if (story.level == index && profile != nullptr && profile->storyStage < story.stageBelow)
        {
            clip = story.clip;
        }
    }
    if (start != nullptr)
    {
        start->mClip = clip;
    }
    if (ClipGui* clips = ClipGui::Peek())
    {
        clips->levelToStart = clip != StartNewLevelGui::kNoClip ? level + 1 : ClipGui::kNoLevel;
    }
    if (profile != nullptr)
    {
        profile->levelInPlay = level;
    }
    if (windows == nullptr)
    {
        return false;
    }
    if (profile == nullptr || profile->GetSavedGameLevel() < 0)
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("_GetMain().GetGameGuiManager()->Get(GMT_START_LEVEL) %i", level);
        }
        if (start != nullptr)
        {
            start->mLevelIndex = index;
        }
        windows->Show(StartNewLevelGui::kWindowId);
    }
    else
    {
        if (auto* resume = dynamic_cast<ContinueLevelGui*>(windows->Get(ContinueLevelGui::kWindowId)))
        {
            resume->mLevelIndex = index;
        }
        windows->Show(ContinueLevelGui::kWindowId);
    }
    if (mMenuButtons != nullptr)
    {
        mMenuButtons->SetDisabled(true);
    }
    return false;
}

void Map::UpdateHints()
{
    HintManager* hints = HintManager::Peek();
    if (hints == nullptr || WindowShown())
    {
        return;
    }
    const std::uint32_t highest = HighestLevel();
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
        const auto costId = static_cast<std::uint8_t>(std::clamp(required.id, 0, 255));
        CostRecord record;
        const bool known = table != nullptr && table->GetCost(costId, record);
        const std::string n = std::to_string(k++);
        hint.ShowItem("stuff" + n, GetStuffIconRect(costId, required.upgrade));
        hint.GetOffsets()["stuff" + n] = GetStuffHintDelta(costId, required.upgrade);
        const auto found = mUpgradeRects.find(static_cast<int>(record.maxLevel) + 1);
        const bool hasRect = found != mUpgradeRects.end() && required.upgrade >= 0 &&
                             static_cast<std::size_t>(required.upgrade) < found->second.size();
        hint.ShowItem("upgradeRect" + n,
                      hasRect ? found->second[static_cast<std::size_t>(required.upgrade)] : Korrin::Rect{});
        hint.SetText("stuffname" + n, GetStuffTitle(costId, button, required.upgrade));
        const bool done = known && record.owned != 0 && record.upgradeLevel >= required.upgrade;
        hint.ShowItem("stuffMark" + n, done ? mStuffMarkRect : Korrin::Rect{});
    }
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

// ---- The frame ----

bool Map::Update(float dt)
{
    const std::uint32_t highest = HighestLevel();
    if (mMenuButtons != nullptr)
    {
        if (auto* shop = dynamic_cast<Korrin::GuiButton*>(mMenuButtons->GetByName("MAP_SHOP")))
        {
            shop->SetDisabled(highest < 2);
        }
    }
    UpdateAllGold();
    mBoards.Update(dt);
    if (mNextLevelSparkle != nullptr)
    {
        mNextLevelSparkle->Update(dt);
    }
    if (mShop != nullptr && mShop->IsActive())
    {
        UpdateAll(dt);
        return true;
    }
    if (mSky != nullptr)
    {
        mSky->Update(dt);
    }
    // Disabling clears the buttons' mouse states, so it is done only when the state changes.
    const bool windowShown = WindowShown();
    if (mMenuButtons != nullptr && mMenuButtons->IsDisabled() != windowShown)
    {
        mMenuButtons->SetDisabled(windowShown);
    }
    UpdateButtons(dt);
    if (const std::int32_t clicked = GetClickedButton(); clicked >= 0 && ClickLevel(clicked))
    {
        return true;
    }
    UpdateHints();
    if (mSky != nullptr)
    {
        mSky->Update(dt);
    }
    for (Butterfly* butterfly : mButterflies.butterflies)
    {
        butterfly->Update(dt);
    }
    for (MapItem* item : mItems)
    {
        if (item->functional != 0)
        {
            UpdateFunctionalItem(*item, dt);
        }
    }
    for (std::size_t index = 0; index < mAnimals.GetCount(); ++index)
    {
        mAnimals.Get(index)->Update(dt);
    }
    UpdateWater(dt);
    UpdateEffects(dt);
    return HandleMenuButtons();
}

void Map::UpdateFunctionalItem(MapItem& item, float dt)
{
    switch (item.functional)
    {
    case MapItem::kMillWheels:
        for (Korrin::Mesh* wheel : mMillWheels)
        {
            if (wheel != nullptr)
            {
                RotateMesh(*wheel, dt, 1.0f, 0.5f, 0.5f);
            }
        }
        if (item.visible && item.running)
        {
            for (std::size_t animal : {6, 7, 8})
            {
                mAnimals.Hide(animal);
            }
        }
        break;
    case MapItem::kWaterWheelGoing:
        if ((!item.visible || item.running) && mWaterWheel != nullptr)
        {
            RotateMesh(*mWaterWheel, dt, -0.5f, 0.5f, 0.5f);
        }
        break;
    case MapItem::kAnimals:
        if (!item.visible && !item.running)
        {
            mAnimals.ShowFirstThree();
        }
        break;
    default:
        break;
    }
}

void Map::UpdateWater(float dt)
{
    auto flow = [dt](Korrin::Mesh* mesh, float rate)
    {
        if (mesh == nullptr)
        {
            return;
        }
        for (std::uint16_t row = 0; row < mesh->GetVertexRows(); ++row)
        {
            for (std::uint16_t column = 0; column < mesh->GetVertexColumns(); ++column)
            {
                mesh->OffsetVertexUV(row, column, 0.0f, -dt * rate);
            }
        }
    };
    for (Korrin::Mesh* river : mRivers)
    {
        flow(river, kRiverFlow);
    }
    flow(mPond, kPondFlow);
}

void Map::UpdateEffects(float dt)
{
    for (MapItem* item : mDrawItems)
    {
        if (!item->running)
        {
            continue;
        }
        item->time += dt;
        if (item->time > item->timeEffect)
        {
            item->running = false;
            item->time = item->timeEffect;
        }
    }
}

bool Map::HandleMenuButtons()
{
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    if (clicked == nullptr)
    {
        return true;
    }
    if (clicked->GetName() == "MAP_SHOP")
    {
        PlaySound("click_button");
        if (mShop != nullptr)
        {
            mShop->SetActive(true);
        }
        return true;
    }
    if (clicked->GetName() == "MAP_MENU")
    {
        PlaySound("click_button");
        if (mMenuButtons != nullptr)
        {
            mMenuButtons->SetDisabled(true);
        }
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("MAP_MENU");
        }
        if (Main* main = Main::Peek())
        {
            main->SetCurrent(Main::kMainMenuScreen);
        }
        return false;
    }
    return true;
}

// ---- Drawing ----

void Map::Draw()
{
    if (mShop != nullptr && mShop->IsActive())
    {
        DrawAll();
        return;
    }
    if (mSky != nullptr)
    {
        mSky->Draw();
    }
    for (Korrin::Mesh* river : mRivers)
    {
        DrawMesh(river, {});
    }
    DrawMesh(mPond, {});
    if (mBackground != nullptr)
    {
        mBackground->Draw(Korrin::CheckedInteger<int>(mBackground->GetPosition().x),
                          Korrin::CheckedInteger<int>(mBackground->GetPosition().y));
    }
    DrawItems();
    for (std::size_t index = 0; index < mAnimals.GetCount(); ++index)
    {
        if (mAnimals.Get(index)->IsEnabled())
        {
            mAnimals.Get(index)->Draw();
        }
    }
    DrawButtons();
    DrawButterflies(mButterflies);
    if (mMenuButtons != nullptr)
    {
        mMenuButtons->Draw();
    }
    DrawShownBoard();
}

void Map::DrawShownBoard()
{
    mBoards.Draw();
}

void Map::DrawItems()
{
    if (mItemIcons == nullptr || mItemIcons->GetFrameCount() == 0)
    {
        return;
    }
    const Korrin::Colour own = mItemIcons->GetColour();
    const auto lastFrame = static_cast<std::uint32_t>(mItemIcons->GetFrameCount() - 1);
    for (const MapItem* item : mDrawItems)
    {
        if (!item->visible && !item->running)
        {
            continue;
        }
        const auto frame = static_cast<std::uint16_t>(std::min(item->index, lastFrame));
        const int x = Korrin::CheckedInteger<int>(item->pos.x);
        const int y = Korrin::CheckedInteger<int>(item->pos.y);
        float alpha = own.alpha;
        bool drawn = false;
        switch (item->effect)
        {
        case MapItem::kBlink:
            alpha = item->running ? std::fabs(std::sin(item->time * 8.0f)) : own.alpha;
            break;
        case MapItem::kFade:
            alpha = item->FadeAlpha();
            break;
        case MapItem::kSink:
        {
            const Korrin::Rect& source = mItemIcons->GetFrameRect(frame);
            const float w = source.right - source.left;
            const float h = source.bottom - source.top;
            const float top =
                static_cast<float>(y) + h - ((item->timeEffect - item->time) * h) / item->EffectLength();
            mItemIcons->DrawFrameInRect(frame, static_cast<float>(x), static_cast<float>(y),
                                        Korrin::Rect{static_cast<float>(x), top, static_cast<float>(x) + w,
                                                     static_cast<float>(y) + h});
            drawn = true;
            break;
        }
        default:
            break;
        }
        mItemIcons->SetColour(own.red, own.green, own.blue, alpha);
        if (!drawn)
        {
            mItemIcons->DrawFrame(frame, x, y);
        }
        if (item->functional != 0)
        {
            DrawFunctionalItem(*item, own.red, own.green, own.blue, alpha);
        }
        mItemIcons->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    }
}

void Map::DrawFunctionalItem(const MapItem& item, float red, float green, float blue, float alpha)
{
    switch (item.functional)
    {
    case MapItem::kMillWheels:
        for (Korrin::Mesh* wheel : mMillWheels)
        {
            if (wheel != nullptr)
            {
                wheel->SetColour(red, green, blue, alpha);
                DrawMesh(wheel, {});
            }
        }
        break;
    case MapItem::kWaterWheel:
        if (mWaterWheel != nullptr)
        {
            mWaterWheel->SetColour(red, green, blue, alpha);
            DrawMesh(mWaterWheel, kWaterWheelOffset);
        }
        break;
    case MapItem::kWaterWheelGoing:
        if (mWaterWheel != nullptr && !item.visible)
        {
            mWaterWheel->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
            DrawMesh(mWaterWheel, kWaterWheelOffset);
        }
        break;
    default:
        break;
    }
}

void Map::DrawButtons()
{
    if (mButtonIcons == nullptr || mButtonIcons->GetFrameCount() == 0)
    {
        return;
    }
    const std::uint32_t highest = HighestLevel();
    const bool finalSeen = FinalClipSeen();
    const auto lastFrame = static_cast<std::int64_t>(mButtonIcons->GetFrameCount() - 1);
    for (std::size_t index = 0; index < mButtons.size(); ++index)
    {
        const MapButton& button = *mButtons[index];
        const bool live = button.state != MapButton::kLocked;
        const float offset = button.mouse == MapButton::kPressed && live ? 5.0f : 0.0f;
        const bool highlighted =
            (button.mouse == MapButton::kHover || button.mouse == MapButton::kPressed) && live;
        const Korrin::Vector2 at{button.pos.x, button.pos.y + offset};
        if (index == highest && !finalSeen && mNextLevelSparkle != nullptr)
        {
            mNextLevelSparkle->Draw(at);
        }
        const std::int64_t frame = std::clamp<std::int64_t>(
            static_cast<std::int64_t>(button.type) * MapButton::kFramesPerType + button.state, 0, lastFrame);
        mButtonIcons->DrawFrame(static_cast<std::uint16_t>(frame), Korrin::CheckedInteger<int>(at.x),
                                Korrin::CheckedInteger<int>(at.y));
        if (button.state == MapButton::kGold && index < mCupSparkles[0].size() &&
            mCupSparkles[0][index].effect != nullptr)
        {
            mCupSparkles[0][index].effect->Draw(at);
        }
        else if (button.state == MapButton::kSilver && index < mCupSparkles[1].size() &&
                 mCupSparkles[1][index].effect != nullptr)
        {
            mCupSparkles[1][index].effect->Draw(at);
        }
        if (highlighted)
        {
            Korrin::Sprite* selection = button.state == MapButton::kGold || button.state == MapButton::kSilver
                                            ? mCupSelection
                                            : mButtonSelection;
            if (selection != nullptr)
            {
                selection->Draw(Korrin::CheckedInteger<int>(at.x), Korrin::CheckedInteger<int>(at.y));
            }
        }
    }
}

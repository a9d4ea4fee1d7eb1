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

constexpr std::uint32_t kFinalClipIndex = 5;
const Korrin::Vector2 kNextLevelSparklePosition{23.0f, 30.0f};
constexpr float kRiverFlow = 0.01f;
constexpr float kPondFlow = 0.006f;
constexpr std::uint16_t kWheelSize = 64;

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

} // namespace

bool Map::FinalClipSeen()
{
    const Profile* profile = Profile::Peek();
    return profile != nullptr && profile->storyStage == static_cast<std::int32_t>(kFinalClipIndex);
}

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
        // The sails' picture is larger than the wheel's cell: spread all of it over the cell, so that the
        // whole cross shows and turns about the cell's middle instead of a corner cut from it.
        mesh->SetTextureRect(0, 0, mesh->GetTextureWidth(), mesh->GetTextureHeight());
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
    const std::vector<MapWater::Shape>& shapes = MapWater::Shapes();
    for (std::size_t index = 0; index < shapes.size(); ++index)
    {
        const MapWater::Shape& shape = shapes[index];
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
    LoadGoodsIcons();
    LoadHintLayout();
}

// The goods' icons and their places in a hint, from the map shop's script.
void Map::LoadGoodsIcons()
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

// The goods' titles, the bought mark and the upgrade marks of the level hints.
void Map::LoadHintLayout()
{
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
    const std::uint32_t highest = GameInfo::HighestLevelReached();
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

// ---- The frame ----

bool Map::Update(float dt)
{
    const std::uint32_t highest = GameInfo::HighestLevelReached();
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
    const bool windowShown = GameGuiManager::IsAnyShown();
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
        Korrin::PlaySoundOnce("click_button");
        if (mShop != nullptr)
        {
            mShop->SetActive(true);
        }
        return true;
    }
    if (clicked->GetName() == "MAP_MENU")
    {
        Korrin::PlaySoundOnce("click_button");
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

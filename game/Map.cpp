#include "game/Map.h"

#include "engine/Gui/GuiManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/GUI/MainMenu.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"

#include <algorithm>
#include <string>

Map::Map()
{
    mSettings.Load();
    firstProgressLevel = static_cast<std::uint32_t>(std::max(mSettings.GetProgressStartLevel(), 0));
    secondProgressLevel = static_cast<std::uint32_t>(std::max(mSettings.GetProgressSwapLevel(), 0));
    for (std::uint32_t index = 0; index < kItemCount; ++index)
    {
        mItems.push_back(new MapItem{0.0f, false, false, index});
    }
}

Map::~Map()
{
    for (MapItem* item : mItems)
    {
        delete item;
    }
    mItems.clear();
}

void Map::Init()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mBackground = sprites->LoadSprite("Background", MainMenu::kBackgroundScript);
    }
    if (Korrin::GuiManager* widgets = Korrin::GuiManager::Peek())
    {
        mLevelButtons = widgets->CreateContainer("MapLevels", kLevelButtonScript);
    }
    SetActive(IsActive());
}

void Map::SetActive(bool active)
{
    Blank::SetActive(active);
    if (mLevelButtons != nullptr)
    {
        mLevelButtons->SetDisabled(!active);
    }
}

bool Map::Update(float dt)
{
    if (!UpdateAll(dt))
    {
        return false;
    }
    const std::uint16_t level = ClickedLevel();
    Game* game = Game::Peek();
    if (level == 0 || game == nullptr)
    {
        return true;
    }
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    if (Korrin::Sound* click = sounds != nullptr ? sounds->GetSound("click_button") : nullptr)
    {
        click->Play(false);
    }
    game->StartLevel(level);
    return true;
}

std::uint16_t Map::ClickedLevel() const
{
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    if (clicked == nullptr || mLevelButtons == nullptr)
    {
        return 0;
    }
    for (std::uint16_t level = 1; level <= kSampleLevels; ++level)
    {
        if (clicked->GetName() == "MAP_LEVEL_" + std::to_string(level))
        {
            return level;
        }
    }
    return 0;
}

void Map::Draw()
{
    if (mBackground != nullptr)
    {
        mBackground->Draw(Korrin::CheckedInteger<int>(mBackground->GetPosition().x),
                          Korrin::CheckedInteger<int>(mBackground->GetPosition().y));
    }
    DrawAll();
    if (mLevelButtons != nullptr)
    {
        mLevelButtons->Draw();
    }
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
        if (MapItem* item = GetItem(index))
        {
            item->time = 0.0f;
            item->visible = true;
        }
    }
}

void Map::ShowReachedItems()
{
    const GameInfo* info = GameInfo::Peek();
    if (info == nullptr)
    {
        return;
    }
    const std::uint32_t last = std::min<std::uint32_t>(info->highestLevel, mSettings.GetLevelCount() - 1);
    for (std::uint32_t level = 0; mSettings.GetLevelCount() > 0 && level <= last; ++level)
    {
        const std::int32_t scenery = mSettings.GetLevel(level).sceneryItem;
        if (scenery < 0)
        {
            continue;
        }
        MapItem* item = GetItem(static_cast<std::uint32_t>(scenery));
        if (item == nullptr)
        {
            continue;
        }
        item->time = 0.0f;
        item->running = false;
        item->visible = scenery != kFirstStartItem && scenery != kSecondStartItem;
    }
}

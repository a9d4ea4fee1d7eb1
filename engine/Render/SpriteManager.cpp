#include "engine/Render/SpriteManager.h"

#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Mesh.h"
#include "engine/Render/Sprite.h"
#include "engine/Script/LuaValue.h"

#include <algorithm>

namespace Korrin
{

SpriteManager::SpriteManager() = default;

SpriteManager::~SpriteManager()
{
    DeleteAll();
}

SpriteManager* SpriteManager::GetInstance()
{
    return CheckedInstance("SpriteManager::mSingleton==NULL", kEngineModule, "Source\\Render\\SpriteManager",
                           25);
}

template <typename T>
T* SpriteManager::Keep(std::unique_ptr<T> sprite)
{
    T* kept = sprite.get();
    mSprites.push_back(std::move(sprite));
    return kept;
}

Sprite* SpriteManager::CreateSprite(const std::string& image)
{
    return Keep(std::make_unique<Sprite>(image));
}

Sprite* SpriteManager::LoadSprite(const std::string& table, const std::string& file)
{
    return Keep(std::make_unique<Sprite>(table, file));
}

Sprite* SpriteManager::CreateSpriteFromTable(const LuaValue& table)
{
    auto sprite = std::make_unique<Sprite>();
    if (table.IsTable())
    {
        sprite->Load(table);
    }
    return Keep(std::move(sprite));
}

AnimatedSprite* SpriteManager::CreateAnimatedSprite(const std::string& image)
{
    return Keep(std::make_unique<AnimatedSprite>(image));
}

AnimatedSprite* SpriteManager::LoadAnimatedSprite(const std::string& table, const std::string& file)
{
    return Keep(std::make_unique<AnimatedSprite>(table, file));
}

AnimatedSprite* SpriteManager::CreateAnimatedSpriteFromTable(const LuaValue& table)
{
    return Keep(std::make_unique<AnimatedSprite>(table));
}

Mesh* SpriteManager::CreateMesh(const std::string& image, std::uint16_t width, std::uint16_t height)
{
    return Keep(std::make_unique<Mesh>(image, width, height));
}

Mesh* SpriteManager::LoadMesh(const std::string& table, const std::string& file)
{
    return Keep(std::make_unique<Mesh>(table, file));
}

AnimatedMesh* SpriteManager::LoadAnimatedMesh(const std::string& table, const std::string& file)
{
    return Keep(std::make_unique<AnimatedMesh>(table, file));
}

void SpriteManager::DeleteSprite(NullSprite* sprite)
{
    const auto found =
        std::find_if(mSprites.begin(), mSprites.end(),
                     [sprite](const std::unique_ptr<NullSprite>& kept) { return kept.get() == sprite; });
    if (found != mSprites.end())
    {
        mSprites.erase(found);
    }
}

void SpriteManager::DeleteAll()
{
    mSprites.clear();
}

} // namespace Korrin

#pragma once

#include "engine/Util/Singleton.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class LuaValue;

namespace Korrin
{

class AnimatedMesh;
class AnimatedSprite;
class Mesh;
class NullSprite;
class Sprite;

// Makes every drawable, keeps it in one list in creation order, and deletes it on request or at the end.
class SpriteManager : public Singleton<SpriteManager>
{
public:
    SpriteManager();
    ~SpriteManager();

    static SpriteManager* GetInstance();

    Sprite* CreateSprite(const std::string& image);
    Sprite* LoadSprite(const std::string& table, const std::string& file);
    Sprite* CreateSpriteFromTable(const LuaValue& table);
    AnimatedSprite* CreateAnimatedSprite(const std::string& image);
    AnimatedSprite* LoadAnimatedSprite(const std::string& table, const std::string& file);
    AnimatedSprite* CreateAnimatedSpriteFromTable(const LuaValue& table);
    Mesh* CreateMesh(const std::string& image, std::uint16_t width, std::uint16_t height);
    Mesh* LoadMesh(const std::string& table, const std::string& file);
    AnimatedMesh* LoadAnimatedMesh(const std::string& table, const std::string& file);

    // Deletes a drawable of the list; one the list does not hold is left alone.
    void DeleteSprite(NullSprite* sprite);
    void DeleteAll();

    std::size_t GetCount() const { return mSprites.size(); }

private:
    template <typename T>
    T* Keep(std::unique_ptr<T> sprite);

    std::vector<std::unique_ptr<NullSprite>> mSprites;
};

} // namespace Korrin

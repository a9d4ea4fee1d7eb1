#pragma once

#include "engine/Util/SafeVector.h"

#include <cstdint>
#include <string>

namespace Korrin
{
class AnimatedMesh;
class Texture;
} // namespace Korrin

// A visual made of several animated meshes drawn together at one place. Its parts are named in a
// script's "MeshList"; with an "ImageList" one texture of the list can be swapped into every part at
// drawing time, so that one set of meshes shows several looks.
class AniMeshContainer
{
public:
    // One part: its mesh table's name and its drawable (the sprite manager's).
    struct Entity
    {
        std::string name;
        Korrin::AnimatedMesh* mesh = nullptr;
        bool visible = true;
    };

    AniMeshContainer() = default;
    ~AniMeshContainer();
    AniMeshContainer(const AniMeshContainer&) = delete;
    AniMeshContainer& operator=(const AniMeshContainer&) = delete;

    void Load(const std::string& scriptFile, bool imageList);
    void Release();

    void SetAnimationTime(float time);
    void SetLoop(std::uint8_t loop);
    // True while any part still animates.
    bool Update(float dt);
    // Mirrors the whole visual left to right.
    void FlipHorizontal();

    Entity* GetEntity(int index);
    void SetEntityTextureRect(int index, float x1, float y1, float x2, float y2);

    void Draw(std::uint16_t textureIndex, int x, int y, bool twice);
    // Only the parts below count; image-list mode only.
    void DrawFirstEntities(std::uint16_t textureIndex, int x, int y, int count, bool twice);
    // Only the parts from first on; image-list mode only.
    void DrawEntitiesFrom(std::uint16_t textureIndex, int x, int y, int first, bool twice);

    std::size_t GetEntityCount() const { return mParts.size(); }
    std::size_t GetTextureCount() const { return mTextures.size(); }
    Korrin::Texture* GetTexture(std::size_t index) const
    {
        return index < mTextures.size() ? mTextures.Elements()[index] : nullptr;
    }
    bool IsImageListMode() const { return mImageListMode; }
    std::uint8_t GetLoop() const { return mLoop; }
    float GetAnimationTime() const { return mAnimationTime; }

private:
    void DrawRange(std::uint16_t textureIndex, int x, int y, std::size_t first, std::size_t end, bool twice);
    static void DrawPart(Korrin::AnimatedMesh& mesh, int x, int y, bool twice);

    Korrin::SafeVector<Entity*> mParts;
    std::uint8_t mLoop = 0;
    float mAnimationTime = 0.0f;
    Korrin::SafeVector<Korrin::Texture*> mTextures;
    bool mImageListMode = false;
};

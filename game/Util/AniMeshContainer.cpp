#include "game/Util/AniMeshContainer.h"

#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Render/TextureManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Util/CheckedInteger.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

// Every string value of a table, in the table's own order.
std::vector<std::string> StringsOf(const LuaValue& table)
{
    std::vector<std::string> strings;
    table.ForEachEntry(
        [&strings](const LuaValue& /*key*/, const LuaValue& value)
        {
            if (value.IsString())
            {
                strings.push_back(value.ToString());
            }
        });
    return strings;
}

} // namespace

AniMeshContainer::~AniMeshContainer()
{
    Release();
}

void AniMeshContainer::Load(const std::string& scriptFile, bool imageList)
{
    mImageListMode = imageList;
    Release();

    Korrin::LuaScript script;
    script.LoadFile(scriptFile, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    for (const std::string& name : StringsOf(script.GetGlobal("MeshList")))
    {
        mParts.push_back(new Entity{name, nullptr, true});
    }
    if (imageList)
    {
        const LuaValue images = script.GetGlobal("ImageList");
        Korrin::TextureManager* textures = Korrin::TextureManager::Peek();
        if (images.IsTable() && textures != nullptr)
        {
            mTextures.clear();
            for (const std::string& image : StringsOf(images))
            {
                mTextures.push_back(textures->GetTexture(image));
            }
        }
    }
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (Entity* part : mParts)
        {
            part->mesh = sprites->LoadAnimatedMesh(part->name, scriptFile);
        }
    }
    mLoop = 0;
}

void AniMeshContainer::Release()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    for (Entity* part : mParts)
    {
        if (sprites != nullptr && part->mesh != nullptr)
        {
            sprites->DeleteSprite(part->mesh);
        }
        delete part;
    }
    mParts.clear();
    Korrin::TextureManager* textures = Korrin::TextureManager::Peek();
    for (Korrin::Texture* texture : mTextures)
    {
        if (textures != nullptr && texture != nullptr)
        {
            textures->UnloadTexture(texture);
        }
    }
    mTextures.clear();
}

void AniMeshContainer::SetAnimationTime(float time)
{
    mAnimationTime = time;
    for (Entity* part : mParts)
    {
        if (part->mesh != nullptr)
        {
            part->mesh->SetTime(time);
        }
    }
}

void AniMeshContainer::SetLoop(std::uint8_t loop)
{
    mLoop = loop;
    for (Entity* part : mParts)
    {
        if (part->mesh != nullptr)
        {
            part->mesh->SetLoop(loop != 0);
        }
    }
}

bool AniMeshContainer::Update(float dt)
{
    bool animating = false;
    for (Entity* part : mParts)
    {
        if (part->mesh != nullptr && part->mesh->UpdateAnimation(dt))
        {
            animating = true;
        }
    }
    return animating;
}

void AniMeshContainer::FlipHorizontal()
{
    for (Entity* part : mParts)
    {
        if (part->mesh != nullptr)
        {
            part->mesh->FlipFramesHorizontal();
        }
    }
}

AniMeshContainer::Entity* AniMeshContainer::GetEntity(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= mParts.size())
    {
        return nullptr;
    }
    return mParts.Elements()[static_cast<std::size_t>(index)];
}

void AniMeshContainer::SetEntityTextureRect(int index, float x1, float y1, float x2, float y2)
{
    Entity* part = GetEntity(index);
    if (part == nullptr || part->mesh == nullptr)
    {
        return;
    }
    auto nearest = [](float value) { return Korrin::CheckedInteger<int>(std::round(value)); };
    part->mesh->SetTextureRect(nearest(x1), nearest(y1), nearest(x2), nearest(y2));
}

void AniMeshContainer::DrawPart(Korrin::AnimatedMesh& mesh, int x, int y, bool twice)
{
    constexpr std::uint16_t kWholeGrid = std::numeric_limits<std::uint16_t>::max();
    mesh.SetBlendMode(Korrin::RenderData::kBlendAlpha);
    mesh.DrawCells(x, y, kWholeGrid, kWholeGrid);
    if (twice)
    {
        mesh.SetBlendMode(Korrin::RenderData::kBlendAdd);
        mesh.DrawCells(x, y, kWholeGrid, kWholeGrid);
    }
}

void AniMeshContainer::DrawRange(std::uint16_t textureIndex, int x, int y, std::size_t first, std::size_t end,
                                 bool twice)
{
    end = std::min(end, mParts.size());
    Korrin::Texture* look = mImageListMode ? GetTexture(textureIndex) : nullptr;
    for (std::size_t index = first; index < end; ++index)
    {
        Entity* part = mParts.Elements()[index];
        if (part->mesh == nullptr || !part->visible)
        {
            continue;
        }
        if (mImageListMode)
        {
            Korrin::Texture* own = part->mesh->SwapDrawTexture(look);
            DrawPart(*part->mesh, x, y, twice);
            part->mesh->SwapDrawTexture(own);
        }
        else
        {
            DrawPart(*part->mesh, x, y, twice);
        }
    }
}

void AniMeshContainer::Draw(std::uint16_t textureIndex, int x, int y, bool twice)
{
    DrawRange(textureIndex, x, y, 0, mParts.size(), twice);
}

void AniMeshContainer::DrawFirstEntities(std::uint16_t textureIndex, int x, int y, int count, bool twice)
{
    if (mImageListMode && count > 0)
    {
        DrawRange(textureIndex, x, y, 0, static_cast<std::size_t>(count), twice);
    }
}

void AniMeshContainer::DrawEntitiesFrom(std::uint16_t textureIndex, int x, int y, int first, bool twice)
{
    if (mImageListMode)
    {
        DrawRange(textureIndex, x, y, static_cast<std::size_t>(std::max(first, 0)), mParts.size(), twice);
    }
}

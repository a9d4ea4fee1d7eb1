#include "engine/Render/NullSprite.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Render/Texture.h"
#include "engine/Render/TextureManager.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"

#include <utility>

namespace Korrin
{

namespace
{

std::uint16_t WholePixels(float size)
{
    return CheckedInteger<std::uint16_t>(size);
}

} // namespace

NullSprite::NullSprite()
{
    mRenderData.mVertexData = mVertices.data();
    mRenderData.mVertexCount = static_cast<std::uint32_t>(mVertices.size());
}

NullSprite::~NullSprite()
{
    if (mRenderData.mTexture != nullptr)
    {
        if (TextureManager* textures = TextureManager::Peek(); textures != nullptr)
        {
            textures->UnloadTexture(mRenderData.mTexture);
        }
    }
}

void NullSprite::SetSrcRect(int left, int top, int right, int bottom)
{
    mSrcRect = Rect{static_cast<float>(left), static_cast<float>(top), static_cast<float>(right),
                    static_cast<float>(bottom)};
    const float width = mTextureWidth;
    const float height = mTextureHeight;
    float uLeft = static_cast<float>(left) / width;
    float uRight = static_cast<float>(right) / width;
    float vBottom = static_cast<float>(bottom) / height;
    float vTop = static_cast<float>(top) / height;
    if (mMirrorH)
    {
        std::swap(uLeft, uRight);
    }
    if (mMirrorV)
    {
        std::swap(vBottom, vTop);
    }
    mVertices[0].u = uLeft;
    mVertices[3].u = uLeft;
    mVertices[1].u = uRight;
    mVertices[2].u = uRight;
    mVertices[0].v = vBottom;
    mVertices[1].v = vBottom;
    mVertices[2].v = vTop;
    mVertices[3].v = vTop;
}

void NullSprite::SetSrcRectF(const Rect& rect)
{
    SetSrcRect(CheckedInteger<int>(rect.left), CheckedInteger<int>(rect.top), CheckedInteger<int>(rect.right),
               CheckedInteger<int>(rect.bottom));
}

void NullSprite::SetColour(float red, float green, float blue, float alpha)
{
    mColour = Colour{red, green, blue, alpha};
    const std::uint32_t packed = mColour.ToARGB();
    for (Vertex& vertex : mVertices)
    {
        vertex.colour = packed;
    }
}

void NullSprite::SetColourV(const Colour& colour)
{
    SetColour(colour.red, colour.green, colour.blue, colour.alpha);
}

void NullSprite::LoadImage(const std::string& name)
{
    TextureManager* textures = TextureManager::GetInstance();
    if (textures == nullptr)
    {
        return;
    }
    textures->UnloadTexture(mRenderData.mTexture);
    mRenderData.mTexture = nullptr;
    mImageName = name;
    Texture* texture = textures->GetTexture(name);
    if (texture == nullptr)
    {
        LogManager::GetInstance()->Write("NullSprite::LoadImage is NULL %s", name.c_str());
        return;
    }
    mRenderData.mTexture = texture;
    mSrcRect = Rect{0.0f, 0.0f, texture->GetWidth(), texture->GetHeight()};
    mTextureWidth = WholePixels(texture->GetWidth());
    mTextureHeight = WholePixels(texture->GetHeight());
}

void NullSprite::SetTexture(Texture* texture)
{
    if (texture == nullptr)
    {
        return;
    }
    TextureManager* textures = TextureManager::GetInstance();
    if (textures != nullptr && texture != mRenderData.mTexture)
    {
        textures->UnloadTexture(mRenderData.mTexture);
        // The drawable holds a reference of its own, which its destructor gives back.
        texture->SetReferenceCount(texture->GetReferenceCount() + 1);
    }
    mImageName.clear();
    mRenderData.mTexture = texture;
    mSrcRect = Rect{0.0f, 0.0f, texture->GetWidth(), texture->GetHeight()};
    mTextureWidth = WholePixels(texture->GetWidth());
    mTextureHeight = WholePixels(texture->GetHeight());
    BuildQuad(texture->GetWidth(), texture->GetHeight());
}

void NullSprite::BuildQuad(float width, float height)
{
    mRenderData.SetData(0, 0.0f, 0.0f, 0.5f, 0.0f, 1.0f);
    mRenderData.SetData(1, width, 0.0f, 0.5f, 1.0f, 1.0f);
    mRenderData.SetData(2, width, height, 0.5f, 1.0f, 0.0f);
    mRenderData.SetData(3, 0.0f, height, 0.5f, 0.0f, 0.0f);
}

void NullSprite::SetCorners(float left, float top, float right, float bottom)
{
    mVertices[0].x = left;
    mVertices[0].y = bottom;
    mVertices[1].x = right;
    mVertices[1].y = bottom;
    mVertices[2].x = right;
    mVertices[2].y = top;
    mVertices[3].x = left;
    mVertices[3].y = top;
}

void NullSprite::Submit()
{
    if (RenderSystem* render = RenderSystem::GetInstance(); render != nullptr)
    {
        render->AddRenderData(&mRenderData);
    }
}

bool NullSprite::ReadNumbers(const LuaValue& table, float* out, int count)
{
    if (!table.IsTable())
    {
        return false;
    }
    float values[16] = {};
    int found = 0;
    table.ForEachElement(
        [&](int position, const LuaValue& value)
        {
            if (position <= count && position <= 16 && value.IsNumber())
            {
                values[position - 1] = value.ToFloat();
                ++found;
            }
        });
    if (found != count)
    {
        return false;
    }
    std::copy(values, values + count, out);
    return true;
}

void NullSprite::ReadNumbersOr(const LuaValue& table, float* out, int count)
{
    table.ForEachElement(
        [&](int position, const LuaValue& value)
        {
            if (position <= count && value.IsNumber())
            {
                out[position - 1] = value.ToFloat();
            }
        });
}

void NullSprite::Load(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    if (const LuaValue image = table.GetField("Image"); image.IsString())
    {
        LoadImage(image.ToString());
    }
    BuildQuad(static_cast<float>(CheckedInteger<int>(mSrcRect.right)),
              static_cast<float>(CheckedInteger<int>(mSrcRect.bottom)));
    float position[2] = {};
    if (ReadNumbers(table.GetField("Pos"), position, 2))
    {
        mPosition = Vector2{position[0], position[1]};
    }
    if (const LuaValue source = table.GetField("SrcRect"); source.IsTable())
    {
        float rect[4] = {0.0f, 0.0f, 0.0f, 0.0f};
        ReadNumbersOr(source, rect, 4);
        SetSrcRectF(Rect{rect[0], rect[1], rect[2], rect[3]});
    }
    if (const LuaValue colour = table.GetField("Colour"); colour.IsTable())
    {
        float channels[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        ReadNumbersOr(colour, channels, 4);
        SetColourV(Colour{channels[0], channels[1], channels[2], channels[3]});
    }
    if (const LuaValue blend = table.GetField("BlendMode"); blend.IsString())
    {
        const std::string mode = blend.ToString();
        mRenderData.mBlendMode = mode == "add"     ? RenderData::kBlendAdd
                                 : mode == "alpha" ? RenderData::kBlendAlpha
                                                   : RenderData::kBlendInverseColour;
    }
    if (const LuaValue mirror = table.GetField("MirrorH"); mirror.IsNumber())
    {
        mMirrorH = mirror.ToFloat() > 0.0f;
        SetSrcRectF(mSrcRect);
    }
    if (const LuaValue mirror = table.GetField("MirrorV"); mirror.IsNumber())
    {
        mMirrorV = mirror.ToFloat() > 0.0f;
        SetSrcRectF(mSrcRect);
    }
}

} // namespace Korrin

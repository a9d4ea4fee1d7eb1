#include "game/MenuLeaves.h"

#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"

#include <cmath>

namespace
{

float Sign(float value)
{
    return value > 0.0f ? 1.0f : (value < 0.0f ? -1.0f : 0.0f);
}

} // namespace

MenuLeaves::MenuLeaves() = default;

MenuLeaves::~MenuLeaves()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
        sprites != nullptr && mLeafSprite != nullptr)
    {
        sprites->DeleteSprite(mLeafSprite);
    }
}

void MenuLeaves::Load(const std::string& table, const std::string& file)
{
    Korrin::LuaScript script;
    script.LoadFile(file, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    if (const LuaValue global = script.GetGlobal(table.c_str()); global.IsTable())
    {
        LoadFromTable(global);
    }
}

void MenuLeaves::LoadFromTable(const LuaValue& table)
{
    Korrin::LuaStackGuard guard(table.GetState());
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mLeafSprite = sprites->CreateSpriteFromTable(table);
    }
    const LuaValue velocity = table.GetField("Velocity");
    baseSpeed = velocity.IsNumber() ? velocity.ToFloat() : kDefaultSpeed;
    swaySpeed = baseSpeed;
    targetSpeed = baseSpeed;

    if (const LuaValue rects = table.GetField("SrcRectList"); rects.IsTable())
    {
        mRects.clear();
        rects.ForEachEntry(
            [this](const LuaValue& /*key*/, const LuaValue& entry)
            {
                LeafRect rect;
                if (entry.GetFloat6(rect.source.left, rect.source.top, rect.source.right, rect.source.bottom,
                                    rect.pivotX, rect.pivotY))
                {
                    mRects.push_back(rect);
                }
            });
    }
    if (const LuaValue leaves = table.GetField("LeavesList"); leaves.IsTable())
    {
        mLeaves.clear();
        leaves.ForEachEntry(
            [this](const LuaValue& /*key*/, const LuaValue& entry)
            {
                Leaf leaf;
                float rect = 0.0f;
                if (entry.GetFloat9(leaf.x, leaf.y, leaf.baseAngle, leaf.scale, rect, leaf.colour.red,
                                    leaf.colour.green, leaf.colour.blue, leaf.colour.alpha))
                {
                    leaf.rect = Korrin::CheckedInteger<std::int32_t>(rect, -1);
                    mLeaves.push_back(leaf);
                }
            });
    }
}

void MenuLeaves::Update(float dt)
{
    const float most = baseSpeed * kMostSpeedFactor;
    if (targetSpeed != baseSpeed)
    {
        targetSpeed += 0.1f * dt * Sign(baseSpeed - targetSpeed);
    }
    targetSpeed = targetSpeed > most ? most : targetSpeed;
    targetSpeed = targetSpeed < baseSpeed ? baseSpeed : targetSpeed;
    if (swaySpeed != targetSpeed)
    {
        // The step is not cut at the target: the sway may pass it and come back the next frame.
        swaySpeed += 0.2f * dt * Sign(targetSpeed - swaySpeed);
    }
    swaySpeed = swaySpeed < baseSpeed ? baseSpeed : swaySpeed;
    swaySpeed = swaySpeed > most ? most : swaySpeed;
    for (Leaf& leaf : mLeaves)
    {
        leaf.phase += swaySpeed * 20.0f * dt;
        leaf.angle = std::fabs(std::sin(leaf.phase + leaf.baseAngle)) * kSwing + leaf.baseAngle;
    }
}

void MenuLeaves::Draw()
{
    if (mLeafSprite == nullptr)
    {
        return;
    }
    for (const Leaf& leaf : mLeaves)
    {
        mLeafSprite->NullSprite::SetColour(
            leaf.colour.red * leaf.factor.red, leaf.colour.green * leaf.factor.green,
            leaf.colour.blue * leaf.factor.blue, leaf.colour.alpha * leaf.factor.alpha);
        const LeafRect& rect = mRects[static_cast<std::size_t>(leaf.rect < 0 ? mRects.size() : leaf.rect)];
        mLeafSprite->SetSrcRectF(rect.source);
        mLeafSprite->DrawEx(leaf.x, leaf.y, leaf.scale, leaf.scale, leaf.angle, rect.pivotX, rect.pivotY);
    }
}

void MenuLeaves::SetColour(float red, float green, float blue, float alpha)
{
    for (Leaf& leaf : mLeaves)
    {
        leaf.factor = Korrin::Colour{red, green, blue, alpha};
    }
}

#include "game/Game/Bk03.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"

namespace
{
constexpr float kWheelSpeed = -0.125f;
constexpr float kWheelX = 248.0f;
constexpr float kWheelY = 302.0f;
constexpr float kWheelAlpha = 0.75f;
} // namespace

Bk03::Bk03() : LevelBackdrop({"bk03_sky.lua", "bk3.jpg", 710.0f, "bk03_birds.lua", 1.0f}) {}

Bk03::~Bk03()
{
    Korrin::LogManager::GetInstance()->Write("Bk03::~Bk03()");
}

void Bk03::LoadWater()
{
    AddWater("river_1", "bk03_water.lua", 0.01f);
    AddWater("pond", "bk03_water.lua", 0.005f);
}

void Bk03::LoadExtras()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mWheel = sprites->CreateSprite("bk03_whell.png");
    }
}

void Bk03::UpdateExtras(float dt)
{
    mWheelAngle += dt * kWheelSpeed;
}

void Bk03::DrawBeforeBirds()
{
    if (mWheel == nullptr)
    {
        return;
    }
    const float half = static_cast<float>(mWheel->GetTextureWidth()) * 0.5f;
    mWheel->SetColour(1.0f, 1.0f, 1.0f, kWheelAlpha);
    mWheel->DrawEx(kWheelX + half, kWheelY + half, 1.0f, 1.0f, mWheelAngle, 0.0f, 0.0f);
}

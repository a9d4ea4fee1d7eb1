#include "game/Game/Bk03.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Mesh.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/SpriteManager.h"
#include "game/Util/AnimatedObject.h"
#include "game/Util/RotateMesh.h"

namespace
{
constexpr float kWheelSpeed = -0.125f;
constexpr float kWheelX = 248.0f;
constexpr float kWheelY = 302.0f;
constexpr float kWheelAlpha = 0.75f;
constexpr std::uint16_t kWheelSize = 96;
} // namespace

Bk03::Bk03() : LevelBackdrop({"bk03_sky.lua", "bk3.jpg", 710.0f, "bk03_birds.lua", 1.0f}) {}

Bk03::~Bk03()
{
    Korrin::LogManager::GetInstance()->Write("Bk03::~Bk03()");
    Release(mWheel);
    for (std::size_t index = 0; index < mAnimals.GetCount(); ++index)
    {
        ReleaseDrawable(mAnimals.Get(index)->GetSprite());
    }
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
        mWheel = sprites->CreateMesh("bk03_whell.png", kWheelSize, kWheelSize);
        mWheel->SetAddressing(Korrin::RenderData::kAddressClamp);
        mWheel->SetColour(1.0f, 1.0f, 1.0f, kWheelAlpha);
    }
    mAnimals.Load("bk03_animal.lua", "AllObjects");
}

void Bk03::UpdateExtras(float dt)
{
    if (mWheel != nullptr)
    {
        RotateMesh(*mWheel, dt, kWheelSpeed, 0.5f, 0.5f);
    }
    for (std::size_t index = 0; index < mAnimals.GetCount(); ++index)
    {
        mAnimals.Get(index)->Update(dt);
    }
}

void Bk03::DrawBeforeBirds()
{
    if (mWheel != nullptr)
    {
        mWheel->DrawCells(static_cast<int>(kWheelX), static_cast<int>(kWheelY), 1, 1);
    }
}

void Bk03::DrawAfterBirds()
{
    for (std::size_t index = 0; index < mAnimals.GetCount(); ++index)
    {
        if (mAnimals.Get(index)->IsEnabled())
        {
            mAnimals.Get(index)->Draw();
        }
    }
}

#include "game/Game/LevelBackdrop.h"

#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Mesh.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Game/Bk01.h"
#include "game/Game/Bk02.h"
#include "game/Game/Bk03.h"
#include "game/Game/Bk04.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float kBirdSpeed = 100.0f;
constexpr float kBirdScale = 0.5f;
constexpr float kBackdropWidth = 1024.0f;
constexpr float kFirstBirdFrameSpeed = 10.0f;
constexpr float kSecondBirdFrameSpeed = 11.0f;
} // namespace

LevelBackdrop* LevelBackdrop::Create(std::uint32_t type)
{
    switch (type)
    {
    case 1:
        return new Bk02();
    case 2:
        return new Bk03();
    case 3:
        return new Bk04();
    default:
        return new Bk01();
    }
}

LevelBackdrop::~LevelBackdrop()
{
    Release(mSky);
    Release(mImage);
    Release(mBirdSprite);
    for (Water& water : mWater)
    {
        Release(water.mesh);
    }
}

void LevelBackdrop::ReleaseDrawable(Korrin::NullSprite* drawable)
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (drawable != nullptr && sprites != nullptr)
    {
        sprites->DeleteSprite(drawable);
    }
}

void LevelBackdrop::Init()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    mSky = sprites->LoadAnimatedSprite("Sky", mFiles.sky);
    if (mFiles.birds != nullptr)
    {
        mBirdSprite = sprites->LoadAnimatedSprite("Bird", mFiles.birds);
    }
    mImage = sprites->CreateSprite(mFiles.image);
    mImage->SetSrcRect(0, 0, static_cast<int>(kBackdropWidth), static_cast<int>(mFiles.imageHeight));
    LoadWater();
    if (mFiles.birds != nullptr)
    {
        mBirds.resize(2);
        const char* paths[2] = {"BirdPath1", "BirdPath2"};
        const float speeds[2] = {kFirstBirdFrameSpeed, kSecondBirdFrameSpeed};
        for (std::size_t b = 0; b < mBirds.size(); ++b)
        {
            mBirds[b].path.Load(paths[b], mFiles.birds);
            mBirds[b].path.SetVelocity(kBirdSpeed);
            mBirds[b].frameSpeed = speeds[b];
        }
    }
    LoadExtras();
}

void LevelBackdrop::AddWater(const std::string& table, const std::string& script, float scrollRate)
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mWater.push_back({sprites->LoadMesh(table, script), scrollRate});
    }
}

void LevelBackdrop::UpdateBird(Bird& bird, float dt) const
{
    bird.frame += bird.frameSpeed * dt;
    const auto frames = static_cast<float>(mBirdSprite != nullptr ? mBirdSprite->GetFrameCount() : 0);
    if (bird.frame >= frames)
    {
        bird.frame = 0.0f;
    }
    bird.path.Update(dt, bird.position);
}

bool LevelBackdrop::Update(float dt)
{
    for (Bird& bird : mBirds)
    {
        UpdateBird(bird, dt);
    }
    for (Water& water : mWater)
    {
        for (std::uint16_t row = 0; row < water.mesh->GetVertexRows(); ++row)
        {
            for (std::uint16_t column = 0; column < water.mesh->GetVertexColumns(); ++column)
            {
                water.mesh->GridVertex(row, column).v -= dt * water.scrollRate;
            }
        }
    }
    UpdateExtras(dt);
    if (mSky != nullptr)
    {
        mSky->Update(dt);
    }
    return true;
}

void LevelBackdrop::Draw()
{
    for (Water& water : mWater)
    {
        water.mesh->DrawCells(0, 0, water.mesh->GetVertexColumns(), water.mesh->GetVertexRows());
    }
    if (mSky != nullptr)
    {
        mSky->Draw();
    }
    if (mImage != nullptr)
    {
        mImage->Draw(0, 0);
    }
    DrawBeforeBirds();
    if (mBirdSprite != nullptr && mBirdSprite->GetFrameCount() > 0)
    {
        mBirdSprite->SetColour(1.0f, 1.0f, 1.0f, mFiles.birdAlpha);
        for (const Bird& bird : mBirds)
        {
            const auto frame = static_cast<std::uint16_t>(
                std::min<std::size_t>(Korrin::CheckedInteger<std::uint16_t>(std::round(bird.frame)),
                                      mBirdSprite->GetFrameCount() - 1));
            mBirdSprite->DrawFrameEx(frame, bird.position.x, bird.position.y, kBirdScale, kBirdScale, 0.0f,
                                     0.0f, 0.0f);
        }
    }
    DrawAfterBirds();
}

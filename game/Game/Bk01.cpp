#include "game/Game/Bk01.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/Mesh.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"

namespace
{
// The river's banks, row by row, left then right, as the picture shows them.
constexpr float kRiver[4][2][2] = {
    {{0.0f, 306.0f}, {410.0f, 306.0f}},
    {{500.0f, 449.0f}, {577.0f, 447.0f}},
    {{451.0f, 589.0f}, {559.0f, 570.0f}},
    {{578.0f, 721.0f}, {1007.0f, 721.0f}},
};
constexpr float kSailPositions[3][2] = {{268.0f, 85.0f}, {236.0f, 65.0f}, {148.0f, 95.0f}};
constexpr float kSailSpeed = 0.1f;
} // namespace

Bk01::Bk01() : LevelBackdrop({"bk01_sky.lua", "bk1.jpg", 722.0f, "bk01_birds.lua", 0.5f}) {}

Bk01::~Bk01()
{
    Korrin::LogManager::GetInstance()->Write("Bk01::~Bk01()");
}

void Bk01::LoadWater()
{
    AddWater("Wat1", "bk01_water.lua", 0.01f);
    Korrin::Mesh* river = mWater.back().mesh;
    if (river == nullptr || river->GetVertexColumns() != 2 || river->GetVertexRows() != 4)
    {
        return;
    }
    for (std::uint16_t row = 0; row < 4; ++row)
    {
        for (std::uint16_t column = 0; column < 2; ++column)
        {
            river->GridVertex(row, column).x = kRiver[row][column][0];
            river->GridVertex(row, column).y = kRiver[row][column][1];
        }
    }
}

void Bk01::LoadExtras()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (Korrin::Sprite*& sail : mSails)
        {
            sail = sprites->CreateSprite("Mill01.png");
        }
    }
}

void Bk01::UpdateExtras(float dt)
{
    mSailAngle += dt * kSailSpeed;
}

void Bk01::DrawAfterBirds()
{
    for (std::size_t s = 0; s < mSails.size(); ++s)
    {
        if (mSails[s] == nullptr)
        {
            continue;
        }
        // Each sail turns about its middle; the three are a little out of step.
        const float half = static_cast<float>(mSails[s]->GetTextureWidth()) * 0.5f;
        mSails[s]->DrawEx(kSailPositions[s][0] + half, kSailPositions[s][1] + half, 1.0f, 1.0f,
                          mSailAngle + static_cast<float>(s) * 0.4f, 0.0f, 0.0f);
    }
}

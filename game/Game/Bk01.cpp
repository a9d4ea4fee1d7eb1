#include "game/Game/Bk01.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/Mesh.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/SpriteManager.h"
#include "game/Util/RotateMesh.h"

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
constexpr std::uint16_t kSailSize = 96;
// Each sail's corners are pulled a little out of square, so the three look like one mill seen askew.
constexpr float kSailSkew[3][4][2] = {
    {{5.0f, 0.0f}, {-6.0f, 8.0f}, {0.0f, -5.0f}, {7.0f, 6.0f}},
    {{8.0f, 5.0f}, {0.0f, -7.0f}, {-5.0f, 0.0f}, {6.0f, -10.0f}},
    {{-5.0f, 6.0f}, {10.0f, 0.0f}, {0.0f, 8.0f}, {-7.0f, -5.0f}},
};
} // namespace

Bk01::Bk01() : LevelBackdrop({"bk01_sky.lua", "bk1.jpg", 722.0f, "bk01_birds.lua", 0.5f}) {}

Bk01::~Bk01()
{
    Korrin::LogManager::GetInstance()->Write("Bk01::~Bk01()");
    for (Korrin::Mesh*& sail : mSails)
    {
        Release(sail);
    }
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
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    for (std::size_t s = 0; s < mSails.size(); ++s)
    {
        mSails[s] = sprites->CreateMesh("Mill01.png", kSailSize, kSailSize);
        mSails[s]->SetAddressing(Korrin::RenderData::kAddressClamp);
        const std::uint16_t corners[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
        for (std::size_t c = 0; c < 4; ++c)
        {
            Korrin::Vertex& vertex = mSails[s]->GridVertex(corners[c][0], corners[c][1]);
            vertex.x += kSailSkew[s][c][0];
            vertex.y += kSailSkew[s][c][1];
        }
    }
}

void Bk01::UpdateExtras(float dt)
{
    for (Korrin::Mesh* sail : mSails)
    {
        if (sail != nullptr)
        {
            RotateMesh(*sail, dt, kSailSpeed, 0.5f, 0.5f);
        }
    }
}

void Bk01::DrawAfterBirds()
{
    for (std::size_t s = 0; s < mSails.size(); ++s)
    {
        if (mSails[s] != nullptr)
        {
            mSails[s]->DrawCells(static_cast<int>(kSailPositions[s][0]),
                                 static_cast<int>(kSailPositions[s][1]), 1, 1);
        }
    }
}

#include "game/Game/Bk04.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/Mesh.h"

Bk04::Bk04() : LevelBackdrop({"bk04_sky.lua", "bk4.jpg", 768.0f, "bk04_birds.lua", 1.0f}) {}

Bk04::~Bk04()
{
    Korrin::LogManager::GetInstance()->Write("Bk04::~Bk04()");
}

void Bk04::LoadWater()
{
    AddWater("river_1", "bk04_water.lua", 0.01f);
    Korrin::Mesh* river = mWater.back().mesh;
    if (river == nullptr || river->GetVertexColumns() != 2 || river->GetVertexRows() != 2)
    {
        return;
    }
    // The river runs across the foot of the picture, below its bank at y 700.
    constexpr float kRiver[2][2][2] = {{{0.0f, 700.0f}, {1024.0f, 700.0f}},
                                       {{0.0f, 768.0f}, {1024.0f, 768.0f}}};
    for (std::uint16_t row = 0; row < 2; ++row)
    {
        for (std::uint16_t column = 0; column < 2; ++column)
        {
            river->GridVertex(row, column).x = kRiver[row][column][0];
            river->GridVertex(row, column).y = kRiver[row][column][1];
        }
    }
}

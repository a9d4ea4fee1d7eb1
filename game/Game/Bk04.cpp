#include "game/Game/Bk04.h"

#include "engine/Log/LogManager.h"

Bk04::Bk04() : LevelBackdrop({"bk04_sky.lua", "bk4.jpg", 768.0f, "bk04_birds.lua", 1.0f}) {}

Bk04::~Bk04()
{
    Korrin::LogManager::GetInstance()->Write("Bk04::~Bk04()");
}

void Bk04::LoadWater()
{
    // The river's course is given by its mesh script to match the picture.
    AddWater("river_1", "bk04_water.lua", 0.01f);
}

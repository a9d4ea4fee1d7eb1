#include "game/Game/Bk02.h"

#include "engine/Log/LogManager.h"

Bk02::Bk02() : LevelBackdrop({"bk02_sky.lua", "bk2.jpg", 678.0f, nullptr, 1.0f}) {}

Bk02::~Bk02()
{
    Korrin::LogManager::GetInstance()->Write("Bk02::~Bk02()");
}

#include "game/Game/SaveLoadManager.h"

#include "game/Game/SaveLoadObject.h"

#include <algorithm>

void SaveLoadManager::Register(SaveLoadObject* object)
{
    mObjects.push_back(object);
}

void SaveLoadManager::Unregister(SaveLoadObject* object)
{
    mObjects.erase(std::remove(mObjects.begin(), mObjects.end(), object), mObjects.end());
}

void SaveLoadManager::SaveAll(Korrin::BinaryWriter& out) const
{
    for (SaveLoadObject* object : mObjects)
    {
        const std::size_t before = out.Position();
        object->Save(out);
        out.WriteU32(static_cast<std::uint32_t>(out.Position() - before));
    }
}

bool SaveLoadManager::LoadAll(Korrin::BinaryReader& in) const
{
    for (SaveLoadObject* object : mObjects)
    {
        const std::size_t before = in.Position();
        object->Load(in);
        const std::size_t consumed = in.Position() - before;
        const std::uint32_t stored = in.ReadU32();
        if (!in.Ok() || consumed != stored)
        {
            in.Fail();
            return false;
        }
    }
    return true;
}

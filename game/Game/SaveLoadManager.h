#pragma once

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/Util/Singleton.h"

#include <string>
#include <vector>

class SaveLoadObject;

// The saveable objects of one level, in the order they were built. The saved level holds each object's
// record followed by its length as a u32; there is no count and no type tag, so a load needs the same
// objects in the same order.
class SaveLoadManager : public Korrin::Singleton<SaveLoadManager>
{
public:
    SaveLoadManager() = default;

    static SaveLoadManager* GetInstance()
    {
        return CheckedInstance("SaveLoadManager::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\Game\\SaveLoad", 115);
    }

    // Not owned; the objects belong to the level and die with it.
    void Register(SaveLoadObject* object);
    // Forgets an object that goes before the level does; nothing when it is not registered.
    void Unregister(SaveLoadObject* object);
    void SaveAll(Korrin::BinaryWriter& out) const;
    // False at the first record whose length differs from what its object read, or that runs past the end
    // of the data; the caller then drops the save and starts the level afresh, reading nothing more.
    bool LoadAll(Korrin::BinaryReader& in) const;

    std::size_t Count() const { return mObjects.size(); }

private:
    std::vector<SaveLoadObject*> mObjects;
    std::string mName;
};

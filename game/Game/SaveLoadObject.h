#pragma once

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"

// A level object whose state goes into the saved level. Load must read exactly what Save wrote.
class SaveLoadObject
{
public:
    virtual ~SaveLoadObject() = default;
    virtual void Save(Korrin::BinaryWriter& /*out*/) {}
    virtual void Load(Korrin::BinaryReader& /*in*/) {}

protected:
    SaveLoadObject() = default;
    SaveLoadObject(const SaveLoadObject&) = default;
    SaveLoadObject& operator=(const SaveLoadObject&) = default;
};

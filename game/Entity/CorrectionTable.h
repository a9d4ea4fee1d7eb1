#pragma once

#include "game/Entity/Correction.h"

#include <cstdint>
#include <map>
#include <string>

struct lua_State;

// For each animation name and goods frame, how the carried goods sit in the hand; read from a table of a
// character's list file (every caller uses "ObjList").
class CorrectionTable
{
public:
    CorrectionTable() = default;
    virtual ~CorrectionTable() = default;
    CorrectionTable(const CorrectionTable&) = delete;
    CorrectionTable& operator=(const CorrectionTable&) = delete;

    // Adds the entries of the table; the first entry of a name, and the first element of an id, stay.
    void Load(const std::string& file, const std::string& tableName);
    // Null when the name or the id is not listed.
    const Correction* Find(const std::string& animation, std::uint32_t id) const;
    // Fills the fields that the table at the stack index gives as numbers; the others keep their values.
    static void ReadEntry(Correction& out, lua_State* state, int index);

    bool IsEmpty() const { return mTable.empty(); }

private:
    std::map<std::string, std::map<std::uint32_t, Correction>> mTable;
};

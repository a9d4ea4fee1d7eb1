#pragma once

#include "engine/File/BinaryWriter.h"
#include "game/Util/SaveFormat.h"

#include <cstdint>
#include <string>
#include <vector>

// How each of a player's files is read and written, shared by the profile's save kinds.
namespace ProfileFiles
{

inline constexpr const char* kWrongVersion = "Wrong program version";

inline bool Write(const std::string& path, const Korrin::BinaryWriter& out)
{
    return SaveFormat::WriteSave(path, out.Bytes());
}

// Reads a save file; false when it is missing, has no name (no player, no save folder) or cannot be read.
inline bool Read(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    return !path.empty() && SaveFormat::ReadFile(path, bytes);
}

} // namespace ProfileFiles

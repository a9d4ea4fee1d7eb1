#pragma once

#include "engine/File/BinaryReader.h"

#include <cstdint>
#include <string>
#include <vector>

// What every save file shares: the version word, the bounded read of a whole file and the log lines of
// a refused file.
class SaveFormat
{
public:
    static constexpr std::uint32_t kVersion = 877;
    // No save file comes near this; a larger one is not read.
    static constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

    // False when the file is missing (silently) or cannot be read whole (logged and kept aside).
    static bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes);
    // Reads the version word: false when the file is too short to hold one, or holds another version
    // (logged with the line given); the file is then kept aside.
    static bool ReadVersion(Korrin::BinaryReader& in, const std::string& path, const char* wrongVersionLine);
    // Logs that a file was not read and renames it aside, so that a fresh save does not destroy it.
    static void Refused(const std::string& path, const char* what);
    // A line in the log when the log exists (the profile works before the engine starts).
    static void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
};

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Korrin
{

// Whole-file reads and writes for small binary files such as saves.
class DiskFile
{
public:
    enum class ReadResult
    {
        Ok,
        Missing,
        TooLarge,
        Failed,
    };

    // Reads the whole file when it is no larger than maxBytes.
    static ReadResult ReadAll(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out);

    // Writes the bytes to a temporary file in the same folder, flushes it to the disk and renames it over
    // path, so that a failed write (a full disk, a crash) leaves the previous file whole. False on failure,
    // with the previous file untouched and no temporary left behind.
    static bool WriteReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes);

    static bool Exists(const std::string& path);
    // Removes the file when it exists; true when it is gone afterwards.
    static bool Remove(const std::string& path);
    // Renames a refused file aside (path + ".bad", replacing an older one) so that its bytes are not
    // lost when a fresh file is written in its place.
    static void KeepAside(const std::string& path);
};

} // namespace Korrin

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

    // The ending of the temporary file that WriteReplacing writes before it renames it into place.
    static constexpr const char* kTemporarySuffix = ".tmp";
    // A refused file is kept aside as "<name>.bad", then "<name>.bad.1" up to this many copies in all.
    static constexpr int kMaxKeptAside = 20;

    // Reads the whole file when it is no larger than maxBytes.
    static ReadResult ReadAll(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out);

    // Writes the bytes to a temporary file in the same folder, flushes it to the disk, renames it over
    // path and flushes the folder, so that a failed write (a full disk, a crash, a power loss) leaves
    // either the previous file or the new one whole. False on failure, with the previous file untouched
    // and no temporary left behind.
    static bool WriteReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes);

    static bool Exists(const std::string& path);
    // Removes the file when it exists; true when it is gone afterwards.
    static bool Remove(const std::string& path);
    // Renames a refused file aside under the first free name of "<path>.bad", "<path>.bad.1", ... so
    // that neither a fresh file written in its place nor a later refusal destroys its bytes. Returns the
    // name used; nothing (and the file stays where it is) when every name is taken or the rename fails.
    static std::optional<std::string> KeepAside(const std::string& path);
    // The names KeepAside tries, in order.
    static std::string KeptAsideName(const std::string& path, int copy);
    // Removes the temporary files that a killed WriteReplacing left in the folder (they are never read);
    // returns their names.
    static std::vector<std::string> RemoveTemporaries(const std::string& folder);
};

} // namespace Korrin

#pragma once

#include <ctime>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace Korrin
{

// Finds a path on disk ignoring letter case, one component at a time, as the data was written for a
// file system that ignores case. Folder listings are cached and read again when a folder changes.
class CaseBlindPaths
{
public:
    // The existing path below anchor (a folder) that matches relative ("/"-separated) letter case aside;
    // a component that exists exactly as written is taken as it is. Nothing when some component has no
    // match.
    std::optional<std::string> Resolve(const std::string& anchor, const std::string& relative);

private:
    struct Listing
    {
        std::timespec changed{};
        std::timespec listed{};
        // Lower-cased name -> the name on disk.
        std::map<std::string, std::string> names;
    };

    std::optional<std::string> FindName(const std::string& folder, const std::string& lowerName);
    // The folder's listing from the cache while the folder is unchanged, or read afresh.
    const Listing* FindListing(const std::string& folder, bool fresh);

    std::unordered_map<std::string, Listing> mListings;
    std::mutex mLock;
};

} // namespace Korrin

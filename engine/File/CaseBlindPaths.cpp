#include "engine/File/CaseBlindPaths.h"

#include "engine/Util/ValueText.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <time.h>

namespace Korrin
{

namespace
{

constexpr std::time_t kStampResolutionSeconds = 2;

bool Exists(const std::string& path)
{
    struct stat status = {};
    return ::stat(path.c_str(), &status) == 0;
}

std::string Join(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '/')
    {
        return folder + name;
    }
    return folder + "/" + name;
}

} // namespace

std::optional<std::string> CaseBlindPaths::Resolve(const std::string& anchor, const std::string& relative)
{
    const std::lock_guard<std::mutex> lock(mLock);
    std::string current = anchor;
    std::size_t start = 0;
    while (start <= relative.size())
    {
        std::size_t stop = relative.find('/', start);
        if (stop == std::string::npos)
        {
            stop = relative.size();
        }
        const std::string component = relative.substr(start, stop - start);
        start = stop + 1;
        if (component.empty() || component == ".")
        {
            continue;
        }
        const std::string exact = Join(current, component);
        if (component == ".." || Exists(exact))
        {
            current = exact;
            continue;
        }
        const std::optional<std::string> match = FindName(current, ToLower(component));
        if (!match)
        {
            return std::nullopt;
        }
        current = Join(current, *match);
    }
    return current;
}

std::optional<std::string> CaseBlindPaths::FindName(const std::string& folder, const std::string& lowerName)
{
    const Listing* listing = FindListing(folder, false);
    if (listing == nullptr)
    {
        return std::nullopt;
    }
    auto found = listing->names.find(lowerName);
    if (found != listing->names.end())
    {
        return found->second;
    }
    // A folder listed within moments of its last change may have changed again since under the same
    // time stamp (coarse file-system clocks): such a listing is read again before a miss counts.
    if (listing->listed.tv_sec - listing->changed.tv_sec > kStampResolutionSeconds)
    {
        return std::nullopt;
    }
    listing = FindListing(folder, true);
    if (listing == nullptr || (found = listing->names.find(lowerName)) == listing->names.end())
    {
        return std::nullopt;
    }
    return found->second;
}

const CaseBlindPaths::Listing* CaseBlindPaths::FindListing(const std::string& folder, bool fresh)
{
    struct stat status = {};
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
    {
        return nullptr;
    }
    auto cached = mListings.find(folder);
    if (!fresh && cached != mListings.end() && cached->second.changed.tv_sec == status.st_mtim.tv_sec &&
        cached->second.changed.tv_nsec == status.st_mtim.tv_nsec)
    {
        return &cached->second;
    }

    Listing listing;
    listing.changed = status.st_mtim;
    ::clock_gettime(CLOCK_REALTIME, &listing.listed);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error))
    {
        const std::string name = entry->path().filename().string();
        auto [place, inserted] = listing.names.emplace(ToLower(name), name);
        // Names that differ only in case: the choice must not depend on the order the folder lists them.
        if (!inserted && name < place->second)
        {
            place->second = name;
        }
    }
    return &(mListings[folder] = std::move(listing));
}

} // namespace Korrin

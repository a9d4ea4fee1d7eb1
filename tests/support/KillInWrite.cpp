// Loaded into the game (LD_PRELOAD) by the kill test, so that a kill lands inside a save's write every
// time instead of by luck: the game replaces a file by writing "NAME.tmp" and renaming it over NAME, and
// this library ends the process with SIGKILL at a chosen step of that.
//
//   WF_KILL_IN_WRITE=N       the Nth write to a ".tmp" file writes half of its bytes, then the kill
//   WF_KILL_BEFORE_RENAME=N  the Nth rename of a ".tmp" file over its name: the kill instead
//   WF_KILL_TRACE=FILE       each write and rename of a ".tmp" file adds a line "write NAME" or
//                            "rename NAME" to FILE (how many steps a run has, to kill at each)
//
// Only the temporary files are watched: the game's log and everything else are written as usual.

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

namespace
{

constexpr std::string_view kTemporarySuffix = ".tmp";

std::atomic<long> gWrites{0};
std::atomic<long> gRenames{0};

long Chosen(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::atol(value) : 0;
}

bool IsTemporary(std::string_view path)
{
    return path.size() > kTemporarySuffix.size() && path.ends_with(kTemporarySuffix);
}

// The file a descriptor is open on, as the kernel names it; empty when it cannot be told.
std::string_view PathOf(int descriptor, char (&buffer)[4096])
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    const ssize_t length = ::readlink(link, buffer, sizeof buffer - 1);
    return length > 0 ? std::string_view(buffer, static_cast<std::size_t>(length)) : std::string_view();
}

void Trace(const char* step, std::string_view path)
{
    const char* file = std::getenv("WF_KILL_TRACE");
    if (file == nullptr)
    {
        return;
    }
    // Opened anew each time: a plain append that survives the kill, with no buffer left unwritten.
    const int descriptor = ::open(file, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (descriptor < 0)
    {
        return;
    }
    char line[4200];
    const int length =
        std::snprintf(line, sizeof line, "%s %.*s\n", step, static_cast<int>(path.size()), path.data());
    using WriteFunction = ssize_t (*)(int, const void*, size_t);
    static const auto realWrite = reinterpret_cast<WriteFunction>(::dlsym(RTLD_NEXT, "write"));
    if (length > 0 && realWrite != nullptr)
    {
        realWrite(descriptor, line, static_cast<std::size_t>(length));
    }
    ::close(descriptor);
}

} // namespace

extern "C" ssize_t write(int descriptor, const void* bytes, size_t count)
{
    using WriteFunction = ssize_t (*)(int, const void*, size_t);
    static const auto realWrite = reinterpret_cast<WriteFunction>(::dlsym(RTLD_NEXT, "write"));
    char buffer[4096];
    const std::string_view path = PathOf(descriptor, buffer);
    if (IsTemporary(path))
    {
        Trace("write", path);
        if (++gWrites == Chosen("WF_KILL_IN_WRITE"))
        {
            // Half the file on disk, the rest never: what a kill in the middle of the write leaves.
            if (count / 2 > 0)
            {
                realWrite(descriptor, bytes, count / 2);
            }
            ::raise(SIGKILL);
        }
    }
    return realWrite(descriptor, bytes, count);
}

extern "C" int rename(const char* from, const char* to)
{
    using RenameFunction = int (*)(const char*, const char*);
    static const auto realRename = reinterpret_cast<RenameFunction>(::dlsym(RTLD_NEXT, "rename"));
    if (from != nullptr && IsTemporary(from))
    {
        Trace("rename", from);
        if (++gRenames == Chosen("WF_KILL_BEFORE_RENAME"))
        {
            ::raise(SIGKILL);
        }
    }
    return realRename(from, to);
}

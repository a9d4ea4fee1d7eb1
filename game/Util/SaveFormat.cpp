#include "game/Util/SaveFormat.h"

#include "engine/File/DiskFile.h"
#include "engine/Log/LogManager.h"

#include <cstdarg>
#include <cstdio>
#include <map>
#include <optional>

namespace
{

struct KeptFile
{
    std::optional<std::vector<std::uint8_t>> unchangedBytes;
};

struct State
{
    bool checkOnly = false;
    std::map<std::string, SaveFormat::Verdict> verdicts;
    std::map<std::string, KeptFile> kept;
    std::vector<std::string> pendingLines;
    std::size_t droppedLines = 0;
};

State& Shared()
{
    static State state;
    return state;
}

__attribute__((format(printf, 1, 0))) std::string Format(const char* format, va_list arguments)
{
    char line[Korrin::LogManager::kLineLimit + 1];
    std::vsnprintf(line, sizeof(line), format, arguments);
    return line;
}

// A verdict only grows worse: a clamp after a refusal leaves the refusal.
void Judge(const std::string& path, SaveFormat::Outcome outcome, const std::string& note)
{
    SaveFormat::Verdict& verdict = Shared().verdicts[path];
    if (static_cast<int>(outcome) > static_cast<int>(verdict.outcome))
    {
        verdict.outcome = outcome;
    }
    verdict.notes.push_back(note);
}

void WriteLine(const std::string& line)
{
    Korrin::LogManager* log = Korrin::LogManager::Peek();
    State& state = Shared();
    if (log == nullptr)
    {
        if (state.pendingLines.size() < SaveFormat::kMaxPendingLines)
        {
            state.pendingLines.push_back(line);
        }
        else
        {
            ++state.droppedLines;
        }
        return;
    }
    SaveFormat::FlushPendingLog();
    log->Write("%s", line.c_str());
}

} // namespace

bool SaveFormat::ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    switch (Korrin::DiskFile::ReadAll(path, kMaxFileBytes, bytes))
    {
    case Korrin::DiskFile::ReadResult::Ok:
        return true;
    case Korrin::DiskFile::ReadResult::Missing:
        return false;
    case Korrin::DiskFile::ReadResult::TooLarge:
        Refused(path, "a file far too large");
        return false;
    case Korrin::DiskFile::ReadResult::Failed:
        Log("Cannot read '%s'", path.c_str());
        // Unreadable now is not damaged: written over later it would be lost.
        KeepAsItIs(path, "cannot be read");
        return false;
    }
    return false;
}

bool SaveFormat::ReadVersion(Korrin::BinaryReader& in, const std::string& path, const char* wrongVersionLine)
{
    const std::uint32_t version = in.ReadU32();
    if (!in.Ok())
    {
        Refused(path, "no version word");
        return false;
    }
    if (version != kVersion)
    {
        Log("%s", wrongVersionLine);
        Refused(path, "another program version");
        return false;
    }
    return true;
}

void SaveFormat::Refused(const std::string& path, const char* what)
{
    Judge(path, Outcome::Refused, what);
    if (Shared().checkOnly)
    {
        return;
    }
    if (const std::optional<std::string> aside = Korrin::DiskFile::KeepAside(path))
    {
        Log("Damaged save '%s' (%s) is not read; it is kept as '%s'", path.c_str(), what, aside->c_str());
        return;
    }
    Log("Damaged save '%s' (%s) is not read; no name is free to keep it aside, so it stays in place and is "
        "not written over",
        path.c_str(), what);
    Shared().kept[path] = KeptFile{};
}

void SaveFormat::KeepAsItIs(const std::string& path, const char* what)
{
    Judge(path, Outcome::KeptAsItIs, what);
    if (Shared().checkOnly)
    {
        return;
    }
    Log("Save '%s' (%s) is not taken as it stands; it is kept as it is", path.c_str(), what);
    Shared().kept[path] = KeptFile{};
}

void SaveFormat::Clamped(const std::string& path, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const std::string what = Format(format, arguments);
    va_end(arguments);
    Judge(path, Outcome::Clamped, what);
    Log("Save '%s': %s", path.c_str(), what.c_str());
}

bool SaveFormat::IsKeptAsItIs(const std::string& path)
{
    return Shared().kept.contains(path);
}

void SaveFormat::SetUnchangedBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const auto found = Shared().kept.find(path);
    if (found != Shared().kept.end())
    {
        found->second.unchangedBytes = bytes;
    }
}

bool SaveFormat::WriteSave(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    if (path.empty())
    {
        return false;
    }
    const auto kept = Shared().kept.find(path);
    if (kept != Shared().kept.end())
    {
        const bool changed = kept->second.unchangedBytes.has_value() && *kept->second.unchangedBytes != bytes;
        if (!changed)
        {
            return false;
        }
        const std::optional<std::string> aside = Korrin::DiskFile::KeepAside(path);
        if (!aside && Korrin::DiskFile::Exists(path))
        {
            Log("'%s' changed but no name is free to keep the old file aside; it is not written over",
                path.c_str());
            return false;
        }
        if (aside)
        {
            Log("'%s' changed in this run; the file kept as it was is now kept as '%s'", path.c_str(),
                aside->c_str());
        }
        Shared().kept.erase(kept);
    }
    if (!Korrin::DiskFile::WriteReplacing(path, bytes))
    {
        Log("Cannot write '%s'; the previous file is kept", path.c_str());
        return false;
    }
    return true;
}

void SaveFormat::SetCheckOnly(bool checkOnly)
{
    Shared().checkOnly = checkOnly;
}

SaveFormat::Verdict SaveFormat::GetVerdict(const std::string& path)
{
    const auto found = Shared().verdicts.find(path);
    return found != Shared().verdicts.end() ? found->second : Verdict{};
}

void SaveFormat::Forget()
{
    Shared().verdicts.clear();
    Shared().kept.clear();
}

void SaveFormat::Log(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const std::string line = Format(format, arguments);
    va_end(arguments);
    WriteLine(line);
}

void SaveFormat::FlushPendingLog()
{
    Korrin::LogManager* log = Korrin::LogManager::Peek();
    State& state = Shared();
    if (log == nullptr)
    {
        return;
    }
    for (const std::string& line : state.pendingLines)
    {
        log->Write("%s", line.c_str());
    }
    if (state.droppedLines > 0)
    {
        log->Write("%zu more lines about the save files were not kept", state.droppedLines);
    }
    state.pendingLines.clear();
    state.droppedLines = 0;
}

std::vector<std::string> SaveFormat::TakePendingLog()
{
    std::vector<std::string> lines;
    lines.swap(Shared().pendingLines);
    Shared().droppedLines = 0;
    return lines;
}

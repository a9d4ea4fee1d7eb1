#pragma once

#include "engine/File/BinaryReader.h"

#include <cstdint>
#include <string>
#include <vector>

// What every save file shares: the version word, the bounded read of a whole file, the guarded write,
// the log lines of a refused file, and what the loaders made of each file (which the save checker shows).
//
// Two kinds of file are not taken as they stand:
// - a damaged one (short, overlong, bad counts, wrong version, bad checksum) is refused: logged and
//   renamed aside under a free name, so that the fresh file written in its place destroys nothing;
// - a readable one that does not match what this program holds (achievements of another set of
//   definitions) is kept as it is: logged, left in place and not written over while the player changes
//   nothing of that data.
class SaveFormat
{
public:
    static constexpr std::uint32_t kVersion = 877;
    // No save file comes near this; a larger one is not read.
    static constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;
    // Lines kept for the log while it does not exist yet; more than this are counted, not kept.
    static constexpr std::size_t kMaxPendingLines = 200;

    enum class Outcome
    {
        Accepted,
        Clamped,
        KeptAsItIs,
        Refused,
    };

    // What the loaders made of one file since the verdicts were last forgotten.
    struct Verdict
    {
        Outcome outcome = Outcome::Accepted;
        std::vector<std::string> notes;
    };

    // False when the file is missing (silently) or cannot be read whole (logged and kept aside).
    static bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes);
    // Reads the version word: false when the file is too short to hold one, or holds another version
    // (logged with the line given); the file is then refused.
    static bool ReadVersion(Korrin::BinaryReader& in, const std::string& path, const char* wrongVersionLine);

    // A damaged file: logged and renamed aside under the first free name. When no name is free it stays
    // in place and is kept as it is, so that it is not written over either.
    static void Refused(const std::string& path, const char* what);
    // A readable file that this program does not take as it stands: logged and kept as it is.
    static void KeepAsItIs(const std::string& path, const char* what);
    // A value read outside its range and taken at its limit; logged.
    static void Clamped(const std::string& path, const char* format, ...)
        __attribute__((format(printf, 2, 3)));

    static bool IsKeptAsItIs(const std::string& path);
    // The bytes the program would write for a file kept as it is while the player changes nothing (the
    // defaults loaded in its place); WriteSave compares with them.
    static void SetUnchangedBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
    // Writes a save file in place of the old one. Over a file kept as it is nothing is written unless
    // the bytes differ from its unchanged bytes (the player changed that data); then the old file is
    // kept aside first. False when nothing was written.
    static bool WriteSave(const std::string& path, const std::vector<std::uint8_t>& bytes);

    // For the save checker: files are judged and nothing is renamed.
    static void SetCheckOnly(bool checkOnly);
    static Verdict GetVerdict(const std::string& path);
    // Forgets the verdicts and the files kept as they are (a new profile starts from nothing).
    static void Forget();

    // A line in the log; before the log exists (the profile works before the engine starts) the line
    // waits until the log opens and the next line is written or FlushPendingLog is called.
    static void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
    static void FlushPendingLog();
    // The waiting lines, taken away (the save checker prints them).
    static std::vector<std::string> TakePendingLog();
};

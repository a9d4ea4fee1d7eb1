#pragma once

#include <string>

namespace Korrin
{

// Module names that reports carry.
inline constexpr const char* kEngineModule = "Korrin.dll";
inline constexpr const char* kGameModule = "Game.exe";

// The report of a broken expectation: writes it to "Assert.txt" (replacing the file) and asks the user
// in a message box. Cancel ends the process at once with exit code 255; otherwise returns the button
// (1 for OK).
int ReportAssert(const std::string& description, const std::string& module, const char* file, int line);

// The text of a report, as written to "Assert.txt" and shown in the box.
std::string FormatAssertReport(const std::string& description, const std::string& module, const char* file,
                               int line);

// What every check does: report, and on OK stop at a breakpoint in the failing code when a debugger is
// attached. Without one, and when a debugger goes on past it, the caller goes on with a safe value.
void ReportAndBreak(const std::string& description, const std::string& module, const char* file, int line);

} // namespace Korrin

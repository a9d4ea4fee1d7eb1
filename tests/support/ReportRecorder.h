#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace TestSupport
{

// Stands in for the user and the debugger while tests run: every message box is recorded and answered
// OK, and every breakpoint after it is counted and passed, as a debugger continuing would.
class ReportRecorder
{
public:
    struct Box
    {
        std::string text;
        std::string title;
        std::uint32_t flags = 0;
    };

    static void Install();
    static void Clear();
    static const std::vector<Box>& Boxes();
    static int Breaks();
    // The description of the last assertion report, or empty when there was none.
    static std::string LastDescription();
};

} // namespace TestSupport

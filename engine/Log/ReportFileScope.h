#pragma once

#include <string>
#include <string_view>

namespace Korrin
{

// The data file being read or used on this thread while the scope lives: a report raised meanwhile is
// caused by that file. Only the first report caused by a file asks; later ones go to the log only, so
// that one damaged file does not hold the player in a row of boxes. Scopes nest; the newest one alive
// names the file. Without a log open every report asks, as there is nowhere else to say it. The name
// must outlive the scope. Reports raised outside every scope ask as always.
class ReportFileScope
{
public:
    explicit ReportFileScope(std::string_view file);
    ~ReportFileScope();
    ReportFileScope(const ReportFileScope&) = delete;
    ReportFileScope& operator=(const ReportFileScope&) = delete;

    // The same for an owner whose reading is not one block (a script, from its load to its end): entering
    // again names its new file.
    static void Enter(const void* owner, std::string_view file);
    static void Leave(const void* owner);

    // True when the report is one more of a file that has already asked: it is then written to the log.
    static bool LoggedOnly(const std::string& description);
};

} // namespace Korrin

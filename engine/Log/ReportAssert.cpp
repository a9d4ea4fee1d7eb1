#include "engine/Log/ReportAssert.h"

#include "engine/Log/LogManager.h"
#include "platform/Message.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

namespace Korrin
{

namespace
{

constexpr std::uint32_t kErrorBoxFlags = 0x2011; // task-modal, error icon, OK and Cancel
constexpr const char* kReportFile = "Assert.txt";
constexpr const char* kReportTitle = "ERROR NOTIFICATION...";

void WriteReportFile(const std::string& text)
{
    std::FILE* file = std::fopen(kReportFile, "w");
    if (file == nullptr)
    {
        return; // a report that cannot be written still reaches the user through the box
    }
    std::fputs(text.c_str(), file);
    std::fputc('\n', file);
    std::fflush(file);
    std::fclose(file);
}

// The scopes alive on this thread, oldest first. A scope leaves from wherever it stands, so scopes that
// end out of order (two scripts of one function) leave the others right.
thread_local std::vector<const ReportFileScope*> tFileScopes;

// The same file under its other spellings (a folder before it, other capitals) is one file.
std::string FileKey(std::string_view file)
{
    const std::size_t slash = file.find_last_of("/\\");
    std::string key(slash == std::string_view::npos ? file : file.substr(slash + 1));
    for (char& c : key)
    {
        if (c >= 'A' && c <= 'Z')
        {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

// True when the report is one more of a file that has already asked: it is then written to the log.
bool LoggedOnly(const std::string& description)
{
    LogManager* log = LogManager::Peek();
    if (tFileScopes.empty() || tFileScopes.back()->File().empty() || log == nullptr)
    {
        return false;
    }
    const std::string file(tFileScopes.back()->File());
    if (log->FirstReportAbout(FileKey(file)))
    {
        return false;
    }
    log->Write("Report (not asked again, its file %s is damaged): %s", file.c_str(), description.c_str());
    return true;
}

int AskUser(const std::string& description, const std::string& module, const char* file, int line)
{
    const std::string text = FormatAssertReport(description, module, file, line);
    WriteReportFile(text);
    const int button = Platform::MessageBox::Show(text, kReportTitle, kErrorBoxFlags);
    if (button == Platform::DialogButton::Cancel)
    {
        Platform::Process::EndNow(-1);
    }
    return button;
}

} // namespace

ReportFileScope::ReportFileScope(std::string_view file) : mFile(file)
{
    tFileScopes.push_back(this);
}

ReportFileScope::~ReportFileScope()
{
    const auto self = std::find(tFileScopes.rbegin(), tFileScopes.rend(), this);
    if (self != tFileScopes.rend())
    {
        tFileScopes.erase(std::next(self).base());
    }
}

std::string FormatAssertReport(const std::string& description, const std::string& module, const char* file,
                               int line)
{
    return "DLL Name:\n  " + module + "\n\nDeSrciption:\n  " + description + "\n\nFile:\n  " +
           (file != nullptr ? file : "") + "\n\nLine:\n  " + std::to_string(line);
}

int ReportAssert(const std::string& description, const std::string& module, const char* file, int line)
{
    if (LoggedOnly(description))
    {
        return Platform::DialogButton::Ok;
    }
    return AskUser(description, module, file, line);
}

void ReportAndBreak(const std::string& description, const std::string& module, const char* file, int line)
{
    if (LoggedOnly(description))
    {
        return;
    }
    if (AskUser(description, module, file, line) == Platform::DialogButton::Ok)
    {
        Platform::Process::Break();
    }
}

} // namespace Korrin

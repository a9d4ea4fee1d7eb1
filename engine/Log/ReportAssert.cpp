#include "engine/Log/ReportAssert.h"

#include "engine/Log/ReportFileScope.h"
#include "platform/Message.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

#include <cstdio>

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

std::string FormatAssertReport(const std::string& description, const std::string& module, const char* file,
                               int line)
{
    return "DLL Name:\n  " + module + "\n\nDeSrciption:\n  " + description + "\n\nFile:\n  " +
           (file != nullptr ? file : "") + "\n\nLine:\n  " + std::to_string(line);
}

int ReportAssert(const std::string& description, const std::string& module, const char* file, int line)
{
    if (ReportFileScope::LoggedOnly(description))
    {
        return Platform::DialogButton::Ok;
    }
    return AskUser(description, module, file, line);
}

void ReportAndBreak(const std::string& description, const std::string& module, const char* file, int line)
{
    if (ReportFileScope::LoggedOnly(description))
    {
        return;
    }
    if (AskUser(description, module, file, line) == Platform::DialogButton::Ok)
    {
        Platform::Process::Break();
    }
}

} // namespace Korrin

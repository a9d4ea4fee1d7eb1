#include "tests/support/ReportRecorder.h"

#include "platform/Message.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

namespace TestSupport
{

namespace
{

std::vector<ReportRecorder::Box>& RecordedBoxes()
{
    static std::vector<ReportRecorder::Box> boxes;
    return boxes;
}

int gBreaks = 0;

void CountBreak()
{
    ++gBreaks;
}

} // namespace

void ReportRecorder::Install()
{
    Platform::MessageBox::SetHandler(
        [](const std::string& text, const std::string& title, std::uint32_t flags)
        {
            RecordedBoxes().push_back(Box{text, title, flags});
            return Platform::DialogButton::Ok;
        });
    Platform::Process::SetBreakHandler(CountBreak);
}

void ReportRecorder::Clear()
{
    RecordedBoxes().clear();
    gBreaks = 0;
}

const std::vector<ReportRecorder::Box>& ReportRecorder::Boxes()
{
    return RecordedBoxes();
}

int ReportRecorder::Breaks()
{
    return gBreaks;
}

std::string ReportRecorder::LastDescription()
{
    if (RecordedBoxes().empty())
    {
        return {};
    }
    const std::string& text = RecordedBoxes().back().text;
    const std::string head = "DeSrciption:\n  ";
    const std::size_t start = text.find(head);
    if (start == std::string::npos)
    {
        return {};
    }
    const std::size_t from = start + head.size();
    return text.substr(from, text.find("\n\n", from) - from);
}

} // namespace TestSupport

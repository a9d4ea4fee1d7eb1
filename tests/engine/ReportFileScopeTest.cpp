#include "engine/Log/ReportFileScope.h"

#include "engine/Log/ReportAssert.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

using TestSupport::ReportRecorder;

void Report(const std::string& description)
{
    Korrin::ReportAndBreak(description, Korrin::kEngineModule, "test", 1);
}

// One damaged file asks once, whatever spelling its name takes; other files and reports of no file ask
// as always; the reports not asked are in the log.
TEST(ReportFileScope, OnlyTheFirstReportCausedByAFileAsks)
{
    TestSupport::LogCapture log;
    ReportRecorder::Clear();
    {
        const Korrin::ReportFileScope panel("media/Panel.gui");
        Report("first of the panel");
        Report("second of the panel");
        {
            const Korrin::ReportFileScope picture("gui_widgets.png");
            Report("first of the picture");
        }
        Report("third of the panel");
    }
    {
        const Korrin::ReportFileScope again("panel.gui");
        Report("the panel read again");
    }
    Report("of no file");
    Report("of no file, again");
    {
        const Korrin::ReportFileScope unnamed("");
        Report("of an unnamed file");
    }

    std::vector<std::string> asked;
    for (const ReportRecorder::Box& box : ReportRecorder::Boxes())
    {
        asked.push_back(box.text.substr(box.text.find("DeSrciption:\n  ") + 15,
                                        box.text.find("\n\nFile:") - box.text.find("DeSrciption:\n  ") - 15));
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"first of the panel", "first of the picture", "of no file",
                                               "of no file, again", "of an unnamed file"}));
    EXPECT_EQ(ReportRecorder::Breaks(), 5) << "a report only logged stops at no breakpoint";
    const std::string text = log.Text();
    for (const char* logged : {"second of the panel", "third of the panel", "the panel read again"})
    {
        EXPECT_NE(text.find(std::string("Report (not asked again, its file ")), std::string::npos);
        EXPECT_NE(text.find(logged), std::string::npos) << logged;
    }
}

// Scopes that end out of order leave the others standing: two scripts of one function end in either
// order.
TEST(ReportFileScope, AnOwnerLeavesFromWhereverItStands)
{
    TestSupport::LogCapture log;
    ReportRecorder::Clear();
    int first = 0;
    int second = 0;
    Korrin::ReportFileScope::Enter(&first, "a.lua");
    Korrin::ReportFileScope::Enter(&second, "b.lua");
    Korrin::ReportFileScope::Leave(&first);
    Report("of b");
    Report("of b again");
    Korrin::ReportFileScope::Leave(&second);
    Report("of none");
    EXPECT_EQ(ReportRecorder::Boxes().size(), 2u);
    EXPECT_NE(log.Text().find("its file b.lua is damaged): of b again"), std::string::npos) << log.Text();
}

// Without a log there is nowhere else to say it: every report asks.
TEST(ReportFileScope, WithoutALogEveryReportAsks)
{
    ReportRecorder::Clear();
    const Korrin::ReportFileScope file("a.lua");
    Report("one");
    Report("two");
    EXPECT_EQ(ReportRecorder::Boxes().size(), 2u);
}

} // namespace

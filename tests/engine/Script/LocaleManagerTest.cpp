#include "engine/Script/LocaleManager.h"

#include "engine/File/FileSysManager.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

using Korrin::LocaleManager;
using TestSupport::ReportRecorder;

namespace
{

class LocaleManagerTest : public testing::Test
{
protected:
    void SetUp() override { ReportRecorder::Clear(); }

    std::u16string Text(const std::string& name) const
    {
        return std::u16string(mTexts.getStringByNameAsUtf16(name));
    }

    TestSupport::LogCapture mLog;
    Korrin::FileSysManager mFiles{WF_FIXTURES_DIR "/locale"};
    LocaleManager mTexts;
};

} // namespace

TEST_F(LocaleManagerTest, ReadsEntriesWithTheLaterOfTwoNamesWinning)
{
    mTexts.Load("strings.xml");
    struct Case
    {
        const char* name;
        std::u16string expected;
    };
    const Case cases[] = {
        {"CONTINUE_OK", u"Continue"},
        {"Greeting", u"Good day"},
        {"Quoted", u"Buy <3 & sell"},
        {"Untranslated", u""},
        {"Blank", u""},
    };
    for (const Case& each : cases)
    {
        EXPECT_EQ(Text(each.name), each.expected) << each.name;
    }
    EXPECT_EQ(mTexts.GetCount(), 6u);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(LocaleManagerTest, CodePointsOutsideTheBasicPlaneBecomeSurrogatePairs)
{
    mTexts.Load("strings.xml");
    const std::u16string text = Text("Symbols");
    EXPECT_EQ(text, u"Clef \U0001D11E and \u043A\u043B\u044E\u0447 & \u00E9");
    ASSERT_GE(text.size(), 7u);
    EXPECT_EQ(text[5], 0xD834);
    EXPECT_EQ(text[6], 0xDD1E);
}

TEST_F(LocaleManagerTest, NamesMatchExactly)
{
    mTexts.Load("strings.xml");
    for (const char* name : {"continue_ok", "CONTINUE_OK ", "Greeting\t"})
    {
        ReportRecorder::Clear();
        EXPECT_EQ(Text(name), u"") << name;
        EXPECT_EQ(ReportRecorder::LastDescription(),
                  std::string("Don't find getStringByNameAsUtf16: ") + name);
        EXPECT_EQ(ReportRecorder::Breaks(), 1);
    }
    // The report names no file: the line before it does.
    EXPECT_NE(mLog.Text().find("LocaleManager: strings.xml: no text named \"continue_ok\"\n"),
              std::string::npos)
        << mLog.Text();
    EXPECT_NE(mLog.Text().find("Don't find getStringByNameAsUtf16: continue_ok"), std::string::npos);
}

TEST_F(LocaleManagerTest, AMissingNameIsLoggedWithTheTablesSearched)
{
    EXPECT_EQ(Text("Greeting"), u"");
    EXPECT_NE(mLog.Text().find("no text table is loaded, so there is no text named \"Greeting\""),
              std::string::npos)
        << mLog.Text();
    mTexts.Load("strings.xml");
    mTexts.Load("later.xml");
    EXPECT_EQ(Text("Absent"), u"");
    EXPECT_NE(mLog.Text().find("LocaleManager: strings.xml, later.xml: no text named \"Absent\""),
              std::string::npos)
        << mLog.Text();
}

TEST_F(LocaleManagerTest, LookupsHandOutTheConvertedTextWithoutCopyingIt)
{
    mTexts.Load("strings.xml");
    const std::u16string_view first = mTexts.getStringByNameAsUtf16("Greeting");
    const std::u16string_view second = mTexts.getStringByNameAsUtf16("Greeting");
    EXPECT_EQ(first, u"Good day");
    EXPECT_EQ(first.data(), second.data()) << "converted once, when the table loaded";
}

TEST_F(LocaleManagerTest, AnEmptyNameGivesAnEmptyTextWithoutAReport)
{
    EXPECT_EQ(Text(""), u"");
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(LocaleManagerTest, InvalidUtf8IsReportedAndGivesAnEmptyText)
{
    mTexts.Load("invalid_utf8.xml");
    for (const char* name : {"Broken", "Lone"})
    {
        ReportRecorder::Clear();
        EXPECT_EQ(Text(name), u"") << name;
        EXPECT_EQ(ReportRecorder::LastDescription(), "No utf8") << name;
        EXPECT_NE(mLog.Text().find(std::string("LocaleManager: invalid_utf8.xml: the text named \"") + name +
                                   "\" is not valid UTF-8"),
                  std::string::npos)
            << mLog.Text();
    }
}

TEST_F(LocaleManagerTest, LaterLoadsAddToTheTable)
{
    mTexts.Load("strings.xml");
    mTexts.Load("later.xml");
    EXPECT_EQ(Text("Greeting"), u"Welcome back");
    EXPECT_EQ(Text("Farewell"), u"Goodbye");
    EXPECT_EQ(Text("CONTINUE_OK"), u"Continue");
}

TEST_F(LocaleManagerTest, AMissingOrMalformedFileAddsNothing)
{
    mTexts.Load("absent.xml");
    EXPECT_EQ(ReportRecorder::LastDescription(), "File not load: absent.xml");

    ReportRecorder::Clear();
    mTexts.Load("malformed.xml");
    EXPECT_EQ(mTexts.GetCount(), 0u);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
    EXPECT_NE(mLog.Text().find("LocaleManager::Load malformed.xml: "), std::string::npos);
}

TEST(LocaleManager, TheGetterReportsWhenThereIsNoManager)
{
    ReportRecorder::Clear();
    EXPECT_EQ(LocaleManager::GetInstance(), nullptr);
    EXPECT_EQ(ReportRecorder::LastDescription(), "LocaleManager::mSingleton==NULL");
}

#include "game/Entity/CorrectionTable.h"

#include "engine/File/FileSysManager.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

namespace
{

class CorrectionTableTest : public testing::Test
{
protected:
    CorrectionTable& Load(const std::string& text)
    {
        mFolder.Write("list.lua", text);
        mTable.Load("list.lua", "ObjList");
        return mTable;
    }

    TestSupport::LogCapture mLog;
    TestSupport::TempFolder mFolder{"corrections"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
    CorrectionTable mTable;
};

} // namespace

TEST_F(CorrectionTableTest, EntriesAreFoundByAnimationNameAndGoodsFrame)
{
    const CorrectionTable& table = Load(R"(ObjList = {
        { name = "run1", data = { { id = 3.7, angle = 0.5, sX = 2, sY = "3", pX = -4, pY = 5 },
                                  { id = 3, sX = 9 },
                                  { id = 5, sY = 1 },
                                  { angle = 1 },
                                  "not a table" } },
        { name = "run1", data = { { id = 8, sX = 1, sY = 1 } } },
        { name = "stand1" },
        { name = 12, data = { { id = 1, sX = 1 } } },
        { data = { { id = 1, sX = 1 } } },
    })");
    const Correction* c = table.Find("run1", 3);
    ASSERT_NE(c, nullptr) << "id 3.7 is stored under 3";
    EXPECT_FLOAT_EQ(c->angle, 0.5f);
    EXPECT_FLOAT_EQ(c->sX, 2.0f) << "the first element of an id stays";
    EXPECT_FLOAT_EQ(c->sY, 3.0f) << "a string that reads as a number counts";
    EXPECT_FLOAT_EQ(c->pX, -4.0f);
    EXPECT_FLOAT_EQ(c->pY, 5.0f);
    ASSERT_NE(table.Find("run1", 5), nullptr);
    EXPECT_EQ(table.Find("run1", 5)->sX, 0.0f)
        << "a missing sX makes the goods vanish: the data must give it";
    EXPECT_EQ(table.Find("run1", 8), nullptr) << "a second entry of a name is ignored";
    EXPECT_EQ(table.Find("run1", 4), nullptr);
    EXPECT_EQ(table.Find("stand1", 1), nullptr) << "a name without data has no corrections";
    EXPECT_EQ(table.Find("Run1", 3), nullptr) << "names are case-sensitive";
    EXPECT_EQ(table.Find("12", 1), nullptr) << "a name must be a string";
}

TEST_F(CorrectionTableTest, WhatIsNotATableLoadsNothing)
{
    struct Case
    {
        const char* text;
    } cases[] = {{"ObjList = 5"}, {"Other = {}"}, {"ObjList = { 'a', 7 }"}};
    for (const Case& c : cases)
    {
        CorrectionTable table;
        mFolder.Write("list.lua", c.text);
        table.Load("list.lua", "ObjList");
        EXPECT_TRUE(table.IsEmpty()) << c.text;
    }
    CorrectionTable unnamed;
    unnamed.Load("", "ObjList");
    EXPECT_TRUE(unnamed.IsEmpty());
    EXPECT_NE(mLog.Text().find("Error loading file! file - "), std::string::npos);
}

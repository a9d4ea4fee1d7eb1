#include "game/MapSettings.h"

#include "engine/File/FileSysManager.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>
#include <limits>

using TestSupport::ReportRecorder;

TEST(MapSettings, ReadsEachLevelInTableOrderWithSafeValues)
{
    Korrin::FileSysManager files(WF_FIXTURES_DIR "/mapsettings");
    ReportRecorder::Clear();
    MapSettings settings;
    settings.Load();
    EXPECT_TRUE(ReportRecorder::Boxes().empty());

    EXPECT_EQ(settings.GetProgressStartLevel(), 4);
    EXPECT_EQ(settings.GetProgressSwapLevel(), -2);
    ASSERT_EQ(settings.GetLevelCount(), 4u); // the string entry is skipped

    const MapSettings::LevelSettings& first = settings.GetLevel(0);
    EXPECT_EQ(first.sceneryItem, 3);
    ASSERT_EQ(first.shopItems.size(), 2u);
    EXPECT_EQ(first.shopItems[0].id, 30);
    EXPECT_EQ(first.shopItems[0].upgrade, 2);
    EXPECT_EQ(first.shopItems[1].id, 133);

    const MapSettings::LevelSettings& second = settings.GetLevel(1);
    EXPECT_EQ(second.sceneryItem, -1);
    ASSERT_EQ(second.shopItems.size(), 3u);
    EXPECT_EQ(second.shopItems[0].upgrade, 0); // missing: 0
    EXPECT_EQ(second.shopItems[1].id, 0);
    EXPECT_EQ(second.shopItems[2].id, 0); // not a number: 0
    EXPECT_EQ(second.shopItems[2].upgrade, 7);

    EXPECT_EQ(settings.GetLevel(2).sceneryItem, -1);
    EXPECT_TRUE(settings.GetLevel(2).shopItems.empty());
    EXPECT_EQ(settings.GetLevel(3).sceneryItem, std::numeric_limits<std::int32_t>::max());

    ReportRecorder::Clear();
    settings.GetLevel(4);
    ASSERT_EQ(ReportRecorder::Boxes().size(), 2u); // this class's report, then the vector's own check
    EXPECT_NE(ReportRecorder::Boxes()[0].text.find("Trying to get wrong level while loading map settings!"),
              std::string::npos);
}

TEST(MapSettings, AMissingScriptIsReportedAndLeavesNoLevels)
{
    Korrin::FileSysManager files(WF_FIXTURES_DIR "/defaults");
    ReportRecorder::Clear();
    MapSettings settings;
    settings.Load();
    EXPECT_EQ(ReportRecorder::LastDescription(), "File not load: mapsettings.lua");
    EXPECT_EQ(settings.GetLevelCount(), 0u);
}

TEST(MapSettings, TheSampleDataHasEveryLevel)
{
    Korrin::FileSysManager files(std::string(WF_FIXTURES_DIR) + "/../../media");
    MapSettings settings;
    settings.Load();
    EXPECT_EQ(settings.GetLevelCount(), 67u);
    EXPECT_EQ(settings.GetProgressStartLevel(), 5);
}

#include "engine/Render/StartupReport.h"

#include "tests/engine/LogCapture.h"

#include <gtest/gtest.h>

using Korrin::StartupReport;

TEST(StartupReport, SystemHalfShowsMemoryProcessorAndSystem)
{
    TestSupport::LogCapture log;
    Platform::SystemFacts facts;
    facts.totalPhysicalBytes = 3ull << 30;
    facts.availablePhysicalBytes = 1536ull << 20;
    facts.totalVirtualBytes = 5ull << 30;
    facts.availableVirtualBytes = 4ull << 30;
    facts.processorClock = 3000;
    facts.vendor = "SomeVendor";
    facts.brand = Platform::SystemFacts::TrimLeadingBlanks("      Fast Chip 9000");
    facts.systemName = "Linux";
    Platform::SystemFacts::ParseRelease("6.1.76-1-amd64", facts.versionMajor, facts.versionMinor,
                                        facts.versionBuild);
    StartupReport::WriteSystemPart(facts);
    const std::string text = log.Text();
    for (const char* line :
         {"Engine Version 0.1", "  Total Physical Memory: 3072.00 MB",
          "  Available Physical Memory:  1536.00 MB", "  Total Virtual Memory: 5120 MB",
          "  Available Virtual Memory:  4096 MB", "  Clock: 3000GHz", "  Vendor: SomeVendor",
          "  Brand: Fast Chip 9000\n", "  Type: Linux", "  Version: 6.1, build 76"})
    {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
}

TEST(StartupReport, AdapterHalfRoundsVideoMemoryUpToMegabytes)
{
    TestSupport::LogCapture log;
    Platform::AdapterFacts facts;
    facts.driver = "wf_software";
    facts.driverVersion = (6ull << 48) | (14ull << 32) | (10ull << 16) | 6868ull;
    facts.videoMemoryBytes = 256ull << 20;
    facts.maxTextureWidth = 4096;
    facts.maxTextureHeight = 2048;
    StartupReport::WriteAdapterPart(facts, false);
    const std::string text = log.Text();
    for (const char* line : {"Error GetAdapterIdentifier", "  Driver: wf_software", "     Product: 6",
                             "     Version: 14", "     SubVersion: 10", "     Build: 6868",
                             "  MaxTextureWidth: 4096", "  MaxTextureHeight: 2048", "  Mem: 269Mb"})
    {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
}

TEST(StartupReport, BrandTextAndReleaseNumbersAreReadSafely)
{
    EXPECT_EQ(Platform::SystemFacts::TrimLeadingBlanks(""), "");
    EXPECT_EQ(Platform::SystemFacts::TrimLeadingBlanks("    "), "");
    int major = -1;
    int minor = -1;
    int build = -1;
    Platform::SystemFacts::ParseRelease("garbage", major, minor, build);
    EXPECT_EQ(major, 0);
    Platform::SystemFacts::ParseRelease("5.10", major, minor, build);
    EXPECT_EQ(major, 5);
    EXPECT_EQ(minor, 10);
    EXPECT_EQ(build, 0);
    const Platform::SystemFacts facts = Platform::SystemFacts::Gather();
    EXPECT_GT(facts.processorCount, 0u);
    EXPECT_GT(facts.totalPhysicalBytes, 0u);
}

#include "engine/Util/Array.h"
#include "engine/Util/CheckedInteger.h"
#include "engine/Util/Rect.h"
#include "engine/Util/SafeVector.h"
#include "engine/Util/Singleton.h"
#include "engine/Util/ValueText.h"
#include "tests/support/ReportRecorder.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace
{

using TestSupport::ReportRecorder;

class Widget : public Korrin::Singleton<Widget>
{
public:
    static Widget* GetInstance()
    {
        return CheckedInstance("Widget::mSingleton==NULL", Korrin::kEngineModule, "Source\\Test\\Widget", 7);
    }
};

class UtilTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ReportRecorder::Clear();
        std::filesystem::remove("Array.log");
    }

    static std::string ArrayLog()
    {
        std::ifstream file("Array.log");
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
};

TEST_F(UtilTest, SingletonReportsASecondInstanceAndTheNewOneWins)
{
    auto first = std::make_unique<Widget>();
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
    auto second = std::make_unique<Widget>();
    EXPECT_EQ(ReportRecorder::LastDescription(), "Only one instance of this class is permitted.");
    EXPECT_EQ(ReportRecorder::Breaks(), 1);
    EXPECT_EQ(Widget::GetInstance(), second.get());

    second.reset(); // clears the instance although the first object lives on
    ReportRecorder::Clear();
    first.reset();
    EXPECT_EQ(ReportRecorder::LastDescription(), "The singleton instance is invalid.");
    EXPECT_EQ(Widget::Peek(), nullptr);
}

TEST_F(UtilTest, SingletonGettersReportTheirOwnTexts)
{
    EXPECT_EQ(Widget::GetInstance(), nullptr);
    EXPECT_EQ(ReportRecorder::LastDescription(), "Widget::mSingleton==NULL");
    EXPECT_NE(ReportRecorder::Boxes().back().text.find("Source\\Test\\Widget"), std::string::npos);

    EXPECT_EQ(Korrin::Singleton<Widget>::GetInstance(), nullptr);
    EXPECT_EQ(ReportRecorder::LastDescription(), "The singleton has not yet been created.");
    EXPECT_EQ(ReportRecorder::Breaks(), 2);
}

TEST_F(UtilTest, ArrayGrowsToTwiceUsedPlusOne)
{
    Korrin::Array<int> array;
    std::vector<std::uint32_t> capacities;
    for (int value = 0; value < 8; ++value)
    {
        array.Add(value);
        capacities.push_back(array.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<std::uint32_t>{1, 3, 3, 7, 7, 7, 7, 15}));
    EXPECT_EQ(array[7], 7);
    EXPECT_FALSE(std::filesystem::exists("Array.log")) << "an unnamed array never writes the log";
}

TEST_F(UtilTest, ArrayShrinkKeepsTheFirstElementsAndNamedArraysLog)
{
    Korrin::Array<float> array("Heights");
    for (int value = 0; value < 5; ++value)
    {
        array.Add(static_cast<float>(value));
    }
    array.Reallocate(2);
    EXPECT_EQ(array.Size(), 2u);
    EXPECT_EQ(array[1], 1.0f);
    array.Reallocate(4);
    EXPECT_EQ(array.Size(), 2u);
    EXPECT_EQ(array.Capacity(), 4u);
    array.Free();
    EXPECT_EQ(array.Size(), 0u);
    EXPECT_EQ(ArrayLog(), "Reallocate = Heights\nReallocate = Heights\nReallocate = Heights\n"
                          "Reallocate = Heights\nReallocate = Heights\nHeights\n");
}

TEST_F(UtilTest, IndexPastTheEndIsReportedAndYieldsADefault)
{
    Korrin::Array<int> array("Goods");
    array.Add(5);
    EXPECT_EQ(array[3], 0);
    EXPECT_EQ(ReportRecorder::LastDescription(), "index>size index=3mUsed=1 Goods");

    Korrin::SafeVector<int> vector("queue");
    vector.push_back(1);
    vector.push_back(2);
    EXPECT_EQ(vector[5], 0);
    EXPECT_EQ(ReportRecorder::LastDescription(), "index>size index=5size=2 int,queue");
    EXPECT_EQ(vector[1], 2);
    EXPECT_EQ(ReportRecorder::Breaks(), 2);
}

TEST_F(UtilTest, ValuesAsText)
{
    EXPECT_EQ(Korrin::ToString(-1234567), "-1234567");
    EXPECT_EQ(Korrin::ToString(4000000000u), "4000000000");
    EXPECT_EQ(Korrin::ToString(435L), "435");
    EXPECT_EQ(Korrin::ToString(true), "true");
    EXPECT_EQ(Korrin::ToString(static_cast<bool>(7)), "true");
    EXPECT_EQ(Korrin::ToString(false), "false");
    EXPECT_EQ(Korrin::ToString(Korrin::Rect{0.5f, 2.0f, 1024.0f, -3.25f}), "0.5 2 1024 -3.25");
    EXPECT_EQ(Korrin::ToLower("Obj1.JPG \xC3\x89t\xC3\xA9"), "obj1.jpg \xC3\x89t\xC3\xA9");
}

} // namespace

TEST(CheckedInteger, NotANumberGivesTheFallbackAndTheRangeHoldsEverythingElse)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const struct
    {
        double value;
        int asInt;
        int asByte;
        std::int64_t asWide;
    } cases[] = {
        {kNaN, -7, 9, -7},
        {2.9, 2, 2, 2},
        {-2.9, -2, 0, -2},
        {255.5, 255, 255, 255},
        {1e30, std::numeric_limits<int>::max(), 255, std::numeric_limits<std::int64_t>::max()},
        {-1e30, std::numeric_limits<int>::min(), 0, std::numeric_limits<std::int64_t>::min()},
        {kInfinity, std::numeric_limits<int>::max(), 255, std::numeric_limits<std::int64_t>::max()},
        {-kInfinity, std::numeric_limits<int>::min(), 0, std::numeric_limits<std::int64_t>::min()},
        {2147483647.0, 2147483647, 255, 2147483647},
    };
    for (const auto& test : cases)
    {
        EXPECT_EQ(Korrin::CheckedInteger<int>(test.value, -7), test.asInt) << test.value;
        EXPECT_EQ(Korrin::CheckedInteger<std::uint8_t>(test.value, std::uint8_t{9}), test.asByte)
            << test.value;
        EXPECT_EQ(Korrin::CheckedInteger<std::int64_t>(test.value, std::int64_t{-7}), test.asWide)
            << test.value;
    }
    // Floats: the largest float below 2^31 still converts; 2^31 itself is past int.
    EXPECT_EQ(Korrin::CheckedInteger<int>(2147483520.0f), 2147483520);
    EXPECT_EQ(Korrin::CheckedInteger<int>(2147483648.0f), std::numeric_limits<int>::max());
    EXPECT_EQ(Korrin::CheckedInteger<std::uint16_t>(std::nanf("")), 0);
}

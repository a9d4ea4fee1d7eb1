#include "engine/File/FileData.h"

#include <cstring>
#include <gtest/gtest.h>

using Korrin::FileData;

TEST(FileData, ReadsAndSeeksStayInsideTheBuffer)
{
    FileData data;
    std::memcpy(data.Allocate(6), "abcdef", 6);

    char out[8] = {};
    EXPECT_EQ(data.Read(out, 4), 4u);
    EXPECT_STREQ(out, "abcd");
    EXPECT_EQ(data.GetOffset(), 4u);
    EXPECT_EQ(data.Read(out, 8), 2u) << "only what is left";
    EXPECT_EQ(data.GetRemaining(), 0u);
    EXPECT_EQ(data.Read(out, 1), 0u);

    EXPECT_FALSE(data.SetOffset(7));
    EXPECT_EQ(data.GetOffset(), 6u);
    EXPECT_TRUE(data.SetOffset(1));
    EXPECT_EQ(*data.GetPosition(), 'b');
}

TEST(FileData, AnEmptyObjectReadsNothing)
{
    FileData data;
    char out[1] = {'z'};
    EXPECT_FALSE(data.HasData());
    EXPECT_STREQ(data.GetText(), "");
    EXPECT_EQ(data.Read(out, 1), 0u);
    EXPECT_FALSE(data.SetOffset(0));
    EXPECT_EQ(out[0], 'z');
}

TEST(FileData, MovingHandsTheBufferOver)
{
    FileData first;
    std::memcpy(first.Allocate(3), "xyz", 3);
    FileData second = std::move(first);
    EXPECT_FALSE(first.HasData()); // NOLINT(bugprone-use-after-move): the moved-from state is the point
    EXPECT_STREQ(second.GetText(), "xyz");
    EXPECT_EQ(second.GetSize(), 3u);
}

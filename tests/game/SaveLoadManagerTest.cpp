#include "game/Game/SaveLoadManager.h"

#include "game/Game/SaveLoadObject.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

namespace
{

// A saved object whose record is a given number of bytes, and whose load reads a given number.
class Sized : public SaveLoadObject
{
public:
    Sized(std::size_t writes, std::size_t reads) : mWrites(writes), mReads(reads) {}
    void Save(Korrin::BinaryWriter& out) override
    {
        for (std::size_t byte = 0; byte < mWrites; ++byte)
        {
            out.WriteU8(static_cast<std::uint8_t>(byte + 1));
        }
    }
    void Load(Korrin::BinaryReader& in) override
    {
        ++loads;
        for (std::size_t byte = 0; byte < mReads; ++byte)
        {
            in.ReadU8();
        }
    }
    int loads = 0;

private:
    std::size_t mWrites;
    std::size_t mReads;
};

} // namespace

TEST(SaveLoadManager, EachRecordIsFollowedByItsLength)
{
    SaveLoadManager manager;
    Korrin::BinaryWriter empty;
    manager.SaveAll(empty);
    EXPECT_TRUE(empty.Bytes().empty());

    Sized nothing(0, 0);
    Sized three(3, 3);
    manager.Register(&nothing);
    manager.Register(&three);
    Korrin::BinaryWriter out;
    manager.SaveAll(out);
    const std::vector<std::uint8_t> expected = {0, 0, 0, 0, 1, 2, 3, 3, 0, 0, 0};
    EXPECT_EQ(out.Bytes(), expected);

    Korrin::BinaryReader in(out.Bytes());
    EXPECT_TRUE(manager.LoadAll(in));
    EXPECT_TRUE(in.AtEnd());
}

TEST(SaveLoadManager, ALengthMismatchStopsTheLoadAtThatRecord)
{
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
        int lastLoads;
    };
    // Objects: 2 bytes, then 1 byte. The first always loads; the loader reads nothing after a failure.
    const std::vector<Case> cases = {
        {"last record longer than read", {9, 9, 2, 0, 0, 0, 7, 2, 0, 0, 0}, 1},
        {"first length wrong", {9, 9, 3, 0, 0, 0, 7, 1, 0, 0, 0}, 0},
        {"ends inside a record", {9, 9, 2, 0, 0, 0, 7}, 1},
        {"ends inside a length", {9, 9, 2, 0}, 0},
        {"length far too large", {9, 9, 0xFF, 0xFF, 0xFF, 0xFF}, 0},
    };
    for (const Case& c : cases)
    {
        SaveLoadManager manager;
        Sized first(2, 2);
        Sized last(1, 1);
        manager.Register(&first);
        manager.Register(&last);
        Korrin::BinaryReader in(c.bytes);
        EXPECT_FALSE(manager.LoadAll(in)) << c.what;
        EXPECT_EQ(first.loads, 1) << c.what;
        EXPECT_EQ(last.loads, c.lastLoads) << c.what;
        EXPECT_FALSE(in.Ok()) << c.what;
    }
}

TEST(SaveLoadManager, GetterReportsWhenThereIsNoLevel)
{
    TestSupport::ReportRecorder::Clear();
    EXPECT_EQ(SaveLoadManager::GetInstance(), nullptr);
    EXPECT_EQ(TestSupport::ReportRecorder::LastDescription(), "SaveLoadManager::mSingleton==NULL");
}

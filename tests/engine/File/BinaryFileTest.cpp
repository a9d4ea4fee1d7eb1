#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/File/DiskFile.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace
{

std::vector<std::uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DiskFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mFolder = std::filesystem::temp_directory_path() /
                  ("wf_binary_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(mFolder);
        std::filesystem::create_directories(mFolder);
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    std::string PathOf(const std::string& name) const { return (mFolder / name).string(); }

    std::filesystem::path mFolder;
};

} // namespace

TEST(BinaryReaderWriter, FieldsRoundTripLittleEndian)
{
    Korrin::BinaryWriter out;
    out.WriteU8(0xAB);
    out.WriteU16(0x1234);
    out.WriteU32(877);
    out.WriteI32(-2);
    out.WriteU64(0x0102030405060708ull);
    out.WriteF32(1.5f);
    out.WriteUtf16(u"Ab");
    const std::vector<std::uint8_t> expected = {0xAB, 0x34, 0x12, 0x6D, 0x03, 0x00, 0x00, 0xFE, 0xFF,
                                                0xFF, 0xFF, 0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02,
                                                0x01, 0x00, 0x00, 0xC0, 0x3F, 0x41, 0x00, 0x62, 0x00};
    EXPECT_EQ(out.Bytes(), expected);

    Korrin::BinaryReader in(out.Bytes());
    EXPECT_EQ(in.ReadU8(), 0xAB);
    EXPECT_EQ(in.ReadU16(), 0x1234);
    EXPECT_EQ(in.ReadU32(), 877u);
    EXPECT_EQ(in.ReadI32(), -2);
    EXPECT_EQ(in.ReadU64(), 0x0102030405060708ull);
    EXPECT_EQ(in.ReadF32(), 1.5f);
    EXPECT_EQ(in.ReadUtf16(2, 10), u"Ab");
    EXPECT_TRUE(in.Ok());
    EXPECT_TRUE(in.AtEnd());
}

TEST(BinaryReaderWriter, ReadingPastTheEndFailsAndStaysFailed)
{
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    Korrin::BinaryReader in(bytes);
    EXPECT_EQ(in.ReadU32(), 0u);
    EXPECT_FALSE(in.Ok());
    EXPECT_EQ(in.ReadU8(), 0u); // the bytes that are there are not read after a failure
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(BinaryReaderWriter, CountsAreCheckedAgainstWhatIsLeftAndTheirMaximum)
{
    const std::vector<std::uint8_t> bytes(12, 0);
    struct Case
    {
        std::uint32_t count;
        std::size_t itemBytes;
        std::uint32_t maximum;
        bool accepted;
    };
    for (const Case& c : {Case{3, 4, 10, true}, Case{4, 4, 10, false}, Case{3, 4, 2, false},
                          Case{0xFFFFFFFFu, 2, 0xFFFFFFFFu, false}, Case{0, 4, 0, true}})
    {
        Korrin::BinaryReader in(bytes);
        EXPECT_EQ(in.CheckCount(c.count, c.itemBytes, c.maximum), c.accepted)
            << c.count << " x " << c.itemBytes;
        EXPECT_EQ(in.Ok(), c.accepted);
    }
    Korrin::BinaryReader in(bytes);
    EXPECT_EQ(in.ReadUtf16(7, 100), u""); // 14 bytes asked, 12 there
    EXPECT_FALSE(in.Ok());
}

TEST_F(DiskFileTest, WriteReplacingReplacesTheFileWhole)
{
    const std::string path = PathOf("save.dat");
    ASSERT_TRUE(Korrin::DiskFile::WriteReplacing(path, {1, 2, 3}));
    ASSERT_TRUE(Korrin::DiskFile::WriteReplacing(path, {9}));
    EXPECT_EQ(FileBytes(path), std::vector<std::uint8_t>{9});
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    std::vector<std::uint8_t> read;
    EXPECT_EQ(Korrin::DiskFile::ReadAll(path, 16, read), Korrin::DiskFile::ReadResult::Ok);
    EXPECT_EQ(read, std::vector<std::uint8_t>{9});
    EXPECT_EQ(Korrin::DiskFile::ReadAll(PathOf("none.dat"), 16, read), Korrin::DiskFile::ReadResult::Missing);
    ASSERT_TRUE(Korrin::DiskFile::WriteReplacing(path, std::vector<std::uint8_t>(17, 0)));
    EXPECT_EQ(Korrin::DiskFile::ReadAll(path, 16, read), Korrin::DiskFile::ReadResult::TooLarge);
    EXPECT_TRUE(read.empty());
}

TEST_F(DiskFileTest, AWriteThatFailsPartWayKeepsThePreviousFile)
{
    const std::string path = PathOf("save.dat");
    const std::vector<std::uint8_t> previous = {7, 7, 7, 7};
    ASSERT_TRUE(Korrin::DiskFile::WriteReplacing(path, previous));

    // A disk that fills up after 1000 bytes: the write of a larger file fails part-way.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = Korrin::DiskFile::WriteReplacing(path, std::vector<std::uint8_t>(5000, 1));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(FileBytes(path), previous);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(DiskFileTest, AWriteIntoAMissingFolderFailsCleanly)
{
    EXPECT_FALSE(Korrin::DiskFile::WriteReplacing(PathOf("no/such/folder/save.dat"), {1}));
}

#include "engine/Sound/SoundOGG.h"

#include "tests/engine/Sound/SoundFixture.h"
#include "tests/engine/TempFolder.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace
{

using Korrin::SoundOGG;

class SoundOGGTest : public TestSupport::SoundFixture
{
};

std::string ReadFixture(const std::string& name)
{
    std::ifstream file(std::string(WF_FIXTURES_DIR "/sound/") + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The file with its first page of sound spoilt: the decoder gives nothing before the length the file
// claims.
std::string WithDamagedFirstSoundPage(std::string bytes)
{
    const std::size_t page = bytes.rfind("OggS", bytes.rfind("OggS") - 1);
    bytes[page + 60] = static_cast<char>(bytes[page + 60] ^ 0x5A);
    return bytes;
}

TEST_F(SoundOGGTest, ALoopingReadRunsOnFromTheStartAndAOnceReadPadsWithSilence)
{
    const auto reference = ReferenceDecode("click.ogg");
    SoundOGG file;
    ASSERT_TRUE(file.Open("click.ogg"));
    const std::size_t extra = 1000;
    // Past the end once, and a read so long that the track fits in it several times over.
    for (const std::size_t repeats : {1u, 5u})
    {
        file.Rewind();
        std::vector<std::uint8_t> looped(reference.size() * repeats + extra);
        EXPECT_EQ(file.Read(looped.data(), static_cast<std::int32_t>(looped.size()), true),
                  static_cast<std::int32_t>(looped.size()))
            << repeats;
        std::vector<std::uint8_t> expected;
        for (std::size_t pass = 0; pass < repeats; ++pass)
        {
            expected.insert(expected.end(), reference.begin(), reference.end());
        }
        expected.insert(expected.end(), reference.begin(), reference.begin() + extra);
        EXPECT_EQ(looped, expected) << repeats;
    }

    file.Rewind();
    std::vector<std::uint8_t> once(reference.size() + extra, 0xAB);
    EXPECT_EQ(file.Read(once.data(), static_cast<std::int32_t>(once.size()), false),
              static_cast<std::int32_t>(reference.size()));
    EXPECT_TRUE(std::equal(reference.begin(), reference.end(), once.begin()));
    EXPECT_EQ(std::count(once.begin() + static_cast<long>(reference.size()), once.end(), 0),
              static_cast<long>(extra));
    EXPECT_EQ(file.Read(once.data(), 0, true), 0);
}

TEST_F(SoundOGGTest, ADecoderThatRunsDryEndsTheReadInsteadOfSpinning)
{
    TestSupport::TempFolder folder("ogg");
    folder.Write("damaged.ogg", WithDamagedFirstSoundPage(ReadFixture("sale.ogg")));
    SoundOGG file;
    ASSERT_TRUE(file.Open(folder.Path() + "/damaged.ogg"));
    ASSERT_GT(file.GetTotalBytes(), 0u);

    for (const bool loop : {true, true, false})
    {
        std::vector<std::uint8_t> chunk(4096, 0xAB);
        const std::int32_t got = file.Read(chunk.data(), 4096, loop);
        ASSERT_GE(got, 0);
        ASSERT_LT(got, 4096);
        EXPECT_TRUE(
            std::all_of(chunk.begin() + got, chunk.end(), [](std::uint8_t byte) { return byte == 0; }));
    }
}

TEST_F(SoundOGGTest, FilesThatAreNotSoundAreRefused)
{
    TestSupport::TempFolder folder("ogg");
    const std::string sale = ReadFixture("sale.ogg");
    folder.Write("text.ogg", "this is not a sound at all");
    folder.Write("headers.ogg", sale.substr(0, 200));
    folder.Write("half.ogg", sale.substr(0, sale.size() / 2));
    for (const char* name : {"text.ogg", "headers.ogg"})
    {
        SoundOGG file;
        EXPECT_FALSE(file.Open(folder.Path() + "/" + name)) << name;
    }
    SoundOGG half;
    if (half.Open(folder.Path() + "/half.ogg"))
    {
        std::vector<std::uint8_t> buffer(half.GetTotalBytes() + 4096);
        EXPECT_LE(half.Read(buffer.data(), static_cast<std::int32_t>(buffer.size()), true),
                  static_cast<std::int32_t>(buffer.size()));
    }
    SoundOGG missing;
    EXPECT_FALSE(missing.Open("missing.ogg"));
    EXPECT_NE(mLog.Text().find("File not load: missing.ogg"), std::string::npos);
}

TEST(SoundOGGMemory, SeekTellAndReadStayInsideTheCopy)
{
    const std::uint8_t bytes[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    SoundOGG::MemorySource source{bytes, 10, 0};
    const struct
    {
        std::int64_t offset;
        int whence;
        int result;
        long position;
    } seeks[] = {
        {4, SEEK_SET, 0, 4},   {2, SEEK_CUR, 0, 6},   {0, SEEK_END, 0, 9},  {-9, SEEK_END, 0, 0},
        {10, SEEK_SET, -1, 0}, {-1, SEEK_CUR, -1, 0}, {1, SEEK_END, -1, 0}, {0, 7, -1, 0},
    };
    for (const auto& seek : seeks)
    {
        EXPECT_EQ(SoundOGG::MemorySeek(&source, seek.offset, seek.whence), seek.result)
            << seek.offset << " " << seek.whence;
        EXPECT_EQ(SoundOGG::MemoryTell(&source), seek.position) << seek.offset << " " << seek.whence;
    }
    std::uint8_t out[8] = {};
    source.position = 5;
    EXPECT_EQ(SoundOGG::MemoryRead(out, 2, 4, &source), 2u) << "only whole elements are copied";
    EXPECT_EQ(source.position, 9u);
    EXPECT_EQ(out[3], 8);
    EXPECT_EQ(SoundOGG::MemoryRead(out, 1, 4, &source), 1u);
    EXPECT_EQ(SoundOGG::MemoryRead(out, 1, 4, &source), 0u);
    EXPECT_EQ(SoundOGG::MemoryRead(nullptr, 1, 4, &source), 0u);
    EXPECT_EQ(SoundOGG::MemoryRead(out, 1, 4, nullptr), 0u);
    EXPECT_EQ(SoundOGG::MemorySeek(nullptr, 0, SEEK_SET), -1);
    EXPECT_EQ(SoundOGG::MemoryTell(nullptr), -1);
    EXPECT_EQ(SoundOGG::MemoryClose(nullptr), -1);
    EXPECT_EQ(SoundOGG::MemoryClose(&source), 0);
}

} // namespace

#include "platform/JpegDecoder.h"
#include "platform/JpegWriter.h"
#include "platform/PngCodec.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace
{

Platform::Image Gradient(int width, int height, std::uint8_t alpha)
{
    Platform::Image image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            image.pixels.push_back((static_cast<std::uint32_t>(alpha) << 24) |
                                   (static_cast<std::uint32_t>(x * 255 / width) << 16) |
                                   (static_cast<std::uint32_t>(y * 255 / height) << 8) | 0x40u);
        }
    }
    return image;
}

std::vector<std::uint8_t> ReadAll(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(PngCodec, WritesAndReadsBackEveryPixelWithAlpha)
{
    Platform::Image image = Gradient(13, 7, 0x80);
    image.pixels[5] = 0x00FFFFFFu;
    ASSERT_TRUE(Platform::PngCodec::Write(image, "roundtrip.png"));
    const std::vector<std::uint8_t> bytes = ReadAll("roundtrip.png");
    Platform::Image decoded;
    ASSERT_TRUE(Platform::PngCodec::Decode(bytes.data(), bytes.size(), decoded));
    EXPECT_EQ(decoded.width, 13);
    EXPECT_EQ(decoded.height, 7);
    EXPECT_EQ(decoded.pixels, image.pixels);
    std::remove("roundtrip.png");
}

TEST(PngCodec, RefusesBrokenFiles)
{
    Platform::Image image = Gradient(8, 8, 0xFF);
    ASSERT_TRUE(Platform::PngCodec::Write(image, "broken.png"));
    std::vector<std::uint8_t> bytes = ReadAll("broken.png");
    std::remove("broken.png");
    Platform::Image decoded;
    const std::vector<std::uint8_t> truncated(bytes.begin(),
                                              bytes.begin() + static_cast<long>(bytes.size() / 2));
    EXPECT_FALSE(Platform::PngCodec::Decode(truncated.data(), truncated.size(), decoded));
    EXPECT_TRUE(decoded.pixels.empty());
    EXPECT_FALSE(Platform::PngCodec::Decode(bytes.data(), 8, decoded));
    EXPECT_FALSE(Platform::PngCodec::Decode(nullptr, 0, decoded));
}

TEST(JpegDecoder, DecodesColourAndGreyOpaque)
{
    const Platform::Image image = Gradient(16, 8, 0x10);
    for (const bool grey : {false, true})
    {
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(Platform::JpegWriter::Encode(image, 95, grey, bytes));
        Platform::Image decoded;
        ASSERT_TRUE(Platform::JpegDecoder::Decode(bytes.data(), bytes.size(), decoded));
        ASSERT_EQ(decoded.width, 16);
        ASSERT_EQ(decoded.height, 8);
        const std::uint32_t corner = decoded.At(15, 0);
        EXPECT_EQ(corner >> 24, 0xFFu);
        EXPECT_NEAR(static_cast<int>((corner >> 16) & 0xFF), 239, 24) << grey;
        if (grey)
        {
            EXPECT_EQ((corner >> 16) & 0xFF, corner & 0xFF);
            EXPECT_EQ((corner >> 8) & 0xFF, corner & 0xFF);
        }
    }
}

TEST(JpegDecoder, EndsCleanlyOnTruncatedOrForeignData)
{
    Platform::Image noise = Gradient(64, 64, 0xFF);
    for (std::size_t i = 0; i < noise.pixels.size(); ++i)
    {
        noise.pixels[i] = 0xFF000000u | ((static_cast<std::uint32_t>(i) * 2654435761u) >> 8);
    }
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(Platform::JpegWriter::Encode(noise, 90, false, bytes));
    Platform::Image decoded;
    // Cut in the middle of the picture data: the decoder ends with what it has.
    const std::vector<std::uint8_t> half(bytes.begin(), bytes.begin() + static_cast<long>(bytes.size() / 2));
    EXPECT_TRUE(Platform::JpegDecoder::Decode(half.data(), half.size(), decoded));
    EXPECT_EQ(decoded.width, 64);
    EXPECT_NE(decoded.damage.find("the file ends part-way: rows "), std::string::npos) << decoded.damage;
    EXPECT_NE(decoded.damage.find(" to 63 are not in it"), std::string::npos) << decoded.damage;
    ASSERT_TRUE(Platform::JpegDecoder::Decode(bytes.data(), bytes.size(), decoded));
    EXPECT_EQ(decoded.damage, "") << "a whole file";
    // Cut inside the header: refused.
    EXPECT_FALSE(Platform::JpegDecoder::Decode(bytes.data(), 20, decoded));
    EXPECT_TRUE(decoded.pixels.empty());
    const std::uint8_t text[] = "not a picture";
    EXPECT_FALSE(Platform::JpegDecoder::Decode(text, sizeof(text), decoded));
}

} // namespace

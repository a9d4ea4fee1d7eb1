#include "engine/File/FileSysManager.h"
#include "platform/JpegWriter.h"
#include "platform/PngCodec.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

using Korrin::Texture;
using Korrin::TextureManager;
using TestSupport::ReportRecorder;

namespace
{

Platform::Image Flat(int width, int height, std::uint32_t argb)
{
    Platform::Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width * height), argb);
    return image;
}

class TextureManagerTest : public testing::Test
{
protected:
    TextureManagerTest()
    {
        ReportRecorder::Clear();
        mFiles.AddDirectory("media");
        mFolder.Write("media/.keep", "");
        const std::string media = mFolder.Path() + "/media/";
        Platform::JpegWriter::WriteFile(Flat(8, 4, 0xFF2080F0u), 100, false, media + "Tree.jpg");
        Platform::JpegWriter::WriteFile(Flat(8, 4, 0xFF808080u), 100, true, media + "Tree_a.jpg");
        Platform::JpegWriter::WriteFile(Flat(8, 4, 0xFF2080F0u), 100, false, media + "rock.jpg");
        Platform::JpegWriter::WriteFile(Flat(4, 4, 0xFF808080u), 100, true, media + "rock_a.jpg");
        Platform::JpegWriter::WriteFile(Flat(8, 4, 0xFF2080F0u), 100, false, media + "bare.jpg");
        Platform::PngCodec::Write(Flat(5, 3, 0x40FF0000u), media + "glass.png");
    }

    static std::uint32_t Texel(Texture* texture, int x, int y)
    {
        return texture->GetDeviceTexture()->At(x, y);
    }

    TestSupport::TempFolder mFolder{"textures"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
    TestSupport::RenderFixture mFixture;
    TextureManager& mTextures = *TextureManager::GetInstance();
};

} // namespace

TEST_F(TextureManagerTest, NamesDifferingInCaseShareOneCountedTexture)
{
    Texture* first = mTextures.GetTexture("Glass.PNG");
    ASSERT_NE(first, nullptr);
    Texture* second = mTextures.GetTexture("glass.png");
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->GetReferenceCount(), 1);
    mTextures.UnloadTexture(first);
    EXPECT_EQ(mTextures.GetTextureCount(), 1u);
    mTextures.UnloadTexture(second);
    EXPECT_EQ(mTextures.GetTextureCount(), 0u);
    EXPECT_NE(mFixture.Log().Text().find("Unload Texture: glass.png"), std::string::npos);
}

TEST_F(TextureManagerTest, AJpegTakesItsAlphaFromTheAlphaJpegOfTheSameSize)
{
    Texture* tree = mTextures.GetTexture("tree.jpg");
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->GetWidth(), 8.0f);
    EXPECT_EQ(tree->GetHeight(), 4.0f);
    const std::uint32_t texel = Texel(tree, 3, 2);
    EXPECT_NEAR(static_cast<int>(texel >> 24), 0x80, 2);
    EXPECT_NEAR(static_cast<int>((texel >> 16) & 0xFF), 0x20, 3);
    EXPECT_NEAR(static_cast<int>(texel & 0xFF), 0xF0, 3);
    EXPECT_NE(mFixture.Log().Text().find("_Create Texture: tree.jpg"), std::string::npos);

    // An alpha picture of another size, or none, leaves the picture opaque.
    for (const char* name : {"rock.jpg", "bare.jpg"})
    {
        Texture* opaque = mTextures.GetTexture(name);
        ASSERT_NE(opaque, nullptr) << name;
        EXPECT_EQ(Texel(opaque, 3, 2) >> 24, 0xFFu) << name;
        EXPECT_EQ(opaque->GetWidth(), 8.0f) << name;
    }
}

TEST_F(TextureManagerTest, APngKeepsItsAlphaAndSize)
{
    Texture* glass = mTextures.GetTexture("glass.png");
    ASSERT_NE(glass, nullptr);
    EXPECT_EQ(glass->GetWidth(), 5.0f);
    EXPECT_EQ(glass->GetHeight(), 3.0f);
    EXPECT_EQ(Texel(glass, 4, 2), 0x40FF0000u);
}

TEST_F(TextureManagerTest, MissingOrBrokenFilesGiveNullAndAreLogged)
{
    mFolder.Write("media/broken.png", "\x89PNG\r\n\x1a\nnot really");
    EXPECT_EQ(mTextures.GetTexture("nothere.png"), nullptr);
    EXPECT_EQ(mTextures.GetTexture("broken.png"), nullptr);
    EXPECT_EQ(mTextures.GetTextureCount(), 0u);
    const std::string log = mFixture.Log().Text();
    EXPECT_NE(log.find("File not load: nothere.png"), std::string::npos);
    EXPECT_NE(log.find("NULL nothere.png"), std::string::npos);
    EXPECT_NE(log.find("Create Texture Failed: broken.png"), std::string::npos);
    Texture stranger(nullptr);
    mTextures.UnloadTexture(&stranger);
    EXPECT_NE(mFixture.Log().Text().find("Texture not find"), std::string::npos);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(TextureManagerTest, APictureCutShortIsUsedAndLogged)
{
    Platform::Image noise = Flat(64, 64, 0);
    for (std::size_t i = 0; i < noise.pixels.size(); ++i)
    {
        noise.pixels[i] = 0xFF000000u | ((static_cast<std::uint32_t>(i) * 2654435761u) >> 8);
    }
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(Platform::JpegWriter::Encode(noise, 90, false, bytes));
    const std::string half(bytes.begin(), bytes.begin() + static_cast<long>(bytes.size() / 2));
    mFolder.Write("media/cut.jpg", half);
    mFolder.Write("media/cutcolour.jpg", half);
    Platform::JpegWriter::WriteFile(Flat(64, 64, 0xFFFFFFFFu), 100, true,
                                    mFolder.Path() + "/media/cutcolour_a.jpg");

    for (const char* name : {"cut.jpg", "cutcolour.jpg"})
    {
        Texture* texture = mTextures.GetTexture(name);
        ASSERT_NE(texture, nullptr) << name;
        EXPECT_EQ(texture->GetWidth(), 64.0f);
        EXPECT_NE(
            mFixture.Log().Text().find(std::string("Texture ") + name + ": the file ends part-way: rows "),
            std::string::npos)
            << mFixture.Log().Text();
    }
    EXPECT_EQ(mFixture.Log().Text().find("Texture rock.jpg: "), std::string::npos);
}

TEST_F(TextureManagerTest, HeldTexturesOutliveTheirOwnersUntilReleasedAndAreNotLoadedAgain)
{
    Texture* kept = mTextures.GetTexture("glass.png");
    Texture* dropped = mTextures.GetTexture("rock.jpg");
    Texture* target = mTextures.CreateRenderTexture("target");
    mTextures.HoldAll();
    mTextures.HoldAll(); // a second hold replaces the first rather than adding to it
    mTextures.UnloadTexture(kept);
    mTextures.UnloadTexture(dropped);
    EXPECT_EQ(mTextures.GetTextureCount(), 3u) << "both pictures are held";
    EXPECT_EQ(mTextures.GetTexture("GLASS.png"), kept) << "a held picture is taken again, not reloaded";

    mTextures.ReleaseHeld();
    EXPECT_EQ(mTextures.GetTextureCount(), 2u) << "the picture nobody took again is unloaded";
    EXPECT_EQ(kept->GetReferenceCount(), 0);
    mTextures.UnloadTexture(kept);
    EXPECT_EQ(mTextures.GetTextureCount(), 1u);
    EXPECT_EQ(mTextures.GetRenderTextures(), std::vector<Texture*>{target})
        << "render textures are never held";
    mTextures.ReleaseHeld(); // nothing held: nothing happens
    EXPECT_EQ(mTextures.GetTextureCount(), 1u);
}

// Pictures decoded by the workers must be those decoded here, known in size at once; a file broken
// in its header still fails at once, one broken past it fails when its texture is made.
TEST_F(TextureManagerTest, PicturesDecodedAlongsideAreThoseDecodedHere)
{
    Platform::Image noise = Flat(37, 19, 0);
    for (std::size_t i = 0; i < noise.pixels.size(); ++i)
    {
        noise.pixels[i] = static_cast<std::uint32_t>(i) * 2654435761u;
    }
    const std::string media = mFolder.Path() + "/media/";
    ASSERT_TRUE(Platform::PngCodec::Write(noise, media + "noise.png"));
    const std::string whole = mFolder.Read("media/noise.png");
    mFolder.Write("media/cut.png", whole.substr(0, whole.size() * 2 / 3));
    mFolder.Write("media/broken.png", "\x89PNG\r\n\x1a\nnot really");
    ASSERT_TRUE(Platform::PngCodec::Write(Flat(2, 2, 0xFF00FF00u), media + "after.png"));
    const auto pixels = [](Texture* texture)
    {
        Platform::Image image;
        Platform::GraphicsDevice::ReadTexture(*texture->GetDeviceTexture(), image);
        return image.pixels;
    };
    Texture* here = mTextures.GetTexture("noise.png");
    ASSERT_NE(here, nullptr);
    const std::vector<std::uint32_t> expected = pixels(here);
    mTextures.UnloadTexture(here);

    mTextures.StartDecoding();
    Texture* decoded = mTextures.GetTexture("noise.png");
    Texture* other = mTextures.GetTexture("glass.png");
    Texture* paired = mTextures.GetTexture("tree.jpg");
    Texture* jpeg = mTextures.GetTexture("bare.jpg");
    Texture* cut = mTextures.GetTexture("cut.png");
    EXPECT_EQ(mTextures.GetTexture("broken.png"), nullptr);
    ASSERT_TRUE(decoded != nullptr && other != nullptr && paired != nullptr && jpeg != nullptr &&
                cut != nullptr);
    EXPECT_EQ(decoded->GetWidth(), 37.0f);
    EXPECT_EQ(decoded->GetHeight(), 19.0f);
    EXPECT_TRUE(decoded->IsDecoding());
    EXPECT_FALSE(paired->IsDecoding()) << "a picture with its alpha beside it is put together here";
    EXPECT_TRUE(jpeg->IsDecoding());
    EXPECT_EQ(jpeg->GetWidth(), 8.0f);
    EXPECT_EQ(pixels(decoded), expected) << "the first use waits for its picture";
    EXPECT_FALSE(decoded->IsDecoding());

    mTextures.FinishDecoding();
    EXPECT_FALSE(other->IsDecoding());
    EXPECT_EQ(Texel(other, 4, 2), 0x40FF0000u);
    EXPECT_EQ(Texel(jpeg, 0, 0) >> 24, 0xFFu);
    EXPECT_EQ(cut->GetWidth(), 37.0f);
    EXPECT_EQ(cut->GetDeviceTexture(), nullptr);
    EXPECT_NE(mFixture.Log().Text().find("Create Texture Failed: cut.png (broken past its header)"),
              std::string::npos);
    EXPECT_NE(mFixture.Log().Text().find("Create Texture Failed: broken.png"), std::string::npos);

    Texture* later = mTextures.GetTexture("after.png");
    ASSERT_NE(later, nullptr);
    EXPECT_FALSE(later->IsDecoding()) << "after the finish, pictures are decoded here again";
}

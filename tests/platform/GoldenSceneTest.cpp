// Small scenes drawn by the software device and compared pixel for pixel with pictures kept in
// tests/fixtures/render. After a deliberate change to the rasterizer, regenerate them with
//   WF_REGENERATE_GOLDEN=1 ./wf_platform_tests --gtest_filter='GoldenScene*'
// and look at the new pictures before committing them.

#include "platform/PngCodec.h"
#include "platform/SoftwareDevice.h"
#include "tests/platform/DrawingScenes.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace
{

using namespace DrawingScenes;

std::string GoldenPath(const std::string& name)
{
    return std::string(WF_FIXTURES_DIR) + "/render/" + name + ".png";
}

bool Regenerating()
{
    const char* flag = std::getenv("WF_REGENERATE_GOLDEN");
    return flag != nullptr && std::string(flag) == "1";
}

Platform::Image Draw(const SceneBuilder& builder, int threads)
{
    Platform::SoftwareDevice device(nullptr, threads, {kWidth, kHeight, true});
    Scene scene(device);
    const auto checker = Checker(scene.Device());
    builder(scene, *checker);
    return scene.Finish();
}

void CheckGolden(const std::string& name, const SceneBuilder& builder)
{
    const Platform::Image picture = Draw(builder, 1);
    EXPECT_EQ(Draw(builder, 3).pixels, picture.pixels) << name << ": worker bands changed the picture";
    const std::string path = GoldenPath(name);
    if (Regenerating())
    {
        ASSERT_TRUE(Platform::PngCodec::Write(picture, path)) << path;
        return;
    }
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    Platform::Image golden;
    ASSERT_TRUE(Platform::PngCodec::Decode(bytes.data(), bytes.size(), golden)) << path << " is missing";
    if (golden.pixels != picture.pixels)
    {
        Platform::PngCodec::Write(picture, name + "-actual.png");
    }
    EXPECT_EQ(golden.width, picture.width);
    EXPECT_TRUE(golden.pixels == picture.pixels) << name << " differs; this run's picture is in " << name
                                                 << "-actual.png in the test's working folder";
}

TEST(GoldenScene, TexturedSpritesFiltersRotationAndGouraud)
{
    CheckGolden("sprites", Sprites);
}

TEST(GoldenScene, BlendModesOverEachOther)
{
    CheckGolden("blends", Blends);
}

TEST(GoldenScene, WrapClampAndLines)
{
    CheckGolden("addressing", Addressing);
}

} // namespace

#pragma once

#include "engine/Render/RenderSystem.h"
#include "platform/PngCodec.h"
#include "tests/engine/Render/RenderFixture.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace TestSupport
{

// Draws a scene on the virtual screen and compares its top-left width x height pixels with the picture
// tests/fixtures/gui/golden/NAME.png. With WF_REGENERATE_GOLDEN=1 the picture is written instead; a
// differing scene is written to NAME-actual.png in the test's working folder.
inline void ExpectGoldenPicture(RenderFixture& fixture, const std::string& name, int width, int height,
                                const std::function<void()>& draw)
{
    Korrin::RenderSystem& render = fixture.Render();
    render.SetClearColour(Korrin::Colour{0.1f, 0.15f, 0.2f, 1.0f});
    render.BeginFrame();
    render.BeginScene(nullptr);
    draw();
    render.EndScene();
    const Platform::Image screen = fixture.BackBuffer();
    ASSERT_GE(screen.width, width);
    ASSERT_GE(screen.height, height);
    Platform::Image actual;
    actual.width = width;
    actual.height = height;
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            // The back buffer has no alpha of its own.
            actual.pixels.push_back(screen.At(x, y) | 0xFF000000u);
        }
    }
    const std::string golden = std::string(WF_FIXTURES_DIR) + "/gui/golden/" + name + ".png";
    const char* regenerate = std::getenv("WF_REGENERATE_GOLDEN");
    if (regenerate != nullptr && std::string(regenerate) == "1")
    {
        ASSERT_TRUE(Platform::PngCodec::Write(actual, golden)) << golden;
        return;
    }
    std::ifstream file(golden, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Platform::Image expected;
    ASSERT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                           expected))
        << golden;
    ASSERT_EQ(expected.width, width) << golden;
    ASSERT_EQ(expected.height, height) << golden;
    int differing = 0;
    for (std::size_t index = 0; index < actual.pixels.size(); ++index)
    {
        differing += (expected.pixels[index] | 0xFF000000u) != actual.pixels[index] ? 1 : 0;
    }
    if (differing != 0)
    {
        Platform::PngCodec::Write(actual, name + "-actual.png");
    }
    EXPECT_EQ(differing, 0) << name << ": see " << name << "-actual.png in the test's working folder";
}

} // namespace TestSupport

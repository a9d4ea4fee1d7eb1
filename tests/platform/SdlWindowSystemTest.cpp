#include "platform/SdlWindowSystem.h"

#include <SDL.h>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{

constexpr int kWidth = 64;
constexpr int kHeight = 48;

// A frame with a wider row pitch than its width, as the device's buffers may have.
struct Frame
{
    int width = 0;
    int height = 0;
    int pitch = 0;
    std::vector<std::uint32_t> pixels;

    Frame(int w, int h) : width(w), height(h), pitch(w + 5), pixels(static_cast<std::size_t>(pitch) * h)
    {
        for (int y = 0; y < height; ++y)
        {
            for (int x = 0; x < width; ++x)
            {
                At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 4) << 16 |
                           static_cast<std::uint32_t>(y * 5) << 8 |
                           static_cast<std::uint32_t>((x + y) & 0xFF);
            }
        }
    }

    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * pitch + x]; }
};

std::uint32_t ShownPixel(SDL_Surface* surface, int x, int y)
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    const auto* row =
        static_cast<const std::uint8_t*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch;
    std::uint32_t value = 0;
    std::memcpy(&value, row + static_cast<std::ptrdiff_t>(x) * surface->format->BytesPerPixel,
                surface->format->BytesPerPixel);
    SDL_GetRGB(value, surface->format, &red, &green, &blue);
    return 0xFF000000u | static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 |
           blue;
}

class SdlWindowSystemFrames : public testing::Test
{
protected:
    void SetUp() override
    {
        try
        {
            mWindows = std::make_unique<Platform::SdlWindowSystem>();
        }
        catch (const Platform::SdlWindowSystem::NoDisplay& error)
        {
            GTEST_SKIP() << "no display (" << error.what() << "); SDL_VIDEODRIVER=offscreen gives one";
        }
        mWindows->CreateAppWindow("frames", 0, {0, 0, kWidth, kHeight},
                                  [this](Platform::WindowHandle window, std::uint32_t code,
                                         std::uintptr_t first, std::intptr_t second)
                                  { return mWindows->DefaultProcedure(window, code, first, second); });
        ASSERT_NE(mWindows->NativeWindow(), nullptr);
    }

    std::unique_ptr<Platform::SdlWindowSystem> mWindows;
};

TEST_F(SdlWindowSystemFrames, AFrameReachesTheWindowWholeAndStretchedWhenItsSizeDiffers)
{
    // The window's own surface is the window system's to make first: a one-pixel frame sets it up.
    const std::uint32_t black = 0xFF000000u;
    mWindows->PresentPixels(&black, 1, 1, 1);
    SDL_Surface* surface = SDL_GetWindowSurface(mWindows->NativeWindow());
    ASSERT_NE(surface, nullptr);
    const int width = surface->w;
    const int height = surface->h;

    Frame whole(width, height);
    mWindows->PresentPixels(whole.pixels.data(), whole.width, whole.height, whole.pitch);
    surface = SDL_GetWindowSurface(mWindows->NativeWindow());
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            ASSERT_EQ(ShownPixel(surface, x, y), whole.At(x, y)) << "at " << x << ", " << y;
        }
    }

    // Half the size: every frame pixel covers two by two of the window's.
    Frame half(width / 2, height / 2);
    mWindows->PresentPixels(half.pixels.data(), half.width, half.height, half.pitch);
    surface = SDL_GetWindowSurface(mWindows->NativeWindow());
    for (int y = 0; y < half.height * 2; ++y)
    {
        for (int x = 0; x < half.width * 2; ++x)
        {
            ASSERT_EQ(ShownPixel(surface, x, y), half.At(x / 2, y / 2)) << "at " << x << ", " << y;
        }
    }

    // A window that shows software frames gives no OpenGL context: it would take the window's pixels.
    std::string error;
    EXPECT_EQ(mWindows->OpenGlContext(error), nullptr);
    EXPECT_FALSE(error.empty());
}

} // namespace

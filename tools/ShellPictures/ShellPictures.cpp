// Writes the pictures of the game's shell to the sample data set: the logos, the start-up loading
// screen, the level loading scene, the hint arrow and the main menu's background. Our own flat shapes
// and gradients.
//
//   wf_shell_pictures OUTPUT_FOLDER

#include "platform/Image.h"
#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

using Painting::Argb;
using Painting::Mix;
using Painting::Paint;
using Painting::WriteJpeg;
using Painting::WritePng;

namespace
{

float Distance(float x, float y, float cx, float cy)
{
    return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
}

// Sky fading to a lighter horizon, with rolling hills below.
std::uint32_t Landscape(int x, int y, float hillHeight)
{
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    const float far = 470.0f - hillHeight * 0.6f + 30.0f * std::sin(fx * 0.008f + 1.0f);
    const float near = 560.0f - hillHeight + 40.0f * std::sin(fx * 0.005f);
    if (fy > near)
    {
        return Mix(Argb(255, 92, 150, 64), Argb(255, 48, 96, 40), (fy - near) / 250.0f);
    }
    if (fy > far)
    {
        return Mix(Argb(255, 130, 176, 100), Argb(255, 96, 140, 82), (fy - far) / 120.0f);
    }
    return Mix(Argb(255, 120, 170, 226), Argb(255, 236, 226, 196), fy / 520.0f);
}

// The game's title card: a gold wren-like emblem (a body, a head and a raised tail) on deep green.
std::uint32_t TitleLogo(int x, int y)
{
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    const std::uint32_t back =
        Mix(Argb(255, 24, 60, 36), Argb(255, 8, 24, 14), Distance(fx, fy, 512, 384) / 640);
    const bool body = Distance(fx, fy, 512, 400) < 90.0f;
    const bool head = Distance(fx, fy, 600, 318) < 48.0f;
    const bool tail = fx > 380 && fx < 450 && fy > 250 && fy < 400 && (fx - 380) * 2.1f > 400 - fy - 20;
    const bool eye = Distance(fx, fy, 614, 308) < 7.0f;
    const bool ring = std::fabs(Distance(fx, fy, 512, 384) - 220.0f) < 6.0f;
    if (eye)
    {
        return Argb(255, 24, 20, 12);
    }
    if (body || head || tail || ring)
    {
        return Mix(Argb(255, 240, 200, 96), Argb(255, 176, 120, 40), (fy - 160.0f) / 450.0f);
    }
    return back;
}

// The engine's card: a pale ring of eight petals on midnight blue.
std::uint32_t EngineLogo(int x, int y)
{
    const float fx = static_cast<float>(x) - 512.0f;
    const float fy = static_cast<float>(y) - 384.0f;
    const float radius = std::sqrt(fx * fx + fy * fy);
    const float angle = std::atan2(fy, fx);
    const float petal = 150.0f + 40.0f * std::cos(angle * 8.0f);
    const std::uint32_t back = Mix(Argb(255, 20, 28, 64), Argb(255, 6, 8, 24), radius / 640.0f);
    if (radius < petal && radius > 70.0f)
    {
        return Mix(Argb(255, 220, 228, 255), Argb(255, 140, 160, 230), radius / petal);
    }
    return back;
}

// A rounded bar, with a soft shine along its top.
std::uint32_t Bar(int x, int y, int width, int height, std::uint32_t light, std::uint32_t dark)
{
    const float r = static_cast<float>(height) / 2.0f;
    const float fx = static_cast<float>(x) + 0.5f;
    const float fy = static_cast<float>(y) + 0.5f;
    const float cx = std::clamp(fx, r, static_cast<float>(width) - r);
    if (Distance(fx, fy, cx, r) > r)
    {
        return 0;
    }
    return Mix(light, dark, fy / static_cast<float>(height));
}

// The bar's frame: a dark wooden outline around a hollow inside.
std::uint32_t BarFrame(int x, int y, int width, int height)
{
    const std::uint32_t outer = Bar(x, y, width, height, Argb(255, 150, 104, 56), Argb(255, 84, 52, 24));
    const bool inside = x >= 8 && x < width - 8 && y >= 8 && y < height - 8 &&
                        Bar(x - 8, y - 8, width - 16, height - 16, 1, 1) != 0;
    return inside ? 0 : outer;
}

// A picket fence: posts with pointed tops and two rails.
std::uint32_t Fence(int x, int y, int height)
{
    const int inPost = x % 48;
    const bool post = inPost >= 8 && inPost < 36 && y > 14 - std::min(std::abs(inPost - 22), 14);
    const bool rail =
        (y > height / 3 && y < height / 3 + 10) || (y > height * 2 / 3 && y < height * 2 / 3 + 10);
    if (post)
    {
        return inPost < 12 ? Argb(255, 200, 180, 150) : Argb(255, 240, 226, 200);
    }
    return rail ? Argb(255, 206, 190, 160) : 0;
}

// Earth with a grass edge.
std::uint32_t Ground(int x, int y)
{
    const int edge = 12 + static_cast<int>(5.0f * std::sin(static_cast<float>(x) * 0.1f));
    if (y < edge)
    {
        return y < edge - 14 ? 0 : Argb(255, 86, 150, 56);
    }
    const bool pebble = ((x * 7 + y * 13) % 97) == 0;
    return pebble ? Argb(255, 170, 150, 120) : Mix(Argb(255, 126, 90, 52), Argb(255, 86, 58, 30), y / 100.0f);
}

// A distant hedge.
std::uint32_t Hedge(int x, int y)
{
    const float top = 20.0f + 10.0f * std::sin(static_cast<float>(x) * 0.05f) +
                      6.0f * std::sin(static_cast<float>(x) * 0.17f);
    return static_cast<float>(y) > top ? Mix(Argb(255, 70, 120, 60), Argb(255, 40, 80, 38), y / 80.0f) : 0;
}

// A standing figure: a head and a rounded gown in the given colour.
std::uint32_t Figure(int x, int y, std::uint32_t clothes, std::uint32_t hair)
{
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    if (Distance(fx, fy, 48, 30) < 22.0f)
    {
        return fy < 22.0f ? hair : Argb(255, 240, 204, 170);
    }
    const float halfWidth = 16.0f + (fy - 52.0f) * 0.22f;
    if (fy >= 52.0f && fy < 156.0f && std::fabs(fx - 48.0f) < halfWidth)
    {
        return Mix(clothes, Argb(255, 0, 0, 0), (fy - 52.0f) / 400.0f);
    }
    return 0;
}

// The loading scenes' picture: a sun, a cloud, a flower and a bird, one in each quarter.
std::uint32_t SceneParts(int x, int y)
{
    const float fx = static_cast<float>(x % 128);
    const float fy = static_cast<float>(y % 128);
    const int quarter = (x / 128) + 2 * (y / 128);
    switch (quarter)
    {
    case 0:
        return Distance(fx, fy, 64, 64) < 44.0f ? Argb(255, 255, 220, 90) : 0;
    case 1:
        return Distance(fx, fy, 44, 72) < 26.0f || Distance(fx, fy, 72, 60) < 32.0f ||
                       Distance(fx, fy, 96, 76) < 22.0f
                   ? Argb(240, 250, 250, 255)
                   : 0;
    case 2:
        if (Distance(fx, fy, 64, 44) < 12.0f)
        {
            return Argb(255, 250, 210, 60);
        }
        if (Distance(fx, fy, 64, 44) < 30.0f)
        {
            return Argb(255, 230, 100, 140);
        }
        return std::fabs(fx - 64.0f) < 4.0f && fy > 60.0f ? Argb(255, 70, 140, 60) : 0;
    default:
    {
        const float wing = std::fabs(fx - 64.0f);
        return std::fabs(fy - (60.0f + wing * 0.5f)) < 5.0f && wing < 50.0f ? Argb(255, 60, 50, 70) : 0;
    }
    }
}

// The hint arrow: a gold arrow pointing down and to the right, its tip at (118, 177).
std::uint32_t HintArrowPicture(int x, int y)
{
    // Along the arrow (towards the tip) and across it.
    const float dx = static_cast<float>(x) - 118.0f;
    const float dy = static_cast<float>(y) - 177.0f;
    const float along = -(dx * 0.6f + dy * 0.8f);
    const float across = dx * 0.8f - dy * 0.6f;
    const bool head = along >= 0.0f && along < 60.0f && std::fabs(across) < along * 0.75f;
    const bool shaft = along >= 55.0f && along < 170.0f && std::fabs(across) < 14.0f;
    if (!head && !shaft)
    {
        return 0;
    }
    const bool edge =
        (head && std::fabs(across) > along * 0.75f - 4.0f) || (shaft && std::fabs(across) > 10.0f);
    return edge ? Argb(255, 120, 70, 10)
                : Mix(Argb(255, 255, 236, 120), Argb(255, 240, 170, 40), along / 170.0f);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_shell_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;
    ok &= WriteJpeg(Paint(1024, 768, TitleLogo), folder + "logo1.jpg");
    ok &= WriteJpeg(Paint(1024, 768, EngineLogo), folder + "logo2.jpg");
    ok &= WriteJpeg(Paint(1024, 768, [](int x, int y) { return Landscape(x, y, 40.0f); }),
                    folder + "main_load_back.jpg");
    ok &= WritePng(Paint(600, 32,
                         [](int x, int y)
                         { return Bar(x, y, 600, 32, Argb(255, 255, 226, 120), Argb(255, 214, 140, 30)); }),
                   folder + "progressbar.png");
    ok &= WritePng(Paint(636, 48, [](int x, int y) { return BarFrame(x, y, 636, 48); }),
                   folder + "progressbar_panel.png");
    ok &= WriteJpeg(Paint(1024, 768, [](int x, int y) { return Landscape(x, y, 0.0f); }),
                    folder + "level_load_back.jpg");
    ok &= WritePng(Paint(1024, 80, Hedge), folder + "level_load_hedge.png");
    ok &= WritePng(Paint(1024, 120, [](int x, int y) { return Fence(x, y, 120); }),
                   folder + "level_load_fence.png");
    ok &= WritePng(Paint(1024, 100, Ground), folder + "level_load_ground.png");
    ok &= WritePng(Paint(96, 160,
                         [](int x, int y)
                         { return Figure(x, y, Argb(255, 170, 120, 220), Argb(255, 250, 230, 140)); }),
                   folder + "level_load_fairy.png");
    ok &= WritePng(Paint(96, 160,
                         [](int x, int y)
                         { return Figure(x, y, Argb(255, 70, 110, 60), Argb(255, 120, 80, 40)); }),
                   folder + "level_load_gardener.png");
    ok &= WritePng(Paint(96, 160,
                         [](int x, int y)
                         { return Figure(x, y, Argb(255, 220, 80, 80), Argb(255, 160, 90, 40)); }),
                   folder + "level_load_girl.png");
    ok &= WritePng(Paint(96, 160,
                         [](int x, int y)
                         { return Figure(x, y, Argb(255, 70, 100, 180), Argb(255, 60, 40, 30)); }),
                   folder + "level_load_boy.png");
    ok &= WritePng(Paint(256, 256, SceneParts), folder + "level_load_scene.png");
    ok &= WritePng(Paint(140, 190, HintArrowPicture), folder + "hintarrow.png");
    ok &= WriteJpeg(Paint(1024, 768, [](int x, int y) { return Landscape(x, y, 80.0f); }),
                    folder + "menu_background.jpg");
    return ok ? 0 : 1;
}

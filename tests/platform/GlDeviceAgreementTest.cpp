#include "platform/GlContext.h"
#include "platform/GlDevice.h"
#include "platform/PngCodec.h"
#include "platform/SdlWindowSystem.h"
#include "platform/SoftwareDevice.h"
#include "tests/platform/DrawingScenes.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The OpenGL device must draw what the software device draws: every scene below on both, no channel of
// any pixel further apart than kTolerance. Without an OpenGL 2.1 context (no display, no Mesa) the
// tests are skipped with the reason.

// Mesa keeps allocations past unloading: leak checking rests while a context lives (sanitized builds only).
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define WF_PAUSE_LEAK_CHECKS() __lsan_disable()
#define WF_RESUME_LEAK_CHECKS() __lsan_enable()
#else
#define WF_PAUSE_LEAK_CHECKS() ((void)0)
#define WF_RESUME_LEAK_CHECKS() ((void)0)
#endif

namespace
{

using Platform::BlendFactor;
using Platform::GraphicsDevice;
using Platform::TextureAddress;
using Platform::TextureFilter;
using Platform::TextureUsage;
using Platform::Vertex;

constexpr int kTolerance = 9;
// A width of a power of two keeps the turned quads' corners exact, so an edge through a pixel centre is
// decided by the fill rule; at other widths it is decided by the last bit of the software device's float
// arithmetic, which GL's rasterizer cannot follow along a slanted edge.
constexpr int kWidth = 128;
constexpr int kHeight = 64;

// Vertices in virtual pixels, mapped onto the target as the render system maps its virtual screen.
Platform::Matrix4 PixelProjection(float width, float height)
{
    return Platform::Matrix4::Scaling(1.0f, -1.0f, 1.0f) *
           Platform::Matrix4::Translation(-0.5f, height + 0.5f, 0.0f) *
           Platform::Matrix4::OrthoOffCenterLH(0.0f, width, 0.0f, height, 0.0f, 1.0f);
}

std::uint32_t Channel(std::uint32_t argb, int shift)
{
    return (argb >> shift) & 0xFFu;
}

// A picture with every channel moving: colour gradients, an alpha ramp and a few hard edges.
std::uint32_t PatternPixel(int x, int y, int width, int height)
{
    const std::uint32_t red = static_cast<std::uint32_t>(255 * x / std::max(width - 1, 1));
    const std::uint32_t green = static_cast<std::uint32_t>(255 * y / std::max(height - 1, 1));
    const std::uint32_t blue = ((x / 3 + y / 2) % 2) != 0 ? 230u : 20u;
    const std::uint32_t alpha = static_cast<std::uint32_t>(40 + 215 * ((x + y) % 7) / 6);
    return (alpha << 24) | (red << 16) | (green << 8) | blue;
}

// What a scene draws with, made by the device that draws it.
struct Resources
{
    std::unique_ptr<Platform::VertexBuffer> vertices;
    std::unique_ptr<Platform::IndexBuffer> indices;
    std::unique_ptr<Platform::DeviceTexture> square; // 16 x 16
    std::unique_ptr<Platform::DeviceTexture> odd;    // 13 x 7, not a power of two
    std::unique_ptr<Platform::DeviceTexture> ramp;   // alpha 0, 1, 2, 3 ... along x
    std::unique_ptr<Platform::DeviceTexture> target; // a render target of 40 x 30
};

void Fill(Platform::DeviceTexture& texture, const std::function<std::uint32_t(int, int)>& pixel)
{
    Platform::DeviceTexture::LockedRect locked = texture.Lock();
    for (int y = 0; y < texture.Height(); ++y)
    {
        auto* row =
            reinterpret_cast<std::uint32_t*>(locked.bits + static_cast<std::ptrdiff_t>(y) * locked.pitch);
        for (int x = 0; x < texture.Width(); ++x)
        {
            row[x] = pixel(x, y);
        }
    }
    texture.Unlock();
}

Resources MakeResources(GraphicsDevice& device)
{
    Resources made;
    made.vertices = device.CreateVertexBuffer(1000);
    made.indices = device.CreateIndexBuffer(1500);
    std::uint16_t* index = made.indices->Lock();
    for (std::uint16_t quad = 0; quad < 250; ++quad)
    {
        const auto base = static_cast<std::uint16_t>(quad * 4);
        const std::uint16_t pattern[6] = {base,
                                          static_cast<std::uint16_t>(base + 1),
                                          static_cast<std::uint16_t>(base + 2),
                                          static_cast<std::uint16_t>(base + 2),
                                          static_cast<std::uint16_t>(base + 3),
                                          base};
        std::copy(std::begin(pattern), std::end(pattern), index + quad * 6);
    }
    made.indices->Unlock();
    made.square = device.CreateTexture(16, 16, TextureUsage::Plain);
    Fill(*made.square, [](int x, int y) { return PatternPixel(x, y, 16, 16); });
    made.odd = device.CreateTexture(13, 7, TextureUsage::Plain);
    Fill(*made.odd, [](int x, int y) { return PatternPixel(12 - x, y, 13, 7) | 0xFF000000u; });
    made.ramp = device.CreateTexture(8, 1, TextureUsage::Plain);
    Fill(*made.ramp, [](int x, int /*y*/) { return (static_cast<std::uint32_t>(x) << 24) | 0xE0C020u; });
    made.target = device.CreateTexture(40, 30, TextureUsage::RenderTarget);
    device.SetStreamSource(made.vertices.get());
    device.SetIndices(made.indices.get());
    return made;
}

// Draws quads (four corners each, in the engine's order) or line pairs from the given vertices.
class Painter
{
public:
    Painter(GraphicsDevice& device, Resources& resources) : mDevice(device), mResources(resources) {}

    // vertexCount below the corners given leaves out the triangles that reach past it.
    void Quads(const std::vector<Vertex>& corners, std::size_t vertexCount = 0)
    {
        Vertex* out = mResources.vertices->Lock(true);
        std::copy(corners.begin(), corners.end(), out);
        mResources.vertices->Unlock();
        mDevice.DrawIndexedTriangles(vertexCount != 0 ? vertexCount : corners.size(), corners.size() / 2);
    }

    void Lines(const std::vector<Vertex>& ends)
    {
        Vertex* out = mResources.vertices->Lock(true);
        std::copy(ends.begin(), ends.end(), out);
        mResources.vertices->Unlock();
        mDevice.DrawLines(ends.size() / 2);
    }

    void States(const Platform::DeviceTexture* texture, BlendFactor blend, TextureFilter filter,
                TextureAddress address)
    {
        mDevice.SetTexture(texture);
        mDevice.SetAlphaBlendEnabled(true);
        mDevice.SetDestinationBlend(blend);
        mDevice.SetFilter(filter);
        mDevice.SetAddress(address);
    }

    void Begin(Platform::DeviceTexture* target, std::uint32_t clear)
    {
        mDevice.SetRenderTarget(target);
        const float width =
            static_cast<float>(target != nullptr ? target->Width() : mDevice.BackBufferWidth());
        const float height =
            static_cast<float>(target != nullptr ? target->Height() : mDevice.BackBufferHeight());
        mDevice.SetProjection(PixelProjection(width, height));
        mDevice.Clear(clear);
        mDevice.BeginScene();
    }

    void End() { mDevice.EndScene(); }

private:
    GraphicsDevice& mDevice;
    Resources& mResources;
};

// A quad in the engine's corner order, texture coordinates from (u0, v0) to (u1, v1).
std::vector<Vertex> Quad(float x, float y, float w, float h, std::uint32_t colour, float u0 = 0, float v0 = 0,
                         float u1 = 1, float v1 = 1)
{
    return {{x, y + h, 0.5f, colour, u0, v1},
            {x + w, y + h, 0.5f, colour, u1, v1},
            {x + w, y, 0.5f, colour, u1, v0},
            {x, y, 0.5f, colour, u0, v0}};
}

std::vector<Vertex> Join(std::initializer_list<std::vector<Vertex>> parts)
{
    std::vector<Vertex> all;
    for (const auto& part : parts)
    {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

struct Scene
{
    const char* name;
    std::function<void(GraphicsDevice&, Resources&)> draw;
};

std::vector<Scene> Scenes()
{
    return {
        {"sprites: scaled, point and linear, clamp and wrap, textures of any size",
         [](GraphicsDevice& device, Resources& r)
         {
             Painter paint(device, r);
             paint.Begin(nullptr, 0x203040u);
             paint.States(r.square.get(), BlendFactor::InverseSourceAlpha, TextureFilter::Linear,
                          TextureAddress::Clamp);
             paint.Quads(Quad(2.5f, 3.25f, 52.0f, 26.0f, 0xFFFFFFFFu));
             paint.States(r.odd.get(), BlendFactor::InverseSourceAlpha, TextureFilter::Point,
                          TextureAddress::Clamp);
             paint.Quads(Quad(56.0f, 2.0f, 39.0f, 28.0f, 0xFFFFFFFFu));
             paint.States(r.square.get(), BlendFactor::InverseSourceAlpha, TextureFilter::Linear,
                          TextureAddress::Wrap);
             paint.Quads(Quad(3.0f, 33.0f, 40.0f, 28.0f, 0xFFFFFFFFu, -0.75f, -0.5f, 2.25f, 1.75f));
             paint.States(r.odd.get(), BlendFactor::InverseSourceAlpha, TextureFilter::Linear,
                          TextureAddress::Wrap);
             paint.Quads(Quad(48.0f, 34.0f, 45.0f, 27.0f, 0xFFFFFFFFu, -1.0f, 0.25f, 2.0f, 2.5f));
             paint.End();
         }},
        {"blends: alpha, add, inverse colour and none, with one colour and with corner colours",
         [](GraphicsDevice& device, Resources& r)
         {
             Painter paint(device, r);
             paint.Begin(nullptr, 0x000000u);
             device.SetAlphaBlendEnabled(false);
             device.SetTexture(r.square.get());
             device.SetFilter(TextureFilter::Linear);
             device.SetAddress(TextureAddress::Clamp);
             paint.Quads(Quad(0.0f, 0.0f, 96.0f, 64.0f, 0xFFFFFFFFu));
             paint.States(nullptr, BlendFactor::InverseSourceAlpha, TextureFilter::Linear,
                          TextureAddress::Wrap);
             auto gradient = Quad(4.0f, 4.0f, 40.0f, 24.0f, 0);
             gradient[0].colour = 0xFFFF0000u;
             gradient[1].colour = 0x8000FF00u;
             gradient[2].colour = 0x200000FFu;
             gradient[3].colour = 0xC0FFFFFFu;
             paint.Quads(gradient);
             paint.States(r.odd.get(), BlendFactor::One, TextureFilter::Linear, TextureAddress::Clamp);
             paint.Quads(Join({Quad(50.0f, 4.0f, 40.0f, 24.0f, 0xA0FFC080u),
                               Quad(60.0f, 14.0f, 30.0f, 30.0f, 0x80FFFFFFu)}));
             paint.States(r.square.get(), BlendFactor::InverseSourceColour, TextureFilter::Linear,
                          TextureAddress::Clamp);
             paint.Quads(Quad(8.0f, 32.0f, 40.0f, 28.0f, 0xFF80FFFFu));
             paint.States(nullptr, BlendFactor::InverseSourceColour, TextureFilter::Point,
                          TextureAddress::Clamp);
             paint.Quads(Quad(52.0f, 36.0f, 36.0f, 20.0f, 0xC0406080u));
             paint.End();
         }},
        {"alpha test: references 1 and 3, and off",
         [](GraphicsDevice& device, Resources& r)
         {
             Painter paint(device, r);
             paint.Begin(nullptr, 0x102030u);
             paint.States(r.ramp.get(), BlendFactor::InverseSourceAlpha, TextureFilter::Point,
                          TextureAddress::Clamp);
             device.SetAlphaBlendEnabled(false);
             device.SetAlphaTest(true, 1);
             paint.Quads(Quad(0.0f, 2.0f, 96.0f, 16.0f, 0xFFFFFFFFu));
             device.SetAlphaTest(true, 3);
             paint.Quads(Quad(0.0f, 22.0f, 96.0f, 16.0f, 0xFFFFFFFFu));
             device.SetAlphaTest(false, 1);
             paint.Quads(Quad(0.0f, 42.0f, 96.0f, 16.0f, 0xFFFFFFFFu));
             device.SetAlphaTest(true, 1);
             paint.End();
         }},
        {"render target: drawn into, then copied scaled and one to one",
         [](GraphicsDevice& device, Resources& r)
         {
             Painter paint(device, r);
             paint.Begin(r.target.get(), 0x4080C0u);
             paint.States(r.square.get(), BlendFactor::InverseSourceAlpha, TextureFilter::Linear,
                          TextureAddress::Clamp);
             paint.Quads(Join({Quad(2.0f, 2.0f, 20.0f, 20.0f, 0xFFFFFFFFu),
                               Quad(18.0f, 8.0f, 20.0f, 20.0f, 0x80FF8040u)}));
             paint.End();
             paint.Begin(nullptr, 0x000000u);
             paint.States(r.target.get(), BlendFactor::InverseSourceAlpha, TextureFilter::Linear,
                          TextureAddress::Clamp);
             paint.Quads(Quad(0.0f, 0.0f, 60.0f, 45.0f, 0xFFFFFFFFu));
             paint.States(r.target.get(), BlendFactor::InverseSourceAlpha, TextureFilter::Point,
                          TextureAddress::Clamp);
             paint.Quads(Quad(56.0f, 34.0f, 40.0f, 30.0f, 0xC0FFFFFFu));
             paint.End();
         }},
        {"lines: along the axes, diagonal and steep, in colours",
         [](GraphicsDevice& device, Resources& r)
         {
             Painter paint(device, r);
             paint.Begin(nullptr, 0x000000u);
             paint.States(nullptr, BlendFactor::InverseSourceAlpha, TextureFilter::Linear,
                          TextureAddress::Wrap);
             std::vector<Vertex> ends;
             auto line = [&ends](float x1, float y1, float x2, float y2, std::uint32_t colour)
             {
                 ends.push_back({x1, y1, 0.5f, colour, 0, 0});
                 ends.push_back({x2, y2, 0.5f, colour, 0, 0});
             };
             line(2, 2, 90, 2, 0xFFFF0000u);
             line(4, 6, 4, 60, 0xFF00FF00u);
             line(90, 60, 10, 60, 0xFF0000FFu);
             line(10, 10, 50, 50, 0xFFFFFF00u);
             line(60, 10, 30, 40, 0x80FFFFFFu);
             line(70, 8, 74, 56, 0xFFFF00FFu);
             paint.Lines(ends);
             paint.End();
         }},
        {"many half-transparent quads with edges through pixel centres",
         [](GraphicsDevice& device, Resources& r)
         {
             std::vector<Vertex> scene;
             std::uint32_t seed = 7;
             auto next = [&seed](int range)
             {
                 seed = seed * 214013u + 2531011u;
                 return static_cast<float>(((seed >> 16) & 0x7FFF) % static_cast<std::uint32_t>(range));
             };
             for (int i = 0; i < 120; ++i)
             {
                 const std::uint32_t colour =
                     0x80000000u | (static_cast<std::uint32_t>(next(0x7FFF)) * 0x201u);
                 const auto quad =
                     Quad(next(100) - 6.5f, next(70) - 6.0f, next(30) + 0.5f, next(30) + 1.0f, colour);
                 scene.insert(scene.end(), quad.begin(), quad.end());
             }
             Painter paint(device, r);
             paint.Begin(nullptr, 0x123456u);
             paint.States(nullptr, BlendFactor::InverseSourceAlpha, TextureFilter::Linear,
                          TextureAddress::Wrap);
             paint.Quads(scene);
             paint.End();
         }},
        {"turned quads",
         [](GraphicsDevice& device, Resources& r)
         {
             Painter paint(device, r);
             paint.Begin(nullptr, 0x000000u);
             paint.States(r.square.get(), BlendFactor::InverseSourceAlpha, TextureFilter::Linear,
                          TextureAddress::Clamp);
             const std::vector<Vertex> corners = {
                 {6, 30, 0.5f, 0xFFFFFFFFu, 0, 1},  {30, 52, 0.5f, 0xFFFFFFFFu, 1, 1},
                 {50, 25, 0.5f, 0xFFFFFFFFu, 1, 0}, {27, 5, 0.5f, 0xFFFFFFFFu, 0, 0},
                 {60, 40, 0.5f, 0xC0FF8000u, 0, 1}, {85, 58, 0.5f, 0xC0FF8000u, 1, 1},
                 {92, 33, 0.5f, 0xC0FF8000u, 1, 0}, {66, 16, 0.5f, 0xC0FF8000u, 0, 0}};
             paint.Quads(corners);
             paint.End();
         }},
        {"indices past the vertices drawn leave their triangles out",
         [](GraphicsDevice& device, Resources& r)
         {
             Painter paint(device, r);
             paint.Begin(nullptr, 0x000000u);
             paint.States(nullptr, BlendFactor::InverseSourceAlpha, TextureFilter::Linear,
                          TextureAddress::Wrap);
             paint.Quads(Join({Quad(4.0f, 4.0f, 30.0f, 20.0f, 0xFFFF0000u),
                               Quad(40.0f, 4.0f, 30.0f, 20.0f, 0xFF00FF00u),
                               Quad(80.0f, 4.0f, 30.0f, 20.0f, 0xFF0000FFu)}),
                         10);
             paint.End();
         }},
    };
}

// Where the two pictures part by more than the tolerance; empty when they agree.
std::string Disagreement(const Platform::Image& software, const Platform::Image& gl)
{
    if (software.width != gl.width || software.height != gl.height)
    {
        return "the sizes differ";
    }
    int count = 0;
    std::string first;
    for (int y = 0; y < software.height; ++y)
    {
        for (int x = 0; x < software.width; ++x)
        {
            const std::uint32_t a = software.At(x, y);
            const std::uint32_t b = gl.At(x, y);
            int worst = 0;
            for (int shift = 0; shift < 32; shift += 8)
            {
                worst = std::max(worst, std::abs(static_cast<int>(Channel(a, shift)) -
                                                 static_cast<int>(Channel(b, shift))));
            }
            if (worst > kTolerance)
            {
                if (count++ == 0)
                {
                    char text[96];
                    std::snprintf(text, sizeof(text), "(%d, %d): software %08X, gl %08X", x, y, a, b);
                    first = text;
                }
            }
        }
    }
    return count == 0 ? std::string() : std::to_string(count) + " pixels, the first at " + first;
}

class GlDeviceAgreement : public testing::Test
{
protected:
    // The OpenGL driver keeps some of its allocations past its unloading, out of reach of our code; the
    // leak checker looks away while a context lives.
    void SetUp() override
    {
        WF_PAUSE_LEAK_CHECKS();
        try
        {
            mWindows = std::make_unique<Platform::SdlWindowSystem>(true);
        }
        catch (const Platform::SdlWindowSystem::NoDisplay& error)
        {
            GTEST_SKIP() << "no display for an OpenGL context (" << error.what()
                         << "); SDL_VIDEODRIVER=offscreen with Mesa's EGL gives one";
        }
        mWindows->CreateAppWindow("agreement", 0, {0, 0, kWidth, kHeight},
                                  [this](Platform::WindowHandle window, std::uint32_t code,
                                         std::uintptr_t first, std::intptr_t second)
                                  { return mWindows->DefaultProcedure(window, code, first, second); });
        std::string error;
        mContext = mWindows->OpenGlContext(error);
        if (!mContext)
        {
            GTEST_SKIP() << "no OpenGL 2.1 context can be had (" << error
                         << "); SDL_VIDEODRIVER=offscreen with Mesa's EGL gives one";
        }
        mGl = Platform::GlDevice::Create(mContext, mWindows.get(), {kWidth, kHeight, true}, error);
        ASSERT_NE(mGl, nullptr) << "an OpenGL context that the device cannot draw with: " << error;
    }

    void TearDown() override
    {
        mGl.reset();
        mContext.reset();
        mWindows.reset();
        WF_RESUME_LEAK_CHECKS();
    }

    std::unique_ptr<Platform::SdlWindowSystem> mWindows;
    std::shared_ptr<Platform::GlContext> mContext;
    std::unique_ptr<Platform::GlDevice> mGl;
};

TEST_F(GlDeviceAgreement, EveryDrawingSceneLooksAsOnTheSoftwareDevice)
{
    std::cout << "[ INFO     ] OpenGL: " << mContext->Describe() << "\n";
    Resources glResources = MakeResources(*mGl);
    Platform::SoftwareDevice software(nullptr, 1, {kWidth, kHeight, true});
    Resources softwareResources = MakeResources(software);
    ASSERT_NE(glResources.target, nullptr);
    for (const Scene& scene : Scenes())
    {
        scene.draw(software, softwareResources);
        scene.draw(*mGl, glResources);
        Platform::Image pictures[2];
        software.ReadBackBuffer(pictures[0]);
        mGl->ReadBackBuffer(pictures[1]);
        const std::string disagreement = Disagreement(pictures[0], pictures[1]);
        EXPECT_EQ(disagreement, "") << scene.name;
        // WF_AGREEMENT_PICTURES=1 keeps both pictures of a scene that disagrees, to look at.
        if (!disagreement.empty() && std::getenv("WF_AGREEMENT_PICTURES") != nullptr)
        {
            Platform::PngCodec::Write(pictures[0], std::string(scene.name).substr(0, 5) + "_software.png");
            Platform::PngCodec::Write(pictures[1], std::string(scene.name).substr(0, 5) + "_gl.png");
        }
    }
    Platform::Image targets[2];
    GraphicsDevice::ReadTexture(*softwareResources.target, targets[0]);
    GraphicsDevice::ReadTexture(*glResources.target, targets[1]);
    EXPECT_EQ(Disagreement(targets[0], targets[1]), "") << "the render target read back";
}

TEST_F(GlDeviceAgreement, TheGoldenScenesLookAsOnTheSoftwareDevice)
{
    const std::pair<const char*, DrawingScenes::SceneBuilder> scenes[] = {
        {"sprites", DrawingScenes::Sprites},
        {"blends", DrawingScenes::Blends},
        {"addressing", DrawingScenes::Addressing}};
    for (const auto& [name, builder] : scenes)
    {
        // A reset brings the device's states back to a new device's.
        ASSERT_TRUE(mGl->Reset({DrawingScenes::kWidth, DrawingScenes::kHeight, true}));
        Platform::SoftwareDevice software(nullptr, 1, {DrawingScenes::kWidth, DrawingScenes::kHeight, true});
        Platform::Image pictures[2];
        GraphicsDevice* devices[2] = {&software, mGl.get()};
        for (int i = 0; i < 2; ++i)
        {
            DrawingScenes::Scene scene(*devices[i]);
            const auto checker = DrawingScenes::Checker(*devices[i]);
            builder(scene, *checker);
            pictures[i] = scene.Finish();
        }
        EXPECT_EQ(Disagreement(pictures[0], pictures[1]), "") << name;
    }
}

// What the window shows after a presentation (the front buffer where it has two), top row first.
Platform::Image ShownPixels(const Platform::GlContext& context, int width, int height)
{
    const Platform::GlFunctions& gl = context.Gl();
    GLint previous = 0;
    gl.GetIntegerv(GL_FRAMEBUFFER_BINDING, &previous);
    gl.BindFramebuffer(GL_FRAMEBUFFER, 0);
    GLint doubleBuffered = GL_FALSE;
    gl.GetIntegerv(GL_DOUBLEBUFFER, &doubleBuffered);
    gl.ReadBuffer(GL_FRONT);
    Platform::Image bottomUp;
    bottomUp.width = width;
    bottomUp.height = height;
    bottomUp.pixels.resize(static_cast<std::size_t>(width * height));
    gl.ReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, bottomUp.pixels.data());
    gl.ReadBuffer(doubleBuffered != GL_FALSE ? GL_BACK : GL_FRONT);
    gl.BindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(previous));
    Platform::Image shown = bottomUp;
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            shown.pixels[static_cast<std::size_t>(y * width + x)] =
                bottomUp.At(x, height - 1 - y) | 0xFF000000u;
        }
    }
    return shown;
}

TEST_F(GlDeviceAgreement, TheWindowShowsTheBackBufferUprightWhetherDrawnIntoOrCopiedOver)
{
    constexpr std::uint32_t kRed = 0xFFFF0000u;
    constexpr std::uint32_t kBlue = 0xFF0000FFu;
    // The window's own size is drawn straight into the window; half of it is copied over it when shown.
    for (const auto& [width, height] : {std::pair{kWidth, kHeight}, std::pair{kWidth / 2, kHeight / 2}})
    {
        ASSERT_TRUE(mGl->Reset({width, height, true}));
        Resources resources = MakeResources(*mGl);
        Painter paint(*mGl, resources);
        paint.Begin(nullptr, kBlue & 0xFFFFFFu);
        paint.States(nullptr, BlendFactor::InverseSourceAlpha, TextureFilter::Point, TextureAddress::Clamp);
        paint.Quads(Quad(0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height / 2), kRed));
        paint.End();
        ASSERT_EQ(mGl->Present(), Platform::DeviceResult::Ok);

        const Platform::Image shown = ShownPixels(*mContext, kWidth, kHeight);
        EXPECT_EQ(shown.At(1, 1), kRed) << width << " x " << height;
        EXPECT_EQ(shown.At(kWidth - 2, kHeight - 2), kBlue) << width << " x " << height;
        Platform::Image back;
        mGl->ReadBackBuffer(back);
        ASSERT_EQ(back.width, width);
        EXPECT_EQ(back.At(1, 1), kRed) << width << " x " << height << ", read back after presenting";
        EXPECT_EQ(back.At(width - 2, height - 2), kBlue) << width << " x " << height << ", read back";
    }
}

TEST_F(GlDeviceAgreement, BothDevicesLoseAndResetAlikeAndDrawIntoRenderTargetsAfterwards)
{
    Platform::SoftwareDevice software(nullptr, 1, {kWidth, kHeight, true});
    GraphicsDevice* devices[2] = {&software, mGl.get()};
    for (GraphicsDevice* device : devices)
    {
        const std::string name = device == &software ? "software" : "gl";
        Resources resources = MakeResources(*device);
        device->MakeLost();
        EXPECT_EQ(device->Present(), Platform::DeviceResult::DeviceLost) << name;
        EXPECT_EQ(device->TestCooperativeLevel(), Platform::DeviceResult::DeviceLost) << name;
        EXPECT_FALSE(device->Reset({64, 32, true})) << name;
        EXPECT_EQ(device->CreateTexture(8, 8, TextureUsage::RenderTarget), nullptr) << name;
        Painter paint(*device, resources);
        paint.Begin(nullptr, 0x000000u);
        paint.Quads(Quad(0.0f, 0.0f, 64.0f, 32.0f, 0xFFFFFFFFu));
        paint.End();
        EXPECT_EQ(device->Statistics().drawCalls, 0u) << name;

        device->AllowReset();
        EXPECT_EQ(device->TestCooperativeLevel(), Platform::DeviceResult::DeviceNotReset) << name;
        resources.vertices.reset();
        resources.indices.reset();
        resources.target.reset();
        ASSERT_TRUE(device->Reset({64, 32, true})) << name;
        EXPECT_EQ(device->BackBufferWidth(), 64) << name;
        EXPECT_EQ(device->BackBufferHeight(), 32) << name;

        // What the render system does after a reset: its buffers and render textures made anew.
        Resources remade = MakeResources(*device);
        ASSERT_NE(remade.target, nullptr) << name;
        Painter repaint(*device, remade);
        repaint.Begin(remade.target.get(), 0xFF0000u);
        repaint.States(nullptr, BlendFactor::InverseSourceAlpha, TextureFilter::Point, TextureAddress::Clamp);
        repaint.Quads(Quad(10.0f, 10.0f, 10.0f, 10.0f, 0xFF00FF00u));
        repaint.End();
        repaint.Begin(nullptr, 0x0000FFu);
        repaint.States(remade.target.get(), BlendFactor::InverseSourceAlpha, TextureFilter::Point,
                       TextureAddress::Clamp);
        repaint.Quads(Quad(0.0f, 0.0f, 20.0f, 15.0f, 0xFFFFFFFFu, 0.0f, 0.0f, 0.5f, 0.5f));
        repaint.End();
        EXPECT_EQ(device->Present(), Platform::DeviceResult::Ok) << name;

        Platform::Image target;
        GraphicsDevice::ReadTexture(*remade.target, target);
        EXPECT_EQ(target.At(2, 2), 0xFFFF0000u) << name;
        EXPECT_EQ(target.At(12, 12), 0xFF00FF00u) << name;
        Platform::Image back;
        device->ReadBackBuffer(back);
        ASSERT_EQ(back.width, 64) << name;
        EXPECT_EQ(back.At(2, 2), 0xFFFF0000u) << name;
        EXPECT_EQ(back.At(12, 12), 0xFF00FF00u) << name;
        EXPECT_EQ(back.At(40, 20), 0xFF0000FFu) << name;
    }
}

} // namespace

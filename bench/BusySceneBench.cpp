// The busy-scene benchmark: what a level of the game asks of a renderer. A 1024 x 768 frame gets a
// background, 300 alpha-blended sprites (most of them small, some rotated, some tinted) and 500 additive
// 16-pixel particles, all filtered linearly; then the frame is drawn scaled into a 1280 x 960 window.
// The same scene, with the same frame loop, is drawn by
//   our software device on one thread and on eight, shown in a window (and, as measured before, in none),
//   our OpenGL device,
//   SDL2's own software renderer, shown in a window (and in none),
//   plain OpenGL 2.1 with a minimal shader (the same quads, batched alike),
// and the frames per second are printed side by side with their ratios. Both OpenGL drawers wait for
// the driver at the end of every frame (glFinish), so that a frame counts once it is drawn. OpenGL needs
// a display: a real one, or SDL_VIDEODRIVER=offscreen with Mesa's software renderer.
//
//   SDL_VIDEODRIVER=offscreen wf_busy_scene_bench [--benchmark_repetitions=5]

#include "bench/BenchArt.h"
#include "bench/BenchDrawing.h"
#include "platform/GlContext.h"
#include "platform/GlDevice.h"
#include "platform/SdlWindowSystem.h"
#include "platform/SoftwareDevice.h"

#include <SDL.h>
#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{

constexpr int kFrameWidth = 1024;
constexpr int kFrameHeight = 768;
constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 960;
constexpr int kSpriteCount = 300;
constexpr int kParticleCount = 500;
constexpr int kParticleSize = 16;
constexpr int kSpriteSizes[4] = {16, 32, 64, 128};
constexpr std::uint32_t kSpriteColours[4] = {0xE04040u, 0x40E040u, 0x4040E0u, 0xE0E040u};
constexpr std::uint32_t kParticleTint = 0xC0FFD080u;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// One textured quad of the scene: where, how turned, how tinted.
struct Placement
{
    int texture = 0; // index into kSpriteSizes
    float x = 0.0f;  // top-left corner before turning
    float y = 0.0f;
    float size = 0.0f;
    float degrees = 0.0f; // about the centre, clockwise on the screen
    std::uint32_t tint = kWhite;
};

struct SceneLayout
{
    std::vector<Placement> sprites;
    std::vector<Placement> particles;

    SceneLayout()
    {
        BenchArt::Random random;
        for (int i = 0; i < kSpriteCount; ++i)
        {
            // Most sprites are small: 16 and 32 pixels four times in five.
            const int roll = random.Next(20);
            const int texture = roll < 8 ? 0 : (roll < 16 ? 1 : (roll < 19 ? 2 : 3));
            const int size = kSpriteSizes[texture];
            Placement sprite;
            sprite.texture = texture;
            sprite.size = static_cast<float>(size);
            sprite.x = static_cast<float>(random.Next(kFrameWidth - size / 2) - size / 4);
            sprite.y = static_cast<float>(random.Next(kFrameHeight - size / 2) - size / 4);
            if (i % 5 == 0)
            {
                sprite.degrees = static_cast<float>(random.Next(360));
            }
            if (i % 3 == 0)
            {
                sprite.tint = 0xFF000000u | static_cast<std::uint32_t>(0x808080 + random.Next(0x7F7F7F));
            }
            sprites.push_back(sprite);
        }
        for (int i = 0; i < kParticleCount; ++i)
        {
            Placement particle;
            particle.size = kParticleSize;
            particle.x = static_cast<float>(random.Next(kFrameWidth));
            particle.y = static_cast<float>(random.Next(kFrameHeight));
            particle.tint = kParticleTint;
            particles.push_back(particle);
        }
    }
};

const SceneLayout& Layout()
{
    static const SceneLayout layout;
    return layout;
}

// The four corners of a placement (top-left, top-right, bottom-right, bottom-left) in frame pixels.
std::array<std::array<float, 2>, 4> Corners(const Placement& place)
{
    const float half = place.size * 0.5f;
    const float cx = place.x + half;
    const float cy = place.y + half;
    const float radians = place.degrees * 3.14159265f / 180.0f;
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    const float offsets[4][2] = {{-half, -half}, {half, -half}, {half, half}, {-half, half}};
    std::array<std::array<float, 2>, 4> corners{};
    for (int i = 0; i < 4; ++i)
    {
        const float ox = offsets[i][0];
        const float oy = offsets[i][1];
        corners[static_cast<std::size_t>(i)] = {place.degrees == 0.0f ? cx + ox : cx + ox * c - oy * s,
                                                place.degrees == 0.0f ? cy + oy : cy + ox * s + oy * c};
    }
    return corners;
}

// The corners of a placement, or of an upright rectangle of its size wide and this high.
std::array<std::array<float, 2>, 4> QuadCorners(const Placement& place, float height)
{
    if (height == place.size)
    {
        return Corners(place);
    }
    return {{{place.x, place.y},
             {place.x + place.size, place.y},
             {place.x + place.size, place.y + height},
             {place.x, place.y + height}}};
}

constexpr float kCornerU[4] = {0.0f, 1.0f, 1.0f, 0.0f};
constexpr float kCornerV[4] = {0.0f, 0.0f, 1.0f, 1.0f};

std::vector<std::uint16_t> QuadIndices(int quads)
{
    std::vector<std::uint16_t> indices;
    for (int quad = 0; quad < quads; ++quad)
    {
        const auto base = static_cast<std::uint16_t>(quad * 4);
        for (const int corner : {0, 1, 2, 2, 3, 0})
        {
            indices.push_back(static_cast<std::uint16_t>(base + corner));
        }
    }
    return indices;
}

constexpr int kBatchQuads = BenchDrawing::QuadBatch::kMostQuads;

// Our device, driven as the render system drives it.
class DeviceScene
{
public:
    explicit DeviceScene(Platform::GraphicsDevice& device) : mDevice(device), mBatch(device)
    {
        mDevice.SetAlphaTest(true, 1);
        mDevice.SetFilter(Platform::TextureFilter::Linear);
        mDevice.SetAddress(Platform::TextureAddress::Clamp);
        mFrame = mDevice.CreateTexture(kFrameWidth, kFrameHeight, Platform::TextureUsage::RenderTarget);
        mBackground = BenchDrawing::Upload(mDevice, kFrameWidth, kFrameHeight,
                                           BenchArt::Gradient(kFrameWidth, kFrameHeight));
        for (int i = 0; i < 4; ++i)
        {
            mSprites.push_back(BenchDrawing::Upload(mDevice, kSpriteSizes[i], kSpriteSizes[i],
                                                    BenchArt::Blob(kSpriteSizes[i], kSpriteColours[i])));
        }
        mParticle = BenchDrawing::Upload(mDevice, kParticleSize, kParticleSize,
                                         BenchArt::Blob(kParticleSize, 0xFFFFFFu));
    }

    void DrawFrame()
    {
        mDevice.SetRenderTarget(mFrame.get());
        Project(kFrameWidth, kFrameHeight);
        mDevice.Clear(0);
        mDevice.BeginScene();
        mDevice.SetDestinationBlend(Platform::BlendFactor::InverseSourceAlpha);
        Add(mBackground.get(), {0, 0.0f, 0.0f, static_cast<float>(kFrameWidth), 0.0f, kWhite}, kFrameHeight);
        for (const Placement& sprite : Layout().sprites)
        {
            Add(mSprites[static_cast<std::size_t>(sprite.texture)].get(), sprite, sprite.size);
        }
        mBatch.Flush();
        mDevice.SetDestinationBlend(Platform::BlendFactor::One);
        for (const Placement& particle : Layout().particles)
        {
            Add(mParticle.get(), particle, particle.size);
        }
        mBatch.Flush();
        mDevice.EndScene();
        // The frame scaled into the window, as the game draws it.
        mDevice.SetRenderTarget(nullptr);
        Project(kWindowWidth, kWindowHeight);
        mDevice.BeginScene();
        mDevice.SetDestinationBlend(Platform::BlendFactor::InverseSourceAlpha);
        Add(mFrame.get(), {0, 0.0f, 0.0f, static_cast<float>(kWindowWidth), 0.0f, kWhite}, kWindowHeight);
        mBatch.Flush();
        mDevice.EndScene();
        mDevice.Present();
    }

private:
    void Project(int width, int height)
    {
        const auto w = static_cast<float>(width);
        const auto h = static_cast<float>(height);
        mDevice.SetProjection(Platform::Matrix4::Scaling(1.0f, -1.0f, 1.0f) *
                              Platform::Matrix4::Translation(-0.5f, h + 0.5f, 0.0f) *
                              Platform::Matrix4::OrthoOffCenterLH(0.0f, w, 0.0f, h, 0.0f, 1.0f));
        mDevice.SetView(Platform::Matrix4::Identity());
    }

    // A quad of the placement; height differs from the size only for the full-frame quads.
    void Add(const Platform::DeviceTexture* texture, const Placement& place, float height)
    {
        const auto corners = QuadCorners(place, height);
        Platform::Vertex quad[4];
        for (std::size_t i = 0; i < 4; ++i)
        {
            quad[i] = {corners[i][0], corners[i][1], 0.5f, place.tint, kCornerU[i], kCornerV[i]};
        }
        mBatch.Add(texture, quad);
    }

    Platform::GraphicsDevice& mDevice;
    BenchDrawing::QuadBatch mBatch;
    std::unique_ptr<Platform::DeviceTexture> mFrame;
    std::unique_ptr<Platform::DeviceTexture> mBackground;
    std::vector<std::unique_ptr<Platform::DeviceTexture>> mSprites;
    std::unique_ptr<Platform::DeviceTexture> mParticle;
};

// The same scene through SDL2's software renderer, into a window-sized surface in memory or into a window.
class SdlScene
{
public:
    SdlScene() : mCanvas(kWindowWidth, kWindowHeight, kFrameWidth, kFrameHeight) { UploadArt(); }
    explicit SdlScene(SDL_Window* window) : mCanvas(window, kFrameWidth, kFrameHeight) { UploadArt(); }

    bool Ready() const { return mCanvas.Ready(); }

    void UploadArt()
    {
        if (!mCanvas.Ready())
        {
            return;
        }
        mBackground = Upload(kFrameWidth, kFrameHeight, BenchArt::Gradient(kFrameWidth, kFrameHeight),
                             SDL_BLENDMODE_BLEND);
        for (int i = 0; i < 4; ++i)
        {
            mSprites.push_back(Upload(kSpriteSizes[i], kSpriteSizes[i],
                                      BenchArt::Blob(kSpriteSizes[i], kSpriteColours[i]),
                                      SDL_BLENDMODE_BLEND));
        }
        mParticle =
            Upload(kParticleSize, kParticleSize, BenchArt::Blob(kParticleSize, 0xFFFFFFu), SDL_BLENDMODE_ADD);
    }

    void DrawFrame()
    {
        SDL_SetRenderTarget(mCanvas.Renderer(), mCanvas.Frame());
        SDL_SetRenderDrawColor(mCanvas.Renderer(), 0, 0, 0, 255);
        SDL_RenderClear(mCanvas.Renderer());
        SDL_RenderCopy(mCanvas.Renderer(), mBackground, nullptr, nullptr);
        for (const Placement& sprite : Layout().sprites)
        {
            Copy(mSprites[static_cast<std::size_t>(sprite.texture)], sprite);
        }
        for (const Placement& particle : Layout().particles)
        {
            Copy(mParticle, particle);
        }
        SDL_SetRenderTarget(mCanvas.Renderer(), nullptr);
        SDL_RenderCopy(mCanvas.Renderer(), mCanvas.Frame(), nullptr, nullptr);
        SDL_RenderPresent(mCanvas.Renderer());
    }

private:
    SDL_Texture* Upload(int width, int height, const std::vector<std::uint32_t>& pixels, SDL_BlendMode mode)
    {
        SDL_Texture* texture = mCanvas.Upload(width, height, pixels, mode);
        SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
        return texture;
    }

    void Copy(SDL_Texture* texture, const Placement& place)
    {
        SDL_SetTextureColorMod(texture, (place.tint >> 16) & 0xFF, (place.tint >> 8) & 0xFF,
                               place.tint & 0xFF);
        SDL_SetTextureAlphaMod(texture, place.tint >> 24);
        const SDL_Rect rect{static_cast<int>(place.x), static_cast<int>(place.y),
                            static_cast<int>(place.size), static_cast<int>(place.size)};
        if (place.degrees == 0.0f)
        {
            SDL_RenderCopy(mCanvas.Renderer(), texture, nullptr, &rect);
        }
        else
        {
            SDL_RenderCopyEx(mCanvas.Renderer(), texture, nullptr, &rect, place.degrees, nullptr,
                             SDL_FLIP_NONE);
        }
    }

    BenchDrawing::SdlCanvas mCanvas;
    SDL_Texture* mBackground = nullptr;
    std::vector<SDL_Texture*> mSprites;
    SDL_Texture* mParticle = nullptr;
};

// Plain OpenGL 2.1: the same quads in the same batches, a shader that only multiplies texel and colour.
class PlainGlScene
{
public:
    explicit PlainGlScene(std::shared_ptr<Platform::GlContext> context) : mContext(std::move(context))
    {
        const Platform::GlFunctions& gl = mContext->Gl();
        mProgram = MakeProgram();
        mScaleLocation = gl.GetUniformLocation(mProgram, "uScale");
        gl.Disable(GL_DEPTH_TEST);
        gl.Disable(GL_CULL_FACE);
        gl.EnableVertexAttribArray(0);
        gl.EnableVertexAttribArray(1);
        gl.EnableVertexAttribArray(2);
        mFrame = Texture(kFrameWidth, kFrameHeight, nullptr, GL_RGB8);
        gl.GenFramebuffers(1, &mFramebuffer);
        gl.BindFramebuffer(GL_FRAMEBUFFER, mFramebuffer);
        gl.FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, mFrame, 0);
        mBackground = Texture(kFrameWidth, kFrameHeight, BenchArt::Gradient(kFrameWidth, kFrameHeight).data(),
                              GL_RGBA8);
        for (int i = 0; i < 4; ++i)
        {
            mSprites.push_back(Texture(kSpriteSizes[i], kSpriteSizes[i],
                                       BenchArt::Blob(kSpriteSizes[i], kSpriteColours[i]).data(), GL_RGBA8));
        }
        mParticle =
            Texture(kParticleSize, kParticleSize, BenchArt::Blob(kParticleSize, 0xFFFFFFu).data(), GL_RGBA8);
        mIndices = QuadIndices(kBatchQuads);
        mVertices.reserve(kBatchQuads * 4);
    }

    bool Ready() const { return mProgram != 0 && mFramebuffer != 0; }

    void DrawFrame()
    {
        const Platform::GlFunctions& gl = mContext->Gl();
        gl.BindFramebuffer(GL_FRAMEBUFFER, mFramebuffer);
        gl.Viewport(0, 0, kFrameWidth, kFrameHeight);
        gl.UseProgram(mProgram);
        gl.Uniform2f(mScaleLocation, 2.0f / kFrameWidth, 2.0f / kFrameHeight);
        gl.ClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        gl.Clear(GL_COLOR_BUFFER_BIT);
        gl.Enable(GL_BLEND);
        gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        Add(mBackground, {0, 0.0f, 0.0f, static_cast<float>(kFrameWidth), 0.0f, kWhite}, kFrameHeight);
        for (const Placement& sprite : Layout().sprites)
        {
            Add(mSprites[static_cast<std::size_t>(sprite.texture)], sprite, sprite.size);
        }
        Flush();
        gl.BlendFunc(GL_SRC_ALPHA, GL_ONE);
        for (const Placement& particle : Layout().particles)
        {
            Add(mParticle, particle, particle.size);
        }
        Flush();
        gl.BindFramebuffer(GL_FRAMEBUFFER, 0);
        gl.Viewport(0, 0, kWindowWidth, kWindowHeight);
        gl.Uniform2f(mScaleLocation, 2.0f / kWindowWidth, -2.0f / kWindowHeight);
        gl.Disable(GL_BLEND);
        Add(mFrame, {0, 0.0f, 0.0f, static_cast<float>(kWindowWidth), 0.0f, kWhite}, kWindowHeight);
        Flush();
        mContext->SwapWindow();
    }

private:
    unsigned MakeProgram()
    {
        const Platform::GlFunctions& gl = mContext->Gl();
        const char* vertexSource = R"(#version 120
attribute vec2 aPosition;
attribute vec4 aColour;
attribute vec2 aTexCoord;
uniform vec2 uScale;
varying vec4 vColour;
varying vec2 vTexCoord;
void main()
{
    gl_Position = vec4(aPosition * uScale - sign(uScale), 0.0, 1.0);
    vColour = aColour.zyxw;
    vTexCoord = aTexCoord;
}
)";
        const char* fragmentSource = R"(#version 120
uniform sampler2D uTexture;
varying vec4 vColour;
varying vec2 vTexCoord;
void main()
{
    gl_FragColor = texture2D(uTexture, vTexCoord) * vColour;
}
)";
        const GLuint vertex = gl.CreateShader(GL_VERTEX_SHADER);
        gl.ShaderSource(vertex, 1, &vertexSource, nullptr);
        gl.CompileShader(vertex);
        const GLuint fragment = gl.CreateShader(GL_FRAGMENT_SHADER);
        gl.ShaderSource(fragment, 1, &fragmentSource, nullptr);
        gl.CompileShader(fragment);
        const GLuint program = gl.CreateProgram();
        gl.AttachShader(program, vertex);
        gl.AttachShader(program, fragment);
        gl.BindAttribLocation(program, 0, "aPosition");
        gl.BindAttribLocation(program, 1, "aColour");
        gl.BindAttribLocation(program, 2, "aTexCoord");
        gl.LinkProgram(program);
        GLint linked = GL_FALSE;
        gl.GetProgramiv(program, GL_LINK_STATUS, &linked);
        return linked == GL_TRUE ? program : 0;
    }

    unsigned Texture(int width, int height, const std::uint32_t* pixels, GLint format)
    {
        const Platform::GlFunctions& gl = mContext->Gl();
        GLuint name = 0;
        gl.GenTextures(1, &name);
        gl.BindTexture(GL_TEXTURE_2D, name);
        gl.TexImage2D(GL_TEXTURE_2D, 0, format, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        return name;
    }

    struct PlainVertex
    {
        float x;
        float y;
        std::uint32_t colour;
        float u;
        float v;
    };

    void Add(unsigned texture, const Placement& place, float height)
    {
        if (texture != mTexture || mVertices.size() == kBatchQuads * 4)
        {
            Flush();
            mContext->Gl().BindTexture(GL_TEXTURE_2D, texture);
            mTexture = texture;
        }
        const auto corners = QuadCorners(place, height);
        for (std::size_t i = 0; i < 4; ++i)
        {
            mVertices.push_back({corners[i][0], corners[i][1], place.tint, kCornerU[i], kCornerV[i]});
        }
    }

    void Flush()
    {
        if (mVertices.empty())
        {
            return;
        }
        const Platform::GlFunctions& gl = mContext->Gl();
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(mVertices.data());
        gl.VertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(PlainVertex),
                               bytes + offsetof(PlainVertex, x));
        gl.VertexAttribPointer(1, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(PlainVertex),
                               bytes + offsetof(PlainVertex, colour));
        gl.VertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, sizeof(PlainVertex),
                               bytes + offsetof(PlainVertex, u));
        gl.DrawElements(GL_TRIANGLES, static_cast<GLsizei>(mVertices.size() / 4 * 6), GL_UNSIGNED_SHORT,
                        mIndices.data());
        mVertices.clear();
        mTexture = 0;
    }

    std::shared_ptr<Platform::GlContext> mContext;
    unsigned mProgram = 0;
    int mScaleLocation = -1;
    unsigned mFramebuffer = 0;
    unsigned mFrame = 0;
    unsigned mBackground = 0;
    std::vector<unsigned> mSprites;
    unsigned mParticle = 0;
    unsigned mTexture = 0;
    std::vector<std::uint16_t> mIndices;
    std::vector<PlainVertex> mVertices;
};

void DrawSoftwareFrames(benchmark::State& state, Platform::WindowSystem* windows)
{
    Platform::SoftwareDevice device(windows, static_cast<int>(state.range(0)),
                                    {kWindowWidth, kWindowHeight, true});
    // Every frame of the scene is the same: drawn whole, as a frame that changes everywhere would be.
    device.SetDrawsChangesOnly(false);
    DeviceScene scene(device);
    BenchDrawing::DrawFrames(state, scene);
}

// Frames kept in memory, shown nowhere: the figure of earlier releases.
void SoftwareDevice(benchmark::State& state)
{
    DrawSoftwareFrames(state, nullptr);
}

// Frames shown in a window, as the OpenGL drawers' are.
void SoftwareDeviceInWindow(benchmark::State& state)
{
    BenchDrawing::GlWindow window(kWindowWidth, kWindowHeight, false);
    if (!window.windows)
    {
        state.SkipWithError(window.error.c_str());
        return;
    }
    DrawSoftwareFrames(state, window.windows.get());
}

void OpenGlDevice(benchmark::State& state)
{
    BenchDrawing::GlWindow window(kWindowWidth, kWindowHeight);
    std::unique_ptr<Platform::GlDevice> device =
        window.context ? Platform::GlDevice::Create(window.context, window.windows.get(),
                                                    {kWindowWidth, kWindowHeight, true}, window.error)
                       : nullptr;
    if (!device)
    {
        state.SkipWithError(("no OpenGL 2.1 device: " + window.error).c_str());
        return;
    }
    {
        DeviceScene scene(*device);
        // A frame counts once the card has drawn it, not when it was handed over.
        BenchDrawing::DrawFrames(state, scene, [&] { device->Finish(); });
    }
}

void PlainOpenGl(benchmark::State& state)
{
    BenchDrawing::GlWindow window(kWindowWidth, kWindowHeight);
    if (!window.context)
    {
        state.SkipWithError(("no OpenGL context: " + window.error).c_str());
        return;
    }
    static bool described = false;
    if (!std::exchange(described, true))
    {
        std::printf("OpenGL: %s\n", window.context->Describe().c_str());
    }
    PlainGlScene scene(window.context);
    if (!scene.Ready())
    {
        state.SkipWithError("the plain shaders or framebuffer cannot be made");
        return;
    }
    BenchDrawing::DrawFrames(state, scene, [&] { window.context->Gl().Finish(); });
}

void SdlSoftwareRenderer(benchmark::State& state)
{
    SdlScene scene;
    if (!scene.Ready())
    {
        state.SkipWithError(SDL_GetError());
        return;
    }
    BenchDrawing::DrawFrames(state, scene);
}

void SdlSoftwareRendererInWindow(benchmark::State& state)
{
    BenchDrawing::GlWindow window(kWindowWidth, kWindowHeight, false);
    if (!window.windows)
    {
        state.SkipWithError(window.error.c_str());
        return;
    }
    SdlScene scene(window.windows->NativeWindow());
    if (!scene.Ready())
    {
        state.SkipWithError(SDL_GetError());
        return;
    }
    BenchDrawing::DrawFrames(state, scene);
}

// Keeps each drawer's frames per second (the median where runs repeat) and prints the ratios the
// scene is judged by.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
        {
            const std::string name = run.benchmark_name();
            const auto fps = run.counters.find("fps");
            const bool median = name.ends_with("_median");
            if (fps == run.counters.end() || (run.run_type == Run::RT_Aggregate && !median))
            {
                continue;
            }
            const std::string drawer = median ? name.substr(0, name.size() - 7) : name;
            if (median || !mFps.contains(drawer) || !mMedians.contains(drawer))
            {
                mFps[drawer] = fps->second.value;
            }
            if (median)
            {
                mMedians[drawer] = true;
            }
        }
    }

    void PrintRatios() const
    {
        std::printf("\nBusy scene, frames per second:\n");
        for (const auto& [name, fps] : mFps)
        {
            std::printf("  %-40s %8.1f\n", name.c_str(), fps);
        }
        Ratio("OpenGL device / plain OpenGL", "OpenGlDevice/real_time", "PlainOpenGl/real_time");
        Ratio("software device, 1 thread / SDL2 software", "SoftwareDeviceInWindow/threads:1/real_time",
              "SdlSoftwareRendererInWindow/real_time");
        Ratio("software device, 8 threads / SDL2 software", "SoftwareDeviceInWindow/threads:8/real_time",
              "SdlSoftwareRendererInWindow/real_time");
        std::printf("  shown in no window, as measured before:\n");
        Ratio("software device, 1 thread / SDL2 software", "SoftwareDevice/threads:1/real_time",
              "SdlSoftwareRenderer/real_time");
        Ratio("software device, 8 threads / SDL2 software", "SoftwareDevice/threads:8/real_time",
              "SdlSoftwareRenderer/real_time");
    }

private:
    void Ratio(const char* what, const std::string& numerator, const std::string& denominator) const
    {
        const auto top = mFps.find(numerator);
        const auto bottom = mFps.find(denominator);
        if (top != mFps.end() && bottom != mFps.end() && bottom->second > 0.0)
        {
            std::printf("  %-44s %5.2f x\n", what, top->second / bottom->second);
        }
    }

    std::map<std::string, double> mFps;
    std::map<std::string, bool> mMedians;
};

} // namespace

BENCHMARK(SoftwareDeviceInWindow)
    ->Arg(1)
    ->Arg(8)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(SdlSoftwareRendererInWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SoftwareDevice)->Arg(1)->Arg(8)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenGlDevice)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SdlSoftwareRenderer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PlainOpenGl)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}

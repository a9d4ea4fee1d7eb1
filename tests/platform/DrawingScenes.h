#pragma once

// The small drawing scenes of the device tests: drawn by the software device against golden pictures,
// and by the OpenGL device against the software device.

#include "platform/GraphicsDevice.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

namespace DrawingScenes
{

using Platform::BlendFactor;
using Platform::DeviceTexture;
using Platform::Matrix4;
using Platform::TextureAddress;
using Platform::TextureFilter;
using Platform::Vertex;

constexpr int kWidth = 96;
constexpr int kHeight = 64;

inline std::unique_ptr<DeviceTexture> Checker(Platform::GraphicsDevice& device)
{
    auto texture = device.CreateTexture(8, 8, Platform::TextureUsage::Plain);
    DeviceTexture::LockedRect locked = texture->Lock();
    for (int y = 0; y < 8; ++y)
    {
        auto* row = reinterpret_cast<std::uint32_t*>(locked.bits + y * locked.pitch);
        for (int x = 0; x < 8; ++x)
        {
            const bool dark = ((x / 2) + (y / 2)) % 2 == 0;
            const std::uint32_t alpha = static_cast<std::uint32_t>(x * 32 + 31) << 24;
            row[x] = dark ? (0xFF203060u) : (alpha | 0x00F0C040u);
        }
    }
    texture->Unlock();
    return texture;
}

// A device of the scene's size with a quad index pattern and a projection in target pixels.
class Scene
{
public:
    explicit Scene(Platform::GraphicsDevice& device) : mDevice(device)
    {
        mVertices = mDevice.CreateVertexBuffer(64);
        mIndices = mDevice.CreateIndexBuffer(96);
        std::uint16_t* index = mIndices->Lock();
        for (std::uint16_t quad = 0; quad < 16; ++quad)
        {
            const std::uint16_t base = static_cast<std::uint16_t>(quad * 4);
            const std::uint16_t pattern[6] = {base,
                                              static_cast<std::uint16_t>(base + 1),
                                              static_cast<std::uint16_t>(base + 2),
                                              static_cast<std::uint16_t>(base + 2),
                                              static_cast<std::uint16_t>(base + 3),
                                              base};
            std::copy(std::begin(pattern), std::end(pattern), index + quad * 6);
        }
        mIndices->Unlock();
        mDevice.SetStreamSource(mVertices.get());
        mDevice.SetIndices(mIndices.get());
        mDevice.SetProjection(Matrix4::Scaling(1.0f, -1.0f, 1.0f) *
                              Matrix4::Translation(-0.5f, static_cast<float>(kHeight) + 0.5f, 0.0f) *
                              Matrix4::OrthoOffCenterLH(0.0f, kWidth, 0.0f, kHeight, 0.0f, 1.0f));
        mDevice.SetAlphaTest(true, 1);
        mDevice.BeginScene();
        mDevice.Clear(0x305030u);
    }

    Platform::GraphicsDevice& Device() { return mDevice; }

    // One quad from four corners (bottom-left, bottom-right, top-right, top-left).
    void Quad(const std::vector<Vertex>& corners)
    {
        Vertex* out = mVertices->Lock(true);
        std::copy(corners.begin(), corners.end(), out);
        mVertices->Unlock();
        mDevice.DrawIndexedTriangles(4, 2);
    }

    void Lines(const std::vector<Vertex>& ends)
    {
        Vertex* out = mVertices->Lock(true);
        std::copy(ends.begin(), ends.end(), out);
        mVertices->Unlock();
        mDevice.DrawLines(ends.size() / 2);
    }

    Platform::Image Finish()
    {
        mDevice.EndScene();
        Platform::Image image;
        mDevice.ReadBackBuffer(image);
        return image;
    }

private:
    Platform::GraphicsDevice& mDevice;
    std::unique_ptr<Platform::VertexBuffer> mVertices;
    std::unique_ptr<Platform::IndexBuffer> mIndices;
};

inline std::vector<Vertex> Rectangle(float x, float y, float w, float h, float u0, float v0, float u1,
                                     float v1, std::uint32_t colour = 0xFFFFFFFFu)
{
    return {{x, y + h, 0.5f, colour, u0, v1},
            {x + w, y + h, 0.5f, colour, u1, v1},
            {x + w, y, 0.5f, colour, u1, v0},
            {x, y, 0.5f, colour, u0, v0}};
}

inline std::vector<Vertex> Rotated(float cx, float cy, float half, float angle, std::uint32_t colour)
{
    std::vector<Vertex> corners;
    const float offsets[4][2] = {{-half, half}, {half, half}, {half, -half}, {-half, -half}};
    const float uvs[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    for (int i = 0; i < 4; ++i)
    {
        const float x = offsets[i][0] * std::cos(angle) - offsets[i][1] * std::sin(angle);
        const float y = offsets[i][0] * std::sin(angle) + offsets[i][1] * std::cos(angle);
        corners.push_back({cx + x, cy + y, 0.5f, colour, uvs[i][0], uvs[i][1]});
    }
    return corners;
}

using SceneBuilder = std::function<void(Scene&, const DeviceTexture&)>;

inline void Sprites(Scene& scene, const DeviceTexture& checker)
{
    Platform::GraphicsDevice& device = scene.Device();
    device.SetTexture(&checker);
    device.SetFilter(TextureFilter::Point);
    scene.Quad(Rectangle(2, 2, 24, 24, 0, 0, 1, 1));
    device.SetFilter(TextureFilter::Linear);
    scene.Quad(Rectangle(30.5f, 2.5f, 24, 24, 0, 0, 1, 1));
    scene.Quad(Rotated(76, 16, 12, 0.5f, 0xFFFFFFFFu));
    scene.Quad(Rectangle(2, 34, 40, 26, 0, 0, 1, 1, 0x80FF8080u));
    device.SetTexture(nullptr);
    scene.Quad({{50, 60, 0.5f, 0xFFFF0000u, 0, 0},
                {90, 60, 0.5f, 0xFF00FF00u, 0, 0},
                {90, 34, 0.5f, 0x400000FFu, 0, 0},
                {50, 34, 0.5f, 0xFFFFFFFFu, 0, 0}});
}

inline void Blends(Scene& scene, const DeviceTexture& checker)
{
    Platform::GraphicsDevice& device = scene.Device();
    device.SetTexture(&checker);
    device.SetFilter(TextureFilter::Linear);
    const BlendFactor modes[3] = {BlendFactor::InverseSourceAlpha, BlendFactor::InverseSourceColour,
                                  BlendFactor::One};
    for (int i = 0; i < 3; ++i)
    {
        device.SetDestinationBlend(modes[i]);
        scene.Quad(Rectangle(4.0f + 30.0f * static_cast<float>(i), 6, 26, 26, 0, 0, 1, 1));
        scene.Quad(Rectangle(10.0f + 30.0f * static_cast<float>(i), 20, 20, 36, 0, 0, 2, 3, 0xC0FFFFFFu));
    }
}

inline void Addressing(Scene& scene, const DeviceTexture& checker)
{
    Platform::GraphicsDevice& device = scene.Device();
    device.SetTexture(&checker);
    device.SetFilter(TextureFilter::Point);
    device.SetAddress(TextureAddress::Wrap);
    scene.Quad(Rectangle(2, 2, 44, 28, -0.5f, -0.5f, 2.5f, 1.5f));
    device.SetAddress(TextureAddress::Clamp);
    scene.Quad(Rectangle(50, 2, 44, 28, -0.5f, -0.5f, 2.5f, 1.5f));
    device.SetTexture(nullptr);
    device.SetDestinationBlend(BlendFactor::InverseSourceAlpha);
    scene.Lines({{2, 40, 0.5f, 0xFFFFFFFFu, 0, 0},
                 {94, 62, 0.5f, 0xFFFFFFFFu, 0, 0},
                 {10, 60, 0.5f, 0xFFFFFF00u, 0, 0},
                 {40, 34, 0.5f, 0xFFFFFF00u, 0, 0},
                 {50, 50, 0.5f, 0x80FF00FFu, 0, 0},
                 {94, 50, 0.5f, 0x80FF00FFu, 0, 0}});
}

} // namespace DrawingScenes

#include "platform/GlDevice.h"

#include "platform/GlContext.h"
#include "platform/GlTexture.h"
#include "platform/WindowSystem.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace Platform
{

namespace
{

// Attribute slots of the vertex layout.
constexpr GLuint kPositionSlot = 0;
constexpr GLuint kColourSlot = 1;
constexpr GLuint kTexCoordSlot = 2;

// A corner this close to a pixel centre is moved this far off it, to the side the software device
// finds it on (up and left when exactly on it: the top-left rule), so that GL, which rounds corners to
// 1/256 of a pixel, covers the same pixels. Too little to move a texel visibly.
constexpr double kCentreGap = 1.0 / 128.0;

double AwayFromPixelCentre(double coordinate)
{
    const double centre = std::round(coordinate);
    const double offset = coordinate - centre;
    if (std::fabs(offset) >= kCentreGap)
    {
        return coordinate;
    }
    return offset > 0.0 ? centre + kCentreGap : centre - kCentreGap;
}

const char* const kVertexShader = R"(#version 120
attribute vec3 aPosition;
attribute vec4 aColour;
attribute vec2 aTexCoord;
uniform mat4 uTransform;
uniform vec2 uPixelOffset;
varying vec4 vColour;
varying vec2 vTexCoord;
void main()
{
    vec4 p = uTransform * vec4(aPosition, 1.0);
    float w = p.w == 0.0 ? 1.0 : p.w;
    // Rows are drawn top row first in memory, so y turns over; z plays no part.
    gl_Position = vec4(p.x + w * uPixelOffset.x, w * uPixelOffset.y - p.y, 0.0, w);
    vColour = aColour.zyxw; // the bytes of 0xAARRGGBB lie in memory as B, G, R, A
    vTexCoord = aTexCoord;
}
)";

// Built with ALPHA_TEST and TEXEL_BIAS defined or not: a fragment that may be discarded, and a texel
// bias, cost on every pixel, so draws that need neither go without.
const char* const kFragmentShader = R"(
uniform sampler2D uTexture;
varying vec4 vColour;
varying vec2 vTexCoord;
#ifdef ALPHA_TEST
uniform float uAlphaReference;
#endif
#ifdef TEXEL_BIAS
uniform vec2 uTexelBias;
#endif
void main()
{
#ifdef TEXEL_BIAS
    vec4 colour = texture2D(uTexture, vTexCoord + uTexelBias) * vColour;
#else
    vec4 colour = texture2D(uTexture, vTexCoord) * vColour;
#endif
#ifdef ALPHA_TEST
    if (floor(colour.a * 255.0 + 0.5) < uAlphaReference)
    {
        discard;
    }
#endif
    gl_FragColor = colour;
}
)";

// Maps target pixels (centres at whole coordinates, y downwards) back to clip space. Render targets
// keep their top row first in memory, which is GL's bottom row, and the vertex shader turns y over for
// them; the window's bottom row comes first, so for it y is turned over once more here.
Matrix4 TargetPixelsToClip(int width, int height, bool window)
{
    Matrix4 matrix = Matrix4::Identity();
    matrix.m[0][0] = 2.0f / static_cast<float>(width);
    matrix.m[1][1] = (window ? 2.0f : -2.0f) / static_cast<float>(height);
    matrix.m[3][0] = -1.0f;
    matrix.m[3][1] = window ? -1.0f : 1.0f;
    return matrix;
}

// Point sampling exactly between two texels: the software device rounds texel coordinates down (and
// steps them along a row rounded down), so it mostly takes the earlier texel; GL's interpolation lands a
// hair either side of the boundary, so it samples this fraction of a texel back.
constexpr float kPointSampleBias = 1.0f / 4096.0f;

bool ValidSize(int width, int height, int limit)
{
    return width > 0 && height > 0 && width <= limit && height <= limit;
}

GLuint CompileShader(const GlFunctions& gl, GLenum kind, const std::string& source, std::string& error)
{
    const GLuint shader = gl.CreateShader(kind);
    const char* text = source.c_str();
    gl.ShaderSource(shader, 1, &text, nullptr);
    gl.CompileShader(shader);
    GLint compiled = GL_FALSE;
    gl.GetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE)
    {
        char log[512] = {};
        gl.GetShaderInfoLog(shader, sizeof(log), nullptr, log);
        error = std::string("a shader does not compile: ") + log;
        gl.DeleteShader(shader);
        return 0;
    }
    return shader;
}

} // namespace

std::unique_ptr<GlDevice> GlDevice::Create(std::shared_ptr<GlContext> context, WindowSystem* windows,
                                           const PresentParameters& parameters, std::string& error)
{
    if (context == nullptr || !context->MakeCurrent())
    {
        error = "no OpenGL context";
        return nullptr;
    }
    std::unique_ptr<GlDevice> device(new GlDevice(std::move(context), windows));
    if (!device->Init(parameters, error))
    {
        return nullptr;
    }
    return device;
}

GlDevice::GlDevice(std::shared_ptr<GlContext> context, WindowSystem* windows)
    : mContext(std::move(context)), mWindows(windows)
{
}

GlDevice::~GlDevice()
{
    mBackBuffer.reset();
    mWhite.reset();
    DeletePrograms();
}

void GlDevice::DeletePrograms()
{
    if (!mContext->MakeCurrent())
    {
        return;
    }
    for (Program& program : mPrograms)
    {
        if (program.name != 0)
        {
            mContext->Gl().DeleteProgram(program.name);
            program.name = 0;
        }
    }
}

bool GlDevice::Init(const PresentParameters& parameters, std::string& error)
{
    const GlFunctions& gl = mContext->Gl();
    GLint maxSide = 0;
    gl.GetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    mMaxTextureSide = maxSide;
    for (int variant = 0; variant < 4; ++variant)
    {
        if (!MakeProgram(mPrograms[variant], variant, error))
        {
            return false;
        }
    }
    gl.Disable(GL_DEPTH_TEST);
    gl.Disable(GL_CULL_FACE);
    gl.Disable(GL_DITHER);
    gl.ActiveTexture(GL_TEXTURE0);
    gl.BindBuffer(GL_ARRAY_BUFFER, 0);
    gl.BindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    gl.EnableVertexAttribArray(kPositionSlot);
    gl.EnableVertexAttribArray(kColourSlot);
    gl.EnableVertexAttribArray(kTexCoordSlot);
    mWhite = std::make_unique<GlTexture>(mContext, 1, 1, TextureUsage::Plain);
    DeviceTexture::LockedRect white = mWhite->Lock();
    *reinterpret_cast<std::uint32_t*>(white.bits) = 0xFFFFFFFFu;
    mWhite->Unlock();
    if (!mWhite->IsValid() || !MakeBackBuffer(parameters.backBufferWidth, parameters.backBufferHeight))
    {
        error = "framebuffer objects cannot be drawn into";
        return false;
    }
    return true;
}

bool GlDevice::MakeProgram(Program& program, int variant, std::string& error)
{
    const GlFunctions& gl = mContext->Gl();
    const std::string fragmentSource =
        std::string("#version 120\n") + ((variant & kAlphaTestVariant) != 0 ? "#define ALPHA_TEST\n" : "") +
        ((variant & kTexelBiasVariant) != 0 ? "#define TEXEL_BIAS\n" : "") + kFragmentShader;
    const GLuint vertex = CompileShader(gl, GL_VERTEX_SHADER, kVertexShader, error);
    const GLuint fragment = vertex != 0 ? CompileShader(gl, GL_FRAGMENT_SHADER, fragmentSource, error) : 0;
    if (fragment == 0)
    {
        if (vertex != 0)
        {
            gl.DeleteShader(vertex);
        }
        return false;
    }
    program.name = gl.CreateProgram();
    gl.AttachShader(program.name, vertex);
    gl.AttachShader(program.name, fragment);
    gl.BindAttribLocation(program.name, kPositionSlot, "aPosition");
    gl.BindAttribLocation(program.name, kColourSlot, "aColour");
    gl.BindAttribLocation(program.name, kTexCoordSlot, "aTexCoord");
    gl.LinkProgram(program.name);
    gl.DeleteShader(vertex);
    gl.DeleteShader(fragment);
    GLint linked = GL_FALSE;
    gl.GetProgramiv(program.name, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE)
    {
        char log[512] = {};
        gl.GetProgramInfoLog(program.name, sizeof(log), nullptr, log);
        error = std::string("the shaders do not link: ") + log;
        return false;
    }
    gl.UseProgram(program.name);
    mUsedProgram = program.name;
    gl.Uniform1i(gl.GetUniformLocation(program.name, "uTexture"), 0);
    program.transform = gl.GetUniformLocation(program.name, "uTransform");
    program.pixelOffset = gl.GetUniformLocation(program.name, "uPixelOffset");
    program.alphaReference = gl.GetUniformLocation(program.name, "uAlphaReference");
    program.texelBias = gl.GetUniformLocation(program.name, "uTexelBias");
    return true;
}

bool GlDevice::MakeBackBuffer(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    mBoundFramebuffer = ~0u;
    mWindowShown = false;
    const int previousWidth = std::exchange(mBackBufferWidth, width);
    const int previousHeight = std::exchange(mBackBufferHeight, height);
    if (WindowMatchesBackBuffer())
    {
        mBackBuffer.reset();
        return true;
    }
    auto backBuffer = std::make_unique<GlTexture>(mContext, width, height, TextureUsage::RenderTarget);
    if (!backBuffer->IsValid())
    {
        mBackBufferWidth = previousWidth;
        mBackBufferHeight = previousHeight;
        return false;
    }
    mBackBuffer = std::move(backBuffer);
    return true;
}

bool GlDevice::WindowMatchesBackBuffer() const
{
    int width = 0;
    int height = 0;
    mContext->DrawableSize(width, height);
    return width == mBackBufferWidth && height == mBackBufferHeight;
}

bool GlDevice::GetDisplayMode(DisplayMode& out) const
{
    out = DisplayModeFor(mWindows, mBackBufferWidth, mBackBufferHeight);
    return true;
}

AdapterFacts GlDevice::GetAdapterFacts() const
{
    AdapterFacts facts;
    facts.driver = "wf_opengl";
    facts.description = mContext->Describe();
    facts.driverVersion = (1ull << 48) | 1ull;
    facts.videoMemoryBytes = 0; // OpenGL does not tell
    facts.maxTextureWidth = mMaxTextureSide;
    facts.maxTextureHeight = mMaxTextureSide;
    return facts;
}

std::unique_ptr<DeviceTexture> GlDevice::CreateTexture(int width, int height, TextureUsage usage)
{
    if (!ValidSize(width, height, mMaxTextureSide) ||
        (usage == TextureUsage::RenderTarget && !mLife.IsWorking()) || !mContext->MakeCurrent())
    {
        return nullptr;
    }
    auto texture = std::make_unique<GlTexture>(mContext, width, height, usage);
    mBoundFramebuffer = ~0u;
    if (!texture->IsValid())
    {
        return nullptr;
    }
    texture->SetOwner(Link());
    return texture;
}

std::unique_ptr<DeviceTexture> GlDevice::CreateTextureFromDecoded(std::unique_ptr<DeviceTexture> decoded)
{
    if (!decoded || !ValidSize(decoded->Width(), decoded->Height(), mMaxTextureSide) ||
        !mContext->MakeCurrent())
    {
        return nullptr;
    }
    // The GL texture is made from the decoded pixels themselves: no cleared picture sent first, no copy.
    auto texture = std::make_unique<GlTexture>(mContext, std::move(*decoded));
    mBoundFramebuffer = ~0u;
    if (!texture->IsValid())
    {
        return nullptr;
    }
    texture->SetOwner(Link());
    return texture;
}

int GlDevice::MaxTextureSide() const
{
    return mMaxTextureSide;
}

std::unique_ptr<VertexBuffer> GlDevice::CreateVertexBuffer(std::size_t vertices)
{
    if (vertices == 0 || !mLife.IsWorking())
    {
        return nullptr;
    }
    // The transformed copy is sized here, once, so drawing never allocates.
    if (mScreenVertices.size() < vertices)
    {
        mScreenVertices.resize(vertices);
        mTargetVertices.resize(vertices);
    }
    return std::make_unique<VertexBuffer>(vertices);
}

std::unique_ptr<IndexBuffer> GlDevice::CreateIndexBuffer(std::size_t indices)
{
    if (indices == 0 || !mLife.IsWorking())
    {
        return nullptr;
    }
    if (mSafeIndices.size() < indices)
    {
        mSafeIndices.resize(indices);
    }
    return std::make_unique<IndexBuffer>(indices);
}

bool GlDevice::SetRenderTarget(DeviceTexture* target)
{
    if (target == nullptr)
    {
        mRenderTarget = nullptr;
        return true;
    }
    auto* texture = dynamic_cast<GlTexture*>(target);
    if (texture == nullptr || !texture->IsRenderTarget())
    {
        return false;
    }
    mRenderTarget = texture;
    return true;
}

DeviceTexture* GlDevice::GetRenderTarget() const
{
    return mRenderTarget;
}

int GlDevice::BackBufferWidth() const
{
    return mBackBufferWidth;
}

int GlDevice::BackBufferHeight() const
{
    return mBackBufferHeight;
}

GlDevice::DrawTarget GlDevice::Target() const
{
    GlTexture* texture = mRenderTarget != nullptr ? mRenderTarget : mBackBuffer.get();
    if (texture == nullptr)
    {
        return {nullptr, 0, mBackBufferWidth, mBackBufferHeight};
    }
    return {texture, texture->Framebuffer(), texture->Width(), texture->Height()};
}

void GlDevice::MarkDrawn(const DrawTarget& target)
{
    if (target.texture != nullptr)
    {
        target.texture->MarkDrawn();
    }
    else
    {
        mWindowShown = false;
    }
}

void GlDevice::SetStreamSource(const VertexBuffer* vertices)
{
    mVertices = vertices;
}

void GlDevice::SetIndices(const IndexBuffer* indices)
{
    mIndices = indices;
}

void GlDevice::SetAlphaBlendEnabled(bool enabled)
{
    mBlendEnabled = enabled;
}

void GlDevice::SetTexture(const DeviceTexture* texture)
{
    if (texture != mTextureAsSet)
    {
        ++mStatistics.textureChanges;
    }
    mTextureAsSet = texture;
    // A texture another device made has no pixels here: it draws as no texture.
    mTexture = const_cast<GlTexture*>(dynamic_cast<const GlTexture*>(texture));
}

void GlDevice::SetDestinationBlend(BlendFactor factor)
{
    if (factor != mDestinationBlend)
    {
        ++mStatistics.blendChanges;
    }
    mDestinationBlend = factor;
}

void GlDevice::SetAlphaTest(bool enabled, std::uint8_t reference)
{
    mAlphaTest = enabled;
    mAlphaReference = reference;
}

void GlDevice::SetFilter(TextureFilter filter)
{
    if (filter != mFilter)
    {
        ++mStatistics.filterChanges;
    }
    mFilter = filter;
}

void GlDevice::SetAddress(TextureAddress address)
{
    if (address != mAddress)
    {
        ++mStatistics.addressChanges;
    }
    mAddress = address;
}

void GlDevice::SetProjection(const Matrix4& projection)
{
    mProjection = projection;
    mTransform = mView * mProjection;
}

void GlDevice::SetView(const Matrix4& view)
{
    mView = view;
    mTransform = mView * mProjection;
}

void GlDevice::BindFramebuffer(unsigned framebuffer, int width, int height)
{
    if (framebuffer == mBoundFramebuffer)
    {
        return;
    }
    const GlFunctions& gl = mContext->Gl();
    gl.BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl.Viewport(0, 0, width, height);
    mBoundFramebuffer = framebuffer;
}

void GlDevice::Clear(std::uint32_t argb)
{
    if (!mLife.IsWorking() || !mContext->MakeCurrent())
    {
        return;
    }
    ++mStatistics.clears;
    const DrawTarget target = Target();
    BindFramebuffer(target.framebuffer, target.width, target.height);
    const GlFunctions& gl = mContext->Gl();
    gl.ClearColor(static_cast<float>((argb >> 16) & 0xFFu) / 255.0f,
                  static_cast<float>((argb >> 8) & 0xFFu) / 255.0f, static_cast<float>(argb & 0xFFu) / 255.0f,
                  1.0f);
    gl.Clear(GL_COLOR_BUFFER_BIT);
    MarkDrawn(target);
}

bool GlDevice::BeginScene()
{
    if (mInScene)
    {
        return false;
    }
    mInScene = true;
    return true;
}

void GlDevice::EndScene()
{
    mInScene = false;
}

bool GlDevice::CanDraw() const
{
    return mLife.IsWorking() && mInScene && mVertices != nullptr && !mVertices->IsLocked() &&
           mContext->IsAlive();
}

void GlDevice::Record(DrawRecord::Kind kind, std::size_t vertices, std::size_t primitives)
{
    DrawRecord record;
    record.kind = kind;
    record.vertices = static_cast<std::uint32_t>(vertices);
    record.primitives = static_cast<std::uint32_t>(primitives);
    record.texture = mTextureAsSet;
    record.destinationBlend = mDestinationBlend;
    record.filter = mFilter;
    record.address = mAddress;
    RecordDraw(record);
}

void GlDevice::PointAttributes(const void* vertices)
{
    const GlFunctions& gl = mContext->Gl();
    const auto* bytes = static_cast<const std::uint8_t*>(vertices);
    const GLsizei stride = sizeof(Vertex);
    gl.VertexAttribPointer(kPositionSlot, 3, GL_FLOAT, GL_FALSE, stride, bytes + offsetof(Vertex, x));
    gl.VertexAttribPointer(kColourSlot, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                           bytes + offsetof(Vertex, colour));
    gl.VertexAttribPointer(kTexCoordSlot, 2, GL_FLOAT, GL_FALSE, stride, bytes + offsetof(Vertex, u));
}

void GlDevice::PrepareDraw(const Vertex* targetPixels, bool oneToOne, bool opaqueColours)
{
    mContext->MakeCurrent();
    const GlFunctions& gl = mContext->Gl();
    const DrawTarget target = Target();
    BindFramebuffer(target.framebuffer, target.width, target.height);

    // Where both the texels (no texture, or a render target, which has no alpha) and the vertices are
    // opaque, blending alpha replaces and the alpha test passes everything: neither needs doing.
    const bool opaqueTexels = mTexture == nullptr || mTexture->IsRenderTarget();
    const bool replaces =
        opaqueTexels && opaqueColours && mDestinationBlend == BlendFactor::InverseSourceAlpha;
    const bool blends = mBlendEnabled && !replaces;
    // Blended alpha or added, a fragment that the test of reference 1 would take out changes the pixel
    // by less than half a level: the test is left out there too, as the software device leaves it out.
    const bool alphaPassesThrough =
        mAlphaReference <= 1 && blends && mDestinationBlend != BlendFactor::InverseSourceColour;
    const bool alphaTest =
        mAlphaTest && mAlphaReference != 0 && !(opaqueTexels && opaqueColours) && !alphaPassesThrough;
    // On texel centres the bias changes no texel: only points asked for by the filter need it.
    const bool point = mFilter == TextureFilter::Point;
    Program& program = mPrograms[(alphaTest ? kAlphaTestVariant : 0) |
                                 (point && mTexture != nullptr ? kTexelBiasVariant : 0)];
    UseProgram(program);
    GlTexture& texture = mTexture != nullptr ? *mTexture : *mWhite;
    texture.BindForDrawing(point || oneToOne ? TextureFilter::Point : mFilter, mAddress);
    if (program.texelBias >= 0 &&
        (program.biasWidth != texture.Width() || program.biasHeight != texture.Height()))
    {
        gl.Uniform2f(program.texelBias, -kPointSampleBias / static_cast<float>(texture.Width()),
                     -kPointSampleBias / static_cast<float>(texture.Height()));
        program.biasWidth = texture.Width();
        program.biasHeight = texture.Height();
    }
    SetBlend(blends);
    if (program.alphaReference >= 0 && program.alphaReferenceSet != mAlphaReference)
    {
        gl.Uniform1f(program.alphaReference, static_cast<float>(mAlphaReference));
        program.alphaReferenceSet = mAlphaReference;
    }
    const bool window = target.texture == nullptr;
    if (program.targetFramebuffer != target.framebuffer || program.targetWidth != target.width ||
        program.targetHeight != target.height)
    {
        const Matrix4 toClip = TargetPixelsToClip(target.width, target.height, window);
        gl.UniformMatrix4fv(program.transform, 1, GL_FALSE, &toClip.m[0][0]);
        // GL's pixel centres lie half a pixel from ours.
        gl.Uniform2f(program.pixelOffset, 1.0f / static_cast<float>(target.width),
                     (window ? -1.0f : 1.0f) / static_cast<float>(target.height));
        program.targetFramebuffer = target.framebuffer;
        program.targetWidth = target.width;
        program.targetHeight = target.height;
    }
    PointAttributes(targetPixels);
    MarkDrawn(target);
}

void GlDevice::UseProgram(const Program& program)
{
    if (mUsedProgram != program.name)
    {
        mContext->Gl().UseProgram(program.name);
        mUsedProgram = program.name;
    }
}

void GlDevice::SetBlend(bool enabled)
{
    const GlFunctions& gl = mContext->Gl();
    const int state = enabled ? static_cast<int>(mDestinationBlend) : -1;
    if (state == mBlendState)
    {
        return;
    }
    mBlendState = state;
    if (!enabled)
    {
        gl.Disable(GL_BLEND);
        return;
    }
    gl.Enable(GL_BLEND);
    GLenum destination = GL_ONE_MINUS_SRC_ALPHA;
    if (mDestinationBlend == BlendFactor::One)
    {
        destination = GL_ONE;
    }
    else if (mDestinationBlend == BlendFactor::InverseSourceColour)
    {
        destination = GL_ONE_MINUS_SRC_COLOR;
    }
    gl.BlendFunc(GL_SRC_ALPHA, destination);
}

bool GlDevice::MapsTexelsOneToOne(const std::uint16_t* indices, std::size_t triangleCount) const
{
    if (mTexture == nullptr || mFilter != TextureFilter::Linear)
    {
        return false;
    }
    for (std::size_t i = 0; i < triangleCount * 3; i += 3)
    {
        if (!Rasterizer::SamplesOnTexelCentres(mTargetVertices[indices[i]], mTargetVertices[indices[i + 1]],
                                               mTargetVertices[indices[i + 2]], mTexture->Width(),
                                               mTexture->Height()))
        {
            return false;
        }
    }
    return true;
}

const std::uint16_t* GlDevice::SafeIndices(std::size_t vertexCount, std::size_t triangleCount)
{
    const std::uint16_t* indices = mIndices->Data();
    const std::size_t count = triangleCount * 3;
    if (std::all_of(indices, indices + count,
                    [vertexCount](std::uint16_t index) { return index < vertexCount; }))
    {
        return indices;
    }
    // GL would read past the vertices: only the triangles whose corners all exist are drawn.
    if (mSafeIndices.size() < count)
    {
        mSafeIndices.resize(count); // an index buffer made elsewhere than CreateIndexBuffer
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; i += 3)
    {
        if (indices[i] < vertexCount && indices[i + 1] < vertexCount && indices[i + 2] < vertexCount)
        {
            std::copy_n(indices + i, 3, mSafeIndices.begin() + static_cast<std::ptrdiff_t>(kept));
            kept += 3;
        }
    }
    std::fill(mSafeIndices.begin() + static_cast<std::ptrdiff_t>(kept),
              mSafeIndices.begin() + static_cast<std::ptrdiff_t>(count), std::uint16_t{0});
    // Degenerate triangles fill the rest, so the count stays as asked.
    return mSafeIndices.data();
}

void GlDevice::DrawIndexedTriangles(std::size_t vertexCount, std::size_t triangleCount)
{
    if (!CanDraw() || mIndices == nullptr || mIndices->IsLocked())
    {
        return;
    }
    vertexCount = std::min(vertexCount, mVertices->Capacity());
    triangleCount = std::min(triangleCount, mIndices->Capacity() / 3);
    Record(DrawRecord::Kind::Triangles, vertexCount, triangleCount);
    mStatistics.triangles += triangleCount;
    if (vertexCount == 0 || triangleCount == 0)
    {
        return;
    }
    const bool opaqueColours = TransformVertices(vertexCount);
    const std::uint16_t* indices = SafeIndices(vertexCount, triangleCount);
    PrepareDraw(mScreenVertices.data(), MapsTexelsOneToOne(indices, triangleCount), opaqueColours);
    mContext->Gl().DrawElements(GL_TRIANGLES, static_cast<GLsizei>(triangleCount * 3), GL_UNSIGNED_SHORT,
                                indices);
}

void GlDevice::DrawLines(std::size_t lineCount)
{
    if (!CanDraw())
    {
        return;
    }
    lineCount = std::min(lineCount, mVertices->Capacity() / 2);
    Record(DrawRecord::Kind::Lines, lineCount * 2, lineCount);
    mStatistics.lines += lineCount;
    StepLines(lineCount);
    if (mLinePoints.empty())
    {
        return;
    }
    PrepareDraw(mLinePoints.data(), false, false);
    mContext->Gl().DrawArrays(GL_POINTS, 0, static_cast<GLsizei>(mLinePoints.size()));
}

void GlDevice::ToTarget(const Vertex& vertex, double& x, double& y) const
{
    // The software device's own arithmetic, step for step, so that corners land where it puts them.
    const DrawTarget target = Target();
    const float halfWidth = static_cast<float>(target.width) * 0.5f;
    const float halfHeight = static_cast<float>(target.height) * 0.5f;
    const float(*m)[4] = mTransform.m;
    const float clipX = vertex.x * m[0][0] + vertex.y * m[1][0] + vertex.z * m[2][0] + m[3][0];
    const float clipY = vertex.x * m[0][1] + vertex.y * m[1][1] + vertex.z * m[2][1] + m[3][1];
    float w = vertex.x * m[0][3] + vertex.y * m[1][3] + vertex.z * m[2][3] + m[3][3];
    if (w == 0.0f)
    {
        w = 1.0f;
    }
    x = static_cast<double>((clipX / w + 1.0f) * halfWidth);
    y = static_cast<double>((1.0f - clipY / w) * halfHeight);
}

bool GlDevice::TransformVertices(std::size_t count)
{
    bool opaque = true;
    if (mScreenVertices.size() < count)
    {
        mScreenVertices.resize(count); // a vertex buffer made elsewhere than CreateVertexBuffer
        mTargetVertices.resize(count);
    }
    const Vertex* source = mVertices->Data();
    for (std::size_t i = 0; i < count; ++i)
    {
        double x = 0.0;
        double y = 0.0;
        ToTarget(source[i], x, y);
        mTargetVertices[i] = {x, y, static_cast<double>(source[i].u), static_cast<double>(source[i].v),
                              source[i].colour};
        opaque = opaque && (source[i].colour >> 24) == 0xFFu;
        Vertex& out = mScreenVertices[i];
        out = source[i];
        out.x = static_cast<float>(AwayFromPixelCentre(x));
        out.y = static_cast<float>(AwayFromPixelCentre(y));
        out.z = 0.0f;
    }
    return opaque;
}

void GlDevice::StepLines(std::size_t lineCount)
{
    // GL's own lines pick their pixels by another rule; these are the software device's steps, pixel by
    // pixel, with the vertices transformed in the same order of operations.
    mLinePoints.clear();
    const Vertex* ends = mVertices->Data();
    for (std::size_t line = 0; line < lineCount; ++line)
    {
        const Vertex& a = ends[line * 2];
        const Vertex& b = ends[line * 2 + 1];
        double ax = 0.0;
        double ay = 0.0;
        double bx = 0.0;
        double by = 0.0;
        ToTarget(a, ax, ay);
        ToTarget(b, bx, by);
        if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by) ||
            !std::isfinite(a.u) || !std::isfinite(a.v) || !std::isfinite(b.u) || !std::isfinite(b.v))
        {
            continue;
        }
        const double au = static_cast<double>(a.u);
        const double av = static_cast<double>(a.v);
        const double dx = bx - ax;
        const double dy = by - ay;
        const double length = std::min(std::max(std::fabs(dx), std::fabs(dy)), 65536.0);
        const int steps = static_cast<int>(std::floor(length + 0.5));
        for (int step = 0; step < steps; ++step)
        {
            const double along = static_cast<double>(step) / steps;
            Vertex point;
            point.x = static_cast<float>(std::floor(ax + along * dx + 0.5));
            point.y = static_cast<float>(std::floor(ay + along * dy + 0.5));
            point.colour = a.colour;
            point.u = static_cast<float>(au + along * (static_cast<double>(b.u) - au));
            point.v = static_cast<float>(av + along * (static_cast<double>(b.v) - av));
            mLinePoints.push_back(point);
        }
    }
}

DeviceResult GlDevice::Present()
{
    if (!mLife.IsWorking())
    {
        return DeviceResult::DeviceLost;
    }
    ++mStatistics.presents;
    if (!mContext->MakeCurrent())
    {
        return DeviceResult::Ok;
    }
    if (mBackBuffer != nullptr)
    {
        ShowBackBufferTexture();
    }
    if (mWindows != nullptr)
    {
        mWindows->WaitToPresent();
    }
    mContext->SwapWindow();
    mWindowShown = mBackBuffer == nullptr;
    // The window may have changed its size: the back buffer follows whether it can be the window's.
    if ((mBackBuffer == nullptr) != WindowMatchesBackBuffer())
    {
        MakeBackBuffer(mBackBufferWidth, mBackBufferHeight);
    }
    return DeviceResult::Ok;
}

void GlDevice::ShowBackBufferTexture()
{
    const GlFunctions& gl = mContext->Gl();
    int width = 0;
    int height = 0;
    mContext->DrawableSize(width, height);
    // The whole window is covered either way: nothing to clear first.
    if (gl.BlitFramebuffer != nullptr)
    {
        gl.BindFramebuffer(GL_READ_FRAMEBUFFER, mBackBuffer->Framebuffer());
        gl.BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        // The back buffer's top row is its first; the window's first row is its bottom one.
        gl.BlitFramebuffer(0, 0, mBackBuffer->Width(), mBackBuffer->Height(), 0, height, width, 0,
                           GL_COLOR_BUFFER_BIT, GL_NEAREST);
        gl.BindFramebuffer(GL_FRAMEBUFFER, 0);
        mBoundFramebuffer = ~0u;
        return;
    }
    BindFramebuffer(0, width, height);
    // The back buffer stretched over the window, top row at the top.
    static const Vertex kWindowQuad[4] = {{-1.0f, -1.0f, 0.0f, 0xFFFFFFFFu, 0.0f, 0.0f},
                                          {1.0f, -1.0f, 0.0f, 0xFFFFFFFFu, 1.0f, 0.0f},
                                          {1.0f, 1.0f, 0.0f, 0xFFFFFFFFu, 1.0f, 1.0f},
                                          {-1.0f, 1.0f, 0.0f, 0xFFFFFFFFu, 0.0f, 1.0f}};
    const Matrix4 identity = Matrix4::Identity();
    Program& program = mPrograms[0];
    UseProgram(program);
    SetBlend(false);
    mBackBuffer->BindForDrawing(TextureFilter::Point, TextureAddress::Clamp);
    gl.UniformMatrix4fv(program.transform, 1, GL_FALSE, &identity.m[0][0]);
    gl.Uniform2f(program.pixelOffset, 0.0f, 0.0f);
    program.targetWidth = 0; // these are not a target's: the next draw sets its own
    PointAttributes(kWindowQuad);
    gl.DrawArrays(GL_TRIANGLE_FAN, 0, 4);
}

DeviceResult GlDevice::TestCooperativeLevel()
{
    return mLife.Result();
}

bool GlDevice::Reset(const PresentParameters& parameters)
{
    if (mLife.IsLost() || mInScene ||
        !ValidSize(parameters.backBufferWidth, parameters.backBufferHeight, mMaxTextureSide) ||
        !mContext->MakeCurrent() || !MakeBackBuffer(parameters.backBufferWidth, parameters.backBufferHeight))
    {
        return false;
    }
    ++mStatistics.resets;
    mRenderTarget = nullptr;
    mTexture = nullptr;
    mTextureAsSet = nullptr;
    mBlendEnabled = true;
    mDestinationBlend = BlendFactor::InverseSourceAlpha;
    mAlphaTest = true;
    mAlphaReference = 1;
    mFilter = TextureFilter::Linear;
    mAddress = TextureAddress::Wrap;
    mVertices = nullptr;
    mIndices = nullptr;
    mLife.MarkReset();
    return true;
}

void GlDevice::ReadBackBuffer(Image& out)
{
    if (mBackBuffer != nullptr)
    {
        ReadTexture(*mBackBuffer, out);
        return;
    }
    out.width = mBackBufferWidth;
    out.height = mBackBufferHeight;
    out.pixels.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height),
                      0xFF000000u);
    if (!mContext->MakeCurrent())
    {
        return;
    }
    const GlFunctions& gl = mContext->Gl();
    BindFramebuffer(0, mBackBufferWidth, mBackBufferHeight);
    // A presented frame has moved to the front buffer of a double-buffered window.
    GLint doubleBuffered = GL_FALSE;
    gl.GetIntegerv(GL_DOUBLEBUFFER, &doubleBuffered);
    const GLenum usual = doubleBuffered != GL_FALSE ? GL_BACK : GL_FRONT;
    gl.ReadBuffer(mWindowShown ? GL_FRONT : usual);
    gl.PixelStorei(GL_PACK_ALIGNMENT, 4);
    gl.ReadPixels(0, 0, out.width, out.height, GL_BGRA, GL_UNSIGNED_BYTE, out.pixels.data());
    gl.ReadBuffer(usual);
    // GL gives the bottom row first.
    for (int top = 0, bottom = out.height - 1; top < bottom; ++top, --bottom)
    {
        std::swap_ranges(out.pixels.begin() + static_cast<std::ptrdiff_t>(top) * out.width,
                         out.pixels.begin() + static_cast<std::ptrdiff_t>(top + 1) * out.width,
                         out.pixels.begin() + static_cast<std::ptrdiff_t>(bottom) * out.width);
    }
    for (std::uint32_t& pixel : out.pixels)
    {
        pixel |= 0xFF000000u;
    }
}

void GlDevice::ForgetTexture(const DeviceTexture* texture)
{
    if (texture == mTextureAsSet)
    {
        mTextureAsSet = nullptr;
        mTexture = nullptr;
    }
    if (texture == mRenderTarget)
    {
        mRenderTarget = nullptr;
    }
}

void GlDevice::Finish() const
{
    if (mContext->MakeCurrent())
    {
        mContext->Gl().Finish();
    }
}

} // namespace Platform

#pragma once

#include "engine/Render/Sprite.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Korrin
{

// A sprite with a list of frames stepped through at a speed, and one of three lists of timed keys that
// move it on screen ("DrawEx": place, scale, rotation and pivot; "DrawScale": place and size; "DrawClip":
// place and clip rectangle). Its texture coordinates may also scroll ("MoveUV").
class AnimatedSprite : public Sprite
{
public:
    // What happens at the end of the DrawEx or DrawClip keys.
    static constexpr std::uint8_t kTurnBack = 0;
    static constexpr std::uint8_t kStartAgain = 1;
    static constexpr std::uint8_t kHoldLast = 2;

    using DrawExKey = std::array<float, 8>;    // x, y, scale x, scale y, angle, pivot x, pivot y, time
    using DrawScaleKey = std::array<float, 5>; // x, y, width, height, time
    using DrawClipKey = std::array<float, 7>;  // x, y, clip left, top, right, bottom, time

    explicit AnimatedSprite(const std::string& image);
    AnimatedSprite(const std::string& table, const std::string& file);
    explicit AnimatedSprite(const LuaValue& table);
    ~AnimatedSprite() override;

    // Copies the look and the frame animation of another; not its texture nor its keys.
    AnimatedSprite& operator=(const AnimatedSprite& other);

    void ResetAnimation();
    void Load(const LuaValue& table);
    void SetFrames(std::uint16_t columns, std::uint16_t rows, std::uint32_t count, const Rect& origin);
    const Rect& GetFrameRect(std::uint16_t index) const;
    void Update(float dt);

    void Draw();
    void DrawAt(const Vector2& position);
    void DrawFrame(std::uint16_t frame, int x, int y);
    void DrawFrameAt(const Vector2& position, std::uint16_t frame);
    void DrawFrameTexture(const Vector2& position, std::uint16_t frame, Texture* texture);
    void DrawFrameEx(std::uint16_t frame, float x, float y, float scaleX, float scaleY, float angle,
                     float pivotX, float pivotY);
    void DrawFrameInRect(std::uint16_t frame, float x, float y, const Rect& clip);

    std::size_t GetFrameCount() const { return mFrames.size(); }
    std::uint16_t GetCurrentFrame() const { return mCurrentFrame; }
    float GetFramePosition() const { return mFramePosition; }
    float GetFrameSpeed() const { return mFrameSpeed; }
    void SetFrameSpeed(float speed) { mFrameSpeed = speed; }
    bool IsLooping() const { return mLoop; }
    void SetLoop(bool loop) { mLoop = loop; }
    std::uint8_t GetType() const { return mType; }
    float GetKeyTime() const { return mKeyTime; }
    float GetKeySpeed() const { return mKeySpeed; }
    const DrawExKey& GetDrawEx() const { return mDrawEx; }
    const DrawScaleKey& GetDrawScale() const { return mDrawScale; }
    const DrawClipKey& GetDrawClip() const { return mDrawClip; }
    const Vector2& GetUVSpeed() const { return mUVSpeed; }

private:
    void UpdateFrames(float dt);
    void UpdateKeys(float dt);
    template <std::size_t N>
    void RunKeys(const std::vector<std::array<float, N>>& keys, std::array<float, N>& current, bool swings,
                 bool holdTime);
    void ReadAnimation(const LuaValue& animation);
    void ReadKeys(const LuaValue& table);
    void DrawKeys(float x, float y);
    std::uint16_t ClampFrame(std::uint16_t frame) const;

    float mKeyTime = 0.0f;
    float mKeySpeed = 1.0f;
    std::vector<DrawExKey> mDrawExKeys;
    DrawExKey mDrawEx{};
    std::vector<DrawScaleKey> mDrawScaleKeys;
    DrawScaleKey mDrawScale{};
    std::vector<DrawClipKey> mDrawClipKeys;
    DrawClipKey mDrawClip{};
    std::uint8_t mType = kTurnBack;
    std::vector<Rect> mFrames;
    Vector2 mUVSpeed;
    std::uint16_t mCurrentFrame = 0;
    float mFramePosition = 0.0f;
    float mFrameSpeed = 1.0f;
    std::uint8_t mResetFlag = 1;
    bool mLoop = false;
    std::uint16_t mColumns = 1;
    std::uint16_t mRows = 1;
};

} // namespace Korrin

#pragma once

#include "engine/Render/NullSprite.h"
#include "engine/Util/SafeVector.h"

#include <cstdint>
#include <string>
#include <vector>

class LuaValue;

namespace Korrin
{
class Sprite;
} // namespace Korrin

// Leaves that sway in the wind: each is one shape of a shared leaf picture, placed, scaled and turned by
// a small angle that swings back and forth. The owner may raise the target speed (a gust); the sway then
// speeds up and eases back to the base speed.
class MenuLeaves : public Korrin::NullSprite
{
public:
    // The widest swing, in radians, above a leaf's base angle.
    static constexpr float kSwing = 0.0490625f;
    static constexpr float kDefaultSpeed = 0.05f;
    static constexpr float kMostSpeedFactor = 5.0f;

    struct LeafRect
    {
        Korrin::Rect source;
        float pivotX = 0.0f;
        float pivotY = 0.0f;
    };
    struct Leaf
    {
        float x = 0.0f;
        float y = 0.0f;
        Korrin::Colour colour;
        Korrin::Colour factor{1.0f, 1.0f, 1.0f, 1.0f};
        std::int32_t rect = 0;
        float baseAngle = 0.0f;
        float scale = 1.0f;
        float phase = 0.0f;
        float angle = 0.0f;
    };

    MenuLeaves();
    ~MenuLeaves() override;

    // Runs the script and reads its global table of that name, when it is one.
    void Load(const std::string& table, const std::string& file);
    void LoadFromTable(const LuaValue& table);
    void Update(float dt);
    void Draw();
    // Sets every leaf's colour factor; the leaves' own colours stay.
    void SetColour(float red, float green, float blue, float alpha) override;

    const std::vector<Leaf>& GetLeaves() const { return mLeaves; }
    const Korrin::SafeVector<LeafRect>& GetRects() const { return mRects; }
    Korrin::Sprite* GetLeafSprite() const { return mLeafSprite; }

    float baseSpeed = kDefaultSpeed;
    float swaySpeed = kDefaultSpeed;
    float targetSpeed = kDefaultSpeed;

private:
    Korrin::Sprite* mLeafSprite = nullptr; // the sprite manager's
    std::vector<Leaf> mLeaves;
    Korrin::SafeVector<LeafRect> mRects{"MenuLeaves::rects"};
};

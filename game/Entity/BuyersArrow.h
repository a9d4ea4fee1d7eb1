#pragma once

#include "game/Entity/Entity.h"

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// A buyers' signpost: type 2 where buyers come onto the field, 3 where they leave it. Buyers walk to its
// cell; it takes no mouse and has no panel, tasks nor price.
class BuyersArrow : public Entity
{
public:
    // Arrows on the far half of the screen from their kind's side are drawn mirrored.
    static constexpr float kScreenMiddle = 512.0f;

    explicit BuyersArrow(std::uint8_t type) { mType = type; }
    ~BuyersArrow() override;

    // Loads the arrow sprite, one frame per background type.
    void Init() override;
    bool Update(float /*dt*/) override { return false; }
    // The frame of the level's background type at (x, y - 49).
    void Draw() override;
    void ChangeGui() override {}
    void OnGuiEvent() override {}

    // Whether the arrow draws mirrored: an entry right of the middle, an exit left of it.
    bool IsMirrored() const;
    // The frame drawn for a background type: clamped to the last frame.
    static std::uint16_t FrameFor(std::uint32_t backgroundType, std::size_t frameCount);
    Korrin::AnimatedSprite* GetSprite() const { return mSprite; }

private:
    Korrin::AnimatedSprite* mSprite = nullptr;
};

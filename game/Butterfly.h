#pragma once

#include "engine/Util/SafeVector.h"
#include "game/ButterflyPoint.h"

#include <cstdint>
#include <string>

class LuaValue;
struct ButterflyList;

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// A decorative butterfly of the main menu or the map: it flies between resting points with a sideways
// wobble, lands from a little above, rests for a while (or until the pointer touches it, when its
// owner allows) and flies on to another point.
class Butterfly
{
public:
    enum State : std::uint32_t
    {
        kFlying = 0,
        kLanding = 1,
        kResting = 2,
        kTakingOff = 3,
    };
    // Below this speed (pixels per second) a flight would never end; data that gives less is raised.
    static constexpr float kLeastSpeed = 1.0f;

    explicit Butterfly(ButterflyList* owner);

    // Reads a butterfly table (an animated sprite with its flight keys); the name goes into log lines.
    void Load(const LuaValue& table, const std::string& name);
    // Reads a path table's points ("List2"), dropping repeats of the same place.
    void LoadPath(const LuaValue& table);

    // One frame: false when the butterfly has no points (it then does nothing).
    bool Update(float dt);
    bool PickTarget(bool restart);
    void NextState();
    void UpdatePosition();
    void UpdateFrame();
    bool IsUnderCursor() const;
    // Whether one of its resting points lies exactly at (x, y).
    bool HasPoint(float pointX, float pointY) const;
    void Draw() const;

    Korrin::AnimatedSprite* sprite = nullptr; // the sprite manager's
    std::uint16_t frame = 0;
    float baseScale = 1.0f;
    float scale = 1.0f;
    std::uint32_t style = 0;
    Korrin::SafeVector<ButterflyPoint> points{"Butterfly::points"};
    Korrin::SafeVector<std::uint16_t> flyFrames{"Butterfly::flyFrames"};
    Korrin::SafeVector<std::uint16_t> landingFrames{"Butterfly::landingFrames"};
    Korrin::SafeVector<std::uint16_t> sitFrames{"Butterfly::sitFrames"};
    Korrin::SafeVector<std::uint16_t> offFrames{"Butterfly::offFrames"};
    std::uint32_t state = kFlying;
    std::uint16_t from = 0;
    std::uint16_t to = 0;
    float time = 0.0f;
    float duration = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    float landingHeight = 20.0f;
    float speed = 0.0f;
    float amplitude = 0.0f;
    float wobble = 0.0f;
    float baseWobble = 0.0f;

private:
    void StartFlight();
    void UpdateScale();
    const Korrin::SafeVector<std::uint16_t>& FramesOfState() const;

    ButterflyList* mOwner;
};

// Adds a butterfly to the list from the tables of a file, with its owner's size for it, and restarts the
// list's butterflies (stopping at the first without points).
void LoadButterfly(ButterflyList& list, const std::string& file, const std::string& butterflyTable,
                   const std::string& pathTable, float baseScale);
void DrawButterflies(const ButterflyList& list);
// Frees every butterfly and empties the list; the sprites stay with the sprite manager.
void DeleteButterflies(ButterflyList& list);

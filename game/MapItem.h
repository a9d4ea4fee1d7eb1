#pragma once

#include "engine/Util/Vector2.h"

#include <cstdint>

class LuaValue;

// A decoration or marker of the world map: drawn with the item sheet's frame of its index, it appears
// (or goes) with its effect as the player's progress reaches it.
class MapItem
{
public:
    static constexpr std::uint32_t kBlink = 0;
    static constexpr std::uint32_t kSink = 1;
    static constexpr std::uint32_t kFade = 2;

    // What else the item does besides its picture.
    static constexpr std::uint16_t kMillWheels = 2;
    static constexpr std::uint16_t kWaterWheel = 3;
    static constexpr std::uint16_t kWaterWheelGoing = 4;
    static constexpr std::uint16_t kAnimals = 5;

    MapItem() = default;
    virtual ~MapItem() = default;
    MapItem(const MapItem&) = delete;
    MapItem& operator=(const MapItem&) = delete;

    // Reads an entry of "items"; a key that is missing or of the wrong type leaves the default.
    virtual void Load(const LuaValue& table);

    // The deeper item first.
    static bool CompareByZ(const MapItem* first, const MapItem* second) { return first->z > second->z; }

    // The fade's opacity now: rising while it appears, falling while it goes, whole when it stands.
    float FadeAlpha() const;
    // What the effects divide by: their length, or a tiny one when the data gives zero or less (the
    // effect then ends at once instead of dividing by zero).
    float EffectLength() const;

    std::uint32_t effect = kBlink;
    bool running = false;
    float time = 0.0f;
    float timeEffect = 1.5707964f;
    Korrin::Vector2 pos;
    bool visible = false;
    std::uint32_t index = 0;
    std::uint16_t functional = 0;
    float z = 0.0f;
};

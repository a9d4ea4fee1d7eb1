#pragma once

#include "engine/Util/Colour.h"
#include "game/ClipFade.h"
#include "game/ClipText.h"

#include <array>
#include <string>
#include <vector>

// The last clip: fireworks over the estate at night, the owner and the companion, the shop full of
// buyers, and the mill turning at sunset under a caption with the player's name.
class ClipScene6 : public ClipText
{
public:
    static constexpr int kNamedCaption = 5;
    static constexpr int kMillSails = 5; // part of "scene_6.3.anim"
    static constexpr float kSailTurn = 0.2f;

    ClipScene6();

    void Init() override;
    std::u16string_view CaptionText() const override;
    // The colours of the fading parts of the first animation: the windows (parts 14 and 15), the
    // early bursts (16 to 18) and the late bursts (11 to 13).
    const std::vector<Korrin::Colour>& GetColours(std::size_t list) const { return mColours[list]; }

protected:
    void Step(float dt, int phase) override;

private:
    struct Group
    {
        int firstPart = 0;
        std::size_t list = 0;
        ClipFade fade;
    };

    void Apply();

    std::array<std::vector<Korrin::Colour>, 3> mColours;
    std::array<Group, 3> mGroups;
    mutable std::u16string mNamedCaption;
};

#pragma once

#include "platform/Image.h"
#include "tools/CharacterPictures/Motions.h"
#include "tools/CharacterPictures/Parts.h"

#include <string>
#include <vector>

// What a figure is drawn with: its part pictures, the carry bone's sheet and, for a fairy, its wings.
struct FigureArt
{
    const Look* look = nullptr;
    std::vector<PartPicture> parts;
    const Platform::Image* carry = nullptr; // frames of 32 x 32 in rows of eight
    Platform::Image wings;                  // empty when it has none
    AnimationSet animations;
};

// A contact sheet for looking at the art: a row of poses for every figure, on a strip of ground,
// placed from the animation keys the way the game's skeleton places them.
Platform::Image ContactSheet(const std::vector<const FigureArt*>& figures);

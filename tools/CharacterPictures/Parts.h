#pragma once

#include "platform/Image.h"
#include "tools/CharacterPictures/Figure.h"
#include "tools/CharacterPictures/Look.h"

#include <string>
#include <vector>

// The picture of one bone: `frames` frames side by side, each frameWidth x frameHeight, with the
// joint (the bone's place) at (anchorX, anchorY) of a frame.
struct PartPicture
{
    BoneId bone = kBody;
    int frames = 1;
    int frameWidth = 0;
    int frameHeight = 0;
    float anchorX = 0.0f;
    float anchorY = 0.0f;
    Platform::Image image;
    int left = 0; // where the picture sits in the look's sheet
};

// The pictures of a look's bones (the carry bone's picture is shared and made elsewhere).
std::vector<PartPicture> PaintParts(const Look& look);

// The parts side by side in one picture; each part's `left` is set to its place.
Platform::Image PartsSheet(std::vector<PartPicture>& parts);

#pragma once

#include "platform/Image.h"
#include "tools/ClipPictures/Canvas.h"

#include <cstdint>
#include <functional>
#include <string>

// A picture cut into equal frames, row after row, as the sprites' "Animation" tables describe them.
struct FrameSheet
{
    int frameWidth = 0;
    int frameHeight = 0;
    int columns = 1;
    int count = 1;

    int Rows() const { return (count + columns - 1) / columns; }
    int Width() const { return frameWidth * columns; }
    int Height() const { return frameHeight * Rows(); }

    // A clear picture with every frame painted by the painter (its canvas, the frame's index).
    Platform::Image Paint(const std::function<void(Canvas&, int)>& painter) const
    {
        Platform::Image image;
        image.width = Width();
        image.height = Height();
        image.pixels.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height),
                            0u);
        for (int frame = 0; frame < count; ++frame)
        {
            Canvas canvas(image, (frame % columns) * frameWidth, (frame / columns) * frameHeight, frameWidth,
                          frameHeight);
            painter(canvas, frame);
        }
        return image;
    }

    // The sprite table that cuts the picture: name = { Image, SrcRect, Animation }.
    std::string LuaTable(const std::string& name, const std::string& image) const
    {
        return name + " = { Image = \"" + image + "\", SrcRect = { 0, 0, " + std::to_string(Width()) + ", " +
               std::to_string(Height()) + " },\n    Animation = { FramesCols = " + std::to_string(columns) +
               ", FramesRows = " + std::to_string(Rows()) + ", NumFrames = " + std::to_string(count) +
               " } }\n";
    }
};

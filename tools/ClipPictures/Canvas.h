#pragma once

#include "platform/Image.h"

#include <cstdint>
#include <utility>
#include <vector>

// Flat shapes painted with smooth edges (four samples a pixel) onto a region of a picture, in the
// region's own coordinates. Colours are 0xAARRGGBB; a shape is laid over what is there.
class Canvas
{
public:
    using Point = std::pair<float, float>;

    Canvas(Platform::Image& image, int left, int top, int width, int height)
        : mImage(image), mLeft(left), mTop(top), mWidth(width), mHeight(height)
    {
    }

    int Width() const { return mWidth; }
    int Height() const { return mHeight; }

    void Rect(float x0, float y0, float x1, float y1, std::uint32_t colour);
    // A rectangle whose colour runs from top to bottom.
    void Gradient(float x0, float y0, float x1, float y1, std::uint32_t top, std::uint32_t bottom);
    void Ellipse(float cx, float cy, float rx, float ry, std::uint32_t colour);
    void Circle(float cx, float cy, float r, std::uint32_t colour) { Ellipse(cx, cy, r, r, colour); }
    void Polygon(const std::vector<Point>& points, std::uint32_t colour);
    // A thick straight line with round ends.
    void Line(float x0, float y0, float x1, float y1, float width, std::uint32_t colour);
    // A digit 0 to 9 of seven straight strokes in a box w x h with its top-left corner at (x, y).
    void Digit(int digit, float x, float y, float w, float h, float strokeWidth, std::uint32_t colour);
    // A soft round glow: the colour at the centre, clear at the radius.
    void Glow(float cx, float cy, float r, std::uint32_t colour);
    // Ground whose top edge rolls in waves: filled below the edge, to the region's bottom.
    void Hills(float base, float height, float wave, float phase, std::uint32_t top, std::uint32_t bottom);

private:
    template <typename Inside>
    void Fill(float x0, float y0, float x1, float y1, std::uint32_t colour, Inside inside);
    void Blend(int x, int y, std::uint32_t colour, float coverage);

    Platform::Image& mImage;
    int mLeft;
    int mTop;
    int mWidth;
    int mHeight;
};

#pragma once

#include "platform/Image.h"
#include "tools/ClipPictures/Canvas.h"

#include <functional>
#include <string>
#include <vector>

// One place of a part at a time: its quad on the screen, with the bottom edge shifted sideways (a
// stride, a sway).
struct Key
{
    float time = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    float shift = 0.0f;
};

// A picture sheet of a composite visual and the description of its parts: each part is painted into
// a region of the sheet and moves through its keys. Written as a PNG and a file of "MeshList" and
// "ImageList" with one mesh table per part.
class Sheet
{
public:
    using Painter = std::function<void(Canvas&)>;

    // The picture's file name and a prefix that keeps the part tables' names apart from other files'.
    Sheet(std::string image, std::string prefix);

    // Adds a part painted on a region of width x height; every part has at least one key.
    void Add(const std::string& name, int width, int height, const Painter& painter, std::vector<Key> keys);
    // A part that stands still at its full size at (x, y).
    void AddStill(const std::string& name, int width, int height, float x, float y, const Painter& painter);
    // The picture (at a power-of-two height) and the description, into the folder.
    bool Write(const std::string& folder, const std::string& file) const;

private:
    struct Part
    {
        std::string table;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        std::vector<Key> keys;
    };

    std::string mImage;
    std::string mPrefix;
    Platform::Image mPicture;
    std::vector<Part> mParts;
    int mShelfX = 0;
    int mShelfY = 0;
    int mShelfHeight = 0;
};

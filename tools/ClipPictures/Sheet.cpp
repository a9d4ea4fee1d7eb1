#include "tools/ClipPictures/Sheet.h"

#include "tools/Common/Painting.h"

#include <cstdio>
#include <fstream>

namespace
{

constexpr int kSheetWidth = 1024;
constexpr int kMostHeight = 2048;
constexpr int kGap = 2;
// Each part is painted one pixel wider on every side than the rectangle it shows, so that filtering at
// its edges reads its own colours rather than its neighbours' or clear ones.
constexpr int kBleed = 1;

} // namespace

Sheet::Sheet(std::string image, std::string prefix) : mImage(std::move(image)), mPrefix(std::move(prefix))
{
    mPicture.width = kSheetWidth;
    mPicture.height = kMostHeight;
    mPicture.pixels.assign(static_cast<std::size_t>(kSheetWidth) * kMostHeight, 0u);
}

void Sheet::Add(const std::string& name, int width, int height, const Painter& painter, std::vector<Key> keys)
{
    const int paintedWidth = width + 2 * kBleed;
    const int paintedHeight = height + 2 * kBleed;
    if (mShelfX + paintedWidth > kSheetWidth)
    {
        mShelfX = 0;
        mShelfY += mShelfHeight + kGap;
        mShelfHeight = 0;
    }
    if (mShelfY + paintedHeight > kMostHeight)
    {
        std::fprintf(stderr, "%s: the sheet is full at %s\n", mImage.c_str(), name.c_str());
        return;
    }
    Canvas canvas(mPicture, mShelfX, mShelfY, paintedWidth, paintedHeight);
    painter(canvas);
    mParts.push_back(
        Part{mPrefix + name, mShelfX + kBleed, mShelfY + kBleed, width, height, std::move(keys)});
    mShelfX += paintedWidth + kGap;
    mShelfHeight = std::max(mShelfHeight, paintedHeight);
}

void Sheet::AddStill(const std::string& name, int width, int height, float x, float y, const Painter& painter)
{
    Add(name, width, height, painter,
        {Key{0.0f, x, y, static_cast<float>(width), static_cast<float>(height), 0.0f}});
}

bool Sheet::Write(const std::string& folder, const std::string& file) const
{
    int height = 64;
    while (height < mShelfY + mShelfHeight)
    {
        height *= 2;
    }
    Platform::Image picture;
    picture.width = kSheetWidth;
    picture.height = height;
    picture.pixels.assign(mPicture.pixels.begin(),
                          mPicture.pixels.begin() + static_cast<std::ptrdiff_t>(kSheetWidth) * height);
    if (!Painting::WritePng(picture, folder + "/" + mImage))
    {
        return false;
    }
    std::ofstream out(folder + "/" + file);
    out << "-- Generated with its picture \"" << mImage << "\": one mesh per part, moved by its keys\n"
        << "-- (time, then the corners top-left, top-right, bottom-left, bottom-right).\n";
    out << "MeshList = {";
    for (const Part& part : mParts)
    {
        out << " \"" << part.table << "\",";
    }
    out << " }\nImageList = { \"" << mImage << "\" }\n";
    for (const Part& part : mParts)
    {
        out << "\n"
            << part.table << " = {\n    Image = \"" << mImage << "\",\n    NumsCell = { 2, 2 },\n"
            << "    MeshSize = { " << part.width << ", " << part.height << " },\n"
            << "    SrcRect = { " << part.left << ", " << part.top << ", " << part.left + part.width << ", "
            << part.top + part.height << " },\n    Animation = {\n        FramesList = {\n";
        for (const Key& key : part.keys)
        {
            const float right = key.x + key.width;
            const float bottom = key.y + key.height;
            out << "            { " << key.time << ", " << key.x << ", " << key.y << ", " << right << ", "
                << key.y << ", " << key.x + key.shift << ", " << bottom << ", " << right + key.shift << ", "
                << bottom << " },\n";
        }
        out << "        },\n    },\n}\n";
    }
    return static_cast<bool>(out);
}

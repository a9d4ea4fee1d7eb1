#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Canvas;

// The production buildings' sample art, kind by kind.
namespace BuildingArt
{

// What a kind's looks share: its file stem, its paint and the work its building shows.
struct Kind
{
    const char* stem;
    int ordinal;
    bool fairy;
    std::uint32_t roof;
    std::uint32_t wall;
    // The part a working look addresses: none, a scrolling juice tube, a turning sail wheel, or a part
    // whose picture steps through the frames of "Working1" to "Working3".
    enum Work
    {
        kNone,
        kTube,
        kWheel,
        kFrames
    } work;
};

const std::vector<Kind>& Kinds();

// The product a kind makes, painted as an icon into the square (x, y, size) of a canvas.
void PaintProduct(Canvas& canvas, int ordinal, float x, float y, float size);

bool WriteKind(const Kind& kind, const std::string& folder);
// "BuyBuilding.lua" with its picture, the worker-wanted signs and the finished-work sparkle.
bool WriteSigns(const std::string& folder);
// The progress bar, its fill and the bar's icons, named by "GuiBuilding.lua".
bool WriteProgressBar(const std::string& folder);

} // namespace BuildingArt

#include "tools/MapPictures/MapLayout.h"

#include <algorithm>
#include <cmath>

namespace MapLayout
{

namespace
{

bool InQuad(float x, float y, const std::array<Point, 4>& quad)
{
    // A point is inside a convex or simple quadrilateral when a ray crosses its edges an odd number of times.
    bool inside = false;
    for (std::size_t i = 0, j = quad.size() - 1; i < quad.size(); j = i++)
    {
        const Point& a = quad[i];
        const Point& b = quad[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
        {
            inside = !inside;
        }
    }
    return inside;
}

} // namespace

bool IsWater(float x, float y)
{
    for (const Water& water : MapWater::Shapes())
    {
        if (std::string(water.table) == "pond")
        {
            // The pond's mesh fills a rectangle; its bank shows an oval of it.
            const float dx = (x - 228.0f) / 176.0f;
            const float dy = (y - 449.0f) / 44.0f;
            if (dx * dx + dy * dy <= 1.0f)
            {
                return true;
            }
            continue;
        }
        for (std::size_t row = 0; row + 1 < water.rows.size(); ++row)
        {
            const WaterRow& top = water.rows[row];
            const WaterRow& bottom = water.rows[row + 1];
            if (InQuad(x, y, {top.left, top.right, bottom.right, bottom.left}))
            {
                return true;
            }
        }
    }
    return false;
}

const std::vector<Point>& PathBends()
{
    static const std::vector<Point> bends{
        {50, 740},  {180, 728}, {300, 742}, {420, 728}, {540, 738}, {590, 690}, {520, 642},
        {400, 628}, {280, 642}, {160, 626}, {62, 640},  {36, 590},  {110, 548}, {240, 538},
        {360, 550}, {480, 540}, {560, 532}, {620, 516}, {690, 510}, {742, 470}, {768, 404},
        {726, 346}, {770, 296}, {700, 258}, {600, 250}, {500, 240}, {400, 256}, {300, 240},
    };
    return bends;
}

namespace
{

// The path as points half a pixel apart along it.
std::vector<Point> SamplePath()
{
    const std::vector<Point>& bends = PathBends();
    std::vector<Point> samples{bends.front()};
    for (std::size_t i = 0; i + 1 < bends.size(); ++i)
    {
        const float length = std::hypot(bends[i + 1].x - bends[i].x, bends[i + 1].y - bends[i].y);
        const int steps = std::max(1, static_cast<int>(std::ceil(length * 2.0f)));
        for (int step = 1; step <= steps; ++step)
        {
            const float t = static_cast<float>(step) / static_cast<float>(steps);
            samples.push_back({bends[i].x + (bends[i + 1].x - bends[i].x) * t,
                               bends[i].y + (bends[i + 1].y - bends[i].y) * t});
        }
    }
    return samples;
}

// Walks the path and drops a foot wherever the straight distance from the last one reaches gap.
std::vector<Point> FeetAtGap(const std::vector<Point>& samples, float gap, std::size_t most)
{
    std::vector<Point> feet{samples.front()};
    for (const Point& sample : samples)
    {
        if (feet.size() >= most)
        {
            break;
        }
        if (std::hypot(sample.x - feet.back().x, sample.y - feet.back().y) >= gap)
        {
            feet.push_back(sample);
        }
    }
    return feet;
}

} // namespace

std::vector<Point> ButtonPositions()
{
    // Buttons an even straight distance apart, the widest that still fits them all on the path: spaced by
    // the length along the path instead, those at a sharp bend would come closer and overlap.
    const std::vector<Point> samples = SamplePath();
    const auto count = static_cast<std::size_t>(kButtons);
    float low = 1.0f;
    float high = 200.0f;
    for (int round = 0; round < 40; ++round)
    {
        const float middle = 0.5f * (low + high);
        (FeetAtGap(samples, middle, count).size() >= count ? low : high) = middle;
    }
    std::vector<Point> positions;
    for (const Point& foot : FeetAtGap(samples, low, count))
    {
        positions.push_back({std::round(foot.x - kButtonFoot.x), std::round(foot.y - kButtonFoot.y)});
    }
    return positions;
}

std::vector<Item> Items()
{
    return {
        {"flowers", {70, 668}, 70, 30, 2, false, 0, 1},     {"fence", {190, 670}, 90, 28, 2, false, 0, 1},
        {"haystack", {418, 426}, 50, 42, 1, false, 0, 2},   {"cottage", {805, 336}, 64, 60, 2, false, 0, 3},
        {"tree", {652, 356}, 44, 66, 0, false, 0, 2},       {"flowers", {330, 668}, 70, 30, 2, false, 0, 1},
        {"hedge", {150, 568}, 90, 24, 2, false, 0, 1},      {"well", {426, 470}, 40, 42, 2, false, 0, 2},
        {"tree", {195, 246}, 56, 80, 0, false, 0, 3},       {"scarecrow", {380, 300}, 36, 60, 2, false, 0, 2},
        {"cottage", {350, 166}, 56, 52, 2, false, 0, 4},    {"pumpkins", {450, 668}, 70, 30, 2, false, 0, 1},
        {"hedge", {300, 568}, 90, 24, 2, false, 0, 1},      {"chapel", {520, 146}, 60, 70, 2, false, 0, 4},
        {"tree", {890, 446}, 56, 72, 0, false, 0, 3},       {"tree", {952, 466}, 56, 72, 0, false, 0, 3},
        {"beehives", {900, 540}, 64, 36, 2, false, 0, 2},   {"barn", {640, 164}, 72, 54, 2, false, 0, 4},
        {"haystack", {815, 418}, 48, 40, 1, false, 0, 2},   {"reeds", {385, 450}, 36, 40, 2, false, 0, 2},
        {"cart", {760, 600}, 60, 40, 2, false, 0, 2},       {"stall", {792, 536}, 70, 56, 2, false, 0, 2},
        {"cottage", {760, 168}, 56, 52, 2, false, 0, 4},    {"windmill", {930, 160}, 80, 116, 2, false, 0, 4},
        {"tree", {878, 196}, 50, 70, 0, false, 0, 4},       {"bush", {560, 565}, 56, 28, 2, false, 0, 1},
        {"flowers", {962, 296}, 52, 28, 2, false, 0, 1},    {"tree", {2, 368}, 44, 64, 0, false, 0, 3},
        {"fallen tree", {420, 184}, 80, 34, 2, true, 0, 0}, {"brambles", {268, 298}, 150, 92, 2, true, 5, 1},
        {"mill", {452, 282}, 176, 128, 3, true, 2, 3},      {"water mill", {40, 288}, 84, 72, 3, true, 3, 3},
        {"jetty", {300, 468}, 50, 30, 2, false, 0, 1},
    };
}

} // namespace MapLayout

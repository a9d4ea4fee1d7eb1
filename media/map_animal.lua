-- The world map's animals, each entry { x, y, sprite table, period, scale, enabled, alpha }. The first
-- three (sheep) graze once the brambles are cleared; 6 to 8 (hens by the mill) hide while the mill
-- appears.
local function Sheet(row, loop)
    local frames = {}
    for frame = 0, 3 do
        frames[#frames + 1] = { frame * 48, row * 36, frame * 48 + 48, row * 36 + 36 }
    end
    return { Image = "map_animals.png", SrcRect = frames[1], Animation = { Loop = loop, FramesList = frames } }
end

Sheep = Sheet(0, 0)
Duck = Sheet(1, 1)
Chicken = Sheet(2, 0)
Cow = Sheet(3, 0)

AllObjects = {
    { 292, 318, "Sheep", 5, 0.8, 1, 1.0 },
    { 346, 342, "Sheep", 7, 0.8, 1, 1.0 },
    { 300, 352, "Sheep", 4, 0.7, 1, 1.0 },
    { 120, 430, "Duck", 0, 0.6, 1, 1.0 },
    { 196, 452, "Duck", 0, 0.55, 1, 1.0 },
    { 270, 428, "Duck", 0, 0.6, 1, 1.0 },
    { 470, 400, "Chicken", 3, 0.5, 1, 1.0 },
    { 500, 408, "Chicken", 5, 0.5, 1, 1.0 },
    { 440, 396, "Chicken", 4, 0.5, 1, 1.0 },
    { 826, 470, "Cow", 8, 0.9, 1, 1.0 },
}

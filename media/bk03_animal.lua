-- The grazing animals of backdrop 3, grazing all the time (the sheep's animation loops); each entry is
-- { x, y, sprite table, period, scale, enabled, alpha }.
Sheep = {
    Image = "animals.png",
    SrcRect = { 0, 0, 64, 48 },
    Animation = {
        Loop = 1,
        FramesList = { { 0, 0, 64, 48 }, { 64, 0, 128, 48 }, { 128, 0, 192, 48 }, { 192, 0, 256, 48 } },
    },
}
AllObjects = {
    { 600, 300, "Sheep", 6, 1.0, 1, 1.0 },
    { 700, 320, "Sheep", 9, 0.8, 1, 1.0 },
    { 420, 470, "Sheep", 0, 1.0, 1, 1.0 },
}

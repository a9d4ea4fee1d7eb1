-- Animated scenery of the levels: a waving flag in four frames.
Flag = {
    Image = "scenery_flag.png",
    SrcRect = { 0, 0, 64, 64 },
    Animation = {
        Loop = 1,
        Speed = 6,
        FramesList = { { 0, 0, 64, 64 }, { 64, 0, 128, 64 }, { 128, 0, 192, 64 }, { 192, 0, 256, 64 } },
    },
    DrawScale = { { 0, 0, 64, 64, 0 } },
}

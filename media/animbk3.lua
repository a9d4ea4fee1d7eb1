-- Animated scenery of the levels: a waving flag.
Flag = {
    Image = "scenery_flag.png",
    SrcRect = { 0, 0, 256, 64 },
    Animation = { FramesCols = 4, FramesRows = 1, NumFrames = 4, Loop = 1, Speed = 6 },
    DrawScale = { { 0, 0, 64, 64, 0 } },
}

-- Two birds crossing the sky of backdrop 3, four wing frames each.
Bird = {
    Image = "bird.png",
    SrcRect = { 0, 0, 256, 32 },
    Animation = { FramesCols = 4, FramesRows = 1, NumFrames = 4, Loop = 1, Speed = 10 },
}
BirdPath1 = { Velocity = 100, Loop = 1, List2 = { { -60, 130 }, { 380, 90 }, { 760, 150 }, { 1100, 110 } } }
BirdPath2 = { Velocity = 100, Loop = 1, List2 = { { 1100, 60 }, { 700, 110 }, { 300, 70 }, { -60, 120 } } }

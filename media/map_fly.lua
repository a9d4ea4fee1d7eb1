-- The world map's butterflies: three butterfly tables (the first flies twice) and four paths of
-- resting points {x, y, size factor} over the map.

-- A blue one.
Butterfly1 = {
    Image = "butterflies.png",
    SrcRect = {0, 64, 64, 128},
    Animation = {
        FramesList = {
                {0, 64, 64, 128},
                {64, 64, 128, 128},
                {128, 64, 192, 128},
                {192, 64, 256, 128},
                {256, 64, 320, 128},
                {320, 64, 384, 128},
        },
    },
    Style = 0,
    V = 36, A = 14, W = 2.2, dV = 9, dA = 3, dW = 0.5,
    LandingHeight = 24,
    FrameFly2 = { {1, 0}, {2, 0}, {3, 0}, {4, 0} },
    FrameLanding2 = { {1, 0}, {4, 0} },
    FrameSit2 = { {5, 0}, {5, 0}, {4, 0}, {5, 0} },
    FrameOff2 = { {2, 0}, {1, 0} },
}

-- An orange one.
Butterfly2 = {
    Image = "butterflies.png",
    SrcRect = {0, 0, 64, 64},
    Animation = {
        FramesList = {
                {0, 0, 64, 64},
                {64, 0, 128, 64},
                {128, 0, 192, 64},
                {192, 0, 256, 64},
                {256, 0, 320, 64},
                {320, 0, 384, 64},
        },
    },
    Style = 0,
    V = 40, A = 16, W = 2.0, dV = 10, dA = 3, dW = 0.5,
    LandingHeight = 24,
    FrameFly2 = { {1, 0}, {2, 0}, {3, 0}, {4, 0} },
    FrameLanding2 = { {1, 0}, {4, 0} },
    FrameSit2 = { {5, 0}, {5, 0}, {4, 0}, {5, 0} },
    FrameOff2 = { {2, 0}, {1, 0} },
}

-- A pale yellow one.
Butterfly3 = {
    Image = "butterflies.png",
    SrcRect = {0, 192, 64, 256},
    Animation = {
        FramesList = {
                {0, 192, 64, 256},
                {64, 192, 128, 256},
                {128, 192, 192, 256},
                {192, 192, 256, 256},
                {256, 192, 320, 256},
                {320, 192, 384, 256},
        },
    },
    Style = 0,
    V = 32, A = 12, W = 2.4, dV = 8, dA = 3, dW = 0.5,
    LandingHeight = 24,
    FrameFly2 = { {1, 0}, {2, 0}, {3, 0}, {4, 0} },
    FrameLanding2 = { {1, 0}, {4, 0} },
    FrameSit2 = { {5, 0}, {5, 0}, {4, 0}, {5, 0} },
    FrameOff2 = { {2, 0}, {1, 0} },
}

-- Near the first levels.
Path1 = { List2 = { {200, 500, 1}, {320, 420, 0.9}, {140, 380, 0.9} } }

-- In the middle of the map.
Path2 = { List2 = { {520, 560, 1}, {620, 470, 0.9}, {470, 430, 0.8} } }

-- At the right.
Path3 = { List2 = { {820, 420, 1}, {900, 560, 1.1}, {740, 330, 0.9} } }

-- Over the far hills.
Path4 = { List2 = { {380, 220, 0.8}, {560, 180, 0.7}, {700, 240, 0.8} } }

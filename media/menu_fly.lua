-- The main menu's butterflies: four butterfly tables (animated sprites of "butterflies.png", a row of
-- six frames each: wings open to folded, and at rest) with their flight keys, and four paths of
-- resting points {x, y, size factor} over the menu's picture.

-- An orange one.
Butterfly1 = {
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
    V = 40, A = 18, W = 2.2, dV = 10, dA = 3, dW = 0.5,
    LandingHeight = 24,
    FrameFly2 = { {1, 0}, {2, 0}, {3, 0}, {4, 0} },
    FrameLanding2 = { {1, 0}, {4, 0} },
    FrameSit2 = { {5, 0}, {5, 0}, {4, 0}, {5, 0} },
    FrameOff2 = { {2, 0}, {1, 0} },
}

-- A blue one.
Butterfly2 = {
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
    V = 34, A = 22, W = 2.0, dV = 8.5, dA = 3, dW = 0.5,
    LandingHeight = 24,
    FrameFly2 = { {1, 0}, {2, 0}, {3, 0}, {4, 0} },
    FrameLanding2 = { {1, 0}, {4, 0} },
    FrameSit2 = { {5, 0}, {5, 0}, {4, 0}, {5, 0} },
    FrameOff2 = { {2, 0}, {1, 0} },
}

-- A pink one.
Butterfly3 = {
    Image = "butterflies.png",
    SrcRect = {0, 128, 64, 192},
    Animation = {
        FramesList = {
                {0, 128, 64, 192},
                {64, 128, 128, 192},
                {128, 128, 192, 192},
                {192, 128, 256, 192},
                {256, 128, 320, 192},
                {320, 128, 384, 192},
        },
    },
    Style = 0,
    V = 30, A = 16, W = 2.6, dV = 7.5, dA = 3, dW = 0.5,
    LandingHeight = 24,
    FrameFly2 = { {1, 0}, {2, 0}, {3, 0}, {4, 0} },
    FrameLanding2 = { {1, 0}, {4, 0} },
    FrameSit2 = { {5, 0}, {5, 0}, {4, 0}, {5, 0} },
    FrameOff2 = { {2, 0}, {1, 0} },
}

-- A pale yellow one.
Butterfly4 = {
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
    V = 44, A = 20, W = 1.8, dV = 11, dA = 3, dW = 0.5,
    LandingHeight = 24,
    FrameFly2 = { {1, 0}, {2, 0}, {3, 0}, {4, 0} },
    FrameLanding2 = { {1, 0}, {4, 0} },
    FrameSit2 = { {5, 0}, {5, 0}, {4, 0}, {5, 0} },
    FrameOff2 = { {2, 0}, {1, 0} },
}

-- Over the flowers at the left.
Path1 = { List2 = { {150, 610, 1}, {330, 540, 0.8}, {90, 450, 0.9}, {260, 700, 1.1} } }

-- In the middle of the meadow.
Path2 = { List2 = { {520, 620, 1}, {640, 560, 0.9}, {430, 520, 0.8} } }

-- At the right, below the buttons.
Path3 = { List2 = { {880, 640, 1}, {700, 700, 1.1}, {960, 520, 0.9} } }

-- High over the hills.
Path4 = { List2 = { {300, 300, 0.7}, {600, 250, 0.6}, {450, 400, 0.8} } }

-- The moving sky behind backdrop 1: a picture stretched over the top of the screen, drifting sideways.
Sky = {
    Image = "sky1.jpg",
    SrcRect = { 0, 0, 512, 256 },
    MoveUV = { 0.004, 0 },
    DrawScale = { { 0, 0, 1024, 440, 0 } },
}

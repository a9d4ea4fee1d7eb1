-- The buyers' signposts at the field's entrance and exit: one frame per background type, pointing right
-- (the game mirrors the ones that must point left).
BuyersArrow = {
    Image = "buyers_arrow.png",
    SrcRect = { 0, 0, 256, 73 },
    Animation = { FramesCols = 4, FramesRows = 1, NumFrames = 4 },
}

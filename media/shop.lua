-- The shop's pictures. The money figure's spinning coin: eight frames of 24 x 24.
MoneyAnimatedSprite = {
    Image = "coin.png",
    SrcRect = { 0, 0, 192, 24 },
    Animation = { FramesCols = 8, FramesRows = 1, NumFrames = 8, Loop = 1, Speed = 15 },
}

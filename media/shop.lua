-- The shop's pictures. The money figure's spinning coin: eight frames of 24 x 24.
MoneyAnimatedSprite = {
    Image = "coin.png",
    SrcRect = { 0, 0, 192, 24 },
    Animation = { FramesCols = 8, FramesRows = 1, NumFrames = 8, Loop = 1, Speed = 15 },
}

-- The goods in a shop or storehouse box: one frame per dense goods index, as on the goal strip.
ShopObj = {
    Image = "panel_goods.png",
    SrcRect = { 0, 0, 672, 24 },
    Animation = { FramesCols = 28, FramesRows = 1, NumFrames = 28 },
}

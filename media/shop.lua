-- The shop's pictures. The money figure's spinning coin: eight frames of 24 x 24.
MoneyAnimatedSprite = {
    Image = "coin.png",
    SrcRect = { 0, 0, 192, 24 },
    Animation = { FramesCols = 8, FramesRows = 1, NumFrames = 8, Loop = 1, Speed = 15 },
}

-- The goods in a shop or storehouse box: one frame per dense goods index, the goods standing in the part
-- of the frame that a box's opening shows.
ShopObj = {
    Image = "store_goods.png",
    SrcRect = { 0, 0, 1120, 28 },
    Animation = { FramesCols = 28, FramesRows = 1, NumFrames = 28 },
}

-- The stall with its awning and counter, one frame per shop level.
Shop = {
    Image = "shop_stall.png",
    SrcRect = { 0, 0, 750, 208 },
    Animation = { FramesCols = 5, FramesRows = 1, NumFrames = 5 },
}
-- The wall of shelves behind the counter, from shop level 1 (frame = level).
Back = {
    Image = "shop_back.png",
    SrcRect = { 0, 0, 650, 130 },
    Animation = { FramesCols = 5, FramesRows = 1, NumFrames = 5 },
}
-- A half's goods cabinet, one frame per shop level.
MainBox = {
    Image = "shop_cabinet.png",
    SrcRect = { 0, 0, 620, 152 },
    Animation = { FramesCols = 5, FramesRows = 1, NumFrames = 5 },
}
-- Planks over a row of a half that is not open yet.
LockDoor = {
    Image = "shop_lockdoor.png",
    SrcRect = { 0, 0, 62, 32 },
    Animation = { FramesCols = 1, FramesRows = 1, NumFrames = 1 },
}
-- The plinth where the right cabinet will stand, one frame per shop level.
FoundationStoreShop = {
    Image = "shop_foundation.png",
    SrcRect = { 0, 0, 600, 55 },
    Animation = { FramesCols = 5, FramesRows = 1, NumFrames = 5 },
}

-- Where the pictures stand, from the shop's anchor: the stall by level (1 to 5 for levels 0 to 4), the
-- back wall by level (2 to 5), and the left and right cabinets.
ShopOffset1 = { -18, -184 }
ShopOffset2 = { -18, -184 }
ShopOffset3 = { -18, -184 }
ShopOffset4 = { -18, -184 }
ShopOffset5 = { -18, -184 }
BackOffset2 = { -8, -165 }
BackOffset3 = { -8, -165 }
BackOffset4 = { -8, -165 }
BackOffset5 = { -8, -165 }
MainBoxOffsetL = { -116, -127 }
MainBoxOffsetR = { 110, -127 }

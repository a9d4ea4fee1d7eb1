-- The storehouse's pictures ("Storehouse.lua" is this file too: names are found whatever their case).
-- The lid of a goods box, hinged at its lower left corner.
BackDoor = { Image = "store_lid.png", SrcRect = { 0, 0, 40, 20 } }

-- The front with its three by four boxes.
Storehouse = { Image = "storehouse_front.png", SrcRect = { 0, 0, 124, 156 } }
-- Roof and foundation, one frame per storehouse level.
Roof = {
    Image = "storehouse_roof.png",
    SrcRect = { 0, 0, 544, 22 },
    Animation = { FramesCols = 4, FramesRows = 1, NumFrames = 4 },
}
Foundation = {
    Image = "storehouse_foundation.png",
    SrcRect = { 0, 0, 520, 23 },
    Animation = { FramesCols = 4, FramesRows = 1, NumFrames = 4 },
}
-- The flag pole and the flag: frame 0 hangs still, the others wave.
Pillar = {
    Image = "storehouse_pole.png",
    SrcRect = { 0, 0, 27, 182 },
    Animation = { FramesCols = 1, FramesRows = 1, NumFrames = 1 },
}
Flag = {
    Image = "storehouse_flag.png",
    SrcRect = { 0, 0, 1240, 48 },
    Animation = { FramesCols = 20, FramesRows = 1, NumFrames = 20 },
}
-- Boards over a row of boxes not yet open, one frame per storehouse level.
LockDoor = {
    Image = "storehouse_lockdoor.png",
    SrcRect = { 0, 0, 448, 32 },
    Animation = { FramesCols = 4, FramesRows = 1, NumFrames = 4 },
}

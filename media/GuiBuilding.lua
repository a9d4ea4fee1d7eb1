-- The icons of the entities' order queues, 23 x 23 each: a free place, a locked place, then the goods.
BuildingTaskList = {
    Image = "building_tasks.png",
    SrcRect = { 0, 0, 989, 23 },
    Animation = { FramesCols = 43, FramesRows = 1, NumFrames = 43 },
}
-- A building's progress bar: the frame with its glass tube, the fill that rises in it (100 pixels), and
-- the icons above and below the tube: the product with a dot per unit still to come, and the product.
Progressbar = { Image = "building_bar.png", SrcRect = { 0, 0, 42, 156 } }
Progressbar1 = { Image = "building_bar.png", SrcRect = { 48, 0, 72, 100 } }
IconsProgressList = {
    Image = "building_icons.png",
    SrcRect = { 0, 0, 1118, 26 },
    Animation = { FramesCols = 43, FramesRows = 1, NumFrames = 43 },
}

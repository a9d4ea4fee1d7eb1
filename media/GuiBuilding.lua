-- The icons of the entities' order queues, 23 x 23 each: a free place, a locked place, then the goods.
BuildingTaskList = {
    Image = "building_tasks.png",
    SrcRect = { 0, 0, 989, 23 },
    Animation = { FramesCols = 43, FramesRows = 1, NumFrames = 43 },
}

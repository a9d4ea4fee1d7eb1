-- The level loading screen: the scene's pictures at their places. The hedge stands in front of the
-- characters' feet; the fence and the ground grow from left to right with the progress.
Background = { Image = "level_load_back.jpg", Pos = { 0, 0 }, SrcRect = { 0, 0, 1024, 768 } }
BackgroundFence = { Image = "level_load_hedge.png", Pos = { 0, 540 }, SrcRect = { 0, 0, 1024, 80 } }
Fence = { Image = "level_load_fence.png", Pos = { 0, 580 }, SrcRect = { 0, 0, 1024, 120 } }
Ground = { Image = "level_load_ground.png", Pos = { 0, 668 }, SrcRect = { 0, 0, 1024, 100 } }
Fairy = { Image = "level_load_fairy.png", Pos = { 300, 430 }, SrcRect = { 0, 0, 96, 160 } }
Gardener = { Image = "level_load_gardener.png", Pos = { 620, 470 }, SrcRect = { 0, 0, 96, 160 } }
Girl = { Image = "level_load_girl.png", Pos = { 480, 440 }, SrcRect = { 0, 0, 96, 160 } }
Boy = { Image = "level_load_boy.png", Pos = { 700, 440 }, SrcRect = { 0, 0, 96, 160 } }

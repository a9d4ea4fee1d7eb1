-- The river of backdrop 4; the game lays its four corners across the foot of the picture.
river_1 = { Image = "water.jpg", NumsCell = { 2, 2 }, MeshSize = { 2048, 1536 }, SrcRect = { 0, 0, 512, 768 } }

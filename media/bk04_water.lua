-- The river across the foot of backdrop 4.
river_1 = { Image = "water.jpg", NumsCell = { 2, 2 }, MeshSize = { 2048, 1536 }, SrcRect = { 0, 0, 512, 768 } }

-- The river of backdrop 1: two columns by four rows of vertices; the game lays them along the banks.
Wat1 = { Image = "water.jpg", NumsCell = { 2, 4 }, MeshSize = { 2048, 963 }, SrcRect = { 0, 0, 512, 722 } }

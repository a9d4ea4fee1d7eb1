-- The river and the pond of backdrop 3, each over the whole picture; the picture's clear parts show them.
river_1 = { Image = "water.jpg", NumsCell = { 2, 2 }, MeshSize = { 2048, 1420 }, SrcRect = { 0, 0, 512, 710 } }
pond = { Image = "water.jpg", NumsCell = { 2, 2 }, MeshSize = { 2048, 1420 }, SrcRect = { 0, 0, 384, 512 } }

-- Loading scene 6: Two flowers open on the right.
MeshList = { "FlowerLeft", "FlowerRight" }

FlowerLeft = {
    Image = "level_load_scene.png",
    NumsCell = { 2, 2 },
    MeshSize = { 128, 128 },
    SrcRect = { 0, 128, 128, 256 },
    Animation = {
        FramesList = {
            { 0, 860, 660, 908, 660, 860, 672, 908, 672 },
            { 1.2, 840, 590, 936, 590, 840, 686, 936, 686 },
        },
    },
}

FlowerRight = {
    Image = "level_load_scene.png",
    NumsCell = { 2, 2 },
    MeshSize = { 128, 128 },
    SrcRect = { 0, 128, 128, 256 },
    Animation = {
        FramesList = {
            { 0, 940, 670, 980, 670, 940, 680, 980, 680 },
            { 0.3, 940, 670, 980, 670, 940, 680, 980, 680 },
            { 1.2, 930, 610, 1010, 610, 930, 690, 1010, 690 },
        },
    },
}

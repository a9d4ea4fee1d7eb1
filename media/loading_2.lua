-- Loading scene 2: A cloud drifts to the right.
MeshList = { "Cloud" }

Cloud = {
    Image = "level_load_scene.png",
    NumsCell = { 2, 2 },
    MeshSize = { 128, 128 },
    SrcRect = { 128, 0, 256, 128 },
    Animation = {
        FramesList = {
            { 0, 120, 140, 248, 140, 120, 268, 248, 268 },
            { 1.2, 260, 130, 388, 130, 260, 258, 388, 258 },
        },
    },
}

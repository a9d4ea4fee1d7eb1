-- Loading scene 4: A bird crosses the sky.
MeshList = { "Bird" }

Bird = {
    Image = "level_load_scene.png",
    NumsCell = { 2, 2 },
    MeshSize = { 128, 128 },
    SrcRect = { 128, 128, 256, 256 },
    Animation = {
        FramesList = {
            { 0, -130, 220, -2, 220, -130, 348, -2, 348 },
            { 0.6, 300, 180, 410, 180, 300, 290, 410, 290 },
            { 1.2, 560, 240, 656, 240, 560, 336, 656, 336 },
        },
    },
}

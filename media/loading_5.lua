-- Loading scene 5: A small cloud follows.
MeshList = { "SmallCloud" }

SmallCloud = {
    Image = "level_load_scene.png",
    NumsCell = { 2, 2 },
    MeshSize = { 128, 128 },
    SrcRect = { 128, 0, 256, 128 },
    Animation = {
        FramesList = {
            { 0, 520, 60, 584, 60, 520, 124, 584, 124 },
            { 1.2, 600, 70, 680, 70, 600, 150, 680, 150 },
        },
    },
}

-- Loading scene 1: The sun rises over the hills.
MeshList = { "Sun" }

Sun = {
    Image = "level_load_scene.png",
    NumsCell = { 2, 2 },
    MeshSize = { 128, 128 },
    SrcRect = { 0, 0, 128, 128 },
    Animation = {
        FramesList = {
            { 0, 820, 300, 948, 300, 820, 428, 948, 428 },
            { 1.2, 820, 110, 948, 110, 820, 238, 948, 238 },
        },
    },
}

-- Loading scene 3: A flower opens by the fence.
MeshList = { "Flower" }

Flower = {
    Image = "level_load_scene.png",
    NumsCell = { 2, 2 },
    MeshSize = { 128, 128 },
    SrcRect = { 0, 128, 128, 256 },
    Animation = {
        FramesList = {
            { 0, 150, 640, 214, 640, 150, 656, 214, 656 },
            { 1.2, 120, 560, 248, 560, 120, 688, 248, 688 },
        },
    },
}

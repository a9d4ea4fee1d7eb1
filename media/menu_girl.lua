-- The girl of the main menu, in parts of "menu_girl.png": her skirt, apron and body are 4 x 4 meshes that
-- the screen sways (a mesh of n vertices a side spans (n - 1) / n of its "MeshSize"), her eyes three
-- frames (open, half shut, shut), and "HairPap" the locks of hair that sway like leaves
-- {left, top, right, bottom, pivot x, pivot y} / {x, y, base angle, scale, shape, red, green, blue, alpha}.
Skirt = { Image = "menu_girl.png", Pos = {250, 560}, NumsCell = {4, 4}, MeshSize = {266.67, 320},
          SrcRect = {270, 140, 470, 380} }
Apron = { Image = "menu_girl.png", Pos = {294, 575}, NumsCell = {4, 4}, MeshSize = {149.33, 253.33},
          SrcRect = {0, 300, 112, 490} }
Body = { Image = "menu_girl.png", Pos = {270, 450}, NumsCell = {4, 4}, MeshSize = {213.33, 213.33},
         SrcRect = {104, 140, 264, 300} }

Head = { Image = "menu_girl.png", Pos = {290, 330}, SrcRect = {0, 0, 120, 136} }
Flower = { Image = "menu_girl.png", Pos = {374, 322}, SrcRect = {330, 0, 378, 48} }
Tail1 = { Image = "menu_girl.png", Pos = {266, 392}, SrcRect = {0, 140, 48, 264} }
Tail2 = { Image = "menu_girl.png", Pos = {386, 392}, SrcRect = {52, 140, 100, 264} }
Eyes = {
    Image = "menu_girl.png",
    Pos = {318, 390},
    SrcRect = {128, 0, 192, 22},
    Animation = { FramesList = { {128, 0, 192, 22}, {192, 0, 256, 22}, {256, 0, 320, 22} } },
}

HairPap = {
    Image = "menu_girl.png",
    SrcRect = {384, 0, 404, 34},
    Velocity = 0.06,
    SrcRectList = {
        {384, 0, 404, 34, 10, 0},
        {408, 0, 428, 34, 10, 0},
        {432, 0, 452, 34, 10, 0},
    },
    LeavesList = {
        {314, 346, 0.20, 0.9, 0, 1, 1, 1, 1},
        {332, 340, 0.08, 1.0, 1, 1, 1, 1, 1},
        {350, 338, -0.02, 1.0, 2, 1, 1, 1, 1},
        {368, 340, -0.10, 1.0, 1, 1, 1, 1, 1},
        {386, 346, -0.22, 0.9, 0, 1, 1, 1, 1},
    },
}

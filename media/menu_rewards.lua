-- The decorations that completed achievements add to the main menu's picture: "Rewards" holds their
-- frames (96 x 96, five to a row); each item names its achievement ("Key"), its frame, its top-left
-- corner and the rectangle the mouse and the shine use. Effects not named take "menu_Small_Add",
-- "menu_Small_Select" and "Shine1"; "TimeEffect" (the fade-in, seconds) defaults to 1.5707964. The
-- select effect plays where its own file puts it, so each item names the one on its decoration.
Rewards = {
    Image = "menu_rewards.png",
    SrcRect = {0, 0, 96, 96},
    Animation = {
        FramesList = {
            {0, 0, 96, 96},
            {100, 0, 196, 96},
            {200, 0, 296, 96},
            {300, 0, 396, 96},
            {400, 0, 496, 96},
            {0, 100, 96, 196},
            {100, 100, 196, 196},
            {200, 100, 296, 196},
            {300, 100, 396, 196},
            {400, 100, 496, 196},
            {0, 200, 96, 296},
            {100, 200, 196, 296},
            {200, 200, 296, 296},
            {300, 200, 396, 296},
            {400, 200, 496, 296},
        },
    },
}

items = {
    -- a beehive
    { Key = 0, NFrame = 0, Pos = {560, 470}, HitRect = {572, 482, 644, 558},
      particleNameSelect = "menu_Small_Select0" },
    -- a birdhouse
    { Key = 1, NFrame = 1, Pos = {840, 250}, HitRect = {852, 262, 924, 338},
      particleNameSelect = "menu_Small_Select1" },
    -- a kennel with a watchdog (the thief keeps away)
    { Key = 2, NFrame = 2, Pos = {730, 600}, HitRect = {742, 612, 814, 688},
      particleNameSelect = "menu_Small_Select2" },
    -- a bed of flowers
    { Key = 3, NFrame = 3, Pos = {603, 566}, HitRect = {615, 578, 687, 654},
      particleNameSelect = "menu_Small_Select3" },
    -- sunflowers
    { Key = 4, NFrame = 4, Pos = {805, 365}, HitRect = {817, 377, 889, 453},
      particleNameSelect = "menu_Small_Select4" },
    -- a rose bush
    { Key = 5, NFrame = 5, Pos = {650, 380}, HitRect = {662, 392, 734, 468},
      particleNameSelect = "menu_Small_Select5" },
    -- a blossoming tree
    { Key = 6, NFrame = 6, Pos = {436, 230}, HitRect = {448, 242, 520, 318},
      particleNameSelect = "menu_Small_Select6" },
    -- a scarecrow
    { Key = 7, NFrame = 7, Pos = {720, 280}, HitRect = {732, 292, 804, 368},
      particleNameSelect = "menu_Small_Select7" },
    -- a duck pond
    { Key = 8, NFrame = 8, Pos = {455, 640}, HitRect = {467, 652, 539, 728},
      particleNameSelect = "menu_Small_Select8" },
    -- a basket of apples
    { Key = 9, NFrame = 9, Pos = {560, 680}, HitRect = {572, 692, 644, 768},
      particleNameSelect = "menu_Small_Select9" },
    -- a garden bench
    { Key = 10, NFrame = 10, Pos = {840, 600}, HitRect = {852, 612, 924, 688},
      particleNameSelect = "menu_Small_Select10" },
    -- a cat
    { Key = 11, NFrame = 11, Pos = {740, 496}, HitRect = {752, 508, 824, 584},
      particleNameSelect = "menu_Small_Select11" },
    -- a golden cup
    { Key = 12, NFrame = 12, Pos = {452, 470}, HitRect = {464, 482, 536, 558},
      particleNameSelect = "menu_Small_Select12" },
    -- a market cart
    { Key = 13, NFrame = 13, Pos = {655, 662}, HitRect = {667, 674, 739, 750},
      particleNameSelect = "menu_Small_Select13" },
    -- a bird bath
    { Key = 14, NFrame = 14, Pos = {531, 354}, HitRect = {543, 366, 615, 442},
      particleNameSelect = "menu_Small_Select14" },
}

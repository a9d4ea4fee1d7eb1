-- The windmill's sails: the screen turns them about their centre, over the tower's cap in the landscape.
Mill = { Image = "menu_mill.png", Pos = {640, 300}, SrcRect = {28, 28, 228, 228} }

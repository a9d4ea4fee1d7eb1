-- The main menu's pictures.
Background = { Image = "menu_background.jpg", Pos = { 0, 0 }, SrcRect = { 0, 0, 1024, 768 } }

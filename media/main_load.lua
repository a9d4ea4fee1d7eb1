-- The start-up loading screen: its picture, and the progress bar in its frame.
Background = { Image = "main_load_back.jpg", Pos = { 0, 0 }, SrcRect = { 0, 0, 1024, 768 } }
Progressbar = { Image = "progressbar.png", Pos = { 206, 640 }, SrcRect = { 0, 0, 600, 32 } }
ProgressbarPanel = { Image = "progressbar_panel.png", Pos = { 194, 632 }, SrcRect = { 0, 0, 636, 48 } }

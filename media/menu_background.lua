-- The main menu's picture: a drifting sky, the title's two words and the light that sweeps across each
-- (the screen places the sweeps' vertices itself), the landscape with its clear sky, and the covers of
-- the picture's edges, behind which the thief and the butterflies come and go.
Sky = { Image = "menu_sky.png", Pos = {0, 0}, SrcRect = {0, 0, 1024, 420}, MoveUV = {0.004, 0} }

TextTitle1 = { Image = "menu_title.png", Pos = {413, 20}, SrcRect = {0, 0, 232, 104} }
TextTitle2 = { Image = "menu_title.png", Pos = {395, 109}, SrcRect = {0, 112, 260, 156} }
TextTitle1Highlight = { Image = "menu_title.png", NumsCell = {3, 2}, MeshSize = {184, 84},
                        SrcRect = {0, 192, 256, 256}, BlendMode = "add" }
TextTitle2Highlight = { Image = "menu_title.png", NumsCell = {4, 2}, MeshSize = {236, 28},
                        SrcRect = {0, 192, 256, 256}, BlendMode = "add" }

Background = { Image = "menu_background.png", Pos = {0, 0}, SrcRect = {0, 0, 1024, 768} }

LeftHide = { Image = "menu_edges.png", Pos = {-8, 300}, SrcRect = {150, 0, 270, 460} }
RightHide = { Image = "menu_edges.png", Pos = {884, 0}, SrcRect = {0, 0, 140, 768} }
BottomLeftHide = { Image = "menu_edges.png", Pos = {0, 628}, SrcRect = {280, 0, 500, 140} }
BottomRightHide = { Image = "menu_edges.png", Pos = {804, 628}, SrcRect = {280, 150, 500, 290} }

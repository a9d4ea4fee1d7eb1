-- The map shop's pictures. "icons": one frame per kind of field object and upgrade level, shown on the
-- level panel's pages.
icons = { Image = "panel_icons.png", SrcRect = {0, 0, 768, 64},
          Animation = { FramesCols = 12, FramesRows = 1, NumFrames = 12 } }

-- The hint of a level's marker on the world map: its number and the best time with its holder.
hintCorners = {
    Image = "hint_corners.png",
    SrcRect = { 0, 0, 32, 32 },
    Animation = { FramesCols = 1, FramesRows = 1, NumFrames = 1 },
}

HintList = { "MapLevelHint" }

MapLevelHint = {
    windowStyle = {
        Image = "hint_window.png",
        SrcRect = { 0, 0, 48, 48 },
        WinSize = { 220, 90 },
        AngleScrSize = { 12, 12 },
    },
    data = {
        delay = 0.3,
        { dataType = "text", name = "levelNum", Font = "font02.fnt", Caption = "MAP_LEVEL",
          TextArea = { 14, 8, 206, 30 }, Colour = { 0.36, 0.2, 0.05, 1 }, HAlign = "center" },
        { dataType = "text", name = "bestTimeValue", Font = "font02.fnt", Caption = "MAP_BEST_TIME",
          TextArea = { 14, 32, 206, 56 }, Colour = { 0.36, 0.2, 0.05, 1 }, HAlign = "center" },
        { dataType = "text", name = "bestTimeUserName", Font = "font02.fnt", Caption = "MAP_NO_HOLDER",
          TextArea = { 14, 58, 206, 82 }, Colour = { 0.36, 0.2, 0.05, 1 }, HAlign = "center" },
    },
}

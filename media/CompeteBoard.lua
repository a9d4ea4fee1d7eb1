-- The progress boards of the world map, both in the top-left corner.

-- The rivals' board: its frame per stage (five, three, then two rivals), the rivals' faces, a bar and
-- its frame per rival, and the line between two rows.
CompeteBoardMount = { Image = "competeboard.png", SrcRect = { 0, 0, 260, 280 },
                      Animation = { FramesList = { { 0, 0, 260, 280 }, { 260, 0, 520, 280 }, { 520, 0, 780, 280 } } } }
EmulousIcons = { Image = "competeboard.png", SrcRect = { 0, 280, 40, 320 },
                 Animation = { FramesList = { { 0, 280, 40, 320 }, { 40, 280, 80, 320 }, { 80, 280, 120, 320 },
                                              { 120, 280, 160, 320 }, { 160, 280, 200, 320 } } } }
JointBorder = { Image = "competeboard.png", SrcRect = { 200, 330, 350, 334 } }
Progress = { Image = "competeboard.png", SrcRect = { 200, 280, 345, 292 } }
ProgressMount = { Image = "competeboard.png", SrcRect = { 200, 300, 375, 324 } }

-- The companion's money board: its portrait, the gauge under a cover that shrinks as the money grows,
-- the money so far and the most it can hold ("QUIB_MAX_MONEY_TEXT" gives the maximum).
QuibProgressGui = {
    Pos = { 10, 10 },
    { Type = "image", Name = "QUIB_PANEL", Image = "competeboard.png", Pos = { 0, 0 }, SrcRect = { 400, 280, 640, 370 } },
    { Type = "image", Name = "QUIB_GAUGE", Image = "competeboard.png", Pos = { 72, 52 }, SrcRect = { 400, 380, 553, 394 } },
    { Type = "image", Name = "QUIB_PROGRESS", Image = "competeboard.png", Pos = { 72, 52 }, SrcRect = { 560, 380, 713, 394 } },
    { Type = "text", Name = "QUIB_TITLE", Font = "font02.fnt", Caption = "QUIB_TITLE", TextArea = { 72, 8, 232, 28 },
      Colour = { 0.3, 0.18, 0.06, 1 } },
    { Type = "text", Name = "QUIB_CURRENT_MONEY_TEXT", Font = "font02.fnt", Caption = "", TextArea = { 72, 28, 232, 50 },
      Colour = { 0.1, 0.4, 0.1, 1 } },
    { Type = "text", Name = "QUIB_MAX_MONEY_TEXT", Font = "font01.fnt", Caption = "15000", TextArea = { 72, 68, 232, 84 },
      Colour = { 0.3, 0.18, 0.06, 0 } },
}

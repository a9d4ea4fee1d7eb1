-- The end-of-level statistics "LevelStatisticsWindow": the level number, its time, the score with its
-- star, the best time and its holder, and OK; the window shows the rows one after the other. The cup
-- stands at the window's right (the cups' own files place it), the bonus figure ("ExtraPointsFont")
-- below the score, the link to the achievements ("LinkRect", relative to the window, in "LinkFontName")
-- below the best time. Rectangles are {left, top, right, bottom}; positions are relative to the window.
local ink = {0.3, 0.2, 0.1, 1}
local label = {0.45, 0.32, 0.18, 1}

LevelStatisticsWindow = {
    Image = "gui_widgets.png",
    SrcRect = {0, 0, 48, 48},
    WinEx = { WinSize = {520, 470}, AngleScrSize = {16, 16} },
    Pos = {252, 149},

    { Type = "text", Name = "LevelStatisticsWindowTitle", Font = "font04.fnt", Caption = "LEV_STAT_LEVEL",
      TextArea = {24, 16, 262, 56}, HAlign = "right", VAlign = "center", Colour = ink },
    { Type = "text", Name = "LEV_STAT_LEVEL_NUM_TEXT", Font = "font04.fnt", Caption = "LEV_STAT_UNSET",
      TextArea = {272, 16, 400, 56}, VAlign = "center", Colour = ink },

    { Type = "text", Name = "LEV_STAT_LEVEL_TIME_TEXT", Font = "font02.fnt", Caption = "LEV_STAT_TIME",
      TextArea = {84, 64, 230, 96}, VAlign = "center", Colour = label },
    { Type = "text", Name = "LEV_STAT_LEVEL_TIME_VALUE_TEXT", Font = "font04.fnt", Caption = "LEV_STAT_UNSET",
      TextArea = {240, 62, 360, 98}, VAlign = "center", Colour = ink },

    { Type = "image", Name = "LEV_STAT_STAR_ICON", Image = "score_star.png", SrcRect = {0, 0, 48, 48},
      Pos = {30, 102} },
    { Type = "text", Name = "LEV_STAT_BONUS_TEXT", Font = "font02.fnt", Caption = "LEV_STAT_SCORE",
      TextArea = {84, 112, 230, 144}, VAlign = "center", Colour = label },
    { Type = "text", Name = "LEV_STAT_BONUS_COUNT_TEXT", Font = "font04.fnt", Caption = "LEV_STAT_UNSET",
      TextArea = {240, 110, 360, 146}, VAlign = "center", Colour = ink },

    { Type = "text", Name = "LEV_STAT_BEST_TIME_TEXT", Font = "font02.fnt", Caption = "LEV_STAT_BEST",
      TextArea = {84, 300, 230, 332}, VAlign = "center", Colour = label },
    { Type = "text", Name = "LEV_STAT_BEST_TIME_VALUE_TEXT", Font = "font02.fnt", Caption = "LEV_STAT_UNSET",
      TextArea = {240, 300, 340, 332}, VAlign = "center", Colour = ink },
    { Type = "text", Name = "LEV_STAT_NAME_TEXT", Font = "font02.fnt", Caption = "LEV_STAT_UNSET",
      TextArea = {240, 332, 480, 362}, VAlign = "center", Colour = ink },

    -- Never shown: its caption names the link's text.
    { Type = "text", Name = "LEV_STAT_ACHIEVEMENTS_TEXT", Font = "font02.fnt", Caption = "LEV_STAT_ACHIEVEMENTS",
      TextArea = {40, 368, 480, 398}, HAlign = "center", VAlign = "center", Colour = ink },

    { Type = "button", Name = "LEV_STAT_OK_BUTTON", Image = "gui_widgets.png", Pos = {200, 414},
      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},
      Disabled = {48, 108, 168, 144}, Caption = "BUTTON_OK",
      TextNormal = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center" },
      TextOver = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center",
                   Colour = {1, 1, 0.8, 1} },
      TextPressed = { Font = "font02.fnt", TextArea = {0, 2, 120, 38}, HAlign = "center", VAlign = "center" } },
}

-- The bonus still to count ("+" and the figure), on the screen below the score while it counts.
ExtraPointsFont = { Font = "font04.fnt", Caption = "LEV_STAT_UNSET", TextArea = {492, 298, 612, 334},
                    VAlign = "center", Colour = {0.85, 0.55, 0.05, 1} }

LinkRect = {40, 368, 480, 398}
LinkFontName = "font02.fnt"

-- The achievements: their definitions ("AchievementsData") and the achievements window's layout.
-- Header and Description name texts of "strings.xml". Rectangles are {left, top, right, bottom};
-- pictures come from "achievements.png" (rows, bars, marks, slider) and "badges.png" (one badge per
-- achievement: lit in the top rows, greyed below them).

AchievementsData = {
    { Id = 0, Header = "ACHIEVEMENT_ESTATE_COMPLETE", Description = "ACHIEVEMENT_ESTATE_COMPLETE_DESC", MaxProgress = 1,
      Prize = 500, useProgress = 0,
      Image = { Enabled = { Image = "badges.png", SrcRect = {0, 0, 96, 96} },
                Disabled = { Image = "badges.png", SrcRect = {0, 192, 96, 288} } } },
    { Id = 1, Header = "ACHIEVEMENT_CARROT_SELLER", Description = "ACHIEVEMENT_CARROT_SELLER_DESC", MaxProgress = 20000,
      Prize = 300, useProgress = 1,
      Image = { Enabled = { Image = "badges.png", SrcRect = {96, 0, 192, 96} },
                Disabled = { Image = "badges.png", SrcRect = {96, 192, 192, 288} } } },
    { Id = 2, Header = "ACHIEVEMENT_THIEF_CATCHER", Description = "ACHIEVEMENT_THIEF_CATCHER_DESC", MaxProgress = 1,
      Prize = 100, useProgress = 0,
      Image = { Enabled = { Image = "badges.png", SrcRect = {192, 0, 288, 96} },
                Disabled = { Image = "badges.png", SrcRect = {192, 192, 288, 288} } } },
    { Id = 3, Header = "ACHIEVEMENT_TOMATO_SELLER", Description = "ACHIEVEMENT_TOMATO_SELLER_DESC", MaxProgress = 5000,
      Prize = 200, useProgress = 1,
      Image = { Enabled = { Image = "badges.png", SrcRect = {288, 0, 384, 96} },
                Disabled = { Image = "badges.png", SrcRect = {288, 192, 384, 288} } } },
    { Id = 4, Header = "ACHIEVEMENT_GREEN_GROCER", Description = "ACHIEVEMENT_GREEN_GROCER_DESC", MaxProgress = 1000,
      Prize = 150, useProgress = 1,
      Image = { Enabled = { Image = "badges.png", SrcRect = {384, 0, 480, 96} },
                Disabled = { Image = "badges.png", SrcRect = {384, 192, 480, 288} } } },
    { Id = 5, Header = "ACHIEVEMENT_RICH_ESTATE", Description = "ACHIEVEMENT_RICH_ESTATE_DESC", MaxProgress = 100000,
      Prize = 400, useProgress = 1,
      Image = { Enabled = { Image = "badges.png", SrcRect = {480, 0, 576, 96} },
                Disabled = { Image = "badges.png", SrcRect = {480, 192, 576, 288} } } },
    { Id = 6, Header = "ACHIEVEMENT_EXPLORER", Description = "ACHIEVEMENT_EXPLORER_DESC", MaxProgress = 67,
      Prize = 250, useProgress = 1,
      Image = { Enabled = { Image = "badges.png", SrcRect = {576, 0, 672, 96} },
                Disabled = { Image = "badges.png", SrcRect = {576, 192, 672, 288} } } },
    { Id = 7, Header = "ACHIEVEMENT_POTATO_SELLER", Description = "ACHIEVEMENT_POTATO_SELLER_DESC", MaxProgress = 10000,
      Prize = 250, useProgress = 1,
      Image = { Enabled = { Image = "badges.png", SrcRect = {672, 0, 768, 96} },
                Disabled = { Image = "badges.png", SrcRect = {672, 192, 768, 288} } } },
    { Id = 8, Header = "ACHIEVEMENT_CABBAGE_SELLER", Description = "ACHIEVEMENT_CABBAGE_SELLER_DESC", MaxProgress = 5000,
      Prize = 200, useProgress = 1,
      Image = { Enabled = { Image = "badges.png", SrcRect = {0, 96, 96, 192} },
                Disabled = { Image = "badges.png", SrcRect = {0, 288, 96, 384} } } },
    { Id = 9, Header = "ACHIEVEMENT_QUICK_HANDS", Description = "ACHIEVEMENT_QUICK_HANDS_DESC", MaxProgress = 10,
      Prize = 150, useProgress = 1,
      Image = { Enabled = { Image = "badges.png", SrcRect = {96, 96, 192, 192} },
                Disabled = { Image = "badges.png", SrcRect = {96, 288, 192, 384} } } },
    { Id = 10, Header = "ACHIEVEMENT_PUMPKIN_SELLER", Description = "ACHIEVEMENT_PUMPKIN_SELLER_DESC", MaxProgress = 3000,
      Prize = 200, useProgress = 1,
      Image = { Enabled = { Image = "badges.png", SrcRect = {192, 96, 288, 192} },
                Disabled = { Image = "badges.png", SrcRect = {192, 288, 288, 384} } } },
    { Id = 11, Header = "ACHIEVEMENT_SHARP_EYES", Description = "ACHIEVEMENT_SHARP_EYES_DESC", MaxProgress = 5,
      Prize = 100, useProgress = 1,
      Image = { Enabled = { Image = "badges.png", SrcRect = {288, 96, 384, 192} },
                Disabled = { Image = "badges.png", SrcRect = {288, 288, 384, 384} } } },
    { Id = 12, Header = "ACHIEVEMENT_GOLDEN_ESTATE", Description = "ACHIEVEMENT_GOLDEN_ESTATE_DESC", MaxProgress = 1,
      Prize = 1000, useProgress = 0,
      Image = { Enabled = { Image = "badges.png", SrcRect = {384, 96, 480, 192} },
                Disabled = { Image = "badges.png", SrcRect = {384, 288, 480, 384} } } },
    { Id = 13, Header = "ACHIEVEMENT_BUSY_SHOP", Description = "ACHIEVEMENT_BUSY_SHOP_DESC", MaxProgress = 1,
      Prize = 100, useProgress = 0,
      Image = { Enabled = { Image = "badges.png", SrcRect = {480, 96, 576, 192} },
                Disabled = { Image = "badges.png", SrcRect = {480, 288, 576, 384} } } },
    { Id = 14, Header = "ACHIEVEMENT_LONG_DAY", Description = "ACHIEVEMENT_LONG_DAY_DESC", MaxProgress = 1,
      Prize = 50, useProgress = 0,
      Image = { Enabled = { Image = "badges.png", SrcRect = {576, 96, 672, 192} },
                Disabled = { Image = "badges.png", SrcRect = {576, 288, 672, 384} } } },
}

-- The rows' shared pictures.
EnabledItemMount = { Image = "achievements.png", SrcRect = {0, 0, 560, 120} }
DisabledItemMount = { Image = "achievements.png", SrcRect = {0, 120, 560, 240} }
DisabledItemQuad = { Image = "achievements.png", SrcRect = {560, 0, 676, 108} }
ProgressSprite = { Image = "achievements.png", SrcRect = {560, 120, 730, 134} }
BackProgressSprite = { Image = "achievements.png", SrcRect = {560, 140, 730, 154} }

-- The marks of the three modes (all, completed, not completed): a strip with the chosen tab lit.
FullPreviewMark = { Image = "achievements.png", SrcRect = {0, 240, 660, 280} }
EnabledPreviewMark = { Image = "achievements.png", SrcRect = {0, 280, 660, 320} }
DisabledPreviewMark = { Image = "achievements.png", SrcRect = {0, 320, 660, 360} }

-- The tabs' captions, placed relative to the window.
FullPreviewFont = { Font = "font02.fnt", Caption = "ACHIEV_MODE_ALL", TextArea = {30, 74, 250, 114},
                    HAlign = "center", VAlign = "center", Colour = {0.3, 0.2, 0.1, 1} }
EnabledPreviewFont = { Font = "font02.fnt", Caption = "ACHIEV_MODE_DONE", TextArea = {250, 74, 470, 114},
                       HAlign = "center", VAlign = "center", Colour = {0.3, 0.2, 0.1, 1} }
DisabledPreviewFont = { Font = "font02.fnt", Caption = "ACHIEV_MODE_OPEN", TextArea = {470, 74, 690, 114},
                        HAlign = "center", VAlign = "center", Colour = {0.3, 0.2, 0.1, 1} }

-- The rows' texts, placed relative to the row.
ItemHeaderFont = { Font = "font03.fnt", TextArea = {135, 10, 545, 38}, HAlign = "left", VAlign = "top",
                   Colour = {0.35, 0.2, 0.05, 1} }
ItemDescriptionFont = { Font = "font01.fnt", TextArea = {135, 42, 545, 92}, HAlign = "left", VAlign = "top",
                        Colour = {0.25, 0.2, 0.15, 1} }
ItemProgressFont = { Font = "font01.fnt", TextArea = {135, 96, 288, 116}, HAlign = "right", VAlign = "center",
                     Colour = {0.25, 0.35, 0.1, 1} }
ItemPrizeFont = { Font = "font02.fnt", TextArea = {502, 94, 556, 118}, HAlign = "left", VAlign = "center",
                  Colour = {0.55, 0.4, 0.05, 1} }

-- Areas on the screen of the window at its place: the list (rows are clipped to it, the mouse wheel
-- scrolls over it) and the three tabs.
ViewClipArea = {217, 165, 777, 579}
FullPreviewArea = {182, 114, 402, 154}
EnabledPreviewArea = {402, 114, 622, 154}
DisabledPreviewArea = {622, 114, 842, 154}

-- The window "AchievementGui": a framed panel with its title, the prizes won, the list's slider and OK.
AchievementGui = {
    Image = "gui_widgets.png",
    SrcRect = {0, 0, 48, 48},
    WinEx = { WinSize = {720, 660}, AngleScrSize = {16, 16} },
    Pos = {152, 40},

    { Type = "text", Name = "AchievementGuiTitle", Font = "font04.fnt", Caption = "ACHIEV_TITLE",
      TextArea = {30, 18, 380, 62}, HAlign = "left", VAlign = "center", Colour = {0.3, 0.2, 0.1, 1} },
    { Type = "text", Name = "ACHIEV_PRIZES_TEXT", Font = "font02.fnt", Caption = "ACHIEV_PRIZES",
      TextArea = {380, 18, 590, 62}, HAlign = "right", VAlign = "center", Colour = {0.3, 0.2, 0.1, 1} },
    { Type = "text", Name = "ACHIEV_ACHIEVEMENTS_VALUE_TEXT", Font = "font03.fnt",
      TextArea = {598, 18, 690, 62}, HAlign = "left", VAlign = "center", Colour = {0.55, 0.4, 0.05, 1} },

    { Type = "slider", Name = "ACHIEV_SLIDER", Image = "achievements.png", Pos = {640, 125},
      Track = {760, 0, 784, 414}, Full = {790, 0, 814, 414}, Thumb = {820, 0, 844, 48}, Horizontal = 0 },

    { Type = "button", Name = "ACHIEV_OK_BUTTON", Image = "gui_widgets.png", Pos = {300, 600},
      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},
      Disabled = {48, 108, 168, 144}, Caption = "BUTTON_OK",
      TextNormal = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center" },
      TextOver = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center",
                   Colour = {1, 1, 0.8, 1} },
      TextPressed = { Font = "font02.fnt", TextArea = {0, 2, 120, 38}, HAlign = "center", VAlign = "center" } },
}

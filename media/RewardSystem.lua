-- The reward alert: the panel with the achievement's description and OK ("RewardGui"), and the badge
-- pictures that swing in above it ("Rewards": frame n is the badge of achievement n).

RewardGui = {
    Image = "gui_widgets.png",
    SrcRect = {0, 0, 48, 48},
    WinEx = { WinSize = {400, 220}, AngleScrSize = {16, 16} },
    Pos = {312, 440},

    { Type = "text", Name = "REWARD_TITLE_TEXT", Font = "font03.fnt", Caption = "REWARD_TITLE",
      TextArea = {24, 34, 376, 64}, HAlign = "center", VAlign = "center", Colour = {0.45, 0.3, 0.05, 1} },
    { Type = "text", Name = "REWARD_DESCRIPTION_TEXT", Font = "font02.fnt",
      TextArea = {28, 68, 372, 156}, HAlign = "center", VAlign = "center", Colour = {0.3, 0.2, 0.1, 1} },

    { Type = "button", Name = "REWARD_OK_BUTTON", Image = "gui_widgets.png", Pos = {140, 168},
      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},
      Disabled = {48, 108, 168, 144}, Caption = "BUTTON_OK",
      TextNormal = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center" },
      TextOver = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center",
                   Colour = {1, 1, 0.8, 1} },
      TextPressed = { Font = "font02.fnt", TextArea = {0, 2, 120, 38}, HAlign = "center", VAlign = "center" } },
}

Rewards = {
    Image = "badges.png",
    SrcRect = {0, 384, 1024, 640},
    Animation = { FramesCols = 8, FramesRows = 2, NumFrames = 15 },
}

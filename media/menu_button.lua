-- The main menu's button box at the left of the picture: the greeting over five buttons. The label
-- "MAINMENU_HELLO_TEXT" is never shown: its caption names the greeting, which the screen writes into
-- "MAINMENU_HELLO_USER_TEXT" followed by the player's name.
MenuBox = {
    Pos = {96, 350},

    { Type = "text", Name = "MAINMENU_HELLO_TEXT", Font = "font02.fnt", Caption = "MAINMENU_HELLO",
      TextArea = {-20, -78, 200, -54} },
    { Type = "text", Name = "MAINMENU_HELLO_USER_TEXT", Font = "font02.fnt", Caption = "MAINMENU_HELLO",
      TextArea = {-20, -78, 200, -54}, HAlign = "center", VAlign = "center", Colour = {1, 1, 0.9, 1} },
    { Type = "button", Name = "MAINMENU_PLAY", Image = "gui_widgets.png", Pos = {0, 0},
      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},
      Disabled = {48, 108, 168, 144}, Caption = "MAINMENU_PLAY",
      TextNormal = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center" },
      TextOver = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center",
                   Colour = {1, 1, 0.8, 1} },
      TextPressed = { Font = "font02.fnt", TextArea = {0, 2, 120, 38}, HAlign = "center", VAlign = "center" } },
    { Type = "button", Name = "MAINMENU_ACHIEVEMENTS", Image = "gui_widgets.png", Pos = {0, 52},
      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},
      Disabled = {48, 108, 168, 144}, Caption = "MAINMENU_ACHIEVEMENTS",
      TextNormal = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center" },
      TextOver = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center",
                   Colour = {1, 1, 0.8, 1} },
      TextPressed = { Font = "font02.fnt", TextArea = {0, 2, 120, 38}, HAlign = "center", VAlign = "center" } },
    { Type = "button", Name = "MAINMENU_OPTIONS", Image = "gui_widgets.png", Pos = {0, 104},
      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},
      Disabled = {48, 108, 168, 144}, Caption = "MAINMENU_OPTIONS",
      TextNormal = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center" },
      TextOver = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center",
                   Colour = {1, 1, 0.8, 1} },
      TextPressed = { Font = "font02.fnt", TextArea = {0, 2, 120, 38}, HAlign = "center", VAlign = "center" } },
    { Type = "button", Name = "MAINMENU_ABOUT", Image = "gui_widgets.png", Pos = {0, 156},
      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},
      Disabled = {48, 108, 168, 144}, Caption = "MAINMENU_ABOUT",
      TextNormal = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center" },
      TextOver = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center",
                   Colour = {1, 1, 0.8, 1} },
      TextPressed = { Font = "font02.fnt", TextArea = {0, 2, 120, 38}, HAlign = "center", VAlign = "center" } },
    { Type = "button", Name = "MAINMENU_EXIT", Image = "gui_widgets.png", Pos = {0, 208},
      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},
      Disabled = {48, 108, 168, 144}, Caption = "MAINMENU_EXIT",
      TextNormal = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center" },
      TextOver = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center",
                   Colour = {1, 1, 0.8, 1} },
      TextPressed = { Font = "font02.fnt", TextArea = {0, 2, 120, 38}, HAlign = "center", VAlign = "center" } },
}

-- The link to the player list, under the greeting: its rectangle (left, top, right, bottom, where the
-- text starts and the underline runs), its colours when normal, under the mouse and pressed, its text
-- and its font with the text's scale and spacing.
UserLinkRect = {80, 300, 260, 320}
UserLinkNormalColour = {1, 0.95, 0.7, 1}
UserLinkHoverColour = {1, 1, 1, 1}
UserLinkPressedColour = {0.9, 0.7, 0.3, 1}
UserLinkCaption = "MAINMENU_CHANGE_PLAYER"
UserLinkSizeW = 0.8
UserLinkSizeH = 0.8
UserLinkSRatio = 1
UserLinkHRatio = 1
UserLinkFontName = "font02.fnt"

-- The window "AboutGui": a framed panel with its question and its controls. Rectangles are
-- {left, top, right, bottom} in "gui_widgets.png"; positions are relative to the window.
AboutGui = {
    Image = "gui_widgets.png",
    SrcRect = {0, 0, 48, 48},
    WinEx = { WinSize = {480, 240}, AngleScrSize = {16, 16} },
    Pos = {272, 264},

    { Type = "text", Name = "AboutGuiTitle", Font = "font04.fnt", Caption = "ABOUT_TITLE",
      TextArea = {24, 24, 456, 150}, HAlign = "center", VAlign = "center", Colour = {0.3, 0.2, 0.1, 1} },

    { Type = "button", Name = "ABOUT_OK_BUTTON", Image = "gui_widgets.png", Pos = {180, 176},
      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},
      Disabled = {48, 108, 168, 144}, Caption = "BUTTON_OK",
      TextNormal = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center" },
      TextOver = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center",
                   Colour = {1, 1, 0.8, 1} },
      TextPressed = { Font = "font02.fnt", TextArea = {0, 2, 120, 38}, HAlign = "center", VAlign = "center" } },
}

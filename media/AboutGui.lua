-- The credits window "AboutGui": a framed panel with the slider that scrolls the credits and OK.
-- Rectangles are {left, top, right, bottom}; positions are relative to the window.
AboutGui = {
    Image = "gui_widgets.png",
    SrcRect = {0, 0, 48, 48},
    WinEx = { WinSize = {560, 480}, AngleScrSize = {16, 16} },
    Pos = {232, 144},

    { Type = "text", Name = "AboutGuiTitle", Font = "font04.fnt", Caption = "ABOUT_TITLE",
      TextArea = {24, 16, 536, 56}, HAlign = "center", VAlign = "center", Colour = {0.3, 0.2, 0.1, 1} },
    { Type = "slider", Name = "ABOUT_SLIDER", Image = "gui_widgets.png", Pos = {200, 380},
      Track = {0, 144, 160, 160}, Full = {0, 160, 160, 176}, Thumb = {160, 144, 172, 168} },

    { Type = "button", Name = "ABOUT_OK_BUTTON", Image = "gui_widgets.png", Pos = {220, 420},
      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},
      Disabled = {48, 108, 168, 144}, Caption = "BUTTON_OK",
      TextNormal = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center" },
      TextOver = { Font = "font02.fnt", TextArea = {0, 0, 120, 36}, HAlign = "center", VAlign = "center",
                   Colour = {1, 1, 0.8, 1} },
      TextPressed = { Font = "font02.fnt", TextArea = {0, 2, 120, 38}, HAlign = "center", VAlign = "center" } },
}

-- What scrolls, in order: "Type" ("Sprite", "AnimatedSprite" or "Text"), "Pos" relative to the window
-- and "Data", the drawable's own table (a text's "TextArea" is relative to its place).
local ink = {0.3, 0.2, 0.1, 1}
local function Line(y, caption, font)
    return { Type = "Text", Pos = {40, y},
             Data = { Font = font or "font02.fnt", Caption = caption, TextArea = {0, 0, 480, 40},
                      HAlign = "center", VAlign = "center", Colour = ink } }
end

AboutViewData = {
    { Type = "Sprite", Pos = {164, 66}, Data = { Image = "menu_title.png", SrcRect = {0, 0, 232, 104} } },
    { Type = "Sprite", Pos = {146, 155}, Data = { Image = "menu_title.png", SrcRect = {0, 112, 260, 156} } },
    Line(210, "ABOUT_MADE_BY", "font04.fnt"),
    Line(256, "ABOUT_ENGINE"),
    { Type = "AnimatedSprite", Pos = {248, 300},
      Data = { Image = "butterflies.png", SrcRect = {0, 0, 64, 64},
               Animation = { Speed = 8, Loop = 1, FramesList = { {0, 0, 64, 64}, {64, 0, 128, 64},
                             {128, 0, 192, 64}, {192, 0, 256, 64} } } } },
    -- Below the part shown at first: no line stands across the lower edge before the credits move.
    Line(380, "ABOUT_ART"),
    { Type = "Sprite", Pos = {220, 430}, Data = { Image = "menu_girl.png", SrcRect = {0, 0, 120, 136} } },
    Line(580, "ABOUT_SOUND"),
    Line(630, "ABOUT_FONTS"),
    { Type = "Sprite", Pos = {180, 680}, Data = { Image = "menu_mill.png", SrcRect = {28, 28, 228, 228} } },
    Line(900, "ABOUT_THANKS", "font04.fnt"),
}

-- On the screen: the credits show only between the title and the slider.
ViewClipArea = {256, 204, 768, 512}
-- The content's extent: the slider scrolls it by its height.
ObjectsArea = {0, 0, 560, 620}

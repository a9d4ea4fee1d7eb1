-- The story clips' captions: a band across the lower part of the screen, centred, in warm white.
Text = {
    Font = "font04.fnt",
    TextArea = {112, 600, 912, 690},
    HAlign = "center",
    VAlign = "center",
    Colour = {1, 0.97, 0.88, 1},
}

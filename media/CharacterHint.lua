-- The hints of the buyers' portraits in the panel, in portrait order (portrait id = list position - 1).
hintCorners = {
    Image = "hint_corners.png",
    SrcRect = { 0, 0, 32, 32 },
    Animation = { FramesCols = 1, FramesRows = 1, NumFrames = 1 },
}

local function Buyer(caption)
    return {
        windowStyle = {
            Image = "hint_window.png",
            SrcRect = { 0, 0, 48, 48 },
            WinSize = { 200, 64 },
            AngleScrSize = { 12, 12 },
        },
        data = {
            delay = 0.5,
            {
                dataType = "text",
                name = "caption",
                Font = "font02.fnt",
                Caption = caption,
                TextArea = { 12, 8, 188, 56 },
                Colour = { 0.36, 0.2, 0.05, 1 },
                HAlign = "center",
                VAlign = "center",
            },
        },
    }
end

HintList = { "BuyerBaker", "BuyerFarmer", "BuyerTeacher", "BuyerSailor" }

BuyerBaker = Buyer("BUYER_BAKER")
BuyerFarmer = Buyer("BUYER_FARMER")
BuyerTeacher = Buyer("BUYER_TEACHER")
BuyerSailor = Buyer("BUYER_SAILOR")

-- The pointing finger over a buyer that is giving a show (a click sends it on its way): six frames of
-- a glove bobbing down, played in a loop.
characterFinger = {
    Image = "character_finger.png",
    SrcRect = { 0, 0, 192, 40 },
    Animation = { FramesCols = 6, FramesRows = 1, NumFrames = 6 },
}

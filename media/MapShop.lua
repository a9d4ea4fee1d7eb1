-- The map shop: 22 goods on pedestals, four rows of six (the rope and the cage at the right of the last
-- row, the money and the OK button between them). "icons" holds one frame per good and purchase level,
-- starting at each good's frame base; the level panel shows the same frames.

local goods = {
    -- cost id, frame base, purchase levels, caption
    { 132, 0, 3, "GOODS_GARDENER" }, { 10, 12, 4, "GOODS_STOREHOUSE" }, { 130, 9, 3, "GOODS_SHOPBOX" },
    { 17, 54, 5, "GOODS_SHOP" }, { 131, 9, 3, "GOODS_SHOPBOX2" }, { 50, 19, 3, "GOODS_OIL" },
    { 133, 3, 3, "GOODS_BOY" }, { 30, 25, 3, "GOODS_JUICER" }, { 34, 31, 3, "GOODS_TOMATO" },
    { 26, 16, 3, "GOODS_MILL" }, { 46, 34, 3, "GOODS_BAKERY" }, { 62, 22, 3, "GOODS_PACKING" },
    { 134, 6, 3, "GOODS_FAIRY" }, { 58, 46, 3, "GOODS_DOUGH" }, { 42, 28, 3, "GOODS_CONFECTIONERY" },
    { 66, 43, 3, "GOODS_FRIES" }, { 38, 37, 3, "GOODS_ROASTER" }, { 54, 40, 3, "GOODS_SANDWICH" },
    { 5, 49, 5, "GOODS_GARDEN" }, { 14, 59, 3, "GOODS_WATERWELL" }, { 1, 62, 4, "GOODS_ROPE" },
    { 138, 66, 3, "GOODS_CAGE" },
}

-- The top-left corner of a good's pedestal.
local function Place(index)
    local row = math.floor(index / 6)
    local column = index % 6
    if index >= 20 then
        column = column + 2
    end
    return 153 * column + 20, 154 * row + 30
end

background = { Image = "mapshop_back.jpg", SrcRect = { 0, 0, 1024, 768 } }
check = { Image = "mapshop_parts.png", SrcRect = { 96, 125, 136, 165 } }

local frames = {}
for frame = 0, 68 do
    local x = (frame % 10) * 120
    local y = math.floor(frame / 10) * 80
    frames[#frames + 1] = { x, y, x + 120, y + 80 }
end
icons = { Image = "mapshop_icons.png", SrcRect = { 0, 0, 120, 80 }, Animation = { FramesList = frames } }

mounts = { Image = "mapshop_parts.png", SrcRect = { 0, 0, 150, 125 },
           Animation = { FramesList = { { 0, 0, 150, 125 }, { 150, 0, 300, 125 }, { 300, 0, 450, 125 } } } }
dots = { Image = "mapshop_parts.png", SrcRect = { 0, 125, 12, 137 },
         Animation = { FramesList = { { 0, 125, 12, 137 }, { 12, 125, 24, 137 }, { 24, 125, 36, 137 },
                                      { 36, 125, 48, 137 } } } }
stars = { Image = "mapshop_parts.png", SrcRect = { 48, 125, 72, 149 },
          Animation = { FramesList = { { 48, 125, 72, 149 }, { 72, 125, 96, 149 } } } }

-- The rope's caption by its level.
RopeText = "GOODS_ROPE"
RopeLadderText = "GOODS_ROPE_LADDER"
WoodenLadderText = "GOODS_WOODEN_LADDER"
TeleportText = "GOODS_TELEPORT"

local function Button(name, x, y, caption)
    local text = { Font = "font02.fnt", TextArea = { 0, 0, 120, 36 }, HAlign = "center", VAlign = "center" }
    return { Type = "button", Name = name, Image = "gui_widgets.png", Pos = { x, y },
             Normal = { 48, 0, 168, 36 }, Over = { 48, 36, 168, 72 }, Pressed = { 48, 72, 168, 108 },
             Disabled = { 48, 108, 168, 144 }, Caption = caption,
             TextNormal = text,
             TextOver = { Font = "font02.fnt", TextArea = { 0, 0, 120, 36 }, HAlign = "center", VAlign = "center",
                          Colour = { 1, 1, 0.8, 1 } },
             TextPressed = { Font = "font02.fnt", TextArea = { 0, 2, 120, 38 }, HAlign = "center",
                             VAlign = "center" },
             TextDisabled = { Font = "font02.fnt", TextArea = { 0, 0, 120, 36 }, HAlign = "center",
                              VAlign = "center", Colour = { 0.6, 0.6, 0.6, 1 } } }
end

-- The price buttons first, in item order (the shop reaches them by index), then the captions.
gui = { Pos = { 0, 0 } }
MapShopData = {}
for index = 0, 21 do
    local good = goods[index + 1]
    local x, y = Place(index)
    gui[#gui + 1] = Button("button" .. index, x + 34, y + 118, "")
    MapShopData[#MapShopData + 1] = { Pos = { x, y }, Index = good[2], MaxPoints = good[3],
                                      Hint = "Hint" .. good[1] }
end
for index = 0, 21 do
    local x, y = Place(index)
    gui[#gui + 1] = { Type = "text", Name = "CAPTION_" .. (index + 1), Font = "font02.fnt",
                      Caption = goods[index + 1][4], TextArea = { x + 8, y + 8, x + 142, y + 28 },
                      HAlign = "center", Colour = { 0.3, 0.18, 0.06, 1 } }
end
gui[#gui + 1] = { Type = "text", Name = "MAP_SHOP_TITLE", Font = "font04.fnt", Caption = "MAPSHOP_TITLE",
                  TextArea = { 340, 500, 640, 540 }, HAlign = "center", Colour = { 0.3, 0.18, 0.06, 1 } }
gui[#gui + 1] = { Type = "text", Name = "MAP_SHOP_MONEY_LABEL", Font = "font02.fnt", Caption = "MAPSHOP_MONEY",
                  TextArea = { 350, 546, 480, 572 }, HAlign = "right", Colour = { 0.3, 0.18, 0.06, 1 } }
gui[#gui + 1] = { Type = "text", Name = "MAP_SHOP_MONEY", Font = "font02.fnt", Caption = "",
                  TextArea = { 490, 546, 630, 572 }, HAlign = "left", Colour = { 0.1, 0.4, 0.1, 1 } }
gui[#gui + 1] = Button("MAP_SHOP_OK", 430, 590, "BUTTON_OK")

-- Where the hint's picture of a needed good sits, per icon frame.
mapHintDeltas = {}
for frame = 0, 68 do
    mapHintDeltas[#mapHintDeltas + 1] = { 0, 0 }
end

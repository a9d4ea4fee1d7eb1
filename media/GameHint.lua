-- The hint pop-ups of the level: tutorial tips and the field's explanations. Each hint is a window of
-- the nine-piece parchment picture with a caption; "HintList" names the hints the manager builds.
hintCorners = {
    Image = "hint_corners.png",
    SrcRect = { 0, 0, 32, 32 },
    Animation = { FramesCols = 1, FramesRows = 1, NumFrames = 1 },
}

local function Tip(caption, width, height, delay)
    return {
        windowStyle = {
            Image = "hint_window.png",
            SrcRect = { 0, 0, 48, 48 },
            WinSize = { width, height },
            AngleScrSize = { 12, 12 },
        },
        data = {
            delay = delay or 0.5,
            {
                dataType = "text",
                name = "caption",
                Font = "font02.fnt",
                Caption = caption,
                TextArea = { 14, 10, width - 14, height - 10 },
                Colour = { 0.36, 0.2, 0.05, 1 },
                HAlign = "center",
                VAlign = "center",
            },
        },
    }
end

HintList = {
    "EduWelcome", "EduGarden", "EduGardenTask", "EduStorehouse", "EduShop", "EduBuyers", "EduFirstMoney",
    "EduStoreWindow",
    "EduGarden2", "EduBuyGarden", "EduGardenAgain", "EduGardenerTab", "EduHireGardener", "EduGardenWork",
    "EduSpare6", "EduSpare7", "EduWell", "EduWellSelected", "EduWellTask", "EduWellDone",
    "EduRope", "EduRopePoint", "EduRopeBuilt", "EduThief",
    "ShopHint", "StorehouseHint", "FlagHint", "ShopBoxHint",
    "GardenHint", "BuyTableGardenHint", "WaterwellHint",
    "BuyTableRopeHint", "RopeHint1", "RopeHint2", "RopeHint3", "RopeHint4",
}

EduWelcome = Tip("EDU_WELCOME", 320, 118, 0.5)
EduGarden = Tip("EDU_GARDEN", 260, 80)
EduGardenTask = Tip("EDU_GARDEN_TASK", 260, 80)
EduStorehouse = Tip("EDU_STOREHOUSE", 280, 80)
EduShop = Tip("EDU_SHOP", 260, 80)
EduBuyers = Tip("EDU_BUYERS", 300, 118)
EduFirstMoney = Tip("EDU_FIRST_MONEY", 300, 96)
EduStoreWindow = Tip("EDU_STORE_WINDOW", 320, 100)

EduGarden2 = Tip("EDU_GARDEN", 260, 80)
EduBuyGarden = Tip("EDU_BUY_GARDEN", 260, 80)
EduGardenAgain = Tip("EDU_GARDEN_AGAIN", 260, 80)
EduGardenerTab = Tip("EDU_GARDENER_TAB", 300, 112)
EduHireGardener = Tip("EDU_HIRE_GARDENER", 260, 80)
EduGardenWork = Tip("EDU_GARDEN_TASK", 260, 80)
EduSpare6 = Tip("EDU_GARDEN_TASK", 260, 80)
EduSpare7 = Tip("EDU_GARDEN_TASK", 260, 80)
EduWell = Tip("EDU_WELL", 260, 80)
EduWellSelected = Tip("EDU_WELL_TASK", 260, 80)
EduWellTask = Tip("EDU_WELL_TASK", 260, 80)
EduWellDone = Tip("EDU_WELL_DONE", 260, 80)

EduRope = Tip("EDU_ROPE", 260, 80)
EduRopePoint = Tip("EDU_ROPE_POINT", 260, 80)
EduRopeBuilt = Tip("EDU_ROPE_BUILT", 260, 80)
EduThief = Tip("EDU_THIEF", 320, 118)

ShopHint = Tip("HINT_SHOP", 220, 64, 2)
StorehouseHint = Tip("HINT_STOREHOUSE", 220, 64, 2)
FlagHint = Tip("HINT_FLAG", 220, 64, 2)
ShopBoxHint = Tip("HINT_SHOP_BOX", 220, 64, 2)

-- The production buildings: what each makes, the same at every level, and the board of a lot for sale.
local buildingHints = {
    { "Mill", "HINT_MILL" }, { "Juicer", "HINT_JUICER" }, { "TomatoB", "HINT_TOMATOB" },
    { "Roaster", "HINT_ROASTER" }, { "Confectionery", "HINT_CONFECTIONERY" }, { "Bakery", "HINT_BAKERY" },
    { "OilB", "HINT_OILB" }, { "SandwichB", "HINT_SANDWICHB" }, { "DoughB", "HINT_DOUGHB" },
    { "Packing", "HINT_PACKING" }, { "FriedPotatoes", "HINT_FRIEDPOTATOES" },
}
for _, building in ipairs(buildingHints) do
    for level = 0, 2 do
        local name = building[1] .. "Hint" .. level
        _G[name] = Tip(building[2], 240, 64, 2)
        table.insert(HintList, name)
    end
    local board = "BuyTable" .. building[1] .. "Hint"
    _G[board] = Tip("HINT_BUY_BUILDING", 240, 64, 2)
    table.insert(HintList, board)
end
GardenHint = Tip("HINT_GARDEN", 240, 64, 2)
BuyTableGardenHint = Tip("HINT_BUY_GARDEN", 240, 64, 2)
WaterwellHint = Tip("HINT_WATERWELL", 240, 64, 2)
BuyTableRopeHint = Tip("HINT_BUY_ROPE", 240, 64, 2)
for kind = 1, 4 do
    _G["RopeHint" .. kind] = Tip("HINT_ROPE" .. kind, 240, 64, 2)
end

-- The tutorials of levels 4 (the juicer), 8 (the dozing buyer) and 21 (buying in the storehouse).
local laterTips = {
    { "EduJuicer", "EDU_JUICER", 260, 80 }, { "EduBuyJuicer", "EDU_BUY_JUICER", 260, 80 },
    { "EduJuicerTask", "EDU_JUICER_TASK", 260, 80 }, { "EduSleeper", "EDU_SLEEPER", 280, 96 },
    { "EduStorehouseBuy", "EDU_STOREHOUSE_BUY", 280, 80 }, { "EduStoreTab", "EDU_STORE_TAB", 280, 80 },
    { "EduStoreBuyPage", "EDU_STORE_BUY_PAGE", 300, 96 },
}
for _, tip in ipairs(laterTips) do
    _G[tip[1]] = Tip(tip[2], tip[3], tip[4])
    table.insert(HintList, tip[1])
end

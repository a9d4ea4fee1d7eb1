-- The hints of the world map: over a level button its number, the best time and its holder, and the
-- goods the level needs from the shop (with a tick once bought); the first-start hint; the shop tip.
hintCorners = {
    Image = "hint_corners.png",
    SrcRect = { 0, 0, 32, 32 },
    Animation = { FramesCols = 1, FramesRows = 1, NumFrames = 1 },
}

local brown = { 0.36, 0.2, 0.05, 1 }

local function Window(width, height)
    return { Image = "hint_window.png", SrcRect = { 0, 0, 48, 48 }, WinSize = { width, height },
             AngleScrSize = { 12, 12 } }
end

local function Text(name, caption, area, align)
    return { dataType = "text", name = name, Font = "font02.fnt", Caption = caption, TextArea = area,
             Colour = brown, HAlign = align or "left" }
end

-- The level's number and best time; rows of needed goods follow below them.
local function LevelHint(goods, heading)
    local top = heading and 104 or 84
    local data = {
        delay = 0.2,
        Text(nil, "MAP_LEVEL", { 14, 8, 120, 30 }),
        Text("levelNum", nil, { 120, 8, 206, 30 }),
        Text(nil, "MAP_BEST_TIME", { 14, 32, 120, 54 }),
        Text("bestTimeValue", nil, { 120, 32, 206, 54 }),
        Text("bestTimeUserName", "MAP_NO_HOLDER", { 14, 54, 206, 76 }, "center"),
    }
    if heading then
        data[#data + 1] = Text(nil, heading, { 14, 80, 206, 102 }, "center")
    end
    for k = 1, goods do
        local y = top + (k - 1) * 58
        data[#data + 1] = { dataType = "image", name = "stuff" .. k, Image = "mapshop_icons.png",
                            SrcRect = { 0, 0, 120, 80 }, Pos = { -18, y - 14 } }
        data[#data + 1] = { dataType = "image", name = "upgradeRect" .. k, Image = "mapshop_parts.png",
                            SrcRect = { 0, 165, 36, 177 }, Pos = { 84, y + 36 } }
        data[#data + 1] = Text("stuffname" .. k, nil, { 90, y + 8, 190, 30 + y })
        data[#data + 1] = { dataType = "image", name = "stuffMark" .. k, Image = "mapshop_parts.png",
                            SrcRect = { 96, 125, 136, 165 }, Pos = { 176, y + 6 } }
    end
    return { windowStyle = Window(220, (goods > 0 and top + goods * 58 or 82) + 6), data = data }
end

local names = { "StartGameHint", "NormalMapHint", "_shintEdu_1" }

StartGameHint = {
    windowStyle = Window(200, 54),
    data = { delay = 0, Text(nil, "MAP_START_HINT", { 12, 8, 188, 46 }, "center") },
}

NormalMapHint = LevelHint(0)

_shintEdu_1 = {
    windowStyle = Window(230, 70),
    data = { delay = 0, Text(nil, "MAP_SHOP_TIP", { 12, 8, 218, 62 }, "center") },
}

-- One pair per number of goods a level may need.
for n = 1, 4 do
    _G["BuyStuffMapHint" .. n] = LevelHint(n)
    _G["BuyStuffMapHintCross" .. n] = LevelHint(n, "MAP_NEEDS_GOODS")
    names[#names + 1] = "BuyStuffMapHint" .. n
    names[#names + 1] = "BuyStuffMapHintCross" .. n
end

HintList = names

-- The titles of the goods a level needs, by goods slot; the rope has one title per upgrade.
mapHintTitles = {
    "GOODS_GARDENER", "GOODS_BOY", "GOODS_FAIRY", "GOODS_SHOPBOX", "GOODS_SHOPBOX2", "GOODS_STOREHOUSE",
    "GOODS_MILL", "GOODS_OIL", "GOODS_PACKING", "GOODS_JUICER", "GOODS_CONFECTIONERY", "GOODS_TOMATO",
    "GOODS_BAKERY", "GOODS_ROASTER", "GOODS_SANDWICH", "GOODS_FRIES", "GOODS_DOUGH", "GOODS_GARDEN",
    "GOODS_SHOP", "GOODS_WATERWELL", "GOODS_ROPE", "GOODS_ROPE_LADDER", "GOODS_WOODEN_LADDER",
    "GOODS_TELEPORT", "GOODS_CAGE",
}

-- The tick shown beside a good already bought.
StuffMarkRect = { 96, 125, 136, 165 }

-- A row of dots per number of purchase levels: rectangle r shows r + 1 filled.
HintUpgradeRects = {}
for most = 3, 5 do
    local data = {}
    for r = 0, most - 1 do
        data[#data + 1] = { r * 60, 165 + (most - 3) * 12, r * 60 + 12 * most, 177 + (most - 3) * 12 }
    end
    HintUpgradeRects[#HintUpgradeRects + 1] = { maxUpgrades = most, data = data }
end

-- The map shop's tip (its tutorial shows it).
EduShopRope = {
    windowStyle = Window(240, 70),
    data = { delay = 0, Text(nil, "MAPSHOP_ROPE_TIP", { 12, 8, 228, 62 }, "center") },
}
HintList[#HintList + 1] = "EduShopRope"

-- The map shop's hints over a good that can still be bought: its name and what the next purchase does,
-- one per good and number of purchase levels already bought ("GardenerHint0", "RopeUpgradeHint2"...).
local shopGoods = {
    { "Gardener", "GOODS_GARDENER", 3 }, { "Boy", "GOODS_BOY", 3 }, { "Fairy", "GOODS_FAIRY", 3 },
    { "ShopBox", "GOODS_SHOPBOX", 3 }, { "Storehouse", "GOODS_STOREHOUSE", 4 }, { "Mill", "GOODS_MILL", 3 },
    { "OilB", "GOODS_OIL", 3 }, { "Packing", "GOODS_PACKING", 3 }, { "Juicer", "GOODS_JUICER", 3 },
    { "Confectionery", "GOODS_CONFECTIONERY", 3 }, { "TomatoB", "GOODS_TOMATO", 3 },
    { "Bakery", "GOODS_BAKERY", 3 }, { "Roaster", "GOODS_ROASTER", 3 }, { "SandwichB", "GOODS_SANDWICH", 3 },
    { "FriedPotatoes", "GOODS_FRIES", 3 }, { "DoughB", "GOODS_DOUGH", 3 }, { "Garden", "GOODS_GARDEN", 5 },
    { "Shop", "GOODS_SHOP", 5 }, { "Waterwell", "GOODS_WATERWELL", 3 }, { "Cage", "GOODS_CAGE", 3 },
    { "RopeUpgrade", "GOODS_ROPE", 4 },
}
for _, good in ipairs(shopGoods) do
    for points = 0, good[3] - 1 do
        local name = good[1] .. "Hint" .. points
        _G[name] = {
            windowStyle = Window(240, 90),
            data = {
                delay = 0.3,
                Text(nil, good[2], { 12, 8, 228, 30 }, "center"),
                Text(nil, points == 0 and "MAPSHOP_HINT_BUY" or "MAPSHOP_HINT_UPGRADE", { 12, 34, 228, 82 }, "center"),
            },
        }
        HintList[#HintList + 1] = name
    end
end

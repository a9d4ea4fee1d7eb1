-- The world map per level, in level order: the scenery item the map shows once the level is reached
-- and the goods the level requires from the map shop before it can be played, each with the purchase
-- level it needs (the world map's block at the end of this file sets both); a level that brings a new
-- worker has its card ("newCharacter": the text key of its description and its pictures' rectangles in
-- "new_characters.png").

ProgressStartLevel = 5
ProgressSwapLevel = 20

MapSettings = {
    { sceneryItem = 0, shopItems = {} }, -- level 1
    { sceneryItem = 1, shopItems = {} }, -- level 2
    { sceneryItem = 2, shopItems = { { id = 1, upgrade = 0 } } }, -- level 3
    { sceneryItem = 3, shopItems = { { id = 30, upgrade = 0 }, { id = 133, upgrade = 0 } }, -- level 4
      newCharacter = { description = "NC_ERRAND_BOY", iconRect = {0, 0, 128, 128},
                       maxStuffRect = {64, 128, 128, 192}, walkTypeRect = {192, 128, 256, 192} } },
    { sceneryItem = 4, shopItems = {} }, -- level 5
    { sceneryItem = 5, shopItems = { { id = 34, upgrade = 0 } } }, -- level 6
    { sceneryItem = 6, shopItems = {} }, -- level 7
    { sceneryItem = 7, shopItems = {} }, -- level 8
    { sceneryItem = 8, shopItems = {} }, -- level 9
    { sceneryItem = 9, shopItems = {} }, -- level 10
    { sceneryItem = 10, shopItems = { { id = 62, upgrade = 0 } } }, -- level 11
    { sceneryItem = 11, shopItems = {} }, -- level 12
    { sceneryItem = 12, shopItems = {} }, -- level 13
    { sceneryItem = 13, shopItems = {} }, -- level 14
    { sceneryItem = 14, shopItems = {} }, -- level 15
    { sceneryItem = 15, shopItems = { { id = 50, upgrade = 0 } } }, -- level 16
    { sceneryItem = 16, shopItems = { { id = 66, upgrade = 0 }, { id = 134, upgrade = 0 }, { id = 138, upgrade = 0 } }, -- level 17
      newCharacter = { description = "NC_FAIRY", iconRect = {128, 0, 256, 128},
                       maxStuffRect = {128, 128, 192, 192}, walkTypeRect = {256, 128, 320, 192} } },
    { sceneryItem = 17, shopItems = {} }, -- level 18
    { sceneryItem = 18, shopItems = {} }, -- level 19
    { sceneryItem = 19, shopItems = {} }, -- level 20
    { sceneryItem = 20, shopItems = {} }, -- level 21
    { sceneryItem = 21, shopItems = {} }, -- level 22
    { sceneryItem = 22, shopItems = {} }, -- level 23
    { sceneryItem = 23, shopItems = {} }, -- level 24
    { sceneryItem = 24, shopItems = {} }, -- level 25
    { sceneryItem = 25, shopItems = {} }, -- level 26
    { sceneryItem = 26, shopItems = {} }, -- level 27
    { sceneryItem = 27, shopItems = { { id = 26, upgrade = 0 } } }, -- level 28
    { sceneryItem = 0, shopItems = { { id = 58, upgrade = 0 } } }, -- level 29
    { sceneryItem = 1, shopItems = {} }, -- level 30
    { sceneryItem = 2, shopItems = { { id = 46, upgrade = 0 } } }, -- level 31
    { sceneryItem = 3, shopItems = {} }, -- level 32
    { sceneryItem = 4, shopItems = {} }, -- level 33
    { sceneryItem = 5, shopItems = {} }, -- level 34
    { sceneryItem = 6, shopItems = { { id = 42, upgrade = 0 } } }, -- level 35
    { sceneryItem = 7, shopItems = {} }, -- level 36
    { sceneryItem = 8, shopItems = {} }, -- level 37
    { sceneryItem = 9, shopItems = {} }, -- level 38
    { sceneryItem = 10, shopItems = {} }, -- level 39
    { sceneryItem = 11, shopItems = {} }, -- level 40
    { sceneryItem = 12, shopItems = {} }, -- level 41
    { sceneryItem = 13, shopItems = {} }, -- level 42
    { sceneryItem = 14, shopItems = { { id = 38, upgrade = 0 } } }, -- level 43
    { sceneryItem = 15, shopItems = {} }, -- level 44
    { sceneryItem = 16, shopItems = {} }, -- level 45
    { sceneryItem = 17, shopItems = {} }, -- level 46
    { sceneryItem = 18, shopItems = {} }, -- level 47
    { sceneryItem = 19, shopItems = {} }, -- level 48
    { sceneryItem = 20, shopItems = {} }, -- level 49
    { sceneryItem = 21, shopItems = {} }, -- level 50
    { sceneryItem = 22, shopItems = {} }, -- level 51
    { sceneryItem = 23, shopItems = { { id = 54, upgrade = 0 } } }, -- level 52
    { sceneryItem = 24, shopItems = {} }, -- level 53
    { sceneryItem = 25, shopItems = {} }, -- level 54
    { sceneryItem = 26, shopItems = {} }, -- level 55
    { sceneryItem = 27, shopItems = {} }, -- level 56
    { sceneryItem = 0, shopItems = {} }, -- level 57
    { sceneryItem = 1, shopItems = {} }, -- level 58
    { sceneryItem = 2, shopItems = {} }, -- level 59
    { sceneryItem = 3, shopItems = {} }, -- level 60
    { sceneryItem = 4, shopItems = {} }, -- level 61
    { sceneryItem = 5, shopItems = {} }, -- level 62
    { sceneryItem = 6, shopItems = {} }, -- level 63
    { sceneryItem = 7, shopItems = {} }, -- level 64
    { sceneryItem = 8, shopItems = {} }, -- level 65
    { sceneryItem = 9, shopItems = {} }, -- level 66
    { sceneryItem = 10, shopItems = {} }, -- level 67
}

-- The world map's part of every level: the decoration that appears (or, for 28 and 29, goes) once the
-- level is reached, each named by one level only, and the goods the level requires from the map shop.
-- A requirement is always on sale at that level and within the good's purchase levels.
local worldMapScenery = {
    [1] = 0, [2] = 30, [3] = 29, [4] = 31, [5] = 1, [6] = 28, [7] = 2, [8] = 3, [9] = 4, [10] = 5, [11] = 6,
    [12] = 7, [13] = 8, [14] = 9, [15] = 10, [16] = 11, [17] = 12, [18] = 13, [19] = 14, [20] = 15,
    [21] = 16, [22] = 17, [23] = 18, [24] = 19, [25] = 20, [26] = 21, [27] = 22, [28] = 23, [29] = 24,
    [30] = 25, [31] = 26, [32] = 27, [33] = 32,
}
-- By level number (from 1); "id" is the good's cost id, "upgrade" its purchase level. The garden's
-- looks come when the series first grows their crops: tomatoes at 6, potatoes at 11, sunflowers at 16 and
-- wheat at 28.
local worldMapRequirements = {
    [3] = { { id = 1, upgrade = 0 } },
    [4] = { { id = 30, upgrade = 0 } },
    [6] = { { id = 34, upgrade = 0 }, { id = 5, upgrade = 1 } },
    [9] = { { id = 1, upgrade = 1 } },
    [11] = { { id = 62, upgrade = 0 }, { id = 5, upgrade = 2 } },
    [14] = { { id = 1, upgrade = 2 } },
    [16] = { { id = 50, upgrade = 0 }, { id = 5, upgrade = 3 } },
    [17] = { { id = 66, upgrade = 0 }, { id = 138, upgrade = 1 }, { id = 10, upgrade = 1 } },
    [24] = { { id = 1, upgrade = 3 } },
    [28] = { { id = 26, upgrade = 0 }, { id = 5, upgrade = 4 } },
    [29] = { { id = 58, upgrade = 0 } },
    [31] = { { id = 46, upgrade = 0 } },
    [35] = { { id = 42, upgrade = 0 }, { id = 10, upgrade = 2 } },
    [43] = { { id = 38, upgrade = 0 } },
    [47] = { { id = 17, upgrade = 3 } },
    [52] = { { id = 54, upgrade = 0 } },
    [56] = { { id = 131, upgrade = 1 }, { id = 130, upgrade = 2 } },
    [61] = { { id = 132, upgrade = 2 }, { id = 133, upgrade = 2 }, { id = 134, upgrade = 1 } },
}
for level = 1, 67 do
    MapSettings[level] = MapSettings[level] or {}
    MapSettings[level].sceneryItem = worldMapScenery[level] or -1
    MapSettings[level].shopItems = worldMapRequirements[level] or {}
end

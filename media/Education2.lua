-- The tutorial of level 2: buying the garden bed, hiring its gardener, then the water well.
Education = {
    { iGroup = 0, hintName = "EduGarden2", hintPos = { 330, 430 }, eventType = 1, startTime = 1, lock = 0 },
    { iGroup = 0, hintName = "EduBuyGarden", hintPos = { 260, 700 }, eventType = 1, startTime = 0, lock = 0 },
    { iGroup = 0, hintName = "EduGardenAgain", hintPos = { 330, 430 }, eventType = 1, startTime = 0, lock = 0 },
    { iGroup = 0, hintName = "EduGardenerTab", hintPos = { 270, 650 }, eventType = 1, startTime = 0, lock = 0 },
    { iGroup = 0, hintName = "EduHireGardener", hintPos = { 260, 700 }, eventType = 1, startTime = 0, lock = 0 },
    { iGroup = 0, hintName = "EduGardenWork", hintPos = { 260, 700 }, eventType = 1, startTime = -1, lock = 0 },
    { iGroup = 0, hintName = "EduSpare6", hintPos = { 260, 700 }, eventType = 1, startTime = -1, lock = 0 },
    { iGroup = 0, hintName = "EduSpare7", hintPos = { 260, 700 }, eventType = 1, startTime = -1, lock = 0 },
    { iGroup = 0, hintName = "EduWell", hintPos = { 560, 430 }, eventType = 1, startTime = -1, lock = 0 },
    { iGroup = 0, hintName = "EduWellSelected", hintPos = { 260, 700 }, eventType = 1, startTime = -1, lock = 0 },
    { iGroup = 0, hintName = "EduWellTask", hintPos = { 260, 700 }, eventType = 1, startTime = -1, lock = 0 },
}

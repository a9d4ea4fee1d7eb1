-- The tutorial of level 1. Group 0 leads through the field: welcome, the garden bed, its task, the
-- storehouse, the buyers and the first money; group 1 is the storehouse window's tip.
-- "startTime" -1: the tip waits for the level to arm it; "lock" 1 holds the level while it shows;
-- "eventType" 0: the tip ends when the mouse is over it, so its text says so. The welcome stands in the
-- sky, clear of the garden, the gardener and the buildings the next tips point at. The storehouse
-- window's tip is armed from the start: the window waits for it (and is shaded) while it stands, so it
-- shows the first time the window opens and ends when the pointer rests on it.
Education = {
    { iGroup = 0, hintName = "EduWelcome", hintPos = { 900, 40 }, eventType = 0, startTime = 2, lock = 0 },
    { iGroup = 0, hintName = "EduGarden", hintPos = { 330, 430 }, eventType = 1, startTime = 0, lock = 0 },
    { iGroup = 0, hintName = "EduGardenTask", hintPos = { 260, 700 }, eventType = 1, startTime = 0, lock = 0 },
    { iGroup = 0, hintName = "EduStorehouse", hintPos = { 700, 420 }, eventType = 1, startTime = -1, lock = 0 },
    { iGroup = 0, hintName = "EduBuyers", hintPos = { 600, 300 }, eventType = 0, startTime = -1, lock = 1 },
    { iGroup = 0, hintName = "EduFirstMoney", hintPos = { 300, 30 }, eventType = 0, startTime = -1, lock = 1 },
    { iGroup = 1, hintName = "EduStoreWindow", hintPos = { 512, 300 }, eventType = 0, startTime = 0, lock = 0 },
}

-- The tutorial of level 21: goods bought in the storehouse window. Group 0 points at the storehouse
-- on the field and ends for good when its window opens; group 1 points at the window's storehouse
-- tab, then explains the page it opens.
Education = {
    { iGroup = 0, hintName = "EduStorehouseBuy", hintPos = { 700, 420 }, eventType = 1, startTime = 1, lock = 0 },
    { iGroup = 1, hintName = "EduStoreTab", hintPos = { 760, 130 }, eventType = 1, startTime = -1, lock = 0 },
    { iGroup = 1, hintName = "EduStoreBuyPage", hintPos = { 512, 400 }, eventType = 0, startTime = 0, lock = 0 },
}

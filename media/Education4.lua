-- The tutorial of level 4: buying the juicer's lot and ordering its first juice. The level's routine
-- moves on when the juicer is selected, when it is bought and when it has an order; the last tip waits
-- until the money pays for an order.
Education = {
    { iGroup = 0, hintName = "EduJuicer", hintPos = { 400, 170 }, eventType = 1, startTime = 1, lock = 0 },
    { iGroup = 0, hintName = "EduBuyJuicer", hintPos = { 260, 700 }, eventType = 1, startTime = 0, lock = 0 },
    { iGroup = 0, hintName = "EduJuicerTask", hintPos = { 260, 700 }, eventType = 1, startTime = -1, lock = 0 },
}

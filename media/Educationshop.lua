-- The map shop's tip at the first visit with the rope still to buy: a pointer to the rope; it ends when
-- the player reads it (moves the mouse over it).
Education = {
    { iGroup = 0, hintName = "EduShopRope", hintPos = { 709, 400 }, eventType = 0, startTime = 1, lock = 0 },
}

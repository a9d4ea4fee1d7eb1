-- The tutorial of level 3: building the rope (group 0) and the thief in the bush (group 1). The rope's
-- group ends as soon as the rope stands, so no rope tip is left once the rope is built. The thief's
-- tip holds the level until the pointer rests on it, and its text says so.
Education = {
    { iGroup = 0, hintName = "EduRope", hintPos = { 300, 520 }, eventType = 1, startTime = 0, lock = 0 },
    { iGroup = 0, hintName = "EduRopePoint", hintPos = { 260, 700 }, eventType = 1, startTime = 0, lock = 0 },
    { iGroup = 1, hintName = "EduThief", hintPos = { 700, 400 }, eventType = 0, startTime = -1, lock = 1 },
}

-- The tutorial of level 8: the dozing buyer. The level's routine shows the tip above him while he
-- stands idle on his way to the shop (the anchor below is replaced by his place); the tip ends when
-- the mouse is over it.
Education = {
    { iGroup = 0, hintName = "EduSleeper", hintPos = { 512, 300 }, eventType = 0, startTime = -1, lock = 0 },
}

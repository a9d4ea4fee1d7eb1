-- The rope table: a board on a post with a coil of rope, where a rope can be bought; the price is
-- written on its plate (34 to 56 pixels down).
RopeTable = { Image = "rope_table.png", SrcRect = { 0, 0, 74, 90 } }

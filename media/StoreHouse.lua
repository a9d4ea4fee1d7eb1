-- The storehouse's pictures. The lid of a goods box, hinged at its lower left corner.
BackDoor = { Image = "store_lid.png", SrcRect = { 0, 0, 40, 20 } }

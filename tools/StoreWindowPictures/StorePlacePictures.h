#pragma once

#include "platform/Image.h"

// The two places the storehouse window shows, as sheets of sprites: the shop (stall by level, both
// shelves by level, plinth, lock, free-place mark, flowers) and the storehouse's inside (bays, roofs and
// floors by level, doors, free-place mark, shovel, stone).
namespace StorePlacePictures
{
Platform::Image ShopSheet();
Platform::Image StorehouseSheet();
} // namespace StorePlacePictures

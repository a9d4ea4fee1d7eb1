#pragma once

#include "engine/Util/Vector2.h"

// The mouse position on the virtual screen of 1024 x 768; false (out untouched) without input or
// drawing.
bool VirtualMousePosition(Korrin::Vector2& out);

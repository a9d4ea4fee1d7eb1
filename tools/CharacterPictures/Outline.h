#pragma once

#include "platform/Image.h"

// Gives the shapes in a region of a picture a dark one-pixel rim, so that a figure's parts read apart
// from each other and from the field behind them.
void OutlineRegion(Platform::Image& image, int left, int top, int width, int height);

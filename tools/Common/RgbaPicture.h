#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture of 8-bit red, green, blue and alpha, row by row from the top, as the sample-data
// generators paint it and write it as PNG.
struct RgbaPicture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    RgbaPicture(int pictureWidth, int pictureHeight);

    std::uint8_t* At(int x, int y);
    // Writes the picture with its alpha channel; false (with a line on stderr) when it cannot.
    bool WritePng(const std::string& path) const;
};

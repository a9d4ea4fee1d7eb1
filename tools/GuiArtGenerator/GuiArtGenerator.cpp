// Paints the sample data's widget picture ("gui_widgets.png"): a window frame to be cut into nine
// pieces, button looks, check boxes, arrows, sliders, a list with its row bars and an edit field.
// Flat shapes with outlines and light gradients; the rectangles are listed in media/demo.gui.
//
// Usage: wf_gui_art_generator OUTPUT_FOLDER

#include "tools/Common/RgbaPicture.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{

struct Rgb
{
    int red;
    int green;
    int blue;
};

struct Box
{
    int left;
    int top;
    int right;
    int bottom;
};

void Fill(RgbaPicture& picture, const Box& box, Rgb colour, int alpha = 255)
{
    for (int y = box.top; y < box.bottom; ++y)
    {
        for (int x = box.left; x < box.right; ++x)
        {
            std::uint8_t* pixel = picture.At(x, y);
            pixel[0] = static_cast<std::uint8_t>(colour.red);
            pixel[1] = static_cast<std::uint8_t>(colour.green);
            pixel[2] = static_cast<std::uint8_t>(colour.blue);
            pixel[3] = static_cast<std::uint8_t>(alpha);
        }
    }
}

// Lighter at the top, darker at the bottom.
void Gradient(RgbaPicture& picture, const Box& box, Rgb colour)
{
    const int height = std::max(1, box.bottom - box.top);
    for (int y = box.top; y < box.bottom; ++y)
    {
        const int shade = 30 - 60 * (y - box.top) / height;
        const Rgb row{std::clamp(colour.red + shade, 0, 255), std::clamp(colour.green + shade, 0, 255),
                      std::clamp(colour.blue + shade, 0, 255)};
        Fill(picture, Box{box.left, y, box.right, y + 1}, row);
    }
}

void Outline(RgbaPicture& picture, const Box& box, Rgb colour, int thickness)
{
    Fill(picture, Box{box.left, box.top, box.right, box.top + thickness}, colour);
    Fill(picture, Box{box.left, box.bottom - thickness, box.right, box.bottom}, colour);
    Fill(picture, Box{box.left, box.top, box.left + thickness, box.bottom}, colour);
    Fill(picture, Box{box.right - thickness, box.top, box.right, box.bottom}, colour);
}

void Button(RgbaPicture& picture, const Box& box, Rgb colour, Rgb border)
{
    Gradient(picture, box, colour);
    Outline(picture, box, border, 2);
}

// A triangle filling the box, pointing up or down.
void Arrow(RgbaPicture& picture, const Box& box, bool up, Rgb colour)
{
    Button(picture, box, Rgb{90, 120, 80}, Rgb{40, 50, 35});
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    for (int row = 4; row < height - 4; ++row)
    {
        const int fromTip = up ? row - 4 : height - 5 - row;
        const int half = fromTip * (width - 8) / (2 * (height - 8));
        const int centre = box.left + width / 2;
        Fill(picture, Box{centre - half - 1, box.top + row, centre + half + 1, box.top + row + 1}, colour);
    }
}

void Paint(RgbaPicture& picture)
{
    const Rgb bark{70, 50, 35};
    const Rgb parchment{235, 222, 190};
    const Rgb leaf{80, 140, 70};
    const Rgb white{255, 255, 255};

    // Window frame source 0..48 by 0..48, corners 16: a border band and a plain inside, so the edge
    // and centre pieces tile without seams.
    Fill(picture, Box{0, 0, 48, 48}, parchment);
    Outline(picture, Box{0, 0, 48, 48}, bark, 5);
    Outline(picture, Box{5, 5, 43, 43}, Rgb{180, 150, 110}, 2);

    // Buttons 120 by 36: normal, over, pressed, disabled.
    Button(picture, Box{48, 0, 168, 36}, leaf, bark);
    Button(picture, Box{48, 36, 168, 72}, Rgb{110, 175, 95}, bark);
    Button(picture, Box{48, 72, 168, 108}, Rgb{55, 105, 50}, bark);
    // Disabled: a dull dark slate, so that the layouts' light grey captions still read on it.
    Button(picture, Box{48, 108, 168, 144}, Rgb{84, 88, 82}, Rgb{52, 55, 50});

    // Check boxes 24 by 24: unchecked, checked.
    Button(picture, Box{168, 0, 192, 24}, parchment, bark);
    Button(picture, Box{192, 0, 216, 24}, parchment, bark);
    for (int step = 0; step < 12; ++step)
    {
        Fill(picture, Box{198 + step / 2, 11 + step / 2, 201 + step / 2, 13 + step / 2}, leaf);
        Fill(picture, Box{203 + step / 2, 17 - step, 206 + step / 2, 19 - step}, leaf);
    }

    // Arrows 20 by 20: up, down.
    Arrow(picture, Box{216, 0, 236, 20}, true, white);
    Arrow(picture, Box{236, 0, 256, 20}, false, white);

    // Edit field 200 by 32.
    // Dark, for the field's text is drawn white.
    Fill(picture, Box{256, 0, 456, 32}, Rgb{60, 45, 35});
    Outline(picture, Box{256, 0, 456, 32}, Rgb{180, 150, 110}, 2);

    // Horizontal slider: track 160 by 16, filled part 160 by 16, thumb 12 by 24.
    Fill(picture, Box{0, 144, 160, 160}, Rgb{60, 45, 35});
    Outline(picture, Box{0, 144, 160, 160}, bark, 1);
    Gradient(picture, Box{0, 160, 160, 176}, Rgb{220, 150, 60});
    Button(picture, Box{160, 144, 172, 168}, Rgb{200, 190, 170}, bark);

    // Vertical slider of the list: track 16 by 80, thumb 16 by 16.
    Fill(picture, Box{400, 144, 416, 224}, Rgb{60, 45, 35});
    Button(picture, Box{416, 144, 432, 160}, Rgb{200, 190, 170}, bark);

    // List background 200 by 80 and its row bars 190 by 20: selected, hovered (half transparent).
    Fill(picture, Box{0, 176, 200, 256}, Rgb{50, 70, 45}, 230);
    Outline(picture, Box{0, 176, 200, 256}, bark, 2);
    Fill(picture, Box{200, 176, 390, 196}, Rgb{120, 170, 90}, 220);
    Fill(picture, Box{200, 196, 390, 216}, white, 70);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    RgbaPicture picture(512, 256);
    Paint(picture);
    return picture.WritePng(std::string(argv[1]) + "/gui_widgets.png") ? 0 : 1;
}

// Draws the production buildings and writes their descriptions: for each of the eleven kinds the three
// level looks and the construction look as composite meshes ("<stem>1.building" .. "<stem>3.building",
// "<stem>_up.building"), each with two pictures (worker hired: lit and coloured; not hired: grey and
// dark), and "<stem>.lua" with the click rectangle, the doors and the working sprites. Also the
// for-sale sign ("BuyBuilding.lua"), the progress bar ("building_bar.png" for "GuiBuilding.lua"), the
// worker-wanted signs ("s_table01.mesh", "s_table02.mesh") and the finished-work sparkle.
//
//   wf_building_pictures OUTPUT_FOLDER

#include "platform/Image.h"
#include "tools/BuildingPictures/BuildingArt.h"
#include "tools/Common/Painting.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_building_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool written = true;
    for (const BuildingArt::Kind& kind : BuildingArt::Kinds())
    {
        written = BuildingArt::WriteKind(kind, folder) && written;
    }
    written = BuildingArt::WriteSigns(folder) && written;
    written = BuildingArt::WriteProgressBar(folder) && written;
    return written ? 0 : 1;
}

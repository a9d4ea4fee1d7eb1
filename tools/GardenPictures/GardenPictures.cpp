// Writes the garden's sample data: the crops, the seeds, the garden's visuals with their meshes and
// sprite tables, the water well and its pails, and the icons of their panel pages. Our own flat shapes.
//
//   wf_garden_pictures OUTPUT_FOLDER

#include "tools/GardenPictures/GardenArt.h"
#include "tools/GardenPictures/PlantArt.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_garden_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/')
    {
        folder += '/';
    }
    const bool ok = PlantArt::WriteAll(folder) && GardenArt::WriteGarden(folder) &&
                    GardenArt::WriteWell(folder) && GardenArt::WritePanel(folder);
    return ok ? 0 : 1;
}

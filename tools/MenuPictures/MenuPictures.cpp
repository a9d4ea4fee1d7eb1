// Paints the main menu's pictures into the media folder given: sky, landscape, title, the girl, the
// windmill's sails, the thief with his part file, the rewards' decorations and the edge covers.
#include "tools/MenuPictures/MenuScene.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s MEDIA_FOLDER BOLD_FONT\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const bool written = MenuScene::PaintSky(folder) && MenuScene::PaintBackground(folder) &&
                         MenuScene::PaintTitle(folder, argv[2]) && MenuScene::PaintMill(folder) &&
                         MenuScene::PaintEdges(folder) && MenuScene::PaintGirl(folder) &&
                         MenuScene::PaintThief(folder) && MenuScene::PaintRewards(folder) &&
                         MenuScene::PaintNewCharacters(folder);
    return written ? 0 : 1;
}

// Writes the characters' data into the media folder: for every look a skeleton with its part pictures,
// the animation files and the list file; the shared pictures around them (goods in the hand, the wish
// bubble and its digits, the selection mark, the pointing finger, wings, the thief's cage and bag);
// and, into a second folder, a contact sheet of every figure in a few poses to look at.
//
// Usage: wf_character_pictures MEDIA_FOLDER PREVIEW_FOLDER

#include "tools/CharacterPictures/LuaFiles.h"
#include "tools/CharacterPictures/Preview.h"
#include "tools/CharacterPictures/Props.h"
#include "tools/Common/Painting.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <string>

namespace
{

class Writer
{
public:
    explicit Writer(std::string folder) : mFolder(std::move(folder)) {}

    void Text(const std::string& name, const std::string& text)
    {
        std::ofstream out(mFolder + name, std::ios::binary);
        out << text;
        out.close();
        if (!out)
        {
            std::fprintf(stderr, "wf_character_pictures: cannot write %s%s\n", mFolder.c_str(), name.c_str());
            mOk = false;
        }
    }

    void Picture(const std::string& name, const Platform::Image& image)
    {
        mOk &= Painting::WritePng(image, mFolder + name);
    }

    bool Ok() const { return mOk; }

private:
    std::string mFolder;
    bool mOk = true;
};

// A picture of frames of width x height in rows of `columns`, and its sprite table.
void SpriteFile(Writer& out, const std::string& stem, const std::string& table, const Platform::Image& image,
                int width, int height, int frames, int columns)
{
    out.Picture(stem + ".png", image);
    out.Text(stem + ".lua",
             "-- " + table + ": " + std::to_string(frames) + " frames of " + std::to_string(width) + " x " +
                 std::to_string(height) + ".\n" +
                 LuaFiles::SpriteTable(table, stem + ".png", 0, 0, width * std::min(frames, columns),
                                       height * ((frames + columns - 1) / columns), frames, columns));
}

void WriteSharedPictures(Writer& out, Platform::Image& carry, Platform::Image& gardenerCarry,
                         Platform::Image& fairyCarry)
{
    using namespace Props;
    carry = CarryGoods();
    gardenerCarry = GardenerCarry();
    fairyCarry = FairyCarry();
    SpriteFile(out, "carry_goods", "CarryGoods", carry, kGoodsSize, kGoodsSize, kCarryFrames, 8);
    SpriteFile(out, "gardener_carry", "GardenerCarry", gardenerCarry, kGoodsSize, kGoodsSize, kGardenerFrames,
               8);
    SpriteFile(out, "fairy_carry", "FairyCarry", fairyCarry, kGoodsSize, kGoodsSize, kCarryFrames, 8);

    out.Picture("CharDream.png", DreamBubbles());
    out.Picture("dream_digits.png", Digits(false));
    out.Picture("dream_digits_slash.png", Digits(true));
    out.Text(
        "CharDream.lua",
        "-- The wish bubble over a character's head, one frame per wish (goods, complaints, the workers'\n"
        "-- signs), and the two digits drawn on it: goods reserved, and \"/\" goods wanted.\n" +
            LuaFiles::SpriteTable("CharDream", "CharDream.png", 0, 0, kBubbleWidth * 8, kBubbleHeight * 5,
                                  kBubbleFrames, 8) +
            LuaFiles::SpriteTable("DreamNum", "dream_digits.png", 0, 0, kDigitWidth * 10, kDigitHeight, 10,
                                  10) +
            LuaFiles::SpriteTable("DreamNum1", "dream_digits_slash.png", 0, 0, kDigitWidth * 10, kDigitHeight,
                                  10, 10));
    out.Picture("mark.png", SelectionMark());
    out.Picture("character_finger.png", Finger());
}

std::string ThiefTables(Writer& out)
{
    using namespace Props;
    std::string tables =
        "-- The cage that closes round a caught thief (one of three, by the cage's level), its back\n"
        "-- wall, and the bag of stolen goods he drops.\n";
    for (int level = 1; level <= 3; ++level)
    {
        const int frames = 7 - level;
        const std::string n = std::to_string(level);
        out.Picture("thief_cell" + n + ".png", Cage(frames, true));
        out.Picture("thief_backcell" + n + ".png", Cage(frames, false));
        tables += LuaFiles::SpriteTable("Cell" + n, "thief_cell" + n + ".png", 0, 0, kCageWidth * frames,
                                        kCageHeight, frames, frames);
        tables += LuaFiles::SpriteTable("BackCell" + n, "thief_backcell" + n + ".png", 0, 0,
                                        kCageWidth * frames, kCageHeight, frames, frames);
    }
    out.Picture("thief_bag.png", Bag());
    tables += LuaFiles::SpriteTable("ThiefBag", "thief_bag.png", 0, 0, kBagWidth * kBagFrames, kBagHeight,
                                    kBagFrames, kBagFrames);
    return tables;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s MEDIA_FOLDER PREVIEW_FOLDER\n", argv[0]);
        return 2;
    }
    Writer out(std::string(argv[1]) + "/");
    Platform::Image carry;
    Platform::Image gardenerCarry;
    Platform::Image fairyCarry;
    WriteSharedPictures(out, carry, gardenerCarry, fairyCarry);

    std::vector<std::unique_ptr<FigureArt>> figures;
    std::set<std::string> writtenAnimations;
    for (const Look& look : AllLooks())
    {
        auto art = std::make_unique<FigureArt>();
        art->look = &look;
        art->parts = PaintParts(look);
        art->animations = AnimationsOf(look);
        std::string carryTable = "CarryGoods";
        std::string carryFile = "carry_goods.lua";
        int carryFrames = Props::kCarryFrames;
        art->carry = &carry;
        if (look.repertoire == Repertoire::Gardener)
        {
            carryTable = "GardenerCarry";
            carryFile = "gardener_carry.lua";
            carryFrames = Props::kGardenerFrames;
            art->carry = &gardenerCarry;
        }
        else if (look.repertoire == Repertoire::Fairy)
        {
            carryTable = "FairyCarry";
            carryFile = "fairy_carry.lua";
            art->carry = &fairyCarry;
            art->wings = Props::Wings(look.wings);
            SpriteFile(out, look.stem + "_wings", "Wings", art->wings, Props::kWingWidth, Props::kWingHeight,
                       3, 3);
        }

        const std::string partsImage = look.stem + "_parts.png";
        out.Picture(partsImage, PartsSheet(art->parts));
        const std::string skeletonFile = look.stem + "_skel.lua";
        out.Text(skeletonFile, LuaFiles::Skeleton(look, art->animations.front().second.poses.front(),
                                                  partsImage, art->parts, carryTable, carryFile));
        for (const auto& [name, motion] : art->animations)
        {
            const std::string file = LuaFiles::AnimationFile(look, motion);
            if (writtenAnimations.insert(file).second)
            {
                out.Text(file, LuaFiles::Animation(look, motion));
            }
        }
        const std::string extra = look.repertoire == Repertoire::Thief ? ThiefTables(out) : std::string();
        out.Text(look.listFile, LuaFiles::List(look, skeletonFile, art->animations, carryFrames, extra));
        figures.push_back(std::move(art));
    }

    // Sheets of five figures each, to look at.
    Writer preview(std::string(argv[2]) + "/");
    for (std::size_t first = 0; first < figures.size(); first += 5)
    {
        std::vector<const FigureArt*> rows;
        for (std::size_t i = first; i < std::min(figures.size(), first + 5); ++i)
        {
            rows.push_back(figures[i].get());
        }
        preview.Picture("preview_characters_" + std::to_string(first / 5 + 1) + ".png", ContactSheet(rows));
    }

    out.Text("characters.stamp", "");
    return out.Ok() && preview.Ok() ? 0 : 1;
}

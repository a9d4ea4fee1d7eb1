#include "tools/CharacterPictures/Look.h"
#include "tools/Common/Painting.h"

namespace
{

using Painting::Argb;

std::uint32_t Rgb(int r, int g, int b)
{
    return Argb(255, r, g, b);
}

const std::uint32_t kFair = Rgb(246, 206, 170);
const std::uint32_t kTan = Rgb(222, 170, 124);
const std::uint32_t kDark = Rgb(160, 110, 76);
const std::uint32_t kOld = Rgb(236, 196, 168);

Look Buyer(const std::string& stem, Rig rig, Gait gait, Garment garment, Headwear headwear, Extra extra,
           Face face)
{
    Look look;
    look.stem = stem;
    look.listFile = stem + "list.lua";
    look.rig = rig;
    look.gait = gait;
    look.repertoire = Repertoire::Buyer;
    look.garment = garment;
    look.headwear = headwear;
    look.extra = extra;
    look.face = face;
    return look;
}

Look Boy(const std::string& kind, std::uint32_t top, std::uint32_t bottom, std::uint32_t trim,
         Headwear headwear, Extra extra)
{
    Look look;
    look.stem = "boy_" + kind;
    look.listFile = look.stem + "_list.lua";
    look.rig = Rig::Child;
    look.repertoire = Repertoire::Boy;
    look.garment = Garment::Shirt;
    look.headwear = headwear;
    look.extra = extra;
    look.face = Face::Freckles;
    look.skin = kFair;
    look.hair = Rgb(150, 90, 40);
    look.top = top;
    look.bottom = bottom;
    look.trim = trim;
    look.shoes = Rgb(90, 60, 40);
    look.hat = trim;
    return look;
}

Look Fairy(const std::string& kind, std::uint32_t dress, std::uint32_t hair, std::uint32_t wings)
{
    Look look;
    look.stem = "fairy_" + kind;
    look.listFile = look.stem + "_list.lua";
    look.wingsFile = look.stem + "_wings.lua";
    look.rig = Rig::Fairy;
    look.gait = Gait::Flying;
    look.repertoire = Repertoire::Fairy;
    look.garment = Garment::Dress;
    look.headwear = Headwear::LongHair;
    look.skin = kFair;
    look.hair = hair;
    look.top = dress;
    look.bottom = kFair;
    look.trim = Rgb(255, 255, 255);
    look.shoes = Painting::Mix(dress, Rgb(0, 0, 0), 0.35f);
    look.wings = wings;
    return look;
}

std::vector<Look> MakeLooks()
{
    std::vector<Look> looks;

    // The thirteen buyers' looks, then the professor's monster.
    Look peasant = Buyer("peasant", Rig::Adult, Gait::Old, Garment::Shirt, Headwear::StrawHat, Extra::Braces,
                         Face::Beard);
    peasant.skin = kTan;
    peasant.hair = Rgb(200, 200, 196);
    peasant.top = Rgb(226, 214, 180);
    peasant.bottom = Rgb(92, 110, 150);
    peasant.trim = Rgb(120, 70, 40);
    peasant.shoes = Rgb(90, 56, 30);
    peasant.hat = Rgb(232, 196, 96);
    looks.push_back(peasant);

    Look girl = Buyer("girl", Rig::Child, Gait::Plain, Garment::Dress, Headwear::Pigtails, Extra::None,
                      Face::Freckles);
    girl.skin = kFair;
    girl.hair = Rgb(244, 196, 70);
    girl.top = Rgb(240, 110, 150);
    girl.bottom = Rgb(250, 250, 250);
    girl.trim = Rgb(255, 255, 255);
    girl.shoes = Rgb(200, 40, 50);
    girl.hat = Rgb(60, 150, 230);
    looks.push_back(girl);

    Look prince = Buyer("prince", Rig::Adult, Gait::Plain, Garment::Shirt, Headwear::Crown, Extra::Cape,
                        Face::Moustache);
    prince.skin = kFair;
    prince.hair = Rgb(110, 70, 30);
    prince.top = Rgb(50, 80, 180);
    prince.bottom = Rgb(245, 245, 245);
    prince.trim = Rgb(190, 30, 40);
    prince.shoes = Rgb(40, 40, 60);
    prince.hat = Rgb(250, 200, 40);
    looks.push_back(prince);

    Look sleeper = Buyer("sleeper", Rig::Adult, Gait::Plain, Garment::Shirt, Headwear::NightCap,
                         Extra::Pyjamas, Face::Sleepy);
    sleeper.skin = kFair;
    sleeper.hair = Rgb(120, 80, 50);
    sleeper.top = Rgb(150, 200, 240);
    sleeper.bottom = Rgb(150, 200, 240);
    sleeper.trim = Rgb(255, 255, 255);
    sleeper.shoes = Rgb(200, 60, 60);
    sleeper.hat = Rgb(60, 80, 170);
    looks.push_back(sleeper);

    Look general = Buyer("general", Rig::Adult, Gait::Plain, Garment::Coat, Headwear::PeakedCap,
                         Extra::Medals, Face::Moustache);
    general.skin = kTan;
    general.hair = Rgb(90, 90, 90);
    general.top = Rgb(60, 90, 50);
    general.bottom = Rgb(50, 70, 40);
    general.trim = Rgb(240, 200, 60);
    general.shoes = Rgb(25, 25, 25);
    general.hat = Rgb(60, 90, 50);
    looks.push_back(general);

    Look smelly =
        Buyer("smelly", Rig::Adult, Gait::Plain, Garment::Shirt, Headwear::Beanie, Extra::Stink, Face::Beard);
    smelly.skin = kDark;
    smelly.hair = Rgb(70, 50, 30);
    smelly.top = Rgb(120, 120, 70);
    smelly.bottom = Rgb(100, 80, 60);
    smelly.trim = Rgb(160, 140, 90);
    smelly.shoes = Rgb(70, 50, 40);
    smelly.hat = Rgb(150, 90, 60);
    looks.push_back(smelly);

    Look professor = Buyer("professor", Rig::Adult, Gait::Old, Garment::Coat, Headwear::Bald, Extra::LabCoat,
                           Face::Glasses);
    professor.skin = kOld;
    professor.hair = Rgb(220, 220, 220);
    professor.top = Rgb(248, 248, 248);
    professor.bottom = Rgb(70, 70, 90);
    professor.trim = Rgb(200, 30, 40);
    professor.shoes = Rgb(40, 30, 30);
    looks.push_back(professor);

    Look musician = Buyer("musician", Rig::Adult, Gait::Plain, Garment::Shirt, Headwear::Beret, Extra::Guitar,
                          Face::Moustache);
    musician.skin = kFair;
    musician.hair = Rgb(40, 30, 30);
    musician.top = Rgb(250, 250, 250);
    musician.bottom = Rgb(40, 40, 50);
    musician.trim = Rgb(210, 40, 50);
    musician.shoes = Rgb(30, 30, 30);
    musician.hat = Rgb(150, 30, 60);
    looks.push_back(musician);

    Look fatB =
        Buyer("fatB", Rig::Adult, Gait::Stout, Garment::Shirt, Headwear::Bald, Extra::Belly, Face::Moustache);
    fatB.skin = kOld;
    fatB.hair = Rgb(120, 120, 120);
    fatB.top = Rgb(250, 240, 220);
    fatB.bottom = Rgb(120, 80, 50);
    fatB.trim = Rgb(200, 40, 40);
    fatB.shoes = Rgb(60, 40, 30);
    fatB.width = 1.5f;
    looks.push_back(fatB);

    Look princess = Buyer("princess", Rig::Adult, Gait::Plain, Garment::Gown, Headwear::Tiara,
                          Extra::Necklace, Face::Plain);
    princess.skin = kFair;
    princess.hair = Rgb(250, 210, 90);
    princess.top = Rgb(250, 150, 200);
    princess.bottom = Rgb(250, 150, 200);
    princess.trim = Rgb(255, 255, 255);
    princess.shoes = Rgb(250, 120, 170);
    princess.hat = Rgb(250, 210, 60);
    looks.push_back(princess);

    Look fat =
        Buyer("fat", Rig::Adult, Gait::Stout, Garment::Shirt, Headwear::FlatCap, Extra::Stripes, Face::Plain);
    fat.skin = kFair;
    fat.hair = Rgb(200, 100, 40);
    fat.top = Rgb(250, 150, 40);
    fat.bottom = Rgb(60, 90, 160);
    fat.trim = Rgb(255, 230, 180);
    fat.shoes = Rgb(240, 240, 240);
    fat.hat = Rgb(60, 140, 70);
    fat.width = 1.45f;
    looks.push_back(fat);

    Look countess = Buyer("countess", Rig::Adult, Gait::Old, Garment::Gown, Headwear::TallWig,
                          Extra::Necklace, Face::Plain);
    countess.skin = kOld;
    countess.hair = Rgb(235, 235, 245);
    countess.top = Rgb(120, 50, 150);
    countess.bottom = Rgb(120, 50, 150);
    countess.trim = Rgb(250, 250, 250);
    countess.shoes = Rgb(60, 20, 70);
    looks.push_back(countess);

    Look grandma =
        Buyer("grandma", Rig::Adult, Gait::Old, Garment::Gown, Headwear::Bun, Extra::Shawl, Face::Glasses);
    grandma.skin = kOld;
    grandma.hair = Rgb(200, 200, 205);
    grandma.top = Rgb(130, 90, 70);
    grandma.bottom = Rgb(130, 90, 70);
    grandma.trim = Rgb(190, 150, 210);
    grandma.shoes = Rgb(60, 40, 40);
    looks.push_back(grandma);

    Look monster = Buyer("monster", Rig::Child, Gait::Stout, Garment::Bare, Headwear::Horns, Extra::Belly,
                         Face::Monster);
    monster.repertoire = Repertoire::Monster;
    monster.skin = Rgb(110, 190, 80);
    monster.hair = Rgb(70, 130, 50);
    monster.top = Rgb(110, 190, 80);
    monster.bottom = Rgb(110, 190, 80);
    monster.trim = Rgb(220, 240, 160);
    monster.shoes = Rgb(70, 130, 50);
    monster.hat = Rgb(250, 240, 210);
    monster.width = 1.3f;
    looks.push_back(monster);

    // The errand boy: his own clothes, then the working clothes of each building.
    const std::uint32_t shorts = Rgb(110, 80, 50);
    looks.push_back(Boy("normal", Rgb(70, 130, 210), shorts, Rgb(70, 130, 210), Headwear::None, Extra::None));
    looks.push_back(Boy("miller", Rgb(235, 235, 225), Rgb(150, 140, 120), Rgb(250, 250, 250),
                        Headwear::FlatCap, Extra::Apron));
    looks.push_back(
        Boy("juicer", Rgb(250, 220, 120), shorts, Rgb(250, 140, 30), Headwear::None, Extra::Apron));
    looks.push_back(Boy("tomat", Rgb(220, 50, 40), shorts, Rgb(60, 160, 60), Headwear::FlatCap, Extra::None));
    looks.push_back(Boy("baker", Rgb(250, 250, 250), Rgb(90, 90, 100), Rgb(250, 250, 250), Headwear::ChefHat,
                        Extra::Apron));
    looks.push_back(Boy("sunflower", Rgb(250, 210, 40), Rgb(90, 120, 60), Rgb(240, 200, 90),
                        Headwear::StrawHat, Extra::None));
    looks.push_back(Boy("packer", Rgb(240, 230, 210), Rgb(150, 100, 60), Rgb(150, 100, 60), Headwear::FlatCap,
                        Extra::Braces));

    // The fairy: her own dress, then a dress by building.
    looks.push_back(Fairy("normal", Rgb(250, 140, 200), Rgb(250, 220, 100), Rgb(200, 230, 255)));
    looks.push_back(Fairy("roaster", Rgb(190, 100, 40), Rgb(120, 60, 30), Rgb(255, 220, 180)));
    looks.push_back(Fairy("confectionery", Rgb(255, 190, 220), Rgb(140, 80, 50), Rgb(255, 230, 245)));
    looks.push_back(Fairy("sandwich", Rgb(110, 190, 90), Rgb(230, 180, 90), Rgb(220, 255, 210)));
    looks.push_back(Fairy("dough", Rgb(240, 220, 170), Rgb(200, 120, 60), Rgb(255, 250, 220)));
    looks.push_back(Fairy("friedpotatoes", Rgb(250, 190, 40), Rgb(90, 60, 40), Rgb(255, 245, 190)));

    Look gardener;
    gardener.stem = "gardener";
    gardener.listFile = "gardenerlist.lua";
    gardener.repertoire = Repertoire::Gardener;
    gardener.garment = Garment::Overalls;
    gardener.headwear = Headwear::None; // his hat is two bones of its own
    gardener.face = Face::Plain;
    gardener.skin = kTan;
    gardener.hair = Rgb(140, 80, 30);
    gardener.top = Rgb(240, 230, 200);
    gardener.bottom = Rgb(60, 130, 60);
    gardener.trim = Rgb(60, 130, 60);
    gardener.shoes = Rgb(100, 60, 30);
    gardener.hat = Rgb(236, 200, 100);
    looks.push_back(gardener);

    Look thief;
    thief.stem = "thief";
    thief.listFile = "thieflist.lua";
    thief.repertoire = Repertoire::Thief;
    thief.gait = Gait::Sneaky;
    thief.garment = Garment::Shirt;
    thief.headwear = Headwear::Beanie;
    thief.extra = Extra::Stripes;
    thief.face = Face::Mask;
    thief.skin = kTan;
    thief.hair = Rgb(70, 45, 30);
    thief.top = Rgb(50, 50, 60);
    thief.bottom = Rgb(35, 35, 45);
    thief.trim = Rgb(200, 200, 210);
    thief.shoes = Rgb(20, 20, 20);
    thief.hat = Rgb(75, 75, 90);
    looks.push_back(thief);

    Look companion;
    companion.stem = "quiban";
    companion.listFile = "quibanilist.lua";
    companion.repertoire = Repertoire::Companion;
    companion.rig = Rig::Child;
    companion.garment = Garment::Shirt;
    companion.headwear = Headwear::FlatCap;
    companion.extra = Extra::Apron;
    companion.face = Face::Freckles;
    companion.skin = kFair;
    companion.hair = Rgb(220, 100, 40);
    companion.top = Rgb(250, 230, 90);
    companion.bottom = Rgb(80, 80, 120);
    companion.trim = Rgb(60, 150, 80);
    companion.shoes = Rgb(120, 60, 30);
    companion.hat = Rgb(60, 150, 80);
    looks.push_back(companion);
    return looks;
}

} // namespace

const std::vector<Look>& AllLooks()
{
    static const std::vector<Look> looks = MakeLooks();
    return looks;
}

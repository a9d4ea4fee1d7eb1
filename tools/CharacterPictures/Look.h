#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The few parameters that make one character look: its build, its clothes and their colours, what it
// wears on its head, and the set of animations its kind plays.
enum class Rig
{
    Adult,
    Child,
    Fairy,
};

// How a figure carries itself in every animation.
enum class Gait
{
    Plain,
    Old,    // slower, a little bent
    Stout,  // waddles
    Sneaky, // crouched, on tiptoe
    Flying, // hovers
};

// What is below the hip: trousers, or a skirt of some length over stockings.
enum class Garment
{
    Shirt,    // shirt or tunic to the hip, trousers
    Coat,     // long coat to the thigh
    Dress,    // skirt to the knee
    Gown,     // skirt to the ankle
    Overalls, // bib and trousers of one colour
    Bare,     // no clothes: the monster's hide
};

enum class Headwear
{
    None,
    StrawHat,
    Crown,
    Tiara,
    NightCap,
    PeakedCap,
    Beret,
    ChefHat,
    FlatCap,
    Beanie,
    Horns,
    Bun,      // grey hair in a bun
    TallWig,  // powdered hair piled high
    Pigtails, // plaits with bows
    LongHair,
    Bald, // a fringe of hair round a bald crown
};

enum class Extra
{
    None,
    Guitar,   // an instrument across the chest
    Belly,    // a round belly
    Medals,   // epaulettes and medals
    Stink,    // green wavy lines round the shoulders
    LabCoat,  // a white coat with a pocket of pens
    Apron,    // an apron in the trim colour
    Cape,     // a cape behind the shoulders
    Necklace, // pearls
    Shawl,    // a shawl over the shoulders
    Stripes,  // striped shirt
    Pyjamas,  // striped pyjamas
    Braces,   // braces over the shirt
};

enum class Face
{
    Plain,
    Beard,
    Moustache,
    Glasses,
    Mask, // a black mask over the eyes
    Sleepy,
    Monster, // wide jaw with teeth
    Freckles,
};

// The animation set of a kind.
enum class Repertoire
{
    Buyer,
    Monster,
    Boy,
    Fairy,
    Gardener,
    Thief,
    Companion,
};

struct Look
{
    std::string stem; // file stem: "<stem>list.lua" or "<stem>_list.lua" as the list file says
    std::string listFile;
    Rig rig = Rig::Adult;
    Gait gait = Gait::Plain;
    Repertoire repertoire = Repertoire::Buyer;
    Garment garment = Garment::Shirt;
    Headwear headwear = Headwear::None;
    Extra extra = Extra::None;
    Face face = Face::Plain;
    std::uint32_t skin = 0;
    std::uint32_t hair = 0;
    std::uint32_t top = 0;    // shirt, tunic, coat, dress
    std::uint32_t bottom = 0; // trousers, or stockings under a skirt
    std::uint32_t trim = 0;   // apron, collar, belt, buttons, hat band
    std::uint32_t shoes = 0;
    std::uint32_t hat = 0;
    float width = 1.0f;    // the torso's width against an ordinary build
    std::string wingsFile; // fairies: "<stem>_wings.lua"
    std::uint32_t wings = 0;
};

// Every look the characters' kinds create, in the order their files are written.
const std::vector<Look>& AllLooks();

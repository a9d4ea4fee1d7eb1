#pragma once

#include "tools/CharacterPictures/Motions.h"
#include "tools/CharacterPictures/Parts.h"

#include <string>
#include <vector>

// The Lua files of the characters' data, in the engine's formats.
namespace LuaFiles
{

// A number as Lua reads it back: at most four decimals, no trailing zeros.
std::string Number(float value);

// A sprite table: an image cut into `frames` frames in rows of `columns` over the source rectangle.
std::string SpriteTable(const std::string& name, const std::string& image, int left, int top, int width,
                        int height, int frames, int columns);

// A look's skeleton: its head's centre and its offset above the cell, the bones with their rest pose
// and pictures (the part tables, then the carry bone's table `carryTable` of `carryFile`).
std::string Skeleton(const Look& look, const Pose& rest, const std::string& partsImage,
                     const std::vector<PartPicture>& parts, const std::string& carryTable,
                     const std::string& carryFile);

// An animation file for the bones of a look.
std::string Animation(const Look& look, const Motion& motion);

// The list file: the skeleton's names, the animations by name and the carried goods' corrections
// for `carryFrames` frame ids of every animation that carries. `extra` is appended (the thief's
// cage and bag tables).
std::string List(const Look& look, const std::string& skeletonFile, const AnimationSet& animations,
                 int carryFrames, const std::string& extra);

// The file an animation of a look is written to.
std::string AnimationFile(const Look& look, const Motion& motion);

} // namespace LuaFiles

#pragma once

#include "tools/CharacterPictures/Figure.h"
#include "tools/CharacterPictures/Look.h"

#include <string>
#include <utility>
#include <vector>

// One animation: its key frames' durations (the first is 0, so a cycle starts on its first pose) and
// a pose per key frame. Many animation names may play the same motion.
struct Motion
{
    std::string id; // names the file, with the figure's class
    std::vector<float> times;
    std::vector<Pose> poses;
    bool mirrored = false; // the keys face right (the companion's walks to the right)
    bool carries = false;  // the hand holds the carried goods: the list's "ObjList" places them
};

// The animation names a look's kind plays, each with its motion, in the order of the list file.
using AnimationSet = std::vector<std::pair<std::string, Motion>>;

AnimationSet AnimationsOf(const Look& look);

// The class of figure whose animation files a look shares: its build, its gait and its bones.
std::string FigureClass(const Look& look);

// Pixels a "run" cycle crosses (one cell) and a climbing cycle (one row).
constexpr float kRunStep = 64.0f;
constexpr float kClimbStep = 24.0f;

#pragma once

#include "tools/CharacterPictures/Look.h"

#include <array>
#include <string>
#include <vector>

// The skeleton every walking character, the fairy and the companion share, and how a pose of the
// figure becomes one key per bone.
//
// Figures face left unmirrored (the game's facing 0) and stand with their soles 36 pixels below the
// root. The engine places each bone at its parent's world position plus its own offset turned by its
// OWN angle (a child does not inherit its parent's turn), so the keys hold offsets computed from the
// joints' places here, not angles relative to the parent.
enum BoneId
{
    kRoot,
    kBody,
    kLegBack,
    kLegFront,
    kArmBack,
    kHead,
    kArmFront,
    kCarry,
    kHat01,
    kHat02,
    kBoneCount
};

struct BoneInfo
{
    const char* name;
    BoneId parent;
    float depth; // larger is drawn first
};

const BoneInfo& Bone(BoneId id);

// The bones of a look's skeleton in loading order: the hats only for the gardener.
std::vector<BoneId> BonesOf(const Look& look);

// Lengths of a build, in pixels.
struct Geometry
{
    float feet;      // the soles below the root
    float legLength; // hip to sole
    float torso;     // hip to shoulder
    float neck;      // hip to the head's bottom
    float headRadius;
    float armLength;
    float shoulderFront; // x of the front shoulder from the hip (negative: forward)
    float shoulderBack;
};

const Geometry& GeometryOf(Rig rig);

// A pose in the figure's own terms. Limb angles are absolute, radians, positive swings forward (to
// the left); a lean tips the torso and the head forward.
struct Pose
{
    float rootX = 0.0f; // the root's key offset: the figure stands at position - offset
    float rootY = 0.0f;
    float hipX = 0.0f; // the hip's shift from its rest place (a bob, a jump); bent knees lower it too
    float hipY = 0.0f;
    float lean = 0.0f;
    float nod = 0.0f; // the head's own tilt forward
    float armBack = 0.0f;
    float armFront = 0.0f;
    float legBack = 0.0f;
    float legFront = 0.0f;
    float kneeBack = 0.0f; // 0 straight .. 1 bent: the leg drawn shorter
    float kneeFront = 0.0f;
    float reachBack = 1.0f; // an arm's drawn length against its full length
    float reachFront = 1.0f;
    float squash = 1.0f; // the torso's height against its rest height
    float zoom = 1.0f;   // the whole figure, about its soles
    float carryFrame = 0.0f;
    float carryX = 0.0f; // the carried thing from the front hand
    float carryY = -4.0f;
    float carryAngle = 0.0f;
    float hatFrame = 0.0f;
    float headFrame = 0.0f; // 1: red cheeks
    float headScale = 1.0f;
};

// One bone's pose as the engine's animation file holds it.
struct BoneKey
{
    float x = 0.0f;
    float y = 0.0f;
    float frame = 0.0f;
    float angle = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float depth = 0.0f;
};

// Where a bone ends up: its world place (root at the position 0, 0), its angle and scale.
struct BonePlace
{
    float x = 0.0f;
    float y = 0.0f;
    float angle = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float frame = 0.0f;
};

using Places = std::array<BonePlace, kBoneCount>;

Places PlaceBones(const Geometry& geometry, const Pose& pose);
std::array<BoneKey, kBoneCount> KeysOf(const Geometry& geometry, const Pose& pose);

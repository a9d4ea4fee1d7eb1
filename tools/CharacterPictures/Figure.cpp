#include "tools/CharacterPictures/Figure.h"

#include <algorithm>
#include <cmath>

namespace
{

const BoneInfo kBones[kBoneCount] = {
    {"root", kRoot, 0.0f},      {"body", kRoot, 5.0f},          {"leg_back", kBody, 6.0f},
    {"leg_front", kBody, 4.0f}, {"arm_back", kBody, 7.0f},      {"head", kBody, 3.0f},
    {"arm_front", kBody, 2.0f}, {"obj_right", kArmFront, 1.0f}, {"hat01", kBody, 2.6f},
    {"hat02", kBody, 2.4f},
};

struct Vec
{
    float x;
    float y;
};

Vec Turn(Vec v, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

Vec Add(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y};
}

Vec Scale(Vec v, float k)
{
    return {v.x * k, v.y * k};
}

void Set(BonePlace& place, Vec at, float angle, float scaleX, float scaleY)
{
    place.x = at.x;
    place.y = at.y;
    place.angle = angle;
    place.scaleX = scaleX;
    place.scaleY = scaleY;
}

} // namespace

const BoneInfo& Bone(BoneId id)
{
    return kBones[id];
}

std::vector<BoneId> BonesOf(const Look& look)
{
    std::vector<BoneId> bones = {kRoot, kBody, kLegBack, kLegFront, kArmBack, kHead, kArmFront, kCarry};
    if (look.repertoire == Repertoire::Gardener)
    {
        bones.push_back(kHat01);
        bones.push_back(kHat02);
    }
    return bones;
}

const Geometry& GeometryOf(Rig rig)
{
    static const Geometry adult{36.0f, 32.0f, 30.0f, 33.0f, 13.0f, 27.0f, -3.0f, 3.0f};
    static const Geometry child{36.0f, 26.0f, 24.0f, 27.0f, 12.0f, 22.0f, -3.0f, 3.0f};
    static const Geometry fairy{14.0f, 16.0f, 16.0f, 19.0f, 10.0f, 14.0f, -2.0f, 2.0f};
    switch (rig)
    {
    case Rig::Child:
        return child;
    case Rig::Fairy:
        return fairy;
    case Rig::Adult:
        break;
    }
    return adult;
}

Places PlaceBones(const Geometry& g, const Pose& pose)
{
    Places places{};
    const float z = pose.zoom;
    const Vec root{-pose.rootX, -pose.rootY};
    const Vec sole = Add(root, Vec{0.0f, g.feet});
    // Both knees bent is a crouch: the hip comes down with the shorter leg so the soles stay down.
    const float crouch = g.legLength * 0.35f * std::min(pose.kneeBack, pose.kneeFront);
    const Vec hip = Add(sole, Scale(Vec{pose.hipX, pose.hipY + crouch - g.legLength}, z));
    const float body = -pose.lean;
    const float height = z * pose.squash;

    Set(places[kRoot], root, 0.0f, 1.0f, 1.0f);
    Set(places[kBody], hip, body, z, height);
    // The legs hang from the hip whatever the torso's lean, so a leaning figure keeps its feet down.
    Set(places[kLegBack], Add(hip, Vec{2.0f * z, 0.0f}), pose.legBack, z, z * (1.0f - 0.35f * pose.kneeBack));
    Set(places[kLegFront], Add(hip, Vec{-2.0f * z, 0.0f}), pose.legFront, z,
        z * (1.0f - 0.35f * pose.kneeFront));
    const Vec shoulderBack = Add(hip, Turn(Vec{g.shoulderBack * z, -g.torso * height}, body));
    const Vec shoulderFront = Add(hip, Turn(Vec{g.shoulderFront * z, -g.torso * height}, body));
    Set(places[kArmBack], shoulderBack, pose.armBack, z, z * pose.reachBack);
    Set(places[kArmFront], shoulderFront, pose.armFront, z, z * pose.reachFront);

    const Vec neck = Add(hip, Turn(Vec{0.0f, -g.neck * height}, body));
    const float head = body - pose.nod;
    const float headZoom = z * pose.headScale;
    Set(places[kHead], neck, head, headZoom, headZoom);
    places[kHead].frame = pose.headFrame;

    const Vec hand = Add(shoulderFront, Turn(Vec{0.0f, g.armLength * z * pose.reachFront}, pose.armFront));
    Set(places[kCarry], Add(hand, Scale(Vec{pose.carryX, pose.carryY}, z)), pose.carryAngle, z, z);
    places[kCarry].frame = pose.carryFrame;

    const Vec crown = Add(neck, Turn(Vec{0.0f, -(2.0f * g.headRadius - 1.0f) * headZoom}, head));
    Set(places[kHat01], crown, head, headZoom, headZoom);
    Set(places[kHat02], crown, head, headZoom, headZoom);
    places[kHat01].frame = pose.hatFrame;
    places[kHat02].frame = pose.hatFrame;
    return places;
}

std::array<BoneKey, kBoneCount> KeysOf(const Geometry& geometry, const Pose& pose)
{
    const Places places = PlaceBones(geometry, pose);
    std::array<BoneKey, kBoneCount> keys{};
    for (int id = 0; id < kBoneCount; ++id)
    {
        const BonePlace& place = places[static_cast<std::size_t>(id)];
        BoneKey& key = keys[static_cast<std::size_t>(id)];
        key.frame = place.frame;
        key.angle = place.angle;
        key.scaleX = place.scaleX;
        key.scaleY = place.scaleY;
        key.depth = kBones[id].depth;
        if (id == kRoot)
        {
            key.x = pose.rootX;
            key.y = pose.rootY;
            continue;
        }
        const BonePlace& parent = places[static_cast<std::size_t>(kBones[id].parent)];
        const Vec local = Turn(Vec{place.x - parent.x, place.y - parent.y}, -place.angle);
        key.x = local.x / place.scaleX;
        key.y = local.y / place.scaleY;
    }
    return keys;
}

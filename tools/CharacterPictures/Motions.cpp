#include "tools/CharacterPictures/Motions.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace
{

constexpr float kPi = 3.14159265f;
constexpr float kTwoPi = 2.0f * kPi;

// The front arm's angle while it holds the goods, and where the goods sit on the hand.
constexpr float kCarryArm = 0.95f;
constexpr float kCarryX = 1.0f;
constexpr float kCarryY = -3.0f;

using Shape = std::function<Pose(float t)>;

// n poses at t = 0 .. 1, over `seconds` in all; the first key starts at once.
Motion Sample(const std::string& id, int keys, float seconds, const Shape& shape)
{
    Motion motion;
    motion.id = id;
    for (int i = 0; i < keys; ++i)
    {
        const float t = static_cast<float>(i) / static_cast<float>(keys - 1);
        motion.times.push_back(i == 0 ? 0.0f : seconds / static_cast<float>(keys - 1));
        motion.poses.push_back(shape(t));
    }
    return motion;
}

float Wave(float t, float cycles = 1.0f)
{
    return std::sin(kTwoPi * cycles * t);
}

// 0 at both ends, 1 in the middle: for motions that go somewhere and come back.
float Hump(float t)
{
    return 0.5f - 0.5f * std::cos(kTwoPi * t);
}

float Ramp(float t, float from, float to)
{
    return std::clamp((t - from) / (to - from), 0.0f, 1.0f);
}

// The rest pose of a gait.
Pose Rest(Gait gait)
{
    Pose pose;
    switch (gait)
    {
    case Gait::Plain:
        pose.lean = 0.03f;
        break;
    case Gait::Old:
        pose.lean = 0.22f;
        pose.nod = -0.18f;
        pose.kneeBack = pose.kneeFront = 0.12f;
        pose.armFront = 0.15f;
        break;
    case Gait::Stout:
        pose.lean = -0.06f;
        pose.armBack = -0.28f;
        pose.armFront = 0.28f;
        break;
    case Gait::Sneaky:
        pose.lean = 0.38f;
        pose.nod = -0.32f;
        pose.kneeBack = pose.kneeFront = 0.45f;
        pose.armFront = 1.2f;
        pose.armBack = 0.8f;
        pose.reachFront = pose.reachBack = 0.8f;
        break;
    case Gait::Flying:
        pose.lean = 0.15f;
        pose.legBack = -0.5f;
        pose.legFront = -0.2f;
        pose.kneeBack = 0.4f;
        pose.kneeFront = 0.2f;
        pose.armBack = -0.35f;
        pose.armFront = 0.35f;
        break;
    }
    return pose;
}

// The hand holds the goods still in front of the body, whatever else moves.
Pose Holding(Pose pose)
{
    pose.armFront = kCarryArm;
    pose.reachFront = 1.0f;
    pose.carryFrame = 1.0f;
    pose.carryX = kCarryX;
    pose.carryY = kCarryY;
    pose.carryAngle = 0.0f;
    return pose;
}

Motion Carrying(Motion motion)
{
    motion.id += "_carry";
    motion.carries = true;
    for (Pose& pose : motion.poses)
    {
        pose = Holding(pose);
    }
    return motion;
}

// The motions of one figure class.
class Moves
{
public:
    Moves(const Look& look) : mGait(look.gait), mRest(Rest(look.gait)), mGeometry(GeometryOf(look.rig)) {}

    Motion Stand() const
    {
        return Sample("stand", 5, 1.6f,
                      [&](float t)
                      {
                          Pose p = mRest;
                          p.squash = 1.0f + 0.02f * Wave(t);
                          p.armFront += 0.05f * Wave(t);
                          p.armBack -= 0.05f * Wave(t);
                          p.nod += 0.04f * Wave(t);
                          if (mGait == Gait::Flying)
                          {
                              p.hipY = -2.0f * Wave(t);
                          }
                          return p;
                      });
    }

    // One stride over one cell: the root goes 64 pixels forward, and the soles stay on the ground.
    Motion Run(const std::string& id, bool angry) const
    {
        const float legSwing = Pick(0.5f, 0.3f, 0.35f, 0.6f);
        const float armSwing = Pick(0.5f, 0.22f, 0.3f, 0.15f);
        return Sample(id, 9, 1.0f,
                      [=, this](float t)
                      {
                          Pose p = mRest;
                          const float s = Wave(t);
                          p.rootX = kRunStep * t;
                          p.legFront = mRest.legFront + legSwing * s;
                          p.legBack = mRest.legBack - legSwing * s;
                          p.kneeFront = mRest.kneeFront + 0.35f * std::max(0.0f, Wave(t + 0.25f));
                          p.kneeBack = mRest.kneeBack + 0.35f * std::max(0.0f, -Wave(t + 0.25f));
                          p.hipY = mRest.hipY + mGeometry.legLength * (1.0f - std::cos(legSwing * s));
                          p.armFront = mRest.armFront - armSwing * s;
                          p.armBack = mRest.armBack + armSwing * s;
                          p.lean = mRest.lean + 0.08f;
                          if (mGait == Gait::Stout)
                          {
                              p.hipX = 1.5f * s;
                              p.lean += 0.05f * Wave(t, 2.0f);
                          }
                          if (angry)
                          {
                              // Fists up, shaking.
                              p.armFront = 2.7f + 0.25f * Wave(t, 2.0f);
                              p.armBack = 2.4f - 0.25f * Wave(t, 2.0f);
                              p.reachFront = p.reachBack = 0.8f;
                              p.nod = -0.15f;
                          }
                          return p;
                      });
    }

    // The fairy's flight and hover: wings do the work, the root stays.
    Motion Fly() const
    {
        return Sample("fly", 9, 0.8f,
                      [&](float t)
                      {
                          Pose p = mRest;
                          p.hipY = -2.0f * Wave(t);
                          p.legFront = mRest.legFront + 0.18f * Wave(t);
                          p.legBack = mRest.legBack - 0.18f * Wave(t);
                          p.armFront = mRest.armFront + 0.4f * Wave(t);
                          p.armBack = mRest.armBack - 0.4f * Wave(t);
                          return p;
                      });
    }

    // One row up (or down) a rope or a ladder: hand over hand, the root 24 pixels a cycle.
    Motion Climb(bool up, bool rope) const
    {
        const std::string id = std::string(up ? "up" : "down") + (rope ? "_rope" : "_ladder");
        return Sample(id, 9, 1.0f,
                      [=, this](float t)
                      {
                          Pose p = mRest;
                          const float s = Wave(t);
                          const float c = std::cos(kTwoPi * t);
                          p.rootY = (up ? kClimbStep : -kClimbStep) * t;
                          p.lean = 0.0f;
                          p.nod = up ? -0.25f : 0.2f;
                          p.hipY = mRest.hipY;
                          const float spread = rope ? 0.12f : 0.3f;
                          p.armFront = kPi - spread + 0.2f * s;
                          p.armBack = kPi - spread - 0.2f * s;
                          p.reachFront = 0.8f + 0.18f * c;
                          p.reachBack = 0.8f - 0.18f * c;
                          p.legFront = (rope ? 0.3f : 0.35f) + (rope ? 0.12f : 0.3f) * s;
                          p.legBack = (rope ? 0.2f : 0.35f) - (rope ? 0.12f : 0.3f) * s;
                          p.kneeFront = 0.45f + 0.35f * std::max(0.0f, s);
                          p.kneeBack = 0.45f + 0.35f * std::max(0.0f, -s);
                          return p;
                      });
    }

    // Stands and plays a short gesture; `body` shapes the pose at t.
    Motion Gesture(const std::string& id, int keys, float seconds,
                   const std::function<void(Pose&, float)>& body) const
    {
        return Sample(id, keys, seconds,
                      [=, this](float t)
                      {
                          Pose p = mRest;
                          body(p, t);
                          return p;
                      });
    }

    const Pose& RestPose() const { return mRest; }

private:
    float Pick(float plain, float old, float stout, float sneaky) const
    {
        switch (mGait)
        {
        case Gait::Old:
            return old;
        case Gait::Stout:
            return stout;
        case Gait::Sneaky:
            return sneaky;
        case Gait::Plain:
        case Gait::Flying:
            break;
        }
        return plain;
    }

    Gait mGait;
    Pose mRest;
    Geometry mGeometry;
};

void WaveArm(Pose& p, float t)
{
    p.armFront = 2.7f + 0.35f * Wave(t, 3.0f);
    p.reachFront = 0.9f;
}

// Both arms up and down once.
void Stretch(Pose& p, float t)
{
    p.armFront = 2.9f * Hump(t);
    p.armBack = 2.8f * Hump(t);
}

// Fists on the hips.
void HandsOnHips(Pose& p)
{
    p.armFront = -0.6f;
    p.armBack = 0.6f;
    p.reachFront = p.reachBack = 0.65f;
}

// A hand at the head, rubbing it.
void HandToHead(Pose& p, float t)
{
    p.armFront = 2.75f + 0.1f * Wave(t, 3.0f);
    p.reachFront = 0.65f;
}

// Two little jumps, the arms swinging.
void Hop(Pose& p, float t)
{
    const float hop = std::max(0.0f, Wave(t, 2.0f));
    p.hipY -= 6.0f * hop;
    p.armFront = 0.8f * hop;
    p.armBack = -0.8f * hop;
}

void Add(AnimationSet& list, const std::string& name, const Motion& motion)
{
    list.emplace_back(name, motion);
}

// Every name with the carrying variants the kind asks for ("1", and "2" where a second load exists).
void AddWithLoads(AnimationSet& list, const std::string& name, const Motion& motion, int loads)
{
    Add(list, name, motion);
    for (int load = 1; load <= loads; ++load)
    {
        Add(list, name + std::to_string(load), Carrying(motion));
    }
}

void AddWalks(AnimationSet& list, const Moves& moves, int loads)
{
    AddWithLoads(list, "stand", moves.Stand(), loads);
    AddWithLoads(list, "run", moves.Run("run", false), loads);
    AddWithLoads(list, "moveup_rope", moves.Climb(true, true), loads);
    AddWithLoads(list, "moveup_ladder", moves.Climb(true, false), loads);
    AddWithLoads(list, "movedown_rope", moves.Climb(false, true), loads);
    AddWithLoads(list, "movedown_ladder", moves.Climb(false, false), loads);
}

// The buyer's small show on its way: by look.
Motion WalkIdle(const Moves& moves, const Look& look)
{
    if (look.extra == Extra::Guitar)
    {
        return moves.Gesture("walk_idle_guitar", 13, 1.6f,
                             [](Pose& p, float t)
                             {
                                 p.armBack = 1.45f;
                                 p.reachBack = 0.95f;
                                 p.armFront = 0.9f + 0.3f * Wave(t, 4.0f);
                                 p.reachFront = 0.7f;
                                 p.nod = 0.1f * Wave(t, 2.0f);
                                 p.legFront = 0.15f * std::max(0.0f, Wave(t, 2.0f));
                             });
    }
    if (look.extra == Extra::Belly)
    {
        return moves.Gesture("walk_idle_belly", 13, 1.6f,
                             [](Pose& p, float t)
                             {
                                 p.armFront = 0.9f + 0.25f * Wave(t, 2.0f);
                                 p.reachFront = 0.65f;
                                 p.lean = -0.12f;
                                 p.nod = -0.2f;
                                 p.squash = 1.0f + 0.03f * Wave(t, 2.0f);
                             });
    }
    if (look.garment == Garment::Gown || look.garment == Garment::Dress)
    {
        // A curtsy.
        return moves.Gesture("walk_idle_curtsy", 13, 1.6f,
                             [](Pose& p, float t)
                             {
                                 const float dip = Hump(t);
                                 p.kneeFront = p.kneeBack = 0.6f * dip;
                                 p.legBack = -0.4f * dip;
                                 p.lean = 0.25f * dip;
                                 p.armFront = 0.5f * dip;
                                 p.armBack = -0.5f * dip;
                             });
    }
    if (look.face == Face::Sleepy)
    {
        // A big yawn and stretch.
        return moves.Gesture("walk_idle_yawn", 13, 1.6f,
                             [](Pose& p, float t)
                             {
                                 const float up = Hump(t);
                                 p.armFront = 2.9f * up;
                                 p.armBack = 2.7f * up;
                                 p.nod = -0.4f * up;
                                 p.squash = 1.0f + 0.05f * up;
                             });
    }
    if (look.face == Face::Glasses && look.extra == Extra::LabCoat)
    {
        // The professor beckons his pet.
        return moves.Gesture("walk_idle_beckon", 13, 1.6f,
                             [](Pose& p, float t)
                             {
                                 p.armFront = 1.4f + 0.35f * Wave(t, 3.0f);
                                 p.reachFront = 0.75f + 0.2f * Wave(t, 3.0f);
                                 p.lean = 0.3f;
                                 p.nod = 0.1f;
                             });
    }
    return moves.Gesture("walk_idle_wave", 13, 1.6f, [](Pose& p, float t) { WaveArm(p, t); });
}

// The long show of the sleeper and the professor: long enough that the effects past key frame 18 fire.
Motion LongShow(const Moves& moves, const Look& look)
{
    if (look.face == Face::Sleepy)
    {
        return moves.Gesture("extra_nodoff", 24, 3.0f,
                             [](Pose& p, float t)
                             {
                                 const float sag = Ramp(t, 0.0f, 0.8f);
                                 p.nod = 0.6f * sag + 0.08f * Wave(t, 3.0f) * (1.0f - sag);
                                 p.lean = 0.1f + 0.15f * sag;
                                 p.armFront = 0.1f * (1.0f - sag);
                                 p.kneeFront = p.kneeBack = 0.2f * sag;
                             });
    }
    return moves.Gesture("extra_feed", 24, 3.0f,
                         [](Pose& p, float t)
                         {
                             // Reaches into the coat three times and tosses a treat forward.
                             const float toss = std::max(0.0f, Wave(t, 3.0f));
                             p.armFront = 0.4f + 1.6f * toss;
                             p.reachFront = 0.8f + 0.2f * toss;
                             p.lean = 0.2f + 0.1f * toss;
                             p.nod = 0.2f - 0.2f * toss;
                         });
}

AnimationSet BuyerList(const Look& look)
{
    const Moves moves(look);
    AnimationSet list;
    AddWalks(list, moves, 1);
    Add(list, "run2", moves.Run("run_angry", true));
    Add(list, "turn1",
        moves.Gesture("turn_look", 9, 1.2f,
                      [](Pose& p, float t)
                      {
                          p.nod = -0.25f * Hump(t);
                          p.lean -= 0.1f * Hump(t);
                          p.armBack = -0.3f * Hump(t);
                      }));
    Add(list, "turn2",
        moves.Gesture("turn_scratch", 9, 1.2f,
                      [](Pose& p, float t)
                      {
                          HandToHead(p, t);
                          p.nod = 0.15f;
                      }));
    Add(list, "turn3",
        moves.Gesture("turn_tap", 9, 1.2f,
                      [](Pose& p, float t)
                      {
                          HandsOnHips(p);
                          p.legFront = 0.25f + 0.1f * std::max(0.0f, Wave(t, 3.0f));
                      }));
    Add(list, "walk_idle", WalkIdle(moves, look));
    Add(list, "extra", LongShow(moves, look));
    const Motion sleep = moves.Gesture("sleep", 7, 2.0f,
                                       [](Pose& p, float t)
                                       {
                                           p.nod = 0.6f;
                                           p.lean = 0.25f;
                                           p.squash = 1.0f - 0.02f * Wave(t);
                                           p.kneeFront = p.kneeBack = 0.2f;
                                           p.armFront = 0.05f * Wave(t);
                                       });
    Add(list, "sleep", sleep);
    Add(list, "awake",
        moves.Gesture("awake", 9, 1.0f,
                      [](Pose& p, float t)
                      {
                          const float jump = Hump(Ramp(t, 0.0f, 0.6f));
                          p.hipY -= 6.0f * jump;
                          p.armFront = 2.6f * jump;
                          p.armBack = 2.4f * jump;
                          p.nod = 0.6f * (1.0f - Ramp(t, 0.0f, 0.3f));
                      }));
    Add(list, "doesnt_awake",
        moves.Gesture("doesnt_awake", 9, 1.2f,
                      [](Pose& p, float t)
                      {
                          p.nod = 0.55f + 0.15f * Wave(t, 2.0f);
                          p.lean = 0.25f;
                          p.armFront = 1.6f + 0.4f * Wave(t, 3.0f);
                          p.reachFront = 0.8f;
                      }));
    // Catches the goods the companion throws: the hand is empty until the catch.
    Motion catchGoods = moves.Gesture("drope", 10, 1.0f,
                                      [](Pose& p, float t)
                                      {
                                          const float up = 1.0f - Ramp(t, 0.3f, 0.8f);
                                          p.armFront = kCarryArm + 1.5f * up;
                                          p.armBack = 1.8f * up;
                                          p.nod = -0.3f * up;
                                          p.carryFrame = t > 0.3f ? 1.0f : 0.0f;
                                          p.carryX = kCarryX;
                                          p.carryY = kCarryY;
                                      });
    catchGoods.carries = true;
    Add(list, "drope", catchGoods);
    Add(list, "drope1", catchGoods);
    Add(list, "idle1",
        moves.Gesture("stomp", 10, 1.4f,
                      [](Pose& p, float t)
                      {
                          p.armFront = 2.6f + 0.3f * Wave(t, 3.0f);
                          p.reachFront = 0.8f;
                          p.armBack = -0.4f;
                          p.legFront = 0.3f * std::max(0.0f, Wave(t, 2.0f));
                          p.nod = -0.1f;
                          p.lean = 0.1f;
                          p.headFrame = 1.0f; // red in the face
                      }));
    return list;
}

AnimationSet MonsterList(const Look& look)
{
    const Moves moves(look);
    AnimationSet list;
    Add(list, "stand", moves.Stand());
    Add(list, "eat_monster",
        moves.Gesture("eat", 11, 1.2f,
                      [](Pose& p, float t)
                      {
                          p.nod = 0.35f * std::max(0.0f, Wave(t, 3.0f));
                          p.squash = 1.0f - 0.06f * std::max(0.0f, Wave(t, 3.0f));
                          p.armFront = 1.3f + 0.4f * Wave(t, 3.0f);
                          p.armBack = 1.1f - 0.4f * Wave(t, 3.0f);
                          p.reachFront = p.reachBack = 0.8f;
                      }));
    return list;
}

Motion Appear(const Moves& moves)
{
    // Pops up out of a sparkle, arms up.
    return moves.Gesture("magic", 12, 1.2f,
                         [](Pose& p, float t)
                         {
                             const float grow = Ramp(t, 0.0f, 0.5f);
                             p.zoom = 0.2f + 0.9f * grow - 0.1f * Ramp(t, 0.5f, 0.8f);
                             const float cheer = Hump(Ramp(t, 0.3f, 1.0f));
                             p.armFront = 2.7f * cheer;
                             p.armBack = 2.5f * cheer;
                         });
}

AnimationSet BoyList(const Look& look)
{
    const Moves moves(look);
    AnimationSet list;
    AddWalks(list, moves, 2);
    AddWithLoads(list, "magic", Appear(moves), 2);
    // Into the building's door and out again: the figure grows smaller as it goes in.
    AddWithLoads(list, "in_house",
                 moves.Gesture("in_house", 11, 1.2f,
                               [](Pose& p, float t)
                               {
                                   p.zoom = 1.0f - 0.15f * Ramp(t, 0.2f, 1.0f);
                                   p.lean = 0.2f * Hump(t);
                                   p.armBack = 0.8f * Hump(t);
                                   p.legFront = 0.3f * Wave(t, 2.0f);
                                   p.legBack = -0.3f * Wave(t, 2.0f);
                               }),
                 2);
    AddWithLoads(list, "out_house",
                 moves.Gesture("out_house", 11, 1.2f,
                               [](Pose& p, float t)
                               {
                                   p.zoom = 0.85f + 0.15f * Ramp(t, 0.0f, 0.8f);
                                   p.armFront = 2.4f * Hump(Ramp(t, 0.5f, 1.0f));
                                   p.armBack = 2.2f * Hump(Ramp(t, 0.5f, 1.0f));
                                   p.legFront = 0.3f * Wave(t, 2.0f);
                                   p.legBack = -0.3f * Wave(t, 2.0f);
                               }),
                 2);
    AddWithLoads(list, "idle1",
                 moves.Gesture("idle_stretch", 9, 1.4f,
                               [](Pose& p, float t)
                               {
                                   Stretch(p, t);
                                   p.squash = 1.0f + 0.05f * Hump(t);
                               }),
                 2);
    AddWithLoads(list, "idle2",
                 moves.Gesture("idle_look", 9, 1.4f,
                               [](Pose& p, float t)
                               {
                                   p.nod = -0.3f * Wave(t);
                                   p.armBack = -0.4f;
                                   p.armFront = 0.4f;
                                   p.reachFront = p.reachBack = 0.7f;
                               }),
                 2);
    AddWithLoads(list, "idle3", moves.Gesture("idle_hop", 9, 1.0f, Hop), 2);
    AddWithLoads(list, "idle_p",
                 moves.Gesture("idle_impatient", 9, 1.2f,
                               [](Pose& p, float t)
                               {
                                   HandsOnHips(p);
                                   p.legFront = 0.3f * std::max(0.0f, Wave(t, 3.0f));
                                   p.nod = 0.1f * Wave(t, 3.0f);
                               }),
                 2);
    return list;
}

// The fairy goes into the building (smaller, behind its front) and comes out again.
Motion Visit(const Moves& moves, const std::string& id, bool bringsIn)
{
    return moves.Gesture(id, 18, 1.8f,
                         [=](Pose& p, float t)
                         {
                             p.zoom = 1.0f - 0.45f * Hump(t);
                             p.armFront = 0.6f + 0.3f * Wave(t, 4.0f);
                             p.hipY = -2.0f * Wave(t, 4.0f);
                             const bool holding = bringsIn ? t < 0.5f : t > 0.5f;
                             p.carryFrame = holding ? 1.0f : 0.0f;
                             p.carryX = kCarryX;
                             p.carryY = kCarryY;
                             if (holding)
                             {
                                 p.armFront = kCarryArm;
                             }
                         });
}

AnimationSet FairyList(const Look& look)
{
    const Moves moves(look);
    AnimationSet list;
    // She flies everywhere: standing and climbing are hovering too, and nothing moves her root.
    AddWithLoads(list, "stand", moves.Stand(), 2);
    AddWithLoads(list, "run", moves.Fly(), 2);
    for (const char* climb : {"moveup_rope", "moveup_ladder", "movedown_rope", "movedown_ladder"})
    {
        AddWithLoads(list, climb, moves.Fly(), 2);
    }
    AddWithLoads(list, "magic", Appear(moves), 2);
    const Motion in = Visit(moves, "in_fairy", true);
    const Motion out = Visit(moves, "out_fairy", false);
    for (const std::string suffix : {"", "1", "2"})
    {
        Add(list, "in_fairy" + suffix, in);
        Add(list, "out_fairy" + suffix, out);
    }
    const std::function<void(Pose&, float)> happy[3] = {
        [](Pose& p, float t) { WaveArm(p, t); },
        [](Pose& p, float t)
        {
            p.lean = 0.15f + 0.5f * Hump(t);
            p.hipY = -5.0f * Hump(t);
        },
        [](Pose& p, float t)
        {
            p.armFront = 2.4f * Hump(t);
            p.armBack = 2.4f * Hump(t);
            p.zoom = 1.0f + 0.08f * Hump(t);
        },
    };
    const std::function<void(Pose&, float)> cross[3] = {
        [](Pose& p, float t)
        {
            p.armFront = -0.7f;
            p.armBack = 0.7f;
            p.reachFront = p.reachBack = 0.6f;
            p.nod = 0.2f * Wave(t, 2.0f);
        },
        [](Pose& p, float t)
        {
            p.nod = 0.35f;
            p.lean = 0.3f;
            p.hipY = 2.0f * Wave(t);
        },
        [](Pose& p, float t)
        {
            p.armFront = 2.6f + 0.2f * Wave(t, 3.0f);
            p.reachFront = 0.7f;
        },
    };
    for (int mood = 1; mood <= 2; ++mood)
    {
        for (int n = 1; n <= 3; ++n)
        {
            const auto& shape = mood == 1 ? happy[n - 1] : cross[n - 1];
            const std::string name = "idle_fairy" + std::to_string(mood) + std::to_string(n);
            AddWithLoads(list, name, moves.Gesture(name, 9, 1.2f, shape), 2);
        }
    }
    return list;
}

// Bends to a bed, takes the crop after `harvestFrame` and pulls it up: the hand shows frame `crop`.
Motion Harvest(const Moves& moves, const std::string& id, int harvestFrame, int crop)
{
    const int keys = 14;
    Motion motion = moves.Gesture(id, keys, 1.6f,
                                  [](Pose& p, float t)
                                  {
                                      const float down = 1.0f - Ramp(t, 0.35f, 0.9f);
                                      const float bend = std::min(1.0f, t * 4.0f) * down;
                                      // Low enough that the hand meets the crop in the ground.
                                      p.lean = 0.95f * bend;
                                      p.kneeFront = p.kneeBack = 0.75f * bend;
                                      p.armFront = 0.35f + 0.9f * (1.0f - down) - 0.4f * bend;
                                      p.armBack = 0.2f * bend;
                                      p.nod = 0.3f * bend;
                                      p.carryX = -2.0f;
                                      p.carryY = 2.0f;
                                  });
    for (int key = harvestFrame + 1; key < keys; ++key)
    {
        motion.poses[static_cast<std::size_t>(key)].carryFrame = static_cast<float>(crop);
    }
    return motion;
}

AnimationSet GardenerList(const Look& look)
{
    const Moves moves(look);
    AnimationSet list;
    AddWalks(list, moves, 1);
    AddWithLoads(list, "magic", Appear(moves), 1);
    // Sowing: bends and scatters seeds from the front hand; the seeds show from key 6 on.
    AddWithLoads(list, "drip",
                 moves.Gesture("drip", 14, 2.0f,
                               [](Pose& p, float t)
                               {
                                   p.lean = 0.35f * Hump(t);
                                   p.armFront = 0.6f + 0.7f * std::max(0.0f, Wave(t, 3.0f));
                                   p.armBack = 0.3f;
                                   p.nod = 0.25f;
                                   p.carryY = 0.0f;
                               }),
                 1);
    // Lowers the pail into the well and draws it up (the pail shows from key 4 on).
    AddWithLoads(list, "getwater",
                 moves.Gesture("getwater", 8, 1.4f,
                               [](Pose& p, float t)
                               {
                                   const float low = Hump(Ramp(t, 0.0f, 0.7f));
                                   p.lean = 0.4f * low;
                                   p.armFront = 0.6f + 0.3f * low;
                                   p.armBack = 0.9f * low;
                                   p.kneeFront = p.kneeBack = 0.3f * low;
                                   p.carryX = 0.0f;
                                   p.carryY = 6.0f;
                               }),
                 1);
    // Tips the pail over the bed.
    AddWithLoads(list, "setwater",
                 moves.Gesture("setwater", 8, 1.6f,
                               [](Pose& p, float t)
                               {
                                   const float tip = Ramp(t, 0.0f, 0.3f);
                                   p.armFront = 0.9f + 0.4f * tip;
                                   p.lean = 0.2f * tip;
                                   p.carryAngle = -0.9f * tip;
                                   p.carryX = -4.0f;
                                   p.carryY = 4.0f;
                               }),
                 1);
    struct Crop
    {
        const char* name;
        int firstId;
        int harvestFrames[3];
    };
    const Crop crops[] = {{"carrot", 6, {2, 2, 2}},
                          {"tomato", 9, {3, 3, 3}},
                          {"sunflower", 12, {3, 3, 1}},
                          {"potatoes", 15, {3, 3, 3}},
                          {"wheat", 18, {3, 3, 3}}};
    for (const Crop& crop : crops)
    {
        for (int count = 1; count <= 3; ++count)
        {
            const std::string name = std::string(crop.name) + "0" + std::to_string(count);
            AddWithLoads(list, name,
                         Harvest(moves, name, crop.harvestFrames[count - 1], crop.firstId + count - 1), 1);
        }
    }
    const std::function<void(Pose&, float)> idles[4] = {
        Stretch,
        [](Pose& p, float t)
        {
            // Wipes his brow.
            p.armFront = 2.6f + 0.15f * Wave(t, 3.0f);
            p.reachFront = 0.6f;
            p.nod = -0.1f;
        },
        [](Pose& p, float t) { p.nod = -0.35f * Wave(t); },
        [](Pose& p, float t)
        {
            HandsOnHips(p);
            p.lean = -0.1f + 0.05f * Wave(t);
        },
    };
    for (int n = 1; n <= 4; ++n)
    {
        const std::string name = "idle_st0" + std::to_string(n);
        AddWithLoads(list, name, moves.Gesture(name, 9, 1.4f, idles[n - 1]), 1);
    }
    // With a crop in hand: looks at it and bobs.
    for (const Crop& crop : crops)
    {
        for (int n = 1; n <= 2; ++n)
        {
            const std::string name = std::string("idle_") + crop.name + "0" + std::to_string(n);
            AddWithLoads(list, name,
                         moves.Gesture(n == 1 ? "idle_admire" : "idle_sigh", 9, 1.4f,
                                       [n](Pose& p, float t)
                                       {
                                           p.nod = n == 1 ? 0.25f * Hump(t) : -0.25f * Hump(t);
                                           p.squash = 1.0f - 0.03f * Hump(t);
                                           p.armBack = n == 1 ? 0.0f : -0.4f * Hump(t);
                                       }),
                         1);
        }
    }
    AddWithLoads(list, "idle_wat",
                 moves.Gesture("idle_wat", 9, 1.4f,
                               [](Pose& p, float t)
                               {
                                   p.nod = -0.4f * Hump(t);
                                   p.armBack = -0.5f;
                                   p.reachBack = 0.6f;
                                   p.legFront = 0.2f * std::max(0.0f, Wave(t, 2.0f));
                               }),
                 1);
    return list;
}

AnimationSet ThiefList(const Look& look)
{
    const Moves moves(look);
    AnimationSet list;
    AddWalks(list, moves, 1);
    Add(list, "firstrun",
        moves.Gesture("firstrun", 10, 1.0f,
                      [](Pose& p, float t)
                      {
                          p.zoom = 0.6f + 0.4f * Ramp(t, 0.0f, 0.5f);
                          p.hipY -= 8.0f * Hump(Ramp(t, 0.2f, 0.9f));
                          p.legFront = 0.5f * Hump(t);
                          p.legBack = -0.5f * Hump(t);
                      }));
    Add(list, "standshort",
        moves.Gesture("standshort", 5, 0.6f, [](Pose& p, float t) { p.nod = -0.32f + 0.2f * Wave(t); }));
    Add(list, "stealing",
        moves.Gesture("stealing", 12, 1.4f,
                      [](Pose& p, float t)
                      {
                          p.armFront = 1.3f + 0.3f * Wave(t, 3.0f);
                          p.armBack = 1.0f - 0.3f * Wave(t, 3.0f);
                          p.reachFront = p.reachBack = 0.9f;
                          p.lean = 0.5f;
                      }));
    Add(list, "stealing1",
        moves.Gesture("stealing_bed", 12, 1.4f,
                      [](Pose& p, float t)
                      {
                          p.lean = 0.8f;
                          p.kneeFront = p.kneeBack = 0.7f;
                          p.armFront = 0.2f + 0.5f * Wave(t, 3.0f);
                          p.armBack = 0.3f - 0.5f * Wave(t, 3.0f);
                      }));
    const Motion hide = moves.Gesture("bush", 9, 1.2f,
                                      [](Pose& p, float t)
                                      {
                                          const float duck = Ramp(t, 0.0f, 0.4f);
                                          p.kneeFront = p.kneeBack = 0.45f + 0.5f * duck;
                                          p.armFront = 1.2f + 1.7f * duck;
                                          p.armBack = 0.8f + 1.9f * duck;
                                          p.nod = 0.4f * duck;
                                      });
    Add(list, "bush", hide);
    Motion peek = hide;
    peek.id = "bush_peek";
    for (std::size_t key = 4; key < peek.poses.size(); ++key)
    {
        peek.poses[key].nod = -0.3f;
        peek.poses[key].armFront = 1.6f;
    }
    Add(list, "bush1", peek);
    Add(list, "tremble",
        moves.Gesture("tremble", 12, 0.8f,
                      [](Pose& p, float t)
                      {
                          const int key = static_cast<int>(t * 11.0f + 0.5f);
                          p.hipX = key % 2 == 0 ? -1.5f : 1.5f;
                          p.armFront = 2.5f;
                          p.armBack = 2.3f;
                          p.reachFront = p.reachBack = 0.6f;
                      }));
    return list;
}

// The companion behind the counter walks to one half and back; its walks move the root from the
// counter's middle (offset 0) to a half (offset 40 to the left, -40 to the right) and back.
Motion CounterWalk(const Moves& moves, const std::string& id, float from, float to, bool carrying)
{
    Motion motion = moves.Gesture(id, 9, 0.9f,
                                  [=](Pose& p, float t)
                                  {
                                      const float s = Wave(t);
                                      p.rootX = from + (to - from) * t;
                                      p.legFront = 0.45f * s;
                                      p.legBack = -0.45f * s;
                                      p.armFront = -0.4f * s;
                                      p.armBack = 0.4f * s;
                                      p.lean = 0.08f;
                                  });
    if (carrying)
    {
        motion = Carrying(motion);
    }
    // Walking toward smaller offsets is walking right: the keys face right.
    motion.mirrored = to < from;
    return motion;
}

AnimationSet CompanionList(const Look& look)
{
    const Moves moves(look);
    AnimationSet list;
    const float half = 40.0f;
    Add(list, "left", CounterWalk(moves, "left", 0.0f, half, false));
    Add(list, "right", CounterWalk(moves, "right", 0.0f, -half, false));
    Add(list, "left2", CounterWalk(moves, "left", 0.0f, half, true));
    Add(list, "right2", CounterWalk(moves, "right", 0.0f, -half, true));
    Add(list, "left3", CounterWalk(moves, "left_back", half, 0.0f, true));
    Add(list, "right3", CounterWalk(moves, "right_back", -half, 0.0f, true));
    Add(list, "left4", CounterWalk(moves, "left_back", half, 0.0f, false));
    Add(list, "right4", CounterWalk(moves, "right_back", -half, 0.0f, false));
    // Throws the goods over the counter: holds them, swings, lets go.
    Motion drop = moves.Gesture("drop", 10, 1.0f,
                                [](Pose& p, float t)
                                {
                                    const bool holding = t < 0.5f;
                                    p = Holding(p);
                                    p.carryFrame = holding ? 1.0f : 0.0f;
                                    if (!holding)
                                    {
                                        p.armFront = kCarryArm + 1.2f * Hump(Ramp(t, 0.5f, 1.0f));
                                    }
                                    p.lean = holding ? -0.1f * Ramp(t, 0.0f, 0.5f) : 0.2f;
                                    p.armBack = holding ? -0.4f : 0.3f;
                                });
    drop.carries = true;
    Add(list, "drop", drop);
    // Blushing: red cheeks, hands to the face; or a shrug.
    Motion red1 = moves.Gesture("red_hide", 10, 1.2f,
                                [](Pose& p, float t)
                                {
                                    p.armFront = 2.6f;
                                    p.armBack = 2.5f;
                                    p.reachFront = p.reachBack = 0.55f;
                                    p.nod = 0.35f + 0.05f * Wave(t, 2.0f);
                                    p.headFrame = 1.0f;
                                });
    Motion red2 = moves.Gesture("red_shrug", 10, 1.2f,
                                [](Pose& p, float t)
                                {
                                    const float up = Hump(t);
                                    p.armFront = 1.3f * up;
                                    p.armBack = -1.3f * up;
                                    p.reachFront = p.reachBack = 0.7f;
                                    p.squash = 1.0f + 0.04f * up;
                                    p.nod = 0.2f;
                                    p.headFrame = 1.0f;
                                });
    Add(list, "red1", red1);
    Add(list, "red2", red2);
    const std::function<void(Pose&, float)> idles[10] = {
        [](Pose& p, float t) { p.nod = -0.3f * Wave(t); },
        [](Pose& p, float t) { p.nod = -0.2f + 0.08f * Wave(t, 4.0f); },
        [](Pose& p, float t)
        {
            // Wipes the counter.
            p.armFront = 1.3f + 0.2f * Wave(t, 3.0f);
            p.reachFront = 0.85f + 0.15f * Wave(t, 3.0f);
            p.lean = 0.15f;
        },
        Stretch,
        [](Pose& p, float t) { p.legFront = 0.3f * std::max(0.0f, Wave(t, 3.0f)); },
        HandToHead,
        [](Pose& p, float /*t*/) { HandsOnHips(p); },
        [](Pose& p, float t) { WaveArm(p, t); },
        [](Pose& p, float t)
        {
            p.armFront = 2.5f * Hump(t);
            p.nod = -0.3f * Hump(t);
        },
        Hop,
    };
    for (int n = 0; n <= 9; ++n)
    {
        const std::string name = "idle" + std::to_string(n);
        Add(list, name, moves.Gesture(name, 9, 1.2f + 0.1f * static_cast<float>(n % 4), idles[n]));
    }
    return list;
}

} // namespace

AnimationSet AnimationsOf(const Look& look)
{
    switch (look.repertoire)
    {
    case Repertoire::Buyer:
        return BuyerList(look);
    case Repertoire::Monster:
        return MonsterList(look);
    case Repertoire::Boy:
        return BoyList(look);
    case Repertoire::Fairy:
        return FairyList(look);
    case Repertoire::Gardener:
        return GardenerList(look);
    case Repertoire::Thief:
        return ThiefList(look);
    case Repertoire::Companion:
        return CompanionList(look);
    }
    return {};
}

std::string FigureClass(const Look& look)
{
    static const char* const kRigs[] = {"adult", "child", "fairy"};
    static const char* const kGaits[] = {"plain", "old", "stout", "sneaky", "flying"};
    std::string name =
        std::string(kRigs[static_cast<int>(look.rig)]) + "_" + kGaits[static_cast<int>(look.gait)];
    if (look.repertoire == Repertoire::Gardener)
    {
        name = "gardener";
    }
    return name;
}

#pragma once

#include "engine/Util/Vector2.h"

#include <map>
#include <string>

namespace Korrin
{

class AnimatedSprite;

// One bone of a skeleton: placed relative to its parent by an offset that its own scale, mirroring
// and angle turn, and carrying the picture drawn there.
class Bone
{
public:
    explicit Bone(std::string name);
    virtual ~Bone();
    Bone(const Bone&) = delete;
    Bone& operator=(const Bone&) = delete;

    // Recomputes the world position from the parent's (the root's is set by its owner); with recursive
    // set, the same for every bone below, depth first.
    void UpdatePosition(bool recursive);
    // Draws the bone's picture at its world position, turned, scaled and mirrored; nothing without one.
    void Draw();

    const std::string& GetName() const { return mName; }
    Bone* GetParent() const { return mParent; }
    void SetParent(Bone* parent) { mParent = parent; }
    // Direct children by name; the skeleton owns them.
    const std::map<std::string, Bone*>& GetChildren() const { return mChildren; }
    void AddChild(Bone* child) { mChildren[child->GetName()] = child; }
    AnimatedSprite* GetSprite() const { return mSprite; }
    // The picture, made by the sprite manager; the bone gives it back when it goes.
    void SetSprite(AnimatedSprite* sprite) { mSprite = sprite; }

    Vector2 mWorldPosition;
    Vector2 mOffset; // from the parent ("Pos")
    Vector2 mPivot;  // the point of the picture it is drawn and turned about ("Rot")
    Vector2 mScale{1.0f, 1.0f};
    float mAngle = 0.0f; // radians
    float mFrame = 0.0f;
    float mDepth = 0.0f; // larger is further back ("Z")
    bool mMirrorVertical = false;
    bool mMirrorHorizontal = false;

private:
    Bone* mParent = nullptr;
    std::map<std::string, Bone*> mChildren;
    std::string mName;
    AnimatedSprite* mSprite = nullptr;
};

} // namespace Korrin

#pragma once

#include "engine/Render/Mesh.h"

#include <string>
#include <vector>

namespace Korrin
{

// A mesh whose grid vertices move between key frames, each giving a position for every vertex at a time.
class AnimatedMesh : public Mesh
{
public:
    struct Frame
    {
        std::vector<Vector2> positions;
        float time = 0.0f;
    };

    AnimatedMesh(const std::string& table, const std::string& file);
    ~AnimatedMesh() override;

    void LoadAnimation(const LuaValue& table);
    // True while the animation runs (and when there are no frames); false once it rests on its last frame.
    bool UpdateAnimation(float dt);

    const std::vector<Frame>& GetFrames() const { return mFrames; }
    float GetTime() const { return mTime; }
    void SetTime(float time) { mTime = time; }
    // Mirrors every key frame left to right (each x negated).
    void FlipFramesHorizontal()
    {
        for (Frame& frame : mFrames)
        {
            for (Vector2& position : frame.positions)
            {
                position.x = -position.x;
            }
        }
    }
    bool IsLooping() const { return mLoop; }
    void SetLoop(bool loop) { mLoop = loop; }

private:
    std::size_t FrameAt(float time) const;

    std::vector<Frame> mFrames;
    float mTime = 0.0f;
    bool mLoop = false;
};

} // namespace Korrin

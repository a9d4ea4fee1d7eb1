#pragma once

#include "engine/Util/SafeVector.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Korrin
{

class Skeleton;

// A key-framed animation of a skeleton: frame durations and, per frame, one pose for every bone in the
// skeleton's bone order. Playing it belongs to the characters; this holds and loads the data.
class Animation
{
public:
    struct BoneKey
    {
        bool mirrorVertical = false;
        bool mirrorHorizontal = false;
        float scaleX = 0.0f;
        float scaleY = 0.0f;
        float x = 0.0f;
        float y = 0.0f;
        float frame = 0.0f; // sprite frame
        float angle = 0.0f; // radians
        float depth = 0.0f;
    };

    struct _KeyFrame
    {
        float duration = 0.0f; // seconds
        // One per bone when every bone's table had a pose for this frame; a frame short of keys is not
        // playable.
        std::vector<std::unique_ptr<BoneKey>> boneKeys;
    };

    // Data files are untrusted: a longer list of frames is cut here, with a log line.
    static constexpr std::size_t kMaxFrames = 10000;

    Animation();
    virtual ~Animation();
    Animation(const Animation&) = delete;
    Animation& operator=(const Animation&) = delete;

    // Reads "TimeList" and, for each bone of the skeleton, the global table named after it.
    void Load(const Skeleton& skeleton, const std::string& file, const std::string& animation);
    void Clear();

    std::size_t GetFrameCount() const { return mFrames.size(); }
    // The frame at an index; past the end, a report and an empty frame.
    const _KeyFrame& GetFrame(std::size_t index) const;

    // Set by the owner after loading.
    const std::string& GetName() const { return mName; }
    void SetName(const std::string& name) { mName = name; }

    // An instance used as the playing state of a shared animation holds no frames, only these: the
    // time into the cycle, the key frame last reached and whether the figure is mirrored.
    float mTime = 0.0f;
    std::uint16_t mLastKeyFrame = 0;
    std::uint8_t mMirror = 0;

private:
    SafeVector<std::unique_ptr<_KeyFrame>> mFrames{"Animation"};
    std::string mName;
};

} // namespace Korrin

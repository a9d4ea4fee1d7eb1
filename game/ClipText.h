#pragma once

#include "engine/Util/Colour.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AniMeshContainer;

namespace Korrin
{
class AnimatedMesh;
class Sprite;
class Text;
} // namespace Korrin

// A story scene: a fixed timeline on its own clock that shows its animations one after the other,
// puts captions on the screen at set moments, fades the picture to black and reports its end. The
// scenes differ in their timelines and in a few touches of their own, which they add by overriding.
class ClipText
{
public:
    static constexpr const char* kTextFile = "scene_text_data.lua";
    static constexpr const char* kCaptionFile = "clip_text.lua";

    // A caption's window: the text index is set on every frame strictly inside it.
    struct TextWindow
    {
        float from = 0.0f;
        float to = 0.0f;
        int index = 0;
    };
    // An animation's phase: shown and stepped from its start until the time reaches its end.
    struct Phase
    {
        float from = 0.0f;
        float to = 0.0f;
    };
    // A stretch of time (strict bounds); an end below 0 means open.
    struct Span
    {
        float from = 0.0f;
        float to = -1.0f;
        bool Holds(float time) const { return time > from && (to < 0.0f || time < to); }
    };
    struct Timeline
    {
        std::vector<std::string> textKeys;
        std::vector<std::string> animations; // one per phase, in phase order
        std::vector<Phase> phases;
        std::vector<TextWindow> texts;
        std::vector<Span> textFades; // where the caption fades out
        Span cover;                  // where the black cover darkens
        float end = 0.0f;            // the scene is over once its time is above this
    };

    explicit ClipText(Timeline timeline);
    virtual ~ClipText();
    ClipText(const ClipText&) = delete;
    ClipText& operator=(const ClipText&) = delete;

    // Loads the texts, the animations and the black cover.
    virtual void Init();
    // Frees what Init loaded; the scene may then only be destroyed.
    virtual void Release();
    // One frame of the frame timer's length; false once the scene is over.
    bool Update();
    // One frame of dt seconds (its absolute value); false once the scene is over.
    bool Advance(float dt);
    virtual void Draw();

    float GetTime() const { return mTime; }
    int GetTextIndex() const { return mTextIndex; }
    const std::vector<std::string>& GetTexts() const { return mTexts; }
    const Korrin::Colour& GetTextColour() const { return mTextColour; }
    float GetCoverAlpha() const;
    bool IsShown(std::size_t phase) const { return phase < mShown.size() && mShown[phase]; }
    // The caption as drawn this frame (the scene's own text, or one built for the moment).
    virtual std::u16string_view CaptionText() const;

protected:
    // The scene's own touches after the common steps of a frame; the phase is -1 between phases.
    virtual void Step(float /*dt*/, int /*phase*/) {}
    // Whether the scene is over after this frame; running tells whether the phase's animation still runs.
    virtual bool IsOver(bool running) const;

    // The animated mesh of a part of an animation, null when the file has no such part.
    Korrin::AnimatedMesh* Part(std::size_t animation, int part) const;
    AniMeshContainer* Animation(std::size_t index) const;
    int CurrentPhase() const;
    void DrawCover();
    void DrawCaption();
    void DrawCaptionOutline(float alpha);

    std::unique_ptr<Korrin::Text> mCaption;
    std::vector<std::string> mTexts;
    int mTextIndex = -1;
    Korrin::Colour mTextColour{1.0f, 1.0f, 1.0f, 0.0f};
    float mTime = 0.0f;

private:
    void LoadTexts();
    void UpdateCaptionFade(float dt);

    Timeline mTimeline;
    std::vector<bool> mShown;
    std::vector<std::unique_ptr<AniMeshContainer>> mAnimations;
    Korrin::Sprite* mCover = nullptr; // the sprite manager's
    float mCoverAlpha = 0.0f;
};

// Turns the first four vertices of a part about the middle of its second and third by an angle.
void TurnPart(Korrin::AnimatedMesh& mesh, float angle);
// The middle of a part's second and third vertices (the centre of a one-cell part).
bool PartMiddle(Korrin::AnimatedMesh& mesh, float& x, float& y);

#pragma once

#include <cstdint>
#include <deque>
#include <string>

namespace Platform
{
class ScriptedInput;
}

// The player's hands: mouse and key events written as lines of an input script and handed, one frame
// at a time, to the scripted input the game plays them from, so that they take the very path of a
// script given with --input.
class Hands
{
public:
    explicit Hands(Platform::ScriptedInput& script) : mScript(script) {}

    // Queues a click of the left button at a virtual-screen point: the pointer goes there, then the
    // button goes down and up on the following frames.
    void Click(float x, float y);
    // The pointer goes somewhere harmless (off the field's objects), so that no hover lingers.
    void Rest(float x, float y);
    void Key(const std::string& key);
    void Type(const std::string& text);
    void Wait(int frames);

    // True while queued events are still to be played.
    bool Busy() const { return !mQueue.empty(); }
    // Hands the events of the coming frame (counted from 1) to the scripted input.
    void PlayInto(std::uint64_t frame);
    // Every event played so far, as the lines of an input script.
    const std::string& Played() const { return mPlayed; }

private:
    struct Step
    {
        std::string command; // empty: a frame without events
    };
    std::deque<Step> mQueue;
    std::string mPlayed;
    Platform::ScriptedInput& mScript;
};

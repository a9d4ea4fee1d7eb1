#pragma once

#include "platform/WindowRect.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Platform
{

class WindowSystem;

// Mouse, keyboard and window events read from a text file and played, frame by frame, into the
// window system as a player's hands would produce them. The format is in README.md ("Scripted input").
class ScriptedInput
{
public:
    enum class Kind
    {
        Move,
        Button,
        Wheel,
        Key,
        Character,
        Focus,
        Close,
    };

    struct Event
    {
        std::uint64_t frame = 0;
        Kind kind = Kind::Close;
        float x = 0.0f; // Move: virtual-screen pixels
        float y = 0.0f;
        int value = 0;     // Button: number; Wheel: notches; Key, Character: virtual key
        bool down = false; // Button, Key: pressed; Focus: gained
        char16_t text = 0; // Character
    };

    // Scripts are written by hand or by tools: a longer one is a mistake, not a play-through.
    static constexpr std::size_t kMaxEvents = 1'000'000;
    static constexpr std::uint64_t kMaxFrame = 100'000'000;

    // Reads a script; on a mistake returns false and says where and why in error.
    bool LoadFile(const std::string& path, std::string& error);
    bool Parse(const std::string& text, std::string& error);

    // The size of the screen the script's positions are given in.
    void SetVirtualSize(int width, int height);

    // Plays the events of a frame (frames count from 1) into the window system.
    void Play(std::uint64_t frame, WindowSystem& windows);

    const std::vector<Event>& Events() const { return mEvents; }

    // Where a virtual-screen point lies in a client area: scaled in a window, letterboxed in full screen.
    static void VirtualToClient(float x, float y, int virtualWidth, int virtualHeight,
                                const WindowRect& client, bool fullScreen, int& clientX, int& clientY);

private:
    bool ParseLine(const std::string& line, std::size_t lineNumber, std::string& error);
    void Add(const Event& event);

    std::vector<Event> mEvents;
    std::size_t mNext = 0;
    int mVirtualWidth = 1024;
    int mVirtualHeight = 768;
};

} // namespace Platform

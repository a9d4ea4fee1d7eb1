#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window that introduces a new character (window 14).
class NewCharacterGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 14;

    NewCharacterGui() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}

    // Fills the window from the character description at that index.
    void SetCharacter(std::uint32_t index) { mCharacter = index; }
    std::uint32_t GetCharacter() const { return mCharacter; }

private:
    std::uint32_t mCharacter = 0;
};

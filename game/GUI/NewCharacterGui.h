#pragma once

#include "game/Blank.h"
#include "game/GUI/WindowDialog.h"

#include <cstdint>

// The window that introduces a new character (window 14).
class NewCharacterGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 14;

    NewCharacterGui();

    void Init() override { mDialog.Init(); }
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    // Fills the window from the character description at that index.
    void SetCharacter(std::uint32_t index) { mCharacter = index; }
    std::uint32_t GetCharacter() const { return mCharacter; }

private:
    WindowDialog mDialog;
    std::uint32_t mCharacter = 0;
};

#pragma once

#include "game/Blank.h"
#include "game/GUI/WindowDialog.h"

#include <cstdint>

// The window of deleting a player (window 10). It shows its layout and closes on its controls.
class DeleteUserGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 10;

    DeleteUserGui();

    void Init() override { mDialog.Init(); }
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    WindowDialog& GetDialog() { return mDialog; }

private:
    WindowDialog mDialog;
};

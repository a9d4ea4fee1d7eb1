#pragma once

#include "game/GUI/NewCharacterDescription.h"
#include "game/GUI/WindowDialog.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <memory>
#include <vector>

class LuaValue;

// The card that introduces the character a level brings (window 14), one description per level from
// the "newCharacter" tables of "MapSettings.lua". OK closes it and the level's goals (window 1) follow.
class NewCharacterGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 14;

    NewCharacterGui();
    // Builds the window and reads the descriptions.
    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    // One entry per level (table) of "MapSettings", null where the level brings no one.
    void ReadDescriptions(const LuaValue& levels);
    // Fills the card for the level of that index; a level without a character shows the goals
    // (window 1) instead. An index outside the list changes nothing.
    void SetCharacter(int index);

    std::size_t GetDescriptionCount() const { return mDescriptions.size(); }
    const NewCharacterDescription* GetDescription(std::size_t index) const
    {
        return index < mDescriptions.size() ? mDescriptions[index].get() : nullptr;
    }
    WindowDialog& GetDialog() { return mDialog; }

private:
    WindowDialog mDialog;
    std::vector<std::unique_ptr<NewCharacterDescription>> mDescriptions;
};

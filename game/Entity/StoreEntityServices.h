#pragma once

#include "engine/Util/Vector2.h"

#include <string>

class EntityManager;
class MoneyAnimatedSprite;

// What the shop and the storehouse ask of the level around them, each step doing nothing when the
// level, its manager or its window registry is missing.
namespace StoreEntityServices
{
// The level's entity manager, or null.
EntityManager* Entities();
// The level's floating money figures, or null.
MoneyAnimatedSprite* MoneyFigures();
// The thief's puff at the point (a running copy of the entity manager's stealing effect) and its sound.
void ShowStealing(const Korrin::Vector2& place);
// Requests the hint for this frame with the priority of the field's objects.
void ShowHint(const char* name, const Korrin::Vector2& place);
// Opens the storehouse window (window 0).
void ShowStorehouseWindow();
// The name of the widget clicked in this frame, empty when none was.
std::string ClickedElement();
// The level selects nothing.
void ClearSelection();
// Plays a sound once when the sound manager has it; otherwise logs "File not found: <name>".
void PlaySoundOrLog(const char* name);
} // namespace StoreEntityServices

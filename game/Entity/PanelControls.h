#pragma once

#include <string>

namespace Korrin
{
class GuiButton;
class GuiElement;
} // namespace Korrin

// What the field entities' panel pages share: their elements by name on the panel's current page, the
// name of the element clicked this frame, and their buttons' captions.
namespace PanelControls
{

// The element of that name on the panel's current page; null when the panel, the page or the element
// is missing.
Korrin::GuiElement* Find(const std::string& name);
// The same, when it is a button.
Korrin::GuiButton* FindButton(const std::string& name);
// The name of the element clicked this frame; empty when none was.
std::string Clicked();
// A caption of its own in every state of the button (an empty one shows nothing, not the layout's).
void SetCaption(Korrin::GuiButton& button, const std::u16string& text);
// Shows (enabled) or hides (disabled) an element; a missing one is skipped.
void Show(const std::string& name, bool shown);

} // namespace PanelControls

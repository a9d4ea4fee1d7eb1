#pragma once

#include "engine/Util/Vector2.h"

#include <string>
#include <vector>

namespace Korrin
{
class GuiContainer;
class GuiElement;
} // namespace Korrin

// The widgets a player can click now: visible and enabled buttons of visible, enabled windows, where
// they stand on the virtual screen.
namespace GuiScan
{

struct Target
{
    std::string window; // the name of the top window that holds it
    std::string name;
    Korrin::Vector2 centre;
    const Korrin::GuiElement* element = nullptr;
};

// Every clickable widget under the widget manager, in input order.
std::vector<Target> Clickable();
// The clickable widgets of the modal windows that stand open.
std::vector<Target> ClickableInWindows();
// The clickable widgets of one container (and its inner containers).
std::vector<Target> ClickableIn(const Korrin::GuiContainer& container, const std::string& window);
// The first clickable widget of that (lower-case) name, in any window; null when there is none.
const Target* Find(const std::vector<Target>& targets, const std::string& name);
// The centre of an element's hit area on the virtual screen.
Korrin::Vector2 CentreOf(const Korrin::GuiElement& element);
// One line per target, for looking at what a screen offers.
std::string Describe(const std::vector<Target>& targets);

} // namespace GuiScan

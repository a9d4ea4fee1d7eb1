#include "tools/autoplay/GuiScan.h"

#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "game/GUI/GameWindowFrame.h"

#include <cstdio>

namespace GuiScan
{

namespace
{

bool HasArea(const Korrin::GuiElement& element)
{
    const Korrin::Rect& hit = element.GetHitRect();
    return hit.right > hit.left && hit.bottom > hit.top;
}

void Collect(const Korrin::GuiContainer& container, const std::string& window, std::vector<Target>& out)
{
    for (Korrin::GuiElement* child : container.GetInputOrder())
    {
        if (child == nullptr || !child->IsVisible() || child->IsDisabled())
        {
            continue;
        }
        if (const auto* inner = dynamic_cast<const Korrin::GuiContainer*>(child))
        {
            Collect(*inner, window, out);
            continue;
        }
        if (dynamic_cast<const Korrin::GuiButton*>(child) != nullptr && HasArea(*child))
        {
            out.push_back({window, child->GetName(), CentreOf(*child), child});
        }
    }
}

} // namespace

Korrin::Vector2 CentreOf(const Korrin::GuiElement& element)
{
    const Korrin::Rect& hit = element.GetHitRect();
    return {element.GetPosition().x + (hit.left + hit.right) * 0.5f,
            element.GetPosition().y + (hit.top + hit.bottom) * 0.5f};
}

std::vector<Target> ClickableIn(const Korrin::GuiContainer& container, const std::string& window)
{
    std::vector<Target> out;
    if (container.IsVisible() && !container.IsDisabled())
    {
        Collect(container, window, out);
    }
    return out;
}

std::vector<Target> Clickable()
{
    std::vector<Target> out;
    Korrin::GuiManager* manager = Korrin::GuiManager::Peek();
    if (manager == nullptr)
    {
        return out;
    }
    for (Korrin::GuiElement* child : manager->GetInputOrder())
    {
        const auto* window = dynamic_cast<const Korrin::GuiContainer*>(child);
        if (window == nullptr || !window->IsVisible() || window->IsDisabled())
        {
            continue;
        }
        Collect(*window, window->GetName(), out);
    }
    return out;
}

std::vector<Target> ClickableInWindows()
{
    std::vector<Target> out;
    Korrin::GuiManager* manager = Korrin::GuiManager::Peek();
    if (manager == nullptr)
    {
        return out;
    }
    for (Korrin::GuiElement* child : manager->GetInputOrder())
    {
        const auto* window = dynamic_cast<const GameWindowFrame*>(child);
        if (window == nullptr || !window->IsVisible() || window->IsDisabled())
        {
            continue;
        }
        Collect(*window, window->GetName(), out);
    }
    return out;
}

const Target* Find(const std::vector<Target>& targets, const std::string& name)
{
    for (const Target& target : targets)
    {
        if (target.name == name)
        {
            return &target;
        }
    }
    return nullptr;
}

std::string Describe(const std::vector<Target>& targets)
{
    std::string text;
    for (const Target& target : targets)
    {
        char line[256];
        std::snprintf(line, sizeof line, "  [%s] %s at %.0f,%.0f\n", target.window.c_str(),
                      target.name.c_str(), static_cast<double>(target.centre.x),
                      static_cast<double>(target.centre.y));
        text += line;
    }
    return text;
}

} // namespace GuiScan

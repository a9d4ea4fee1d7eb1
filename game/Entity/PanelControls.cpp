#include "game/Entity/PanelControls.h"

#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "game/Game/GamePanel.h"

namespace PanelControls
{

Korrin::GuiElement* Find(const std::string& name)
{
    const GamePanel* panel = GamePanel::Peek();
    const Korrin::GuiContainer* page = panel != nullptr ? panel->GetPanel(panel->GetCurrent()) : nullptr;
    return page != nullptr ? page->GetByName(name) : nullptr;
}

Korrin::GuiButton* FindButton(const std::string& name)
{
    return dynamic_cast<Korrin::GuiButton*>(Find(name));
}

std::string Clicked()
{
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    return clicked != nullptr ? clicked->GetName() : std::string();
}

void SetCaption(Korrin::GuiButton& button, const std::u16string& text)
{
    button.SetCaption("");
    button.SetCaptionW(text);
}

void Show(const std::string& name, bool shown)
{
    Korrin::GuiElement* element = Find(name);
    if (element == nullptr)
    {
        return;
    }
    element->SetVisible(shown);
    if (auto* button = dynamic_cast<Korrin::GuiButton*>(element))
    {
        button->SetDisabled(!shown);
    }
}

} // namespace PanelControls

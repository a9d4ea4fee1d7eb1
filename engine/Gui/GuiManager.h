#pragma once

#include "engine/Gui/GuiContainer.h"
#include "engine/Util/Singleton.h"

#include <string>
#include <vector>

namespace Korrin
{

// Holds the windows. Each frame it lets every window test the mouse (input pass), so that a click
// completed on a widget becomes the frame's one message, and then updates every window; it draws
// nothing (each screen draws its own windows). The application removes the message at the frame's end.
class GuiManager : public GuiContainer, public Singleton<GuiManager>
{
public:
    GuiManager();
    ~GuiManager() override;

    static GuiManager* GetInstance();

    // Builds a window from the table of that name in a layout file and adds it.
    GuiContainer* CreateContainer(const std::string& name, const std::string& fileName);
    // Adds a window built elsewhere.
    void AddContainer(GuiContainer* container);

    // Makes the element the frame's message unless one is already pending.
    void SetMessages(GuiElement* element);
    // The element clicked in this frame, or null.
    GuiElement* GetMessage() const { return mMessages.empty() ? nullptr : mMessages.front(); }
    const std::vector<GuiElement*>& GetMessages() const { return mMessages; }
    // Drops the first pending message (the frame consumes at most one).
    void RemoveMessage();

    void HandleInput() override;
    void Update() override;
    void Draw() override;

private:
    std::vector<GuiElement*> mMessages;
};

} // namespace Korrin

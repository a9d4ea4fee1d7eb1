#include "engine/Gui/GuiManager.h"

#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"

namespace Korrin
{

GuiManager::GuiManager() = default;

GuiManager::~GuiManager()
{
    mMessages.clear();
}

GuiManager* GuiManager::GetInstance()
{
    return CheckedInstance("GuiManager::mSingleton==NULL", kEngineModule, "Source\\Gui\\GuiManager", 20);
}

GuiContainer* GuiManager::CreateContainer(const std::string& name, const std::string& fileName)
{
    {
        LuaScript script;
        script.LoadFile(fileName, LuaScript::IfMissing::Report);
        LuaStackGuard guard(script.GetState());
        if (!script.GetGlobal(name.c_str()).IsTable())
        {
            script.LogFault("no layout table \"" + name + "\"");
            ReportAndBreak(name + " not found: " + fileName + " (GuiManager::CreateContainer)", kEngineModule,
                           "Source\\Gui\\GuiManager", 49);
        }
    }
    GuiContainer* container = new GuiContainer(name, fileName);
    AddGuiElement(container, "main", this, container->GetName());
    return container;
}

void GuiManager::AddContainer(GuiContainer* container)
{
    if (container != nullptr)
    {
        AddGuiElement(container, "main", this, container->GetName());
    }
}

void GuiManager::SetMessages(GuiElement* element)
{
    if (!mMessages.empty())
    {
        return;
    }
    if (LogManager* log = LogManager::Peek())
    {
        log->Write("SetMessages %s", element != nullptr ? element->GetName().c_str() : "");
    }
    mMessages.push_back(element);
}

void GuiManager::RemoveMessage()
{
    if (!mMessages.empty())
    {
        mMessages.erase(mMessages.begin());
    }
}

void GuiManager::HandleInput()
{
    for (GuiElement* window : mInputOrder)
    {
        window->HandleInput();
    }
}

void GuiManager::Update()
{
    for (GuiElement* window : mInputOrder)
    {
        window->Update();
    }
}

void GuiManager::Draw() {}

} // namespace Korrin

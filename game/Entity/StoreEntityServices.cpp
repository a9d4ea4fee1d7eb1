#include "game/Entity/StoreEntityServices.h"

#include "engine/Gui/GuiElement.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Particle/ParticleSystemList.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "game/Entity/EntityManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/Level.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Main.h"
#include "game/Util/HintManager.h"

namespace
{
// The field's objects ask for their hints with this priority.
constexpr std::uint32_t kHintPriority = 1;
} // namespace

namespace StoreEntityServices
{
EntityManager* Entities()
{
    Level* level = Level::Peek();
    return level != nullptr ? dynamic_cast<EntityManager*>(level->Find("EntityManager")) : nullptr;
}

MoneyAnimatedSprite* MoneyFigures()
{
    Level* level = Level::Peek();
    return level != nullptr ? dynamic_cast<MoneyAnimatedSprite*>(level->Find("MoneyAnimation")) : nullptr;
}

void ShowStealing(const Korrin::Vector2& place)
{
    if (EntityManager* manager = Entities(); manager != nullptr && manager->GetStealingEffect() != nullptr)
    {
        Korrin::ParticleSystem* effect = manager->GetStealingEffect();
        effect->SetPosition(place);
        manager->GetParticles().Add(*effect);
    }
    Korrin::PlaySoundOnce("Stealing");
}

void ShowHint(const char* name, const Korrin::Vector2& place)
{
    if (HintManager* hints = HintManager::Peek())
    {
        hints->Show(name, kHintPriority, place);
    }
}

void ShowStorehouseWindow()
{
    const Main* main = Main::Peek();
    if (main != nullptr && main->GetGameGuiManager() != nullptr)
    {
        main->GetGameGuiManager()->Show(GameGuiManager::kStoreHouse);
    }
}

std::string ClickedElement()
{
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    return clicked != nullptr ? clicked->GetName() : std::string();
}

void ClearSelection()
{
    if (Level* level = Level::Peek())
    {
        level->SetPendingObject(nullptr);
    }
}

void PlaySoundOrLog(const char* name)
{
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    if (Korrin::Sound* sound = sounds != nullptr ? sounds->GetSound(name) : nullptr)
    {
        sound->Play(false);
    }
    else if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("File not found: %s", name);
    }
}
} // namespace StoreEntityServices

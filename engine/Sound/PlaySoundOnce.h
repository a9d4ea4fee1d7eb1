#pragma once

#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"

namespace Korrin
{

// Plays a short sound of that name once from its start; without sound, or without a sound of that
// name, nothing happens. Screens, windows and the field all play their clicks and cues through it.
inline void PlaySoundOnce(const char* name)
{
    SoundManager* sounds = SoundManager::Peek();
    if (Sound* sound = sounds != nullptr ? sounds->GetSound(name) : nullptr)
    {
        sound->Play(false);
    }
}

} // namespace Korrin

#pragma once

#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"

// Plays a short sound of the windows once; without sound, or a sound of that name, nothing happens.
inline void PlayGuiSound(const char* name)
{
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    if (Korrin::Sound* sound = sounds != nullptr ? sounds->GetSound(name) : nullptr)
    {
        sound->Play(false);
    }
}

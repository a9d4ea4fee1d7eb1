#pragma once

// The characters' skeletal animations, kept by the game screen for the whole run.
class PersAnimationManager
{
public:
    PersAnimationManager() = default;
    PersAnimationManager(const PersAnimationManager&) = delete;
    PersAnimationManager& operator=(const PersAnimationManager&) = delete;
};

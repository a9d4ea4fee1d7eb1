#pragma once

#include "engine/Util/Vector2.h"

namespace Korrin
{
class ParticleSystem;
} // namespace Korrin

// The sparkle a hired worker (an errand boy or a fairy) shows when it changes into its building's clothes
// on its first visit: a running copy of "char_magic", made with every emitter off.
class WorkerMagic
{
public:
    WorkerMagic();
    ~WorkerMagic();
    WorkerMagic(const WorkerMagic&) = delete;
    WorkerMagic& operator=(const WorkerMagic&) = delete;

    // Places the effect and starts it again with its emitters on.
    void Start(const Korrin::Vector2& position);
    void Update(float dt);
    void Draw();
    bool IsRunning() const;

private:
    Korrin::ParticleSystem* mEffect = nullptr;
};

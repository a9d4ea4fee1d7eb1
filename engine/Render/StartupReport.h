#pragma once

#include "platform/GraphicsTypes.h"
#include "platform/SystemFacts.h"

namespace Korrin
{

// The description of the machine written to the log when the render system is made: the system half
// before the graphics device exists, the adapter half after its first reset.
class StartupReport
{
public:
    static void WriteSystemPart(const Platform::SystemFacts& facts);
    // identified is false when the adapter could not say who it is; the lines are written all the same.
    static void WriteAdapterPart(const Platform::AdapterFacts& facts, bool identified);
};

} // namespace Korrin

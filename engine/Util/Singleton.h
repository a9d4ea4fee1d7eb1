#pragma once

#include "engine/Log/ReportAssert.h"

namespace Korrin
{

// One instance per class, reachable through the class's getter while it lives. The checks report
// and then carry on as a debugger continuing past them would: a second object still becomes the
// instance, a release still clears it, a getter still returns null.
template <typename T>
class Singleton
{
public:
    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

    static T* GetInstance()
    {
        if (mSingleton == nullptr)
        {
            ReportAndBreak("The singleton has not yet been created.", kEngineModule, "util/Singleton.h", 32);
            return nullptr;
        }
        return static_cast<T*>(mSingleton);
    }

    // The instance or null, without a report: for code that may run before or after the instance.
    static T* Peek() { return mSingleton == nullptr ? nullptr : static_cast<T*>(mSingleton); }

protected:
    Singleton()
    {
        if (mSingleton != nullptr)
        {
            ReportAndBreak("Only one instance of this class is permitted.", kEngineModule, "util/Singleton.h",
                           19);
        }
        mSingleton = this;
    }

    ~Singleton()
    {
        if (mSingleton == nullptr)
        {
            ReportAndBreak("The singleton instance is invalid.", kEngineModule, "util/Singleton.h", 26);
        }
        mSingleton = nullptr;
    }

    // The getter of a class: reports "<Class>::mSingleton==NULL" (its own text) from its own source.
    static T* CheckedInstance(const char* description, const char* module, const char* file, int line)
    {
        if (mSingleton == nullptr)
        {
            ReportAndBreak(description, module, file, line);
            return nullptr;
        }
        return static_cast<T*>(mSingleton);
    }

private:
    // Kept as the base so that the cast to T happens only once T is fully built.
    static inline Singleton* mSingleton = nullptr;
};

} // namespace Korrin

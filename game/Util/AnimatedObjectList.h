#pragma once

#include "engine/Util/SafeVector.h"

#include <string>

class AnimatedObject;

// The animated decorations of a backdrop or the map, read from a script table; owns them.
class AnimatedObjectList
{
public:
    AnimatedObjectList() = default;
    ~AnimatedObjectList();
    AnimatedObjectList(const AnimatedObjectList&) = delete;
    AnimatedObjectList& operator=(const AnimatedObjectList&) = delete;

    // Each table of the global table names one object: {x, y, sprite table, period, scale, enabled,
    // alpha}; a missing or non-table global adds nothing.
    void Load(const std::string& scriptFile, const std::string& tableName);

    // The first three objects come (or go) from the start of their wait; false with fewer than three.
    bool ShowFirstThree();
    bool HideFirstThree();
    bool Hide(std::size_t index);
    void Clear();

    std::size_t GetCount() const { return mObjects.size(); }
    AnimatedObject* Get(std::size_t index) const
    {
        return index < mObjects.size() ? mObjects.Elements()[index] : nullptr;
    }
    const std::string& GetName() const { return mName; }

private:
    Korrin::SafeVector<AnimatedObject*> mObjects;
    std::string mName;
};

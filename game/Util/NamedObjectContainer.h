#pragma once

#include "engine/Util/SafeVector.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Holds game objects under names (and owns them), keeps them in an update list and a draw list, and
// drives the active ones each frame in the order they were added.
class NamedObjectContainer
{
public:
    NamedObjectContainer() = default;
    virtual ~NamedObjectContainer();
    NamedObjectContainer(const NamedObjectContainer&) = delete;
    NamedObjectContainer& operator=(const NamedObjectContainer&) = delete;

    virtual void Add(const std::string& name, Blank* object, bool draw);
    virtual void AddToDraw(Blank* object);
    virtual Blank* Find(const std::string& name) const;
    virtual Blank* GetByIndex(std::uint16_t index) const;
    virtual void Remove(Blank* object);
    virtual void RemoveByName(const std::string& name);
    virtual void Replace(const std::string& name, Blank* replacement);
    virtual std::uint32_t Count() const;
    virtual void InitAll();
    virtual void ResetAll();
    virtual bool UpdateAll(float dt);
    virtual void DrawAll();

protected:
    // Deletes every named member (in the names' byte order) and empties the map and the draw list.
    void DeleteAll();
    void RemoveFromLists(const Blank* object);
    bool Owns(const Blank* object) const;

    std::map<std::string, Blank*> mNames;
    Korrin::SafeVector<Blank*> mUpdateList;
    Korrin::SafeVector<Blank*> mDrawList;
    // Objects added under a name already taken: in the lists, not in the map, still owned.
    std::vector<Blank*> mUnnamed;
};

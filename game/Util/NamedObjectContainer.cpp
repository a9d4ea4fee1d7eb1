#include "game/Util/NamedObjectContainer.h"

#include "engine/Log/ReportAssert.h"

#include <algorithm>
#include <set>

namespace
{
constexpr const char* kSource = "Source\\NamedObjectContainer";
} // namespace

NamedObjectContainer::~NamedObjectContainer()
{
    DeleteAll();
}

void NamedObjectContainer::Add(const std::string& name, Blank* object, bool draw)
{
    const auto [entry, added] = mNames.emplace(name, object); // an existing name keeps its first object
    if (!added && entry->second != object)
    {
        // The second object still joins the lists, as callers expect, but nothing would ever delete it:
        // the container keeps it aside and deletes it with the rest.
        Korrin::ReportAndBreak("NamedObjectContainer::Add: the name '" + name + "' is already taken",
                               Korrin::kGameModule, kSource, 20);
        if (!Owns(object))
        {
            mUnnamed.push_back(object);
        }
    }
    mUpdateList.push_back(object);
    if (draw)
    {
        AddToDraw(object);
    }
}

void NamedObjectContainer::AddToDraw(Blank* object)
{
    mDrawList.push_back(object);
}

Blank* NamedObjectContainer::Find(const std::string& name) const
{
    const auto found = mNames.find(name);
    return found != mNames.end() ? found->second : nullptr;
}

Blank* NamedObjectContainer::GetByIndex(std::uint16_t index) const
{
    return index < mUpdateList.size() ? mUpdateList.Elements()[index] : nullptr;
}

void NamedObjectContainer::RemoveFromLists(const Blank* object)
{
    std::erase(mUpdateList.Elements(), object);
    std::erase(mDrawList.Elements(), object);
}

bool NamedObjectContainer::Owns(const Blank* object) const
{
    return std::ranges::find(mUnnamed, object) != mUnnamed.end() ||
           std::ranges::any_of(mNames, [object](const auto& entry) { return entry.second == object; });
}

void NamedObjectContainer::Remove(Blank* object)
{
    RemoveFromLists(object);
    // An object without a name entry goes back to the caller, undeleted.
    std::erase(mUnnamed, object);
    const auto found = std::find_if(mNames.begin(), mNames.end(),
                                    [object](const auto& entry) { return entry.second == object; });
    if (found != mNames.end())
    {
        mNames.erase(found);
        delete object;
    }
}

void NamedObjectContainer::RemoveByName(const std::string& name)
{
    const auto found = mNames.find(name);
    if (found == mNames.end())
    {
        return;
    }
    Blank* object = found->second;
    mNames.erase(found);
    RemoveFromLists(object);
    delete object;
}

void NamedObjectContainer::Replace(const std::string& name, Blank* replacement)
{
    const auto found = mNames.find(name);
    if (found == mNames.end())
    {
        return;
    }
    Blank* old = found->second;
    found->second = replacement;
    std::replace(mUpdateList.begin(), mUpdateList.end(), old, replacement);
    std::replace(mDrawList.begin(), mDrawList.end(), old, replacement);
}

std::uint32_t NamedObjectContainer::Count() const
{
    return static_cast<std::uint32_t>(mUpdateList.size());
}

void NamedObjectContainer::InitAll()
{
    for (Blank* object : mUpdateList)
    {
        object->Init();
    }
}

void NamedObjectContainer::ResetAll()
{
    for (Blank* object : mUpdateList)
    {
        object->Reset();
    }
}

bool NamedObjectContainer::UpdateAll(float dt)
{
    for (Blank* object : mUpdateList)
    {
        if (object->IsActive() && !object->Update(dt))
        {
            return false;
        }
    }
    return true;
}

void NamedObjectContainer::DrawAll()
{
    for (Blank* object : mUpdateList)
    {
        if (object->IsActive())
        {
            object->ClearDrawCount();
        }
    }
    for (Blank* object : mDrawList)
    {
        if (object->IsActive())
        {
            object->Draw();
            object->CountDraw();
        }
    }
}

void NamedObjectContainer::DeleteAll()
{
    // An object filed twice is deleted once.
    std::set<const Blank*> deleted;
    for (auto& entry : mNames)
    {
        if (deleted.insert(entry.second).second)
        {
            delete entry.second;
        }
        entry.second = nullptr;
    }
    mNames.clear();
    for (Blank* object : mUnnamed)
    {
        if (deleted.insert(object).second)
        {
            delete object;
        }
    }
    mUnnamed.clear();
    mDrawList.clear();
}

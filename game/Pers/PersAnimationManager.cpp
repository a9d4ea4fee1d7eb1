#include "game/Pers/PersAnimationManager.h"

#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Render/SkeletonManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/Entity/PersAnimatedManager.h"

#include <utility>

namespace
{

constexpr const char* kSource = "Source\\Pers\\PersAnimationManager";
constexpr const char* kWho = " (PersAnimatedManager::PersAnimatedManager)";

// The log, or null before it exists and after it is gone.
Korrin::LogManager* Log()
{
    return Korrin::LogManager::Peek();
}

// A global string of the list file; reported (and left empty) when it is missing.
std::string ReadName(Korrin::LuaScript& script, const char* global, const std::string& listFile, int line)
{
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue value = script.GetGlobal(global);
    if (!value.IsString())
    {
        Korrin::ReportAndBreak(std::string("Not found ") + global + " in " + listFile + kWho,
                               Korrin::kEngineModule, kSource, line);
        return {};
    }
    return value.ToString();
}

// The "List" entries whose first two elements are strings: (animation name, animation file).
std::vector<std::pair<std::string, std::string>> ReadEntries(Korrin::LuaScript& script,
                                                             const std::string& listFile)
{
    std::vector<std::pair<std::string, std::string>> entries;
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue list = script.GetGlobal("List");
    if (!list.IsTable())
    {
        Korrin::ReportAndBreak(listFile + " not found: List" + kWho, Korrin::kEngineModule, kSource, 238);
        return entries;
    }
    list.ForEachEntry(
        [&entries](const LuaValue& /*key*/, const LuaValue& entry)
        {
            if (!entry.IsTable())
            {
                return;
            }
            lua_State* state = entry.GetState();
            Korrin::LuaStackGuard entryGuard(state);
            lua_rawgeti(state, entry.GetIndex(), 1);
            const LuaValue name(state, -1);
            lua_rawgeti(state, entry.GetIndex(), 2);
            const LuaValue file(state, -1);
            if (lua_type(state, name.GetIndex()) == LUA_TSTRING &&
                lua_type(state, file.GetIndex()) == LUA_TSTRING)
            {
                entries.emplace_back(name.ToString(), file.ToString());
            }
        });
    return entries;
}

float Lerp(float a, float b, float f)
{
    return a + (b - a) * f;
}

} // namespace

PersAnimationManager::PersAnimationManager() = default;

PersAnimationManager::~PersAnimationManager()
{
    for (auto& [id, list] : mLists)
    {
        if (Korrin::LogManager* log = Log())
        {
            log->Write("DEL ID %i", static_cast<int>(id));
        }
        for (auto& [name, animation] : list->animations)
        {
            if (Korrin::LogManager* log = Log())
            {
                log->Write("del anim %s", name.c_str());
            }
            animation.reset();
        }
        list.reset();
    }
    mLists.clear();
    Korrin::SkeletonManager* skeletons = Korrin::SkeletonManager::Peek();
    for (auto& [id, pool] : mPools)
    {
        for (Korrin::Skeleton* skeleton : pool)
        {
            if (skeletons != nullptr)
            {
                skeletons->DeleteSkeleton(skeleton);
            }
        }
    }
    mPools.clear();
}

Korrin::Skeleton* PersAnimationManager::GetSkeleton(std::int32_t listId, const std::string& listFile)
{
    const auto found = mLists.find(listId);
    if (found == mLists.end())
    {
        if (Korrin::LogManager* log = Log())
        {
            log->Write("LOAD id %i,%s", static_cast<int>(listId), listFile.c_str());
        }
        return LoadList(listId, listFile);
    }
    if (Korrin::LogManager* log = Log())
    {
        log->Write("SKEL id %i,%s", static_cast<int>(listId), listFile.c_str());
    }
    if (Korrin::Skeleton* pooled = TakeFromPool(listId))
    {
        return pooled;
    }
    return NewSkeleton(listId, *found->second);
}

Korrin::Skeleton* PersAnimationManager::NewSkeleton(std::int32_t /*listId*/, const AnimationList& list)
{
    Korrin::SkeletonManager* skeletons = Korrin::SkeletonManager::Peek();
    return skeletons != nullptr ? skeletons->AddSkeleton(list.skeletonFile, list.skeletonTable) : nullptr;
}

Korrin::Skeleton* PersAnimationManager::LoadList(std::int32_t listId, const std::string& listFile)
{
    auto list = std::make_unique<AnimationList>();
    std::vector<std::pair<std::string, std::string>> entries;
    {
        Korrin::LuaScript script;
        script.LoadFile(listFile, Korrin::LuaScript::IfMissing::Report);
        list->skeletonFile = ReadName(script, "SkeletonFile", listFile, 225);
        list->skeletonTable = ReadName(script, "SkeletonTable", listFile, 233);
        entries = ReadEntries(script, listFile);
    }
    Korrin::Skeleton* skeleton = TakeFromPool(listId);
    if (skeleton == nullptr)
    {
        skeleton = NewSkeleton(listId, *list);
    }
    for (const auto& [name, file] : entries)
    {
        if (skeleton == nullptr || list->animations.count(name) != 0)
        {
            continue; // the first animation of a name stays
        }
        if (name.size() >= PersAnimatedManager::kNameBytes)
        {
            // A figure's record holds the name in 50 bytes with its terminator: a longer one could be
            // saved but never read back.
            if (Korrin::LogManager* log = Log())
            {
                log->Write("%s: the animation name %s is longer than 49 bytes and is left out",
                           listFile.c_str(), name.c_str());
            }
            continue;
        }
        auto animation = std::make_unique<Korrin::Animation>();
        animation->Load(*skeleton, file, name);
        animation->SetName(name);
        if (Korrin::LogManager* log = Log())
        {
            log->Write("loa anim %s", name.c_str());
        }
        list->animations.emplace(name, std::move(animation));
    }
    mLists[listId] = std::move(list);
    return skeleton;
}

bool PersAnimationManager::Has(std::int32_t listId, const std::string& name) const
{
    const auto list = mLists.find(listId);
    return list != mLists.end() && list->second->animations.count(name) != 0;
}

bool PersAnimationManager::Get(std::int32_t listId, const std::string& name, Korrin::Animation*& out) const
{
    if (!Has(listId, name))
    {
        Korrin::ReportAndBreak("Don't find animation " + name + " (PersAnimationManager::Get())",
                               Korrin::kGameModule, kSource, 301);
        return false;
    }
    out = mLists.at(listId)->animations.at(name).get();
    return true;
}

Korrin::Skeleton* PersAnimationManager::TakeFromPool(std::int32_t listId)
{
    const auto pool = mPools.find(listId);
    if (pool == mPools.end() || pool->second.empty())
    {
        return nullptr;
    }
    Korrin::Skeleton* skeleton = pool->second.front();
    pool->second.erase(pool->second.begin());
    return skeleton;
}

void PersAnimationManager::AddToPool(std::int32_t listId, Korrin::Skeleton* skeleton)
{
    mPools[listId].push_back(skeleton);
}

std::uint16_t PersAnimationManager::ApplyAnimation(const Korrin::Animation* animation,
                                                   Korrin::Animation& state, const Korrin::Vector2& position,
                                                   Korrin::Skeleton* skeleton, float dt)
{
    if (animation == nullptr || animation->GetFrameCount() == 0 || skeleton == nullptr)
    {
        return 0;
    }
    state.mTime += dt;
    const std::size_t count = animation->GetFrameCount();
    std::size_t cur = 0;
    float start = 0.0f;
    float cumulative = 0.0f;
    for (std::size_t i = 0; i < count; ++i)
    {
        cumulative += animation->GetFrame(i).duration;
        if (cumulative <= state.mTime)
        {
            cur = i;
            start = cumulative;
        }
    }
    const std::size_t next = cur + 1 < count ? cur + 1 : cur;
    const Korrin::Animation::_KeyFrame& from = animation->GetFrame(cur);
    const Korrin::Animation::_KeyFrame& to = animation->GetFrame(next);
    const float span = to.duration == 0.0f ? 1.0f : to.duration;
    const float f = (state.mTime - start) / span;
    const std::size_t bones = skeleton->GetBoneCount();
    if (from.boneKeys.size() != bones || to.boneKeys.size() != bones)
    {
        return 0;
    }
    const bool mirrored = state.mMirror != 0;
    for (std::size_t j = 0; j < bones; ++j)
    {
        const Korrin::Animation::BoneKey& a = *from.boneKeys[j];
        const Korrin::Animation::BoneKey& b = *to.boneKeys[j];
        Korrin::Bone* bone = skeleton->GetBone(static_cast<std::uint16_t>(j));
        const float angle = Lerp(a.angle, b.angle, f);
        const Korrin::Vector2 offset{Lerp(a.x, b.x, f), Lerp(a.y, b.y, f)};
        if (j == 0)
        {
            bone->mWorldPosition = {mirrored ? position.x + offset.x : position.x - offset.x,
                                    position.y - offset.y};
        }
        else
        {
            bone->mOffset = offset;
        }
        bone->mScale = {Lerp(a.scaleX, b.scaleX, f), Lerp(a.scaleY, b.scaleY, f)};
        bone->mAngle = mirrored ? -angle : angle;
        bone->mFrame = a.frame;
        bone->mDepth = a.depth;
        bone->mMirrorVertical = a.mirrorVertical;
        bone->mMirrorHorizontal = a.mirrorHorizontal != mirrored;
        bone->UpdatePosition(false);
    }
    const auto reached = static_cast<std::uint16_t>(cur);
    if (reached != state.mLastKeyFrame)
    {
        skeleton->SortDrawingList();
        state.mLastKeyFrame = reached;
    }
    return reached;
}

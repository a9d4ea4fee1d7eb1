#include "engine/Render/Skeleton.h"

#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Render/Bone.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"

#include <algorithm>
#include <cmath>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Render\\Skeleton";

const void* TableIdentity(const LuaValue& table)
{
    return lua_topointer(table.GetState(), table.GetIndex());
}

// "Sprite": {table, file} of an animated sprite, or {image}.
AnimatedSprite* ReadSprite(const LuaValue& bone)
{
    const LuaValue sprite = bone.GetField("Sprite");
    SpriteManager* sprites = SpriteManager::Peek();
    if (!sprite.IsTable() || sprites == nullptr)
    {
        return nullptr;
    }
    LuaStackGuard guard(sprite.GetState());
    lua_rawgeti(sprite.GetState(), sprite.GetIndex(), 1);
    const LuaValue first(sprite.GetState(), -1);
    lua_rawgeti(sprite.GetState(), sprite.GetIndex(), 2);
    const LuaValue second(sprite.GetState(), -1);
    if (!first.IsString())
    {
        return nullptr;
    }
    if (second.IsString())
    {
        return sprites->LoadAnimatedSprite(first.ToString(), second.ToString());
    }
    return sprites->CreateAnimatedSprite(first.ToString());
}

bool ReadPoint(const LuaValue& table, const char* key, Vector2& point)
{
    Vector2 read;
    if (!table.GetField(key).GetVector2(read) || !std::isfinite(read.x) || !std::isfinite(read.y))
    {
        return false;
    }
    point = read;
    return true;
}

} // namespace

Skeleton::Skeleton(const std::string& file, const std::string& table) : mFileName(file), mTableName(table)
{
    LuaScript script;
    script.LoadFile(file, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());
    const LuaValue skeleton = script.GetGlobal(table.c_str());
    if (!skeleton.IsTable())
    {
        ReportAndBreak(file + " not found: " + table + " (Skeleton::Skeleton)", kEngineModule, kSource, 70);
        return;
    }
    const LuaValue name = skeleton.GetField("Name");
    if (!name.IsString())
    {
        ReportAndBreak("error create: " + table + " (Skeleton::Skeleton)", kEngineModule, kSource, 77);
        return;
    }
    mRoot = AddBone(name.ToString(), nullptr);
    mTablesAbove.insert(TableIdentity(skeleton));
    LoadBones(skeleton, mRoot, 1);
    mTablesAbove.clear();
    mRoot->UpdatePosition(true);
    SortDrawingList();
}

Skeleton::~Skeleton()
{
    if (LogManager* log = LogManager::Peek())
    {
        log->Write("Skeleton::~Skeleton()");
    }
}

Bone* Skeleton::AddBone(const std::string& name, Bone* parent)
{
    mBones.push_back(std::make_unique<Bone>(name));
    Bone* bone = mBones.back().get();
    if (parent != nullptr)
    {
        parent->AddChild(bone);
        bone->SetParent(parent);
    }
    mDrawingList.push_back(bone);
    return bone;
}

void Skeleton::LoadBones(const LuaValue& table, Bone* parent, int depth)
{
    table.ForEachEntry(
        [&](const LuaValue& /*key*/, const LuaValue& value)
        {
            if (!value.IsTable())
            {
                return;
            }
            const LuaValue name = value.GetField("Name");
            if (!name.IsString())
            {
                return; // a table without a name is left out with all it holds
            }
            const void* identity = TableIdentity(value);
            if (mTablesAbove.count(identity) != 0 || depth >= kMaxDepth || mBones.size() >= kMaxBones)
            {
                // A table that holds itself would make bones without end; a tree this large is broken.
                if (!mCutReported)
                {
                    mCutReported = true;
                    ReportAndBreak(mFileName + " " + mTableName + ": the bone tables below \"" +
                                       name.ToString() +
                                       "\" refer to themselves or go too deep (Skeleton::LoadBones)",
                                   kEngineModule, kSource, 118);
                }
                return;
            }
            Bone* bone = AddBone(name.ToString(), parent);
            bone->SetSprite(ReadSprite(value));
            ReadPoint(value, "Pos", bone->mOffset);
            ReadPoint(value, "Rot", bone->mPivot);
            if (const LuaValue depthValue = value.GetField("Z");
                depthValue.IsNumber() && std::isfinite(depthValue.ToFloat()))
            {
                bone->mDepth = depthValue.ToFloat();
            }
            mTablesAbove.insert(identity);
            LoadBones(value, bone, depth + 1);
            mTablesAbove.erase(identity);
        });
}

void Skeleton::SortDrawingList()
{
    // Stable by insertion: figures re-sort at every new key frame, and std::stable_sort would take a
    // buffer from the heap each time.
    for (std::size_t i = 1; i < mDrawingList.size(); ++i)
    {
        for (std::size_t k = i; k > 0 && mDrawingList[k]->mDepth > mDrawingList[k - 1]->mDepth; --k)
        {
            std::swap(mDrawingList[k], mDrawingList[k - 1]);
        }
    }
}

Bone* Skeleton::GetBone(std::uint16_t index) const
{
    if (index >= mBones.size())
    {
        ReportAndBreak("Index out of bounds (Skeleton::GetBone)", kEngineModule, kSource, 160);
        return nullptr;
    }
    return mBones[index].get();
}

Bone* Skeleton::GetDrawBone(std::uint16_t index) const
{
    if (index >= mDrawingList.size())
    {
        ReportAndBreak("Index out of bounds (Skeleton::GetDrawBone)", kEngineModule, kSource, 170);
        return nullptr;
    }
    return mDrawingList[index];
}

} // namespace Korrin

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class LuaValue;

namespace Korrin
{

class Bone;

// A tree of bones read from a global table of a script file, each bone a table holding its children;
// drawn back to front by depth.
class Skeleton
{
public:
    // Data files are untrusted: deeper or larger trees are cut, with a report.
    static constexpr int kMaxDepth = 64;
    static constexpr std::size_t kMaxBones = 1024;

    Skeleton(const std::string& file, const std::string& table);
    virtual ~Skeleton();
    Skeleton(const Skeleton&) = delete;
    Skeleton& operator=(const Skeleton&) = delete;

    // Bones in loading order (root first) and in drawing order; null (after a report) past the end.
    Bone* GetBone(std::uint16_t index) const;
    Bone* GetDrawBone(std::uint16_t index) const;
    std::size_t GetBoneCount() const { return mBones.size(); }
    Bone* GetRoot() const { return mRoot; }
    // Orders the drawing list by depth again, larger depth first (for owners that change depths).
    void SortDrawingList();

    const std::string& GetFileName() const { return mFileName; }
    const std::string& GetTableName() const { return mTableName; }

private:
    void LoadBones(const LuaValue& table, Bone* parent, int depth);
    Bone* AddBone(const std::string& name, Bone* parent);

    Bone* mRoot = nullptr;
    std::vector<Bone*> mDrawingList;
    std::vector<std::unique_ptr<Bone>> mBones;
    std::string mFileName;
    std::string mTableName;
    // The tables on the way from the skeleton's table down to the one being read.
    std::unordered_set<const void*> mTablesAbove;
    bool mCutReported = false;
};

} // namespace Korrin

#include "engine/File/FileSysManager.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Render/SkeletonManager.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/support/ReportRecorder.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// The characters' data the character generator writes into the build's media folder, read with the
// engine's own loaders: every list, skeleton and animation file, the carried goods and their
// corrections, the grid-exact root motion, and the pictures and effects around the figures.
namespace
{

using Korrin::LuaScript;
using TestSupport::ReportRecorder;

enum class Kind
{
    Buyer,
    Monster,
    Boy,
    Fairy,
    Gardener,
    Thief,
    Companion,
};

struct ListFile
{
    std::string file;
    Kind kind;
};

std::vector<ListFile> AllLists()
{
    std::vector<ListFile> lists;
    for (const char* look : {"peasant", "girl", "prince", "sleeper", "general", "smelly", "professor",
                             "musician", "fatB", "princess", "fat", "countess", "grandma"})
    {
        lists.push_back({std::string(look) + "list.lua", Kind::Buyer});
    }
    lists.push_back({"monsterlist.lua", Kind::Monster});
    for (const char* boy : {"normal", "miller", "juicer", "tomat", "baker", "sunflower", "packer"})
    {
        lists.push_back({std::string("boy_") + boy + "_list.lua", Kind::Boy});
    }
    for (const char* fairy : {"normal", "roaster", "confectionery", "sandwich", "dough", "friedpotatoes"})
    {
        lists.push_back({std::string("fairy_") + fairy + "_list.lua", Kind::Fairy});
    }
    lists.push_back({"gardenerlist.lua", Kind::Gardener});
    lists.push_back({"thieflist.lua", Kind::Thief});
    lists.push_back({"quibanilist.lua", Kind::Companion});
    return lists;
}

const char* const kClimbs[] = {"moveup_rope", "moveup_ladder", "movedown_rope", "movedown_ladder"};

void AddWithSuffixes(std::set<std::string>& names, const std::string& name,
                     std::initializer_list<const char*> suffixes)
{
    for (const char* suffix : suffixes)
    {
        names.insert(name + suffix);
    }
}

// Every animation name the characters' code asks for, by kind.
std::set<std::string> NamesOf(Kind kind)
{
    std::set<std::string> names;
    switch (kind)
    {
    case Kind::Buyer:
        names = {"stand",     "stand1", "run",   "run1",  "run2",         "turn1", "turn2", "turn3",
                 "walk_idle", "extra",  "sleep", "awake", "doesnt_awake", "drope", "idle1"};
        for (const char* climb : kClimbs)
        {
            AddWithSuffixes(names, climb, {"", "1"});
        }
        break;
    case Kind::Monster:
        names = {"eat_monster"};
        break;
    case Kind::Boy:
        for (const char* name :
             {"stand", "run", "magic", "in_house", "out_house", "idle1", "idle2", "idle3", "idle_p",
              "moveup_rope", "moveup_ladder", "movedown_rope", "movedown_ladder"})
        {
            AddWithSuffixes(names, name, {"", "1", "2"});
        }
        break;
    case Kind::Fairy:
        for (const char* name :
             {"stand", "run", "moveup_rope", "moveup_ladder", "movedown_rope", "movedown_ladder", "magic",
              "in_fairy", "out_fairy", "idle_fairy11", "idle_fairy12", "idle_fairy13", "idle_fairy21",
              "idle_fairy22", "idle_fairy23"})
        {
            AddWithSuffixes(names, name, {"", "1", "2"});
        }
        break;
    case Kind::Gardener:
        names = {"magic", "drip", "getwater", "setwater", "setwater1", "idle_wat", "idle_wat1"};
        for (const char* name :
             {"stand", "run", "moveup_rope", "moveup_ladder", "movedown_rope", "movedown_ladder"})
        {
            AddWithSuffixes(names, name, {"", "1"});
        }
        for (const char* crop : {"carrot", "tomato", "potatoes", "sunflower", "wheat"})
        {
            AddWithSuffixes(names, crop, {"01", "02", "03"});
            AddWithSuffixes(names, std::string("idle_") + crop, {"01", "02", "011", "021"});
        }
        AddWithSuffixes(names, "idle_st0", {"1", "2", "3", "4"});
        break;
    case Kind::Thief:
        names = {"firstrun", "stand", "standshort", "stealing", "stealing1",
                 "bush",     "bush1", "tremble",    "run"};
        names.insert(std::begin(kClimbs), std::end(kClimbs));
        break;
    case Kind::Companion:
        names = {"left",  "right",  "left2", "right2", "left3", "right3",
                 "left4", "right4", "drop",  "red1",   "red2"};
        AddWithSuffixes(names, "idle", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
        break;
    }
    return names;
}

// The names whose hand holds goods placed by the list's "ObjList".
std::set<std::string> CarryingNamesOf(Kind kind)
{
    switch (kind)
    {
    case Kind::Buyer:
        return {"stand1",           "run1", "moveup_rope1", "moveup_ladder1", "movedown_rope1",
                "movedown_ladder1", "drope"};
    case Kind::Boy:
        return {"stand1", "stand2", "run1", "run2", "in_house1", "in_house2", "idle_p1", "moveup_ladder2"};
    case Kind::Gardener:
        return {"stand1",         "run1",          "moveup_rope1", "movedown_ladder1",
                "idle_carrot011", "idle_wheat021", "idle_wat1"};
    case Kind::Thief:
        return {"stand1", "run1"};
    case Kind::Companion:
        return {"left2", "right2", "left3", "right3", "drop"};
    case Kind::Monster:
    case Kind::Fairy:
        break;
    }
    return {};
}

bool Walks(Kind kind)
{
    return kind == Kind::Buyer || kind == Kind::Boy || kind == Kind::Gardener || kind == Kind::Thief;
}

// How far one cycle of a walker's animation moves its root: a run one cell, a climb one row.
std::pair<float, float> StepOf(Kind kind, const std::string& name)
{
    if (!Walks(kind))
    {
        return {0.0f, 0.0f};
    }
    if (name.rfind("run", 0) == 0)
    {
        return {64.0f, 0.0f};
    }
    if (name.rfind("moveup_", 0) == 0)
    {
        return {0.0f, 24.0f};
    }
    if (name.rfind("movedown_", 0) == 0)
    {
        return {0.0f, -24.0f};
    }
    return {0.0f, 0.0f};
}

struct LoadedList
{
    std::string skeletonFile;
    std::string skeletonTable;
    std::vector<std::pair<std::string, std::string>> animations; // name, file, in list order
    // ObjList: name -> id -> {angle, sX, sY, pX, pY}
    std::map<std::string, std::map<int, std::vector<float>>> corrections;
};

LoadedList ReadList(const std::string& file)
{
    LoadedList list;
    LuaScript script;
    EXPECT_EQ(script.LoadFile(file, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran) << file;
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue skeletonFile = script.GetGlobal("SkeletonFile");
    EXPECT_TRUE(skeletonFile.IsString()) << file;
    list.skeletonFile = skeletonFile.IsString() ? skeletonFile.ToString() : "";
    const LuaValue skeletonTable = script.GetGlobal("SkeletonTable");
    EXPECT_TRUE(skeletonTable.IsString()) << file;
    list.skeletonTable = skeletonTable.IsString() ? skeletonTable.ToString() : "";
    script.GetGlobal("List").ForEachElement(
        [&](int, const LuaValue& entry)
        {
            Korrin::LuaStackGuard inner(entry.GetState());
            lua_rawgeti(entry.GetState(), entry.GetIndex(), 1);
            const LuaValue name(entry.GetState(), -1);
            lua_rawgeti(entry.GetState(), entry.GetIndex(), 2);
            const LuaValue animation(entry.GetState(), -1);
            ASSERT_TRUE(name.IsString() && animation.IsString()) << file;
            list.animations.emplace_back(name.ToString(), animation.ToString());
        });
    script.GetGlobal("ObjList").ForEachElement(
        [&](int, const LuaValue& entry)
        {
            auto& ids = list.corrections[entry.GetField("name").ToString()];
            entry.GetField("data").ForEachElement(
                [&](int, const LuaValue& element)
                {
                    std::vector<float>& fields = ids[static_cast<int>(element.GetField("id").ToFloat())];
                    for (const char* key : {"angle", "sX", "sY", "pX", "pY"})
                    {
                        const LuaValue value = element.GetField(key);
                        fields.push_back(value.IsNumber() ? value.ToFloat() : 0.0f);
                    }
                });
        });
    return list;
}

class CharacterDataTest : public testing::Test
{
protected:
    CharacterDataTest()
    {
        ReportRecorder::Clear();
        mFiles.AddDirectory("media");
    }

    Korrin::Skeleton* LoadSkeleton(const LoadedList& list)
    {
        return mSkeletons.AddSkeleton(list.skeletonFile, list.skeletonTable);
    }

    static int BoneIndex(const Korrin::Skeleton& skeleton, const std::string& name)
    {
        for (std::size_t i = 0; i < skeleton.GetBoneCount(); ++i)
        {
            if (skeleton.GetBone(static_cast<std::uint16_t>(i))->GetName() == name)
            {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    std::unique_ptr<Korrin::Animation> LoadAnimation(const Korrin::Skeleton& skeleton, const LoadedList& list,
                                                     const std::string& name)
    {
        auto animation = std::make_unique<Korrin::Animation>();
        for (const auto& [entry, file] : list.animations)
        {
            if (entry == name)
            {
                animation->Load(skeleton, file, name);
                break;
            }
        }
        return animation;
    }

    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
    TestSupport::RenderFixture mRender;
    Korrin::SpriteManager mSprites;
    Korrin::ParticleManager mParticles;
    Korrin::SkeletonManager mSkeletons;
};

TEST_F(CharacterDataTest, EveryListLoadsAndEveryAnimationItsKindPlaysIsThereAndPlayable)
{
    for (const ListFile& entry : AllLists())
    {
        SCOPED_TRACE(entry.file);
        const LoadedList list = ReadList(entry.file);
        Korrin::Skeleton* skeleton = LoadSkeleton(list);
        ASSERT_GT(skeleton->GetBoneCount(), 1u);
        EXPECT_GE(BoneIndex(*skeleton, "obj_right"), 0);
        EXPECT_GE(BoneIndex(*skeleton, "body"), 0);

        std::set<std::string> listed;
        for (const auto& [name, file] : list.animations)
        {
            EXPECT_TRUE(listed.insert(name).second) << "a second \"" << name << "\" would be dropped";
            EXPECT_LT(name.size(), 50u) << name << " fits a figure record";
            Korrin::Animation animation;
            animation.Load(*skeleton, file, name);
            ASSERT_GT(animation.GetFrameCount(), 0u) << name;
            for (std::size_t frame = 0; frame < animation.GetFrameCount(); ++frame)
            {
                ASSERT_EQ(animation.GetFrame(frame).boneKeys.size(), skeleton->GetBoneCount())
                    << name << " key frame " << frame << " is playable";
            }
        }
        for (const std::string& name : NamesOf(entry.kind))
        {
            EXPECT_EQ(listed.count(name), 1u) << "\"" << name << "\" is missing";
        }
    }
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << ReportRecorder::LastDescription();
    EXPECT_EQ(mRender.Log().Text().find("is NULL"), std::string::npos) << "every part picture exists";
    EXPECT_EQ(mRender.Log().Text().find("Error load Frame"), std::string::npos);
}

TEST_F(CharacterDataTest, RunsCrossOneCellClimbsOneRowAndEveryOtherAnimationEndsWhereItStarted)
{
    for (const ListFile& entry : AllLists())
    {
        SCOPED_TRACE(entry.file);
        const LoadedList list = ReadList(entry.file);
        Korrin::Skeleton* skeleton = LoadSkeleton(list);
        for (const auto& [name, file] : list.animations)
        {
            // The companion's walks go from the counter's middle to a half and back, posed in place.
            if (entry.kind == Kind::Companion && (name.rfind("left", 0) == 0 || name.rfind("right", 0) == 0))
            {
                continue;
            }
            const auto animation = LoadAnimation(*skeleton, list, name);
            ASSERT_GT(animation->GetFrameCount(), 0u);
            const Korrin::Animation::BoneKey& first = *animation->GetFrame(0).boneKeys.at(0);
            const Korrin::Animation::BoneKey& last =
                *animation->GetFrame(animation->GetFrameCount() - 1).boneKeys.at(0);
            const auto [stepX, stepY] = StepOf(entry.kind, name);
            EXPECT_EQ(first.x, 0.0f) << name;
            EXPECT_EQ(first.y, 0.0f) << name;
            EXPECT_EQ(last.x, stepX) << name;
            EXPECT_EQ(last.y, stepY) << name;
            EXPECT_EQ(animation->GetFrame(0).duration, 0.0f) << name << " starts on its first pose";
        }
    }
}

TEST_F(CharacterDataTest, TheCompanionWalksToAHalfAndBackToTheMiddle)
{
    const LoadedList list = ReadList("quibanilist.lua");
    Korrin::Skeleton* skeleton = LoadSkeleton(list);
    const struct
    {
        const char* name;
        float from;
        float to;
    } walks[] = {{"left", 0, 40},   {"left2", 0, 40},   {"left3", 40, 0},   {"left4", 40, 0},
                 {"right", 0, -40}, {"right2", 0, -40}, {"right3", -40, 0}, {"right4", -40, 0}};
    for (const auto& walk : walks)
    {
        const auto animation = LoadAnimation(*skeleton, list, walk.name);
        ASSERT_GT(animation->GetFrameCount(), 1u) << walk.name;
        EXPECT_EQ(animation->GetFrame(0).boneKeys.at(0)->x, walk.from) << walk.name;
        EXPECT_EQ(animation->GetFrame(animation->GetFrameCount() - 1).boneKeys.at(0)->x, walk.to)
            << walk.name;
        // Going right the figure faces right: its bones are mirrored in the keys.
        EXPECT_EQ(animation->GetFrame(1).boneKeys.at(1)->mirrorHorizontal, walk.to < walk.from) << walk.name;
    }
}

TEST_F(CharacterDataTest, EveryCarryingPoseHoldsTheGoodsOfEveryFrameWhereItsHandIs)
{
    for (const ListFile& entry : AllLists())
    {
        SCOPED_TRACE(entry.file);
        const LoadedList list = ReadList(entry.file);
        Korrin::Skeleton* skeleton = LoadSkeleton(list);
        const int carry = BoneIndex(*skeleton, "obj_right");
        ASSERT_GE(carry, 0);
        const Korrin::AnimatedSprite* goods =
            skeleton->GetBone(static_cast<std::uint16_t>(carry))->GetSprite();
        ASSERT_NE(goods, nullptr);
        // Frame 0 is the empty hand, then one frame per goods frame: dense goods index + 1 up to money
        // (28), and the gardener's seeds, crops and three pails emptying (up to 46).
        const std::size_t frames = entry.kind == Kind::Gardener ? 47u : 29u;
        EXPECT_EQ(goods->GetFrameCount(), frames);

        for (const std::string& name : CarryingNamesOf(entry.kind))
        {
            EXPECT_EQ(list.corrections.count(name), 1u) << "\"" << name << "\" has no corrections";
        }
        for (const auto& [name, ids] : list.corrections)
        {
            const auto animation = LoadAnimation(*skeleton, list, name);
            ASSERT_GT(animation->GetFrameCount(), 0u) << "\"" << name << "\" is corrected but not listed";
            ASSERT_EQ(ids.size(), frames - 1) << name;
            const std::size_t carried = static_cast<std::size_t>(carry);
            const Korrin::Animation::BoneKey& hand = *animation->GetFrame(0).boneKeys.at(carried);
            for (const auto& [id, fields] : ids)
            {
                EXPECT_GE(id, 1) << name;
                EXPECT_LT(id, static_cast<int>(frames)) << name;
                EXPECT_EQ(fields[1], 1.0f) << name << " id " << id << ": a scale of 0 would hide the goods";
                EXPECT_EQ(fields[2], 1.0f) << name << " id " << id;
                // The correction puts the goods where the animation's own key has the hand.
                EXPECT_NEAR(fields[3], hand.x, 0.01f) << name << " id " << id;
                EXPECT_NEAR(fields[4], hand.y, 0.01f) << name << " id " << id;
            }
            float fullest = 0.0f;
            for (std::size_t frame = 0; frame < animation->GetFrameCount(); ++frame)
            {
                fullest = std::max(fullest, animation->GetFrame(frame).boneKeys.at(carried)->frame);
            }
            EXPECT_GT(fullest, 0.0f) << name << " shows a full hand (the buyer and the companion test it)";
        }
    }
}

TEST_F(CharacterDataTest, AnimationsLastPastTheKeyFramesTheCharactersActOn)
{
    // (list, animation, a key frame the code acts after): there is a later key frame before the last.
    const struct
    {
        const char* list;
        const char* name;
        std::size_t actsAfter;
    } limits[] = {
        {"gardenerlist.lua", "drip", 8},
        {"gardenerlist.lua", "getwater", 3},
        {"gardenerlist.lua", "setwater1", 2},
        {"gardenerlist.lua", "carrot01", 6},
        {"gardenerlist.lua", "potatoes03", 10},
        {"gardenerlist.lua", "wheat02", 10},
        {"professorlist.lua", "extra", 18},
        {"sleeperlist.lua", "extra", 18},
        {"fairy_roaster_list.lua", "in_fairy1", 13},
        {"fairy_confectionery_list.lua", "out_fairy", 15},
        {"fairy_sandwich_list.lua", "out_fairy", 14},
        {"fairy_dough_list.lua", "in_fairy1", 11},
    };
    for (const auto& limit : limits)
    {
        const LoadedList list = ReadList(limit.list);
        Korrin::Skeleton* skeleton = LoadSkeleton(list);
        const auto animation = LoadAnimation(*skeleton, list, limit.name);
        EXPECT_GT(animation->GetFrameCount(), limit.actsAfter + 2) << limit.list << " " << limit.name;
    }
}

TEST_F(CharacterDataTest, TheGardenerPullsEachCropOutAfterItsHarvestFrameAndWearsHisHat)
{
    const LoadedList list = ReadList("gardenerlist.lua");
    Korrin::Skeleton* skeleton = LoadSkeleton(list);
    const int carry = BoneIndex(*skeleton, "obj_right");
    // (animation, harvest frame, the crop's carry frame)
    const struct
    {
        const char* name;
        std::size_t harvest;
        float crop;
    } harvests[] = {{"carrot01", 2, 6},     {"carrot03", 2, 8},     {"tomato02", 3, 10},
                    {"sunflower01", 3, 12}, {"sunflower03", 1, 14}, {"potatoes01", 3, 15},
                    {"wheat03", 3, 20}};
    for (const auto& harvest : harvests)
    {
        const auto animation = LoadAnimation(*skeleton, list, harvest.name);
        for (std::size_t frame = 0; frame < animation->GetFrameCount(); ++frame)
        {
            const float shown =
                animation->GetFrame(frame).boneKeys.at(static_cast<std::size_t>(carry))->frame;
            EXPECT_EQ(shown, frame > harvest.harvest ? harvest.crop : 0.0f)
                << harvest.name << " key " << frame;
        }
    }
    for (const char* hat : {"hat01", "hat02"})
    {
        const int bone = BoneIndex(*skeleton, hat);
        ASSERT_GT(bone, 0) << hat;
        const Korrin::AnimatedSprite* sprite =
            skeleton->GetBone(static_cast<std::uint16_t>(bone))->GetSprite();
        ASSERT_NE(sprite, nullptr) << hat;
        EXPECT_GE(sprite->GetFrameCount(), 3u) << hat << " has the frames of the first visit";
    }
}

TEST_F(CharacterDataTest, PicturesAndEffectsAroundTheFiguresLoad)
{
    const struct
    {
        const char* table;
        const char* file;
        std::size_t frames;
    } sprites[] = {
        {"CharDream", "CharDream.lua", 38},
        {"DreamNum", "CharDream.lua", 10},
        {"DreamNum1", "CharDream.lua", 10},
        {"characterFinger", "CharacterHint.lua", 6},
        {"ThiefBag", "thieflist.lua", 10},
        {"Cell1", "thieflist.lua", 6},
        {"Cell2", "thieflist.lua", 5},
        {"Cell3", "thieflist.lua", 4},
        {"BackCell1", "thieflist.lua", 6},
        {"BackCell2", "thieflist.lua", 5},
        {"BackCell3", "thieflist.lua", 4},
        {"Wings", "fairy_normal_wings.lua", 3},
        {"Wings", "fairy_roaster_wings.lua", 3},
        {"Wings", "fairy_confectionery_wings.lua", 3},
        {"Wings", "fairy_sandwich_wings.lua", 3},
        {"Wings", "fairy_dough_wings.lua", 3},
        {"Wings", "fairy_friedpotatoes_wings.lua", 3},
    };
    for (const auto& sprite : sprites)
    {
        const Korrin::AnimatedSprite* loaded = mSprites.LoadAnimatedSprite(sprite.table, sprite.file);
        EXPECT_EQ(loaded->GetFrameCount(), sprite.frames) << sprite.file << " " << sprite.table;
    }
    Korrin::Sprite* mark = mSprites.CreateSprite("mark.png");
    ASSERT_NE(mark, nullptr);

    const struct
    {
        const char* file;
        const char* table;
        std::size_t emitters;
    } effects[] = {{"char_path.particle", "char_path", 1},
                   {"char_endpath.particle", "char_endpath", 1},
                   {"UpgradeUpPersPS.particle", "UpgradeUpPersPS", 1},
                   {"TeleportingPS.particle", "TeleportingPS", 3},
                   {"char_magic.particle", "char_magic", 2}};
    for (const auto& effect : effects)
    {
        Korrin::ParticleSystem* system = mParticles.CreateParticleSystem(effect.file, effect.table);
        EXPECT_EQ(system->GetEmitterCount(), effect.emitters) << effect.file;
    }
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << ReportRecorder::LastDescription();
    EXPECT_EQ(mRender.Log().Text().find("is NULL"), std::string::npos) << "every picture exists";
}

TEST_F(CharacterDataTest, AStandingFigurePosedFromItsKeysStandsOnTheFloorWithItsHeadAbove)
{
    // Pose key frame 0 of "stand" the way the game does: the root at the position minus its offset,
    // every other bone from its parent with its own offset, angle, scale and frame.
    const LoadedList list = ReadList("peasantlist.lua");
    Korrin::Skeleton* skeleton = LoadSkeleton(list);
    const auto stand = LoadAnimation(*skeleton, list, "stand");
    const Korrin::Vector2 position{300.0f, 300.0f};
    const auto& keys = stand->GetFrame(0).boneKeys;
    ASSERT_EQ(keys.size(), skeleton->GetBoneCount());
    for (std::size_t i = 0; i < keys.size(); ++i)
    {
        Korrin::Bone* bone = skeleton->GetBone(static_cast<std::uint16_t>(i));
        const Korrin::Animation::BoneKey& key = *keys[i];
        bone->mScale = {key.scaleX, key.scaleY};
        bone->mAngle = key.angle;
        bone->mFrame = key.frame;
        bone->mMirrorHorizontal = key.mirrorHorizontal;
        if (i == 0)
        {
            bone->mWorldPosition = {position.x - key.x, position.y - key.y};
            continue;
        }
        bone->mOffset = {key.x, key.y};
        bone->UpdatePosition(false);
    }
    Korrin::RenderSystem& render = mRender.Render();
    render.BeginFrame();
    render.BeginScene(nullptr);
    for (std::size_t i = 0; i < skeleton->GetBoneCount(); ++i)
    {
        skeleton->GetDrawBone(static_cast<std::uint16_t>(i))->Draw();
    }
    render.EndScene();
    const Platform::Image frame = mRender.BackBuffer();
    const std::uint32_t clear = mRender.Render().GetClearColour().ToARGB() & 0xFFFFFF;
    const auto lit = [&](int x, int y) { return (frame.At(x, y) & 0xFFFFFF) != clear; };
    const auto litRow = [&](int y)
    {
        for (int x = 280; x <= 320; ++x)
        {
            if (lit(x, y))
            {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(litRow(300 + 34)) << "shoes just above the floor line, 36 below the position";
    EXPECT_FALSE(litRow(300 + 39)) << "nothing below the floor line but the shoes' rim";
    EXPECT_TRUE(lit(300, 300)) << "the body at the position";
    EXPECT_TRUE(litRow(300 - 45)) << "the head";
    EXPECT_FALSE(litRow(300 - 80)) << "nothing far above the head and hat";
    EXPECT_FALSE(lit(300, 300 + 60));
}

} // namespace

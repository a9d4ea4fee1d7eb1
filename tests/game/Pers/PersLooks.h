#pragma once

#include "platform/PngCodec.h"
#include "tests/engine/TempFolder.h"

#include <sstream>
#include <string>
#include <vector>

namespace TestSupport
{

// A small character data set written by a test: one three-bone skeleton ("root", "body", "obj_right")
// shared by every look the character manager makes, a few animations whose root motion is easy to
// follow, the dream bubble and the selection mark.
class PersLooks
{
public:
    // One key frame of an animation: its time value and the root bone's offset; the other bones rest.
    struct Key
    {
        float time = 0.0f;
        float rootX = 0.0f;
        float rootY = 0.0f;
        float bodyDepth = 1.0f;
    };

    // Every list file the character classes read.
    static std::vector<std::string> ListFiles()
    {
        return {"gardenerlist.lua",
                "boy_normal_list.lua",
                "boy_miller_list.lua",
                "boy_juicer_list.lua",
                "boy_tomat_list.lua",
                "boy_baker_list.lua",
                "boy_sunflower_list.lua",
                "boy_packer_list.lua",
                "fairy_normal_list.lua",
                "fairy_roaster_list.lua",
                "fairy_confectionery_list.lua",
                "fairy_sandwich_list.lua",
                "fairy_dough_list.lua",
                "fairy_friedpotatoes_list.lua",
                "thieflist.lua",
                "peasantlist.lua",
                "girllist.lua",
                "princelist.lua",
                "sleeperlist.lua",
                "generallist.lua",
                "smellylist.lua",
                "professorlist.lua",
                "musicianlist.lua",
                "fatBlist.lua",
                "princesslist.lua",
                "fatlist.lua",
                "countesslist.lua",
                "grandmalist.lua"};
    }

    // The animation file text: "TimeList" and a key table per bone.
    static std::string Animation(const std::vector<Key>& keys)
    {
        std::ostringstream times;
        std::ostringstream root;
        std::ostringstream body;
        std::ostringstream hand;
        for (const Key& key : keys)
        {
            times << key.time << ", ";
            root << "{" << key.rootX << ", " << key.rootY << ", 0, 0, 1, 1, 0, 0, 0}, ";
            body << "{0, -20, 0, 0, 1, 1, " << key.bodyDepth << ", 0, 0}, ";
            hand << "{10, 0, 0, 0.5, 1, 1, 0, 0, 0}, ";
        }
        return "TimeList = {" + times.str() + "}\nroot = {" + root.str() + "}\nbody = {" + body.str() +
               "}\nobj_right = {" + hand.str() + "}\n";
    }

    // Writes the data set into dir ("" or a folder name with its slash) below the folder.
    static void Write(const TempFolder& folder, const std::string& dir = "")
    {
        folder.Write(dir + "walker_skel.lua",
                     "OffsetCenterHeadX = 5\nOffsetCenterHeadY = -70\nOffsetUp = 12\n"
                     "Skeleton = { Name = 'root',\n"
                     "  { Name = 'body', Pos = {0, -20}, Z = 1,\n"
                     "    { Name = 'obj_right', Pos = {10, 0} } } }\n");
        folder.Write(dir + "stand.anim", Animation({{0.0f}, {1.0f}}));
        // One cell (64 pixels) to the left per second of animation time.
        folder.Write(
            dir + "run.anim",
            Animation({{0.0f, 0.0f}, {0.25f, 16.0f}, {0.25f, 32.0f}, {0.25f, 48.0f}, {0.25f, 64.0f}}));
        folder.Write(dir + "up.anim", Animation({{0.0f}, {0.5f, 0.0f, 12.0f}, {0.5f, 0.0f, 24.0f}}));
        folder.Write(dir + "down.anim", Animation({{0.0f}, {0.5f, 0.0f, -12.0f}, {0.5f, 0.0f, -24.0f}}));
        folder.Write(dir + "single.anim", Animation({{0.5f, 10.0f, 5.0f}}));
        folder.Write(dir + "zero.anim", Animation({{0.5f, 0.0f}, {0.0f, 10.0f}, {1.0f, 20.0f}}));
        folder.Write(dir + "depth.anim", Animation({{0.0f, 0.0f, 0.0f, 1.0f}, {1.0f, 0.0f, 0.0f, -1.0f}}));
        std::string list = "SkeletonFile = 'walker_skel.lua'\nSkeletonTable = 'Skeleton'\nList = {\n";
        for (const char* name : {"stand", "stand1", "walk_idle", "bush1", "extra", "magic"})
        {
            list += std::string("  {'") + name + "', 'stand.anim'},\n";
        }
        for (const char* name : {"run", "run1"})
        {
            list += std::string("  {'") + name + "', 'run.anim'},\n";
        }
        for (const char* name : {"moveup_rope", "moveup_ladder", "moveup_rope1", "moveup_ladder1"})
        {
            list += std::string("  {'") + name + "', 'up.anim'},\n";
        }
        for (const char* name : {"movedown_rope", "movedown_ladder", "movedown_rope1", "movedown_ladder1"})
        {
            list += std::string("  {'") + name + "', 'down.anim'},\n";
        }
        list += "  {'single', 'single.anim'}, {'zero', 'zero.anim'}, {'depth', 'depth.anim'},\n"
                "  {'stand', 'single.anim'}, 'not a table', {'no file'}, {42, 'stand.anim'},\n}\n"
                "ObjList = { { name = 'run1', data = { { id = 9, angle = 0.25, sX = 2, sY = 3, pX = 4, pY = "
                "5 } } } }\n";
        for (const std::string& file : ListFiles())
        {
            folder.Write(dir + file, list);
        }
        folder.Write(dir + "CharDream.lua",
                     "CharDream = { Image = 'mark.png', SrcRect = { 0, 0, 8, 8 },\n"
                     "  Animation = { FramesCols = 4, FramesRows = 1, NumFrames = 4 } }\n"
                     "DreamNum = { Image = 'mark.png', SrcRect = { 0, 0, 40, 4 },\n"
                     "  Animation = { FramesCols = 10, FramesRows = 1, NumFrames = 10 } }\n"
                     "DreamNum1 = { Image = 'mark.png', SrcRect = { 0, 4, 40, 8 },\n"
                     "  Animation = { FramesCols = 10, FramesRows = 1, NumFrames = 10 } }\n");
        folder.Write(dir + "CharacterHint.lua",
                     "characterFinger = { Image = 'mark.png', SrcRect = { 0, 0, 32, 8 },\n"
                     "  Animation = { FramesCols = 4, FramesRows = 1, NumFrames = 4 } }\n");
        for (const char* effect : {"char_path", "char_endpath", "UpgradeUpPersPS", "TeleportingPS"})
        {
            folder.Write(
                dir + effect + ".particle",
                std::string(effect) +
                    " = { { Sprite = { Image = 'mark.png' }, PartSysLifeTime = 5,\n"
                    "  ParticlesQuota = 4, PerSecond = 20, LifeTime = 2 },\n"
                    "  { Sprite = { Image = 'mark.png' } }, { Sprite = { Image = 'mark.png' } } }\n");
        }
        Platform::Image mark;
        mark.width = 78;
        mark.height = 45;
        mark.pixels.assign(78 * 45, 0xFF20C020u);
        Platform::PngCodec::Write(mark, folder.Path() + "/" + dir + "mark.png");
    }
};

} // namespace TestSupport

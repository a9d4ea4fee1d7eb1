#pragma once

#include "game/Pers/PersRunThief.h"
#include "game/Pers/PersThiefManager.h"
#include "game/Pers/ThiefBag.h"
#include "tests/game/Pers/PersLevelFixture.h"
#include "tests/support/LeftButton.h"

namespace TestSupport
{

// A level of the characters' small data set with the thief's own list: every animation of his lasts one
// second and moves him nowhere, and his cage closes in four frames.
class ThiefLevelFixture : public PersLevelFixture
{
protected:
    ThiefLevelFixture()
    {
        std::string list = "SkeletonFile = 'walker_skel.lua'\nSkeletonTable = 'Skeleton'\nList = {\n";
        for (const char* name :
             {"stand", "firstrun", "bush", "bush1", "tremble", "standshort", "stealing", "stealing1"})
        {
            list += std::string("  {'") + name + "', 'stand.anim'},\n";
        }
        list += "  {'run', 'run.anim'}, {'moveup_rope', 'up.anim'}, {'movedown_rope', 'down.anim'},\n}\n";
        for (const char* cage :
             {"Cell1", "Cell2", "Cell3", "BackCell1", "BackCell2", "BackCell3", "ThiefBag"})
        {
            list += std::string(cage) + " = { Image = 'mark.png', SrcRect = { 0, 0, 8, 8 },\n"
                                        "  Animation = { FramesCols = 4, FramesRows = 1, NumFrames = 4 } }\n";
        }
        mFolder.Write("thieflist.lua", list);
    }

    // The least complete level with one start shelf at the foot of the storehouse's row.
    void BuildWithShelf(std::uint8_t minutes = 0, std::uint8_t seconds = 0)
    {
        LevelFileBuilder level = LevelFileBuilder::Complete();
        level.thieves.push_back({minutes, seconds, kShelfI, 22});
        Build(level);
        mThief = dynamic_cast<PersRunThief*>(Characters().GetCharacters().front().get());
    }

    PersThiefManager& Thieves() { return Characters().GetThiefManager(); }
    ThiefBag& Bags() { return *dynamic_cast<ThiefBag*>(mLevel.Find("ThiefBagList")); }

    // Hovers the thief and presses the left button over him.
    bool ClickThief(PersRunThief& thief)
    {
        const Korrin::Vector2 root = thief.GetRootPosition();
        thief.ClearHover();
        thief.IsPointInside({root.x, root.y - 20.0f});
        mButton.Press();
        return thief.TryClick();
    }

    // Runs the characters frame by frame for the seconds given.
    void Run(float seconds, float frame = 0.05f)
    {
        for (float t = 0.0f; t < seconds; t += frame)
        {
            Characters().Update(frame);
        }
    }

    static constexpr std::uint8_t kShelfI = 14;
    PersRunThief* mThief = nullptr;
    LeftButton mButton{mRender.Services().Window()};
};

} // namespace TestSupport

#pragma once

#include "engine/File/FileSysManager.h"
#include "engine/Render/SkeletonManager.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GamePanelPers.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Game/TableCost.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersAnimationManager.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersThiefManager.h"
#include "game/Pers/ThiefBag.h"
#include "tests/engine/TempFolder.h"
#include "tests/game/Pers/PersLooks.h"

// The character manager and one character of every class, made from the small data set of PersLooks
// and registered with a save manager of their own, so that a saved level's character records
// (tests/fixtures/saves/CharacterRecords.dat) can be read by every class's loader.
struct CharacterRecordSet
{
    static constexpr std::uint8_t kCodes[] = {5, 26, 38, 139, 136, 5};

    CharacterRecordSet()
    {
        // Five buyer kinds in the panel's portrait queue, whose place the character manager's block holds.
        panel.GetPers().Reset();
        for (const std::uint8_t kind : {139, 140, 141, 142, 143})
        {
            panel.GetPers().AddPers(kind);
        }
        for (int place = 0; place < 4; ++place)
        {
            characters.GetBuyersQueue().push_back({place + 1, 22, 0});
        }
        for (const std::uint8_t code : kCodes)
        {
            characters.CreatePers(code)->Init();
        }
        // The bag list comes last, as the level registers it after its characters here.
        bags = std::make_unique<ThiefBag>();
    }

    Pers& Character(std::size_t index) { return *characters.GetCharacters()[index]; }

    TestSupport::TempFolder folder{"character-records"};
    // The data set is written before anything reads it.
    int written = (TestSupport::PersLooks::Write(folder), 0);
    Korrin::FileSysManager files{folder.Path()};
    Korrin::SkeletonManager skeletons;
    PersAnimationManager animations;
    TableCost table;
    GamePanel panel;
    SaveLoadManager records;
    PersManager characters;
    std::unique_ptr<ThiefBag> bags;
};

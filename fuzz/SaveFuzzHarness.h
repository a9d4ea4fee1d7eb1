#pragma once

#include "engine/File/DiskFile.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Main.h"
#include "game/Profile.h"
#include "game/Util/SaveFormat.h"
#include "platform/Folders.h"
#include "tests/support/AchievementDefinitions.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

// A profile with one listed player (number 0) on a save folder of its own, with the objects its files
// fill, made once per fuzzing process. Each input is written as one file and loaded.
class SaveFuzzHarness
{
public:
    static SaveFuzzHarness& Get()
    {
        static SaveFuzzHarness harness;
        return harness;
    }

    // Writes the input where the loader looks for it, after the copies that earlier inputs left kept
    // aside, so that every input goes through the same refusal.
    void Put(const std::string& name, const std::uint8_t* data, std::size_t size)
    {
        const std::string path = mFolder + "/" + name;
        SaveFormat::Forget();
        for (int copy = 0; copy < Korrin::DiskFile::kMaxKeptAside; ++copy)
        {
            std::remove(Korrin::DiskFile::KeptAsideName(path, copy).c_str());
        }
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr)
        {
            return;
        }
        if (size > 0)
        {
            std::fwrite(data, 1, size, file);
        }
        std::fclose(file);
    }

    ~SaveFuzzHarness()
    {
        std::error_code error;
        std::filesystem::remove_all(mFolder, error);
    }

    Profile profile;
    Main main;
    ProgressBoardManager boards;
    SaveLoadManager records;
    LevelTaskInfo task;

private:
    SaveFuzzHarness()
    {
        mFolder =
            (std::filesystem::temp_directory_path() / ("wf_fuzz_" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(mFolder);
        Platform::Folders::SetSaveFolder(mFolder);
        // Achievements 0 to 9, so that the records and queued ids of an input meet definitions and
        // strangers alike.
        TestSupport::DefineAchievements(
            *AchievementSystem::GetInstance(),
            "{ {Id = 0, MaxProgress = 1}, {Id = 1, MaxProgress = 5}, {Id = 2, MaxProgress = 0},"
            "  {Id = 3, MaxProgress = 100}, {Id = 4, MaxProgress = 1}, {Id = 5, MaxProgress = 7},"
            "  {Id = 6, MaxProgress = 1}, {Id = 7, MaxProgress = 2}, {Id = 8, MaxProgress = 3},"
            "  {Id = 9, MaxProgress = 4} }");
        profile.CreateUser(u"Fuzz");
        task.level = 1;
        // The goals of the seed's level (tests/fixtures/saves/Save2_4.dat), so that inputs reach their
        // counts.
        task.AddGoal(LevelTaskInfo::kMoneyGoods, 2000);
        task.AddGoal(84, 5);
        profile.levelInPlay = 0;
    }

    std::string mFolder;
};

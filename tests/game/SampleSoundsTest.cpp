#include "engine/File/FileSysManager.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "platform/SoundDevice.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{

TEST(SampleSounds, EverySoundOfTheGameListLoadsAndPlays)
{
    TestSupport::LogCapture log;
    Korrin::FileSysManager files(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
    files.AddDirectory("media");
    Platform::SoundDevice::SetOutputKind(Platform::SoundOutputKind::Pulled);
    TestSupport::ReportRecorder::Clear();
    Korrin::SoundManager sounds(0);
    sounds.LoadScript("audiolist1.audio", "audiolist1");

    // Every sound the game plays by name, grouped by who plays it: a name missing here leaves the
    // field silent where the game asks for it.
    const struct
    {
        const char* name;
        bool music;
    } expected[] = {
        // windows and buttons
        {"click_button", false},
        {"show_window", false},
        {"hide_window", false},
        {"complete_one_goods", false},
        {"add_reward", false},
        {"show_reward_window", false},
        {"show_reward_menu", false},
        // the end-of-level statistics
        {"level_complete", false},
        {"show_text", false},
        {"show_cup", false},
        {"add_score", false},
        // the shop, the storehouse and its window
        {"Sale", false},
        {"upgrade", false},
        {"Stealing", false},
        {"Storehouse", false},
        {"Product_pick", false},
        {"Product_put", false},
        // the buyers
        {"click_old_male", false},
        {"click_young_male", false},
        {"click_young_female", false},
        {"click_old_female", false},
        {"grumble_old_male", false},
        {"grumble_young_male", false},
        {"grumble_young_female", false},
        {"grumble_old_female", false},
        {"musician_extra", false},
        {"professor_extra", false},
        // the production buildings and their workers
        {"Board", false},
        {"Building", false},
        {"ConstructionOf", false},
        {"building_finish_work", false},
        {"buy_character", false},
        {"sale_character", false},
        {"pers_magic", false},
        {"adding_goods_to_storehouse", false},
        {"boy_ok", false},
        {"boy_no", false},
        {"fairy_ok", false},
        {"fairy_no", false},
        // the garden, its gardener and the well
        {"Garden", false},
        {"gardener_ok", false},
        {"gardener_no", false},
        {"WaterWell", false},
        {"WaterWellTask", false},
        // the ropes and the thief
        {"Rope", false},
        {"Cage", false},
        {"catch_thief", false},
        {"rustle_thief", false},
        {"start_thief", false},
        {"Money", false},
        // music
        {"MainMenu", true},
        {"Track1", true},
        {"Track2", true},
        {"Track3", true},
    };
    for (const auto& entry : expected)
    {
        Korrin::Sound* sound = sounds.GetSound(entry.name);
        ASSERT_NE(sound, nullptr) << entry.name;
        EXPECT_TRUE(sound->IsEnabled()) << entry.name;
        EXPECT_EQ(sound->IsStreamed(), entry.music) << entry.name;
        EXPECT_GT(sound->GetVoiceVolume(0), 0.0f) << entry.name << " has its volume";
        EXPECT_EQ(sound->Play(entry.music), 0) << entry.name;
    }
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
    EXPECT_EQ(log.Text().find("sound file is bad"), std::string::npos) << log.Text();
}

} // namespace

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

    const struct
    {
        const char* name;
        bool music;
    } expected[] = {
        {"click_button", false},   {"show_window", false},
        {"hide_window", false},    {"complete_one_goods", false},
        {"add_reward", false},     {"show_reward_window", false},
        {"pers_magic", false},     {"adding_goods_to_storehouse", false},
        {"boy_no", false},         {"fairy_no", false},
        {"ConstructionOf", false}, {"building_finish_work", false},
        {"sale_character", false}, {"boy_ok", false},
        {"MainMenu", true},        {"Track1", true},
        {"Track2", true},          {"Track3", true},
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

#include "game/GUI/Options.h"

#include "engine/File/BinaryReader.h"
#include "engine/Gui/GuiCheckBox.h"
#include "engine/Gui/GuiSlider.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/GameMenu.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/Util/GameGlobals.h"
#include "tests/game/GUI/GameRunSupport.h"

#include <gtest/gtest.h>

using GameRunSupport::GameRunTest;

namespace
{

class OptionsTest : public GameRunTest
{
protected:
    Options& Window() { return mGame.Window<Options>(); }
    template <typename T>
    T* Control(const char* name)
    {
        return dynamic_cast<T*>(Window().GetFrame()->GetByName(name));
    }
    void When(std::function<bool()> ready, std::function<void()> act)
    {
        mGame.steps.push_back({std::move(ready), std::move(act)});
    }
    std::function<bool()> Open(std::uint8_t id)
    {
        return [this, id] { return mGame.Showing(id) && mGame.Settled(); };
    }
};

TEST_F(OptionsTest, TheMusicSliderActsAtOnceAndOkSavesTheBoxesAndReturnsToWhereItWasOpened)
{
    const std::uint8_t none = GameGuiManager::kNoWindow;
    When([] { return true; },
         [&]
         {
             mProfile.CreateUser(u"Ann");
             mGame.Windows().Show(Options::kWindowId);
         });
    float musicVolume = -1.0f;
    float playingMusicVolume = -1.0f;
    When(Open(Options::kWindowId), [&] { Control<Korrin::GuiSlider>("OPT_MUSIC_SLIDER")->SetValue(0.25f); });
    When([] { return true; },
         [&]
         {
             musicVolume = Korrin::SoundManager::GetInstance()->GetMusicVolume();
             if (const Korrin::Sound* music = mGame.GetMain()->GetMusic())
             {
                 playingMusicVolume = music->GetTypeVolume();
             }
             Control<Korrin::GuiCheckBox>("OPT_EDUCATION_CHECKBOX")->SetChecked(false);
             Control<Korrin::GuiCheckBox>("OPT_PRETTYCURSOR_CHECKBOX")->SetChecked(true);
             Control<Korrin::GuiCheckBox>("OPT_FULLSCREEN_CHECKBOX")->SetChecked(false);
             Window().HandleClick("OPT_OK_BUTTON");
         });
    When([&] { return mGame.Showing(none); },
         [&]
         {
             mGame.Windows().Show(GameMenu::kWindowId);
             mGame.Windows().Show(Options::kWindowId);
             Window().SetReturnToGameMenu();
         });
    When(Open(Options::kWindowId), [&] { Window().HandleClick("OPT_OK_BUTTON"); });
    When(Open(GameMenu::kWindowId), [] {});
    Run();

    EXPECT_FLOAT_EQ(musicVolume, 0.25f) << "the slider acts while it moves";
    EXPECT_FLOAT_EQ(playingMusicVolume, 0.25f) << "the music playing takes the volume";
    const std::vector<std::uint8_t> bytes = ProfileTestSupport::ReadBytes(mFolder / "Save0_1.dat");
    Korrin::BinaryReader in(bytes);
    in.ReadU32();
    in.ReadF32();
    EXPECT_FLOAT_EQ(in.ReadF32(), 0.25f);
    EXPECT_EQ(in.ReadU8(), 0) << "tips off";
    EXPECT_EQ(in.ReadU8(), 1) << "windowed: the full-screen box was cleared";
    EXPECT_EQ(in.ReadU8(), 1) << "decorated cursor on";
    EXPECT_TRUE(GameGlobals::prettyCursor);
    GameGlobals::prettyCursor = false;
}

TEST_F(OptionsTest, TheSlidersShowThePlayersSavedVolumesAndTheGameKeepsThem)
{
    // The stored player "Bob" has 0.5 for the sounds and 0.25 for the music in his settings file.
    CopyFixture("Users.dat");
    CopyFixture("Save2_1.dat");
    mProfile.LoadUserList(false);
    float musicShown = -1.0f;
    float soundShown = -1.0f;
    float musicPlayed = -1.0f;
    float soundPlayed = -1.0f;
    When([] { return true; }, [&] { mGame.Windows().Show(Options::kWindowId); });
    When(Open(Options::kWindowId),
         [&]
         {
             musicShown = Control<Korrin::GuiSlider>("OPT_MUSIC_SLIDER")->GetValue();
             soundShown = Control<Korrin::GuiSlider>("OPT_SOUND_SLIDER")->GetValue();
             musicPlayed = Korrin::SoundManager::GetInstance()->GetMusicVolume();
             soundPlayed = Korrin::SoundManager::GetInstance()->GetEffectsVolume();
             Window().HandleClick("OPT_OK_BUTTON");
         });
    When([&] { return mGame.Showing(GameGuiManager::kNoWindow); }, [] {});
    Run();

    EXPECT_FLOAT_EQ(musicShown, 0.25f);
    EXPECT_FLOAT_EQ(soundShown, 0.5f);
    EXPECT_FLOAT_EQ(musicPlayed, 0.25f) << "opening the window changes no volume";
    EXPECT_FLOAT_EQ(soundPlayed, 0.5f);
    const std::vector<std::uint8_t> bytes = ProfileTestSupport::ReadBytes(mFolder / "Save2_1.dat");
    Korrin::BinaryReader in(bytes);
    in.ReadU32();
    EXPECT_FLOAT_EQ(in.ReadF32(), 0.5f) << "OK saves the volumes the player had";
    EXPECT_FLOAT_EQ(in.ReadF32(), 0.25f);
}

} // namespace

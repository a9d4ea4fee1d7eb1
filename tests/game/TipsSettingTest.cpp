#include "ProfileTestSupport.h"
#include "game/Game/EducationSlot.h"

#include <optional>

using namespace ProfileTestSupport;

namespace
{

class TipsSettingTest : public SaveFolderTest
{
protected:
    // The settings file's tips byte (offset 12).
    static constexpr std::size_t kTipsOffset = 12;
};

TEST_F(TipsSettingTest, TheLoadedTipsSwitchReachesTheTutorialSlot)
{
    struct Case
    {
        const char* what;
        std::optional<std::uint8_t> stored; // none: no settings file
        bool enabled;
    };
    const Case cases[] = {
        {"tips off", 0, false}, {"tips on", 1, true}, {"no settings file", std::nullopt, true}};
    for (const Case& c : cases)
    {
        CopyStoredFixtures();
        std::vector<std::uint8_t> settings = ReadBytes(FixturePath("Save2_1.dat"));
        if (c.stored)
        {
            settings[kTipsOffset] = *c.stored;
            WriteBytes(PathOf("Save2_1.dat"), settings);
        }
        else
        {
            std::filesystem::remove(PathOf("Save2_1.dat"));
        }
        World world;
        EducationSlot& slot = *world.main.GetEducationSlot();
        slot.SetEnabled(!c.enabled); // the load must set it either way
        world.profile.LoadUserList(true);
        EXPECT_TRUE(world.profile.LoadSettings(true)) << c.what;
        EXPECT_EQ(slot.IsEnabled(), c.enabled) << c.what;
    }
}

TEST_F(TipsSettingTest, TheOptionsSwitchTheSlotAndTheSavedSettingsTakeItFromThere)
{
    CopyStoredFixtures();
    World world;
    world.StartAndTake();
    EducationSlot& slot = *world.main.GetEducationSlot();
    ASSERT_FALSE(slot.IsEnabled()) << "the stored player keeps the tips off";

    Profile::Settings changed = world.profile.GetSettings();
    changed.tipsEnabled = 1;
    world.profile.ChangeSettings(changed);
    EXPECT_TRUE(slot.IsEnabled());

    slot.SetEnabled(false);
    ASSERT_TRUE(world.profile.SaveSettings());
    EXPECT_EQ(ReadBytes(PathOf("Save2_1.dat"))[kTipsOffset], 0);
    slot.SetEnabled(true);
    ASSERT_TRUE(world.profile.SaveSettings());
    EXPECT_EQ(ReadBytes(PathOf("Save2_1.dat"))[kTipsOffset], 1);
}

} // namespace

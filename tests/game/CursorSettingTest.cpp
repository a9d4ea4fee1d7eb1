#include "ProfileTestSupport.h"
#include "engine/Gui/CursorManager.h"
#include "platform/FixedStepClock.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Services.h"

using namespace ProfileTestSupport;

namespace
{

class CursorSettingTest : public SaveFolderTest
{
};

TEST_F(CursorSettingTest, ThePrettyCursorSettingDecidesWhetherTheSystemArrowShows)
{
    Platform::Services services(std::make_unique<Platform::HeadlessWindowSystem>(),
                                std::make_unique<Platform::FixedStepClock>());
    Korrin::CursorManager cursor;
    World world;
    Profile::Settings settings;
    settings.prettyCursor = 1;
    world.profile.ChangeSettings(settings);
    EXPECT_FALSE(cursor.GetShowSystemCursor()) << "the drawn cursor stands in for the arrow";
    settings.prettyCursor = 0;
    world.profile.ChangeSettings(settings);
    EXPECT_TRUE(cursor.GetShowSystemCursor());
}

} // namespace

#include "engine/Gui/CursorManager.h"

#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Texture.h"
#include "tests/engine/Render/SpriteFixture.h"

namespace
{

class CursorManagerTest : public TestSupport::SpriteTest
{
};

TEST_F(CursorManagerTest, TheDeviceGetsThePictureAndTheHotSpotInWholePixels)
{
    Korrin::CursorManager cursor;
    EXPECT_TRUE(cursor.GetShowSystemCursor() && cursor.IsEnabled() && !cursor.IsSystemCursorHidden());
    cursor.SetDeviceCursor();
    EXPECT_EQ(mRender.Device().CursorImage(), nullptr) << "no picture, nothing handed over";

    cursor.SetCursorSprite(mSprites.CreateAnimatedSprite("missing.png"));
    cursor.SetDeviceCursor();
    EXPECT_EQ(mRender.Device().CursorImage(), nullptr) << "a picture without a texture is not handed over";

    Korrin::AnimatedSprite* picture = mSprites.CreateAnimatedSprite("sheet.png");
    cursor.SetCursorSprite(picture);
    cursor.SetHotSpot(3.7f, 2.2f);
    cursor.SetDeviceCursor();
    EXPECT_EQ(mRender.Device().CursorImage(), picture->GetTexture()->GetDeviceTexture());
    EXPECT_EQ(mRender.Device().CursorHotSpotX(), 3);
    EXPECT_EQ(mRender.Device().CursorHotSpotY(), 2);

    // A device reset hands the cursor over again once a cursor manager has been made.
    mRender.Device().SetCursorProperties(0, 0, nullptr);
    Korrin::CursorManager::MarkCreated();
    mRender.Render().Reset(true);
    EXPECT_EQ(mRender.Device().CursorImage(), picture->GetTexture()->GetDeviceTexture());
}

} // namespace

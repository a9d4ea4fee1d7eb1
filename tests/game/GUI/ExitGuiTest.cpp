// The exit window's cancel: it closes without a window after it and reports the change once.
#include "game/GUI/ExitGui.h"

#include "game/Util/GameGlobals.h"

#include <gtest/gtest.h>

namespace
{

TEST(ExitGui, CancelReturnsFalseOnceAndLeavesTheQuitFlagDown)
{
    ExitGui window;
    window.Init();
    window.SetActive(true);
    EXPECT_TRUE(window.Update(0.1f)) << "shown, nothing chosen";
    window.Cancel();
    EXPECT_FALSE(window.Update(0.1f)) << "the window closed";
    EXPECT_TRUE(window.Update(0.1f)) << "once only";
    EXPECT_FALSE(GameGlobals::quit);
}

} // namespace

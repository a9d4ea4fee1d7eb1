#include "platform/HeadlessWindowSystem.h"

#include <gtest/gtest.h>

TEST(WindowSystem, Placeholder)
{
    Platform::HeadlessWindowSystem windows;
    EXPECT_EQ(windows.MainWindow(), 0u);
}

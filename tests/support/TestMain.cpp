#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

// Reports and breakpoints never stop a test run: they are recorded for the tests to check.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    TestSupport::ReportRecorder::Install();
    return RUN_ALL_TESTS();
}

#include "fuzz/SaveFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SaveFuzzHarness& harness = SaveFuzzHarness::Get();
    harness.Put("Save0_2.dat", data, size);
    harness.profile.LoadAchievements();
    return 0;
}

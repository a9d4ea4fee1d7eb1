#include "fuzz/SaveFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SaveFuzzHarness& harness = SaveFuzzHarness::Get();
    harness.Put("Save0_3.dat", data, size);
    harness.profile.LoadUpgrades();
    return 0;
}

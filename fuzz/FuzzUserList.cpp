#include "fuzz/SaveFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SaveFuzzHarness& harness = SaveFuzzHarness::Get();
    harness.Put("Users.dat", data, size);
    harness.profile.LoadUserList(true);
    return 0;
}

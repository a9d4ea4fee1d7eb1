#include "fuzz/CharacterRecordSet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Made once: every input meets the same characters, whatever earlier inputs left in them.
    static CharacterRecordSet set;
    Korrin::BinaryReader in({data, size});
    set.records.LoadAll(in);
    return 0;
}

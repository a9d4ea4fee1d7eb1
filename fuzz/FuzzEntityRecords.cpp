#include "fuzz/EntityRecordSet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EntityRecordSet set;
    Korrin::BinaryReader in({data, size});
    set.records.LoadAll(in);
    return 0;
}

#include "fuzz/StoreRecordSet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    StoreRecordSet set;
    Korrin::BinaryReader in({data, size});
    set.records.LoadAll(in);
    return 0;
}

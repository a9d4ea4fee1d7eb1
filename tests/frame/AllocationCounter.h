#pragma once

#include <cstdint>

// Counts the allocations made through the global operator new by the thread that asked, between Start
// and Stop. The program that links this replaces the global operator new and delete.
namespace AllocationCounter
{

// Starts counting this thread's allocations; the first few print their call stacks where the build can.
void Start(int tracedAllocations);
// Stops counting and gives the number counted since Start.
std::uint64_t Stop();

} // namespace AllocationCounter

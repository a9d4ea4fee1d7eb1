#include "tests/frame/AllocationCounter.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WF_CAN_PRINT_STACKS 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define WF_CAN_PRINT_STACKS 1
#endif
#if defined(WF_CAN_PRINT_STACKS)
#include <sanitizer/common_interface_defs.h>
#endif

namespace
{

thread_local bool tCounting = false;
thread_local std::uint64_t tCount = 0;
thread_local int tTracesLeft = 0;

void Count(std::size_t size)
{
    if (!tCounting)
    {
        return;
    }
    ++tCount;
    if (tTracesLeft > 0)
    {
        --tTracesLeft;
        // Printing must not count itself.
        tCounting = false;
        std::fprintf(stderr, "allocation of %zu bytes in a steady frame:\n", size);
#if defined(WF_CAN_PRINT_STACKS)
        __sanitizer_print_stack_trace();
#endif
        tCounting = true;
    }
}

void* Allocate(std::size_t size)
{
    Count(size);
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr)
    {
        throw std::bad_alloc();
    }
    return memory;
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment)
{
    Count(size);
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + align - 1) / align * align;
    void* memory = std::aligned_alloc(align, rounded == 0 ? align : rounded);
    if (memory == nullptr)
    {
        throw std::bad_alloc();
    }
    return memory;
}

} // namespace

namespace AllocationCounter
{

void Start(int tracedAllocations)
{
    tCount = 0;
    tTracesLeft = tracedAllocations;
    tCounting = true;
}

std::uint64_t Stop()
{
    tCounting = false;
    return tCount;
}

} // namespace AllocationCounter

void* operator new(std::size_t size)
{
    return Allocate(size);
}

void* operator new[](std::size_t size)
{
    return Allocate(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try
    {
        return Allocate(size);
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return operator new(size, std::nothrow);
}

void* operator new(std::size_t size, std::align_val_t alignment)
{
    return AllocateAligned(size, alignment);
}

void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return AllocateAligned(size, alignment);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}

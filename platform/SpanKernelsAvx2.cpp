// The span loops compiled for processors with AVX2 (chosen at run time by SpanKernels::Select). Only the
// loops take the target: everything they include is compiled before it, for every processor, since the
// linker may keep this file's copy of a shared inline function for the whole program.
#include "platform/SpanKernels.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(WF_SPAN_KERNELS_AVX2)
#include <immintrin.h>
#endif

#if defined(WF_SPAN_KERNELS_AVX2)
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC target("avx2")
#endif
#define WF_SPAN_LOOPS_AVX2 // the loops' eight-pixel steps
#include "platform/SpanKernelLoops.h"

namespace Platform::SpanKernelsAvx2
{

SpanFunctions Select(const RasterState& state, SpanColours colours)
{
    return SelectSpanFunctions(state, colours);
}

} // namespace Platform::SpanKernelsAvx2
#if defined(__clang__)
#pragma clang attribute pop
#endif
#endif

#include "platform/SpanKernels.h"

#include "platform/SpanKernelLoops.h"

namespace Platform
{

SpanFunctions SpanKernels::Select(const RasterState& state, SpanColours colours)
{
#if defined(WF_SPAN_KERNELS_AVX2)
    // The same loops compiled for AVX2 draw the same pixels in less time where the processor has it.
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    if (hasAvx2)
    {
        return SpanKernelsAvx2::Select(state, colours);
    }
#endif
    return SelectSpanFunctions(state, colours);
}

} // namespace Platform

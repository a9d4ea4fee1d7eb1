#include "platform/SpanKernels.h"

#include "platform/SpanKernelLoops.h"

namespace Platform
{

#if defined(WF_SPAN_KERNELS_AVX2)
namespace
{

bool ProcessorHasAvx2()
{
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    return hasAvx2;
}

} // namespace
#endif

SpanFunctions SpanKernels::Select(const RasterState& state, SpanColours colours)
{
    // The same loops compiled for AVX2 draw the same pixels in less time where the processor has it.
    SpanFunctions functions;
    if (!SelectWith(SpanInstructions::Avx2, state, colours, functions))
    {
        functions = SelectSpanFunctions(state, colours);
    }
    return functions;
}

bool SpanKernels::SelectWith(SpanInstructions instructions, const RasterState& state, SpanColours colours,
                             SpanFunctions& out)
{
    switch (instructions)
    {
    case SpanInstructions::Baseline:
        out = SelectSpanFunctions(state, colours);
        return true;
    case SpanInstructions::Avx2:
#if defined(WF_SPAN_KERNELS_AVX2)
        if (ProcessorHasAvx2())
        {
            out = SpanKernelsAvx2::Select(state, colours);
            return true;
        }
#endif
        break;
    }
    return false;
}

} // namespace Platform

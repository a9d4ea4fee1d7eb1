# Our own code builds with warnings on and treated as errors; third-party headers come in as SYSTEM.
# GCC 12 reports false overlaps inside std::string at -O3 (-Wrestrict), so that one stays a warning.
function(wf_enable_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
    -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough
    $<$<CXX_COMPILER_ID:GNU>:-Wno-error=restrict>)
endfunction()

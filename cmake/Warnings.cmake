# Our own code builds with warnings on and treated as errors; third-party headers come in as SYSTEM.
function(wf_enable_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
    -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
endfunction()

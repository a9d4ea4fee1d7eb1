# Our own code builds with warnings on and treated as errors; third-party headers come in as SYSTEM.
# GCC 12 reports false overlaps inside std::string at -O3 (-Wrestrict), so that one stays a warning. With
# the sanitizers' instrumentation at -O1 GCC reports values "maybe used uninitialized" inside the
# standard library (std::regex, std::function) and std::string's internals "clobbered by longjmp" in the
# JPEG decoder's error path: the sanitized build leaves those two warnings to the other builds, which
# keep them as errors.
function(wf_enable_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
    -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough
    $<$<CXX_COMPILER_ID:GNU>:-Wno-error=restrict>
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<BOOL:${WF_SANITIZE}>>:-Wno-maybe-uninitialized>
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<BOOL:${WF_SANITIZE}>>:-Wno-clobbered>)
endfunction()

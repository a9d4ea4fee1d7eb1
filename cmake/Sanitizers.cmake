# With WF_SANITIZE every target (ours and the tests) builds with ASan and UBSan, and any UBSan finding aborts.
# float-cast-overflow is not part of "undefined": it is asked for on its own, so a number from data that
# reaches an integer conversion out of range (or NaN) stops the tests.
#
# The sanitized build is optimised a little (WF_SANITIZE_OPTIMIZE, -O1 by default), with frame pointers
# kept so that the sanitizers' stack traces stay whole: the scenario tests play the whole game, and
# unoptimised code under ASan made them several times slower. Line tables (-g1) are all the sanitizers
# need for their reports and cost far less to compile and link than full debug information; a build to
# step through in a debugger is an ordinary Debug build, or this one configured with
# -DWF_SANITIZE_OPTIMIZE="-O0 -g".
# The test programs' own sources stay at -O0 (WF_SANITIZE_TEST_OPTIMIZE): they are most of what the build
# compiles, GoogleTest's expansions cost much more to optimise than they gain, and the time of a test
# goes into the code under test, which is optimised.
#
# The sanitized programs link as fixed-address executables (-no-pie): the sanitizers' per-check data holds
# pointers, and a position-independent test program carries two million relocations that each of its
# processes applies before main (half a second of processor time a start, and CTest starts a process per
# test, besides the game runs). The Release build players get stays position-independent.
set(WF_SANITIZE_OPTIMIZE "-O1 -g1" CACHE STRING "Optimisation and debug information of the sanitized build")
set(WF_SANITIZE_TEST_OPTIMIZE "-O0" CACHE STRING "Optimisation of the test programs' sources in the sanitized build")
if(WF_SANITIZE)
  separate_arguments(wf_sanitize_optimize UNIX_COMMAND "${WF_SANITIZE_OPTIMIZE}")
  separate_arguments(wf_sanitize_test_optimize UNIX_COMMAND "${WF_SANITIZE_TEST_OPTIMIZE}")
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
                      -fno-omit-frame-pointer ${wf_sanitize_optimize})
  add_link_options(-fsanitize=address,undefined,float-cast-overflow
                   $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:-no-pie>)
endif()

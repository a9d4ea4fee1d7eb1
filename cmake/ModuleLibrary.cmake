# wf_module_library(NAME name DIR folder [LINK targets...])
# A library made of every .cpp below a folder, so that adding a class needs no edit here.
# Headers are included by their path from the repository's top: #include "engine/App/Application.h".
function(wf_module_library)
  cmake_parse_arguments(ARG "" "NAME;DIR" "LINK;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp)
  foreach(pattern IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${pattern}")
  endforeach()
  add_library(${ARG_NAME} STATIC ${sources})
  target_include_directories(${ARG_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${ARG_NAME} PUBLIC ${ARG_LINK})
  wf_enable_warnings(${ARG_NAME})
endfunction()

# wf_module_tests(NAME name DIR folder LINK targets... [LONG gtest-filter [LONGEST gtest-filter]
#                  [PAIRED gtest-filter]])
# One GoogleTest program per library, made of every .cpp below its test folder, registered with CTest.
# The tests LONG matches (a --gtest_filter pattern: the scenario tests, which run the whole game) are
# labelled "long" and start first, so that a parallel run does not end waiting for one started last;
# the rest are labelled "quick". `ctest -L quick` runs those alone. Those LONGEST matches as well (the
# play-throughs of whole levels, several times longer than the other long tests) start before them:
# a fresh build folder has no timings of earlier runs for CTest to order the tests by. Those PAIRED
# matches (long tests that play two games at once) start as early and count as two processors, so that
# a parallel run does not put more games on the machine than it has processors.
function(wf_module_tests)
  cmake_parse_arguments(ARG "" "NAME;DIR;LONG;LONGEST;PAIRED" "LINK" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp)
  add_executable(${ARG_NAME} ${sources})
  target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LINK} GTest::gtest GTest::gmock)
  target_compile_definitions(${ARG_NAME} PRIVATE
    WF_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures")
  wf_enable_warnings(${ARG_NAME})
  if(WF_SANITIZE)
    target_compile_options(${ARG_NAME} PRIVATE ${wf_sanitize_test_optimize})
  endif()
  # Compiled eight sources at a time: each test source spends most of its compile on GoogleTest's headers
  # and templates, which a batch pays once (the engine's tests compile in 81 processor seconds instead of
  # 213). GCC's warning about a type of an anonymous namespace used by a test's class only applies to a
  # header, which is what a batch's sources look like to it.
  set_target_properties(${ARG_NAME} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  target_compile_options(${ARG_NAME} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.work)
  file(MAKE_DIRECTORY ${work})
  # The limits only end a hung test: nothing a test does depends on the machine's speed, and on a
  # machine shared with other builds a sanitized scenario run may take several times its quiet time.
  # A hung game is reported by the test itself (GameProcess's own limit) before CTest's.
  if(ARG_LONG)
    # Each group is discovered apart, the earlier groups left out of the later ones' filters.
    set(taken "")
    if(ARG_PAIRED)
      gtest_discover_tests(${ARG_NAME} TEST_FILTER "${ARG_PAIRED}" WORKING_DIRECTORY ${work}
        DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 3000 COST 2000 PROCESSORS 2 LABELS long)
      set(taken "${ARG_PAIRED}")
    endif()
    if(ARG_LONGEST)
      gtest_discover_tests(${ARG_NAME} TEST_FILTER "${ARG_LONGEST}-${taken}" WORKING_DIRECTORY ${work}
        DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 3000 COST 2000 LABELS long)
      string(JOIN ":" taken ${taken} ${ARG_LONGEST})
    endif()
    gtest_discover_tests(${ARG_NAME} TEST_FILTER "${ARG_LONG}-${taken}" WORKING_DIRECTORY ${work}
      DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 3000 COST 1000 LABELS long)
    if(NOT ARG_LONG STREQUAL "*")
      gtest_discover_tests(${ARG_NAME} TEST_FILTER "-${ARG_LONG}:${taken}" WORKING_DIRECTORY ${work}
        DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 900 LABELS quick)
    endif()
  else()
    gtest_discover_tests(${ARG_NAME} WORKING_DIRECTORY ${work}
      DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 900 LABELS quick)
  endif()
endfunction()

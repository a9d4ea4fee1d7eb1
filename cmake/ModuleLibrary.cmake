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

# wf_module_tests(NAME name DIR folder LINK targets...)
# One GoogleTest program per library, made of every .cpp below its test folder, registered with CTest.
function(wf_module_tests)
  cmake_parse_arguments(ARG "" "NAME;DIR" "LINK" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp)
  add_executable(${ARG_NAME} ${sources})
  target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LINK} GTest::gtest GTest::gmock)
  target_compile_definitions(${ARG_NAME} PRIVATE
    WF_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures")
  wf_enable_warnings(${ARG_NAME})
  gtest_discover_tests(${ARG_NAME}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.work
    DISCOVERY_TIMEOUT 60
    # Scenario tests run the sanitized game several times; on a machine busy with builds one can take
    # minutes, and a timeout there says nothing about the code.
    PROPERTIES TIMEOUT 600)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.work)
endfunction()

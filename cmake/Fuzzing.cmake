# With WF_FUZZ (clang only) every target is built with coverage for libFuzzer and with ASan and UBSan,
# and the fuzz targets in fuzz/ are added. The normal builds are untouched.
if(WF_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "WF_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

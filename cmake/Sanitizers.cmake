# With WF_SANITIZE every target (ours and the tests) builds with ASan and UBSan, and any UBSan finding aborts.
# float-cast-overflow is not part of "undefined": it is asked for on its own, so a number from data that
# reaches an integer conversion out of range (or NaN) stops the tests.
if(WF_SANITIZE)
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

# With WF_SANITIZE every target (ours and the tests) builds with ASan and UBSan, and any UBSan finding aborts.
if(WF_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

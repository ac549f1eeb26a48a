# FUZZY_SANITIZE builds everything with AddressSanitizer (leak checking included) and
# UndefinedBehaviorSanitizer; any report ends the process with a failure.
if(FUZZY_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

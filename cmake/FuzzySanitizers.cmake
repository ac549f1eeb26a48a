# FUZZY_SANITIZE builds everything with AddressSanitizer (leak checking included) and
# UndefinedBehaviorSanitizer; any report ends the process with a failure.
if(FUZZY_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# FUZZY_TSAN builds everything with ThreadSanitizer, for the test of separate threads.
if(FUZZY_TSAN)
  if(FUZZY_SANITIZE)
    message(FATAL_ERROR "FUZZY_TSAN and FUZZY_SANITIZE cannot be combined")
  endif()
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

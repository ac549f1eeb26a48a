# Our own code builds warning-free; a new warning fails the build.
function(fuzzy_enable_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  endif()
  # clang's -Wall also checks for hidden overloads, which g++'s does not: the typed token
  # lists hide the base list's Add, Insert, IndexOf, Append and Remove on purpose, so that a
  # fuzzy token needs no cast (the base ones stay reachable through the base interface).
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(${target} PRIVATE -Wno-overloaded-virtual)
  endif()
endfunction()

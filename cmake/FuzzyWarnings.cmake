# Our own code builds warning-free; a new warning fails the build.
function(fuzzy_enable_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  endif()
  # GCC 12 at -O3 takes "text" + std::string for an overlapping copy (-Wrestrict), a false
  # alarm that GCC 13 no longer raises; every such concatenation would otherwise fail the
  # Release build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  # clang's -Wall also checks for hidden overloads, which g++'s does not: the typed token
  # lists hide the base list's Add, Insert, IndexOf, Append and Remove on purpose, so that a
  # fuzzy token needs no cast (the base ones stay reachable through the base interface).
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(${target} PRIVATE -Wno-overloaded-virtual)
  endif()
endfunction()

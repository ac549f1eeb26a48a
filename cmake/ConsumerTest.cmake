# The package test (cmake -P): installs the built project into a fresh prefix, then builds and
# runs a tiny consumer against it, once through find_package(fuzzy) and, when pkg-config is
# there, once through fuzzy.pc; the installed program must run too.
#   -DFUZZY_BUILD_DIR  the build to install      -DWORK_DIR       scratch directory
#   -DCONSUMER_DIR     cmake/consumer            -DGENERATOR      the CMake generator
#   -DCXX_COMPILER     the C++ compiler          -DEXTRA_FLAGS    flags for compiling and linking
#   -DLIBDIR           the install libdir (relative)
#   -DCHECK_PROGRAM    whether the command-line program was built and must run
#   -DPYTHON           the interpreter the Python module was built for (empty: not built)
#   -DPYTHON_DIR       where the module is installed, relative to the prefix

function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}\n${err}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

set(prefix "${WORK_DIR}/prefix")
file(REMOVE_RECURSE "${WORK_DIR}")

run_step("install" "${CMAKE_COMMAND}" --install "${FUZZY_BUILD_DIR}" --prefix "${prefix}")
if(CHECK_PROGRAM)
  run_step("the installed program" "${prefix}/bin/fuzzy" --version)
  if(NOT step_output MATCHES "^fuzzy [0-9]")
    message(FATAL_ERROR "the installed program printed: ${step_output}")
  endif()
endif()

if(PYTHON)
  set(ENV{PYTHONPATH} "${prefix}/${PYTHON_DIR}")
  # Two lines, not two statements joined by ";", which CMake would split into two arguments.
  run_step("importing the installed Python module" "${PYTHON}" -c
    "import fuzzy\nprint(fuzzy.Model('(deffuzzy x (range 0 1))').variables[0].name)")
  if(NOT step_output MATCHES "^x")
    message(FATAL_ERROR "the installed Python module printed: ${step_output}")
  endif()
endif()

run_step("configuring the consumer" "${CMAKE_COMMAND}" -S "${CONSUMER_DIR}"
  -B "${WORK_DIR}/build" -G "${GENERATOR}" "-DCMAKE_PREFIX_PATH=${prefix}"
  "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_CXX_FLAGS=${EXTRA_FLAGS}"
  "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS}")
run_step("building the consumer" "${CMAKE_COMMAND}" --build "${WORK_DIR}/build")
run_step("running the consumer" "${WORK_DIR}/build/consumer")
message(STATUS "find_package: ${step_output}")

find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  set(ENV{PKG_CONFIG_PATH} "${prefix}/${LIBDIR}/pkgconfig")
  run_step("pkg-config" "${PKG_CONFIG}" --cflags --libs fuzzy)
  separate_arguments(pc_flags UNIX_COMMAND "${step_output}")
  separate_arguments(extra UNIX_COMMAND "${EXTRA_FLAGS}")
  run_step("compiling with pkg-config" "${CXX_COMPILER}" ${extra} "${CONSUMER_DIR}/main.cpp"
    ${pc_flags} -o "${WORK_DIR}/consumer-pc")
  run_step("running the pkg-config consumer" "${WORK_DIR}/consumer-pc")
  message(STATUS "pkg-config: ${step_output}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")

# Sourced by scripts/test and scripts/demo: installs the build tools on a fresh Debian machine.
fuzzy_missing=()
for tool in cmake ninja g++; do
  command -v "$tool" >/dev/null 2>&1 || fuzzy_missing+=("$tool")
done
[ -f /usr/include/gtest/gtest.h ] || fuzzy_missing+=(gtest)
[ -f /usr/include/benchmark/benchmark.h ] || fuzzy_missing+=(benchmark)

fuzzy_apt_install() {
  local sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "$@" >/dev/null
}

if [ "${#fuzzy_missing[@]}" -gt 0 ]; then
  echo "Installing missing build tools: ${fuzzy_missing[*]}"
  fuzzy_apt_install cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
fi

# The Python module's needs, for scripts/test: sets fuzzy_python to the interpreter to build for
# and installs what it lacks (pybind11, numpy, pytest), or fails when there is no Python.
# Debian's own interpreter comes first, as the Debian packages install into it.
fuzzy_setup_python() {
  fuzzy_python=""
  if [ -x /usr/bin/python3 ]; then
    fuzzy_python=/usr/bin/python3
  elif command -v python3 >/dev/null 2>&1; then
    fuzzy_python="$(command -v python3)"
  else
    return 1
  fi
  local missing=()
  [ -f /usr/include/pybind11/pybind11.h ] || missing+=(pybind11-dev)
  "$fuzzy_python" -c 'import os, sys, sysconfig
sys.exit(not os.path.exists(os.path.join(sysconfig.get_paths()["include"], "Python.h")))' ||
    missing+=(python3-dev)
  "$fuzzy_python" -c 'import numpy' 2>/dev/null || missing+=(python3-numpy)
  "$fuzzy_python" -c 'import pytest' 2>/dev/null || missing+=(python3-pytest)
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing what the Python module needs: ${missing[*]}"
    fuzzy_apt_install "${missing[@]}"
  fi
}

# Sourced by scripts/test and scripts/demo: installs the build tools on a fresh Debian machine.
fuzzy_missing=()
for tool in cmake ninja g++; do
  command -v "$tool" >/dev/null 2>&1 || fuzzy_missing+=("$tool")
done
[ -f /usr/include/gtest/gtest.h ] || fuzzy_missing+=(gtest)
[ -f /usr/include/benchmark/benchmark.h ] || fuzzy_missing+=(benchmark)
if [ "${#fuzzy_missing[@]}" -gt 0 ]; then
  echo "Installing missing build tools: ${fuzzy_missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq \
    cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev >/dev/null
fi

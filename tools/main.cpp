// The `fuzzy` command-line program: see "fuzzy --help".
#include <string>
#include <vector>

#include "tools/Program.h"

int main(int argc, char** argv) {
  return fuzzy::tool::RunProgram(std::vector<std::string>(argv + 1, argv + argc));
}

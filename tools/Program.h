// The `fuzzy` program as a function of its arguments: dispatches to a command, prints help and
// version, and turns failures into messages on standard error and the exit status.
#pragma once

#include <string>
#include <vector>

namespace fuzzy::tool {

// The exit status for `words` (the arguments after the program name).
int RunProgram(const std::vector<std::string>& words);

}  // namespace fuzzy::tool

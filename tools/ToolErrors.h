// How a command of the `fuzzy` program fails. Each kind maps to one exit status, so a script can
// tell a definition that does not check out (1) from a command line it cannot use (2).
#pragma once

#include <stdexcept>
#include <string>

namespace fuzzy::tool {

enum TExitStatus : int { esSuccess = 0, esFailed = 1, esUsage = 2 };

// The command line cannot be used: unknown command or option, missing or malformed argument.
class TUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments are usable but what they name does not check out: a file that cannot be read, a
// definition or rule with an error, an unknown variable. The text already names file and line.
class TCheckFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "FILE:LINE: message", or "FILE: message" when the line is unknown (0).
std::string Located(const std::string& file, int line, const std::string& message);

}  // namespace fuzzy::tool

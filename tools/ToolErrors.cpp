#include "tools/ToolErrors.h"

namespace fuzzy::tool {

std::string Located(const std::string& file, int line, const std::string& message) {
  if (line <= 0) return file + ": " + message;
  return file + ":" + std::to_string(line) + ": " + message;
}

}  // namespace fuzzy::tool

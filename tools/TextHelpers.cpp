#include "tools/TextHelpers.h"

namespace fuzzy::tool {

std::string Counted(long long count, const std::string& singular, const std::string& plural) {
  return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

std::string Heading(const std::string& title) {
  return title + "\n" + std::string(title.size(), '-') + "\n";
}

}  // namespace fuzzy::tool

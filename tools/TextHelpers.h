// Small wording helpers shared by the commands' output.
#pragma once

#include <string>

namespace fuzzy::tool {

// "1 term", "3 terms".
std::string Counted(long long count, const std::string& singular, const std::string& plural);
// A heading underlined with "-".
std::string Heading(const std::string& title);

}  // namespace fuzzy::tool

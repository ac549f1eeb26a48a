// A strict check that a text is well-formed XML (one root element, matching tags, quoted and
// unique attributes, only the predefined and numeric entities), which also counts the elements
// and collects the texts of the <text> elements, so the tests can look into the plots.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace fuzzy::tool::test {

struct TXmlSummary {
  bool WellFormed = false;
  std::string Error;  // why it is not, with the offset
  std::string Root;
  std::map<std::string, int> ElementCounts;
  std::vector<std::string> Texts;  // the character data of every <text> element, unescaped
};

TXmlSummary CheckXml(const std::string& text);

}  // namespace fuzzy::tool::test

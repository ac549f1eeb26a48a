#include "tools/tests/XmlCheck.h"

#include <cctype>
#include <set>
#include <stdexcept>

namespace fuzzy::tool::test {

namespace {

class TXmlReader {
 public:
  explicit TXmlReader(const std::string& text) : FText(text) {}

  TXmlSummary Read() {
    try {
      if (Ahead("<?xml")) Skip("?>");
      SkipMisc();
      if (!Ahead("<")) Fail("no root element");
      FSummary.Root = ReadElement();
      SkipMisc();
      if (FAt != FText.size()) Fail("content after the root element");
      FSummary.WellFormed = true;
    } catch (const std::runtime_error& error) {
      FSummary.Error = error.what();
    }
    return FSummary;
  }

 private:
  [[noreturn]] void Fail(const std::string& why) const {
    throw std::runtime_error(why + " at offset " + std::to_string(FAt));
  }
  bool Ahead(const std::string& what) const { return FText.compare(FAt, what.size(), what) == 0; }
  void Skip(const std::string& until) {
    const std::size_t end = FText.find(until, FAt);
    if (end == std::string::npos) Fail("missing \"" + until + "\"");
    FAt = end + until.size();
  }
  void SkipSpace() {
    while (FAt < FText.size() && std::isspace(static_cast<unsigned char>(FText[FAt])) != 0) ++FAt;
  }
  void SkipMisc() {
    for (SkipSpace(); Ahead("<!--"); SkipSpace()) Skip("-->");
  }

  std::string ReadName() {
    const std::size_t start = FAt;
    while (FAt < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[FAt])) != 0 ||
                                  FText[FAt] == '-' || FText[FAt] == '_' || FText[FAt] == ':')) {
      ++FAt;
    }
    if (FAt == start || std::isdigit(static_cast<unsigned char>(FText[start])) != 0) {
      Fail("expected a name");
    }
    return FText.substr(start, FAt - start);
  }

  // Character data up to `stop`, entities checked and replaced.
  std::string ReadData(char stop) {
    std::string data;
    while (FAt < FText.size() && FText[FAt] != stop) {
      if (FText[FAt] == '<') Fail("\"<\" in character data");
      if (FText[FAt] == '&') {
        data += ReadEntity();
        continue;
      }
      data += FText[FAt++];
    }
    if (FAt >= FText.size()) Fail("unexpected end");
    return data;
  }

  std::string ReadEntity() {
    static const std::map<std::string, std::string> named{
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
    const std::size_t end = FText.find(';', FAt);
    if (end == std::string::npos) Fail("unterminated entity");
    const std::string name = FText.substr(FAt + 1, end - FAt - 1);
    FAt = end + 1;
    if (named.count(name) != 0) return named.at(name);
    const bool numeric = name.size() > 1 && name[0] == '#' &&
                         name.find_first_not_of("0123456789", 1) == std::string::npos;
    if (!numeric) Fail("unknown entity &" + name + ";");
    return "?";
  }

  void ReadAttributes() {
    std::set<std::string> seen;
    for (SkipSpace(); FAt < FText.size() && FText[FAt] != '>' && FText[FAt] != '/'; SkipSpace()) {
      const std::string name = ReadName();
      if (!seen.insert(name).second) Fail("attribute " + name + " twice");
      SkipSpace();
      if (!Ahead("=")) Fail("expected \"=\"");
      ++FAt;
      SkipSpace();
      if (!Ahead("\"") && !Ahead("'")) Fail("unquoted attribute value");
      const char quote = FText[FAt++];
      ReadData(quote);
      ++FAt;
    }
  }

  // An element from its "<"; answers its name.
  std::string ReadElement() {
    ++FAt;
    const std::string name = ReadName();
    ++FSummary.ElementCounts[name];
    ReadAttributes();
    if (Ahead("/>")) {
      FAt += 2;
      return name;
    }
    if (!Ahead(">")) Fail("unterminated start tag <" + name);
    ++FAt;
    ReadContent(name);
    return name;
  }

  void ReadContent(const std::string& name) {
    std::string data;
    for (;;) {
      data += ReadData('<');
      if (Ahead("<!--")) {
        Skip("-->");
      } else if (Ahead("</")) {
        FAt += 2;
        if (ReadName() != name) Fail("mismatched end tag for <" + name + ">");
        SkipSpace();
        if (!Ahead(">")) Fail("unterminated end tag");
        ++FAt;
        if (name == "text") FSummary.Texts.push_back(data);
        return;
      } else {
        ReadElement();
      }
    }
  }

  const std::string& FText;
  std::size_t FAt = 0;
  TXmlSummary FSummary;
};

}  // namespace

TXmlSummary CheckXml(const std::string& text) {
  return TXmlReader(text).Read();
}

}  // namespace fuzzy::tool::test

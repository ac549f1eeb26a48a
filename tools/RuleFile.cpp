#include "tools/RuleFile.h"

#include <sstream>

#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

using TWords = std::vector<std::string>;

// Reads the words of one rule line, failing with the line's location.
class TRuleReader {
 public:
  TRuleReader(TWords words, std::string where, int line)
      : FWords(std::move(words)), FWhere(std::move(where)), FLine(line) {}

  TRule Read() {
    TRule rule;
    rule.Line = FLine;
    Expect("if", "a rule starts with \"if\"");
    rule.Premises.push_back(ReadClause());
    while (AtWord("and")) {
      ++FNext;
      rule.Premises.push_back(ReadClause());
    }
    Expect("then", "expected \"and VARIABLE is ...\" or \"then VARIABLE is ...\" after \"" +
                       rule.Premises.back().Expression + "\"");
    rule.Conclusion = ReadClause();
    if (FNext < FWords.size()) Fail("unexpected \"" + FWords[FNext] + "\" after the conclusion");
    return rule;
  }

 private:
  TRuleClause ReadClause() {
    TRuleClause clause;
    if (FNext >= FWords.size() || IsKeyword(FWords[FNext])) Fail("expected a variable name");
    clause.Variable = FWords[FNext++];
    Expect("is", "expected \"is\" after \"" + clause.Variable + "\"");
    while (FNext < FWords.size() && !AtWord("then") && !StartsClause()) {
      clause.Expression += (clause.Expression.empty() ? "" : " ") + FWords[FNext++];
    }
    if (clause.Expression.empty()) Fail("missing expression after \"" + clause.Variable + " is\"");
    return clause;
  }

  // "and" followed by "NAME is": the next premise, not an operator of the expression.
  bool StartsClause() const {
    return AtWord("and") && FNext + 2 < FWords.size() && FWords[FNext + 2] == "is";
  }
  bool AtWord(const char* word) const { return FNext < FWords.size() && FWords[FNext] == word; }
  static bool IsKeyword(const std::string& word) {
    return word == "if" || word == "then" || word == "is" || word == "and";
  }
  void Expect(const char* word, const std::string& message) {
    if (!AtWord(word)) Fail(message);
    ++FNext;
  }
  [[noreturn]] void Fail(const std::string& message) const {
    throw TCheckFailure(Located(FWhere, FLine, message));
  }

  TWords FWords;
  std::string FWhere;
  int FLine;
  std::size_t FNext = 0;
};

std::string WithoutComment(const std::string& line) {
  return line.substr(0, line.find('#'));
}

TWords SplitWords(const std::string& text) {
  std::istringstream in(text);
  TWords words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string JoinWords(const TWords& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

}  // namespace

std::vector<TRule> ParseRules(const std::string& text, const std::string& sourceName) {
  std::vector<TRule> rules;
  std::istringstream in(text);
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    TWords words = SplitWords(WithoutComment(line));
    if (words.empty()) continue;
    std::string ruleText = JoinWords(words);
    TRule rule = TRuleReader(std::move(words), sourceName, lineNumber).Read();
    rule.Text = std::move(ruleText);
    rules.push_back(std::move(rule));
  }
  return rules;
}

}  // namespace fuzzy::tool

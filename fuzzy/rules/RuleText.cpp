#include "fuzzy/rules/RuleText.h"

#include <charconv>
#include <sstream>

#include "fuzzy/rules/RuleErrors.h"

namespace fuzzy {

namespace {

using TWords = std::vector<std::string>;

bool IsKeyword(const std::string& word) {
  return word == "if" || word == "then" || word == "is" || word == "and" || word == "or" ||
         word == "(" || word == ")";
}

int Precedence(TConditionStep::TKind kind) {
  return kind == TConditionStep::ckAnd ? 2 : 1;
}

// Reads the tokens of one rule line. The condition is put in postfix order with an explicit
// operator stack, so a rule of a thousand premises needs no recursion.
class TRuleReader {
 public:
  TRuleReader(TWords tokens, int line) : FTokens(std::move(tokens)), FLine(line) {}

  TRuleText Read() {
    FRule.Line = FLine;
    if (!At("if")) Fail("a rule starts with \"if\"", Current());
    ++FNext;
    ReadCondition();
    if (!At("then")) {
      Fail("expected \"and VARIABLE is ...\" or \"then VARIABLE is ...\" after \"" +
               FRule.Premises.back().Expression + "\"",
           Current());
    }
    ++FNext;
    FRule.Conclusions.push_back(ReadConclusion());
    while (At("and")) {
      ++FNext;
      FRule.Conclusions.push_back(ReadConclusion());
    }
    if (At("with")) ReadWeight();
    if (FNext < FTokens.size()) {
      Refuse("unexpected \"" + FTokens[FNext] + "\" after the conclusion", FTokens[FNext]);
    }
    return std::move(FRule);
  }

 private:
  // The open groups and pending operators; a group is marked by ckPremise.
  void ReadCondition() {
    std::vector<TConditionStep::TKind> pending;
    bool expectPremise = true;
    while (true) {
      if (expectPremise) {
        if (At("(")) {
          pending.push_back(TConditionStep::ckPremise);
          ++FNext;
          continue;
        }
        FRule.Condition.push_back(
            {TConditionStep::ckPremise, static_cast<int>(FRule.Premises.size())});
        FRule.Premises.push_back(ReadClause(true));
        expectPremise = false;
      } else if (At(")")) {
        CloseGroup(pending);
      } else if (At("and") || At("or")) {
        PushOperator(pending, At("and") ? TConditionStep::ckAnd : TConditionStep::ckOr);
        expectPremise = true;
      } else {
        break;
      }
    }
    while (!pending.empty()) {
      if (pending.back() == TConditionStep::ckPremise) Refuse("unmatched \"(\"", "(");
      FRule.Condition.push_back({pending.back(), 0});
      pending.pop_back();
    }
  }

  void PushOperator(std::vector<TConditionStep::TKind>& pending, TConditionStep::TKind kind) {
    while (!pending.empty() && pending.back() != TConditionStep::ckPremise &&
           Precedence(pending.back()) >= Precedence(kind)) {
      FRule.Condition.push_back({pending.back(), 0});
      pending.pop_back();
    }
    pending.push_back(kind);
    ++FNext;
  }

  void CloseGroup(std::vector<TConditionStep::TKind>& pending) {
    while (!pending.empty() && pending.back() != TConditionStep::ckPremise) {
      FRule.Condition.push_back({pending.back(), 0});
      pending.pop_back();
    }
    if (pending.empty()) Refuse("unmatched \")\"", ")");
    pending.pop_back();
    ++FNext;
  }

  TRuleClause ReadClause(bool premise) {
    TRuleClause clause;
    if (FNext >= FTokens.size() || IsKeyword(FTokens[FNext])) {
      Fail("expected a variable name", Current());
    }
    clause.Variable = FTokens[FNext++];
    if (!At("is")) Fail("expected \"is\" after \"" + clause.Variable + "\"", Current());
    ++FNext;
    int depth = 0;
    while (FNext < FTokens.size() && !EndsExpression(premise, depth)) {
      if (At("(")) ++depth;
      if (At(")")) --depth;
      clause.Expression += (clause.Expression.empty() ? "" : " ") + FTokens[FNext++];
    }
    if (clause.Expression.empty()) {
      Fail("missing expression after \"" + clause.Variable + " is\"", Current());
    }
    return clause;
  }

  TRuleClause ReadConclusion() { return ReadClause(false); }

  // Where an expression ends, outside its own brackets: at "then", at a connective that starts
  // the next clause, at the ")" closing a group of premises, or at the final "with W".
  bool EndsExpression(bool premise, int depth) const {
    if (depth > 0) return false;
    if (premise) {
      return At("then") || At(")") || ((At("and") || At("or")) && StartsClause(FNext + 1, true));
    }
    return (At("and") && StartsClause(FNext + 1, false)) || At("with");
  }

  // "NAME is" at `index`, after any opening brackets when `grouped`.
  bool StartsClause(std::size_t index, bool grouped) const {
    while (grouped && index < FTokens.size() && FTokens[index] == "(") ++index;
    return index + 1 < FTokens.size() && !IsKeyword(FTokens[index]) && FTokens[index + 1] == "is";
  }

  void ReadWeight() {
    ++FNext;
    const std::string word = Current();
    TFzyFloat weight = 0.0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, weight);
    if (word.empty() || error != std::errc() || stop != end) {
      Fail("expected a weight from 0 to 1 after \"with\"", word);
    }
    if (!(weight >= 0.0 && weight <= 1.0)) {
      Refuse("the weight " + word + " lies outside 0 to 1", word);
    }
    FRule.Weight = weight;
    ++FNext;
  }

  bool At(const char* word) const { return FNext < FTokens.size() && FTokens[FNext] == word; }
  std::string Current() const { return FNext < FTokens.size() ? FTokens[FNext] : ""; }
  // A message that says what was expected, and then what was found instead.
  [[noreturn]] void Fail(const std::string& message, const std::string& word) const {
    Refuse(message + (word.empty() ? ", found the end of the rule" : ", found \"" + word + "\""),
           word);
  }
  // A message that already quotes the word.
  [[noreturn]] void Refuse(const std::string& message, const std::string& word) const {
    throw EFzyRuleException(message, FLine, word);
  }

  TWords FTokens;
  int FLine;
  std::size_t FNext = 0;
  TRuleText FRule;
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

// Brackets at either end of a word stand alone, so "(service" and "good)" read as two tokens
// each; an escaped bracket stays part of its name.
TWords Tokens(const TWords& words) {
  TWords tokens;
  for (const std::string& word : words) {
    std::size_t begin = 0;
    std::size_t end = word.size();
    while (begin < end && word[begin] == '(') {
      tokens.emplace_back("(");
      ++begin;
    }
    std::size_t closing = 0;
    while (end > begin && word[end - 1] == ')' && (end < 2 || word[end - 2] != '\\')) {
      ++closing;
      --end;
    }
    if (end > begin) tokens.push_back(word.substr(begin, end - begin));
    tokens.insert(tokens.end(), closing, ")");
  }
  return tokens;
}

std::string JoinWords(const TWords& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

}  // namespace

std::vector<TRuleText> ParseRuleText(const std::string& text) {
  std::vector<TRuleText> rules;
  std::istringstream in(text);
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    const TWords words = SplitWords(WithoutComment(line));
    // Settings lines are the rule base's (RuleSettings.h).
    if (words.empty() || words[0] == "use") continue;
    TRuleText rule = TRuleReader(Tokens(words), lineNumber).Read();
    rule.Text = JoinWords(words);
    rules.push_back(std::move(rule));
  }
  return rules;
}

}  // namespace fuzzy

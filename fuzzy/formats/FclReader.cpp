// Reading an FCL model: the blocks are gathered first (variables, their terms, methods and
// rules as written), then built in one go, so that a range given after the terms and rules
// that follow their variables' blocks read alike.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "fuzzy/formats/FclFormat.h"
#include "fuzzy/formats/FclTokens.h"
#include "fuzzy/formats/FormatMethods.h"
#include "fuzzy/formats/FormatShapes.h"
#include "fuzzy/formats/FormatText.h"
#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {

namespace {

[[noreturn]] void Refuse(const std::string& message, int line) {
  TModelBuilder::Refuse(message, line);
}

struct TFclTerm {
  std::string Name;
  enum TBody { tbPoints, tbTriangle, tbShape } Body = tbPoints;
  std::vector<TShapePoint> Points;
  std::vector<TFzyFloat> Numbers;  // a triangle's corners
  TFuzzyShape Shape;
  int Line = 0;
};

struct TFclVariable {
  std::string Name;
  bool Output = false;
  int Line = 0;
  bool Fuzzified = false;
  bool HasRange = false;
  int RangeLine = 0;
  TFzyFloat Minimum = 0.0;
  TFzyFloat Maximum = 0.0;
  std::vector<TFclTerm> Terms;
  std::optional<TFzyFloat> Default;
};

class TFclReader {
 public:
  explicit TFclReader(const std::string& text) : FTokens(FclTokens(text)) {}

  TFuzzyModel Read() {
    Expect("FUNCTION_BLOCK");
    if (Current().Kind == TFclToken::ftWord && !IsBlockKeyword()) FBuilder.SetName(Take().Text);
    while (!IsKeyword("END_FUNCTION_BLOCK")) ReadBlock();
    ++FNext;
    if (Current().Kind != TFclToken::ftEnd) {
      Refuse("\"" + Current().Text + "\" after END_FUNCTION_BLOCK", Current().Line);
    }
    Build();
    return FBuilder.Finish();
  }

 private:
  // ---- tokens ------------------------------------------------------------------------------
  const TFclToken& Current() const { return FTokens[FNext]; }
  const TFclToken& Take() { return FTokens[std::min(FNext++, FTokens.size() - 1)]; }
  bool IsKeyword(const char* word) const {
    return Current().Kind == TFclToken::ftWord && UpperCase(Current().Text) == word;
  }
  bool IsSign(const char* sign) const {
    return Current().Kind == TFclToken::ftSign && Current().Text == sign;
  }
  bool IsBlockKeyword() const {
    for (const char* word :
         {"VAR_INPUT", "VAR_OUTPUT", "FUZZIFY", "DEFUZZIFY", "RULEBLOCK", "END_FUNCTION_BLOCK"}) {
      if (IsKeyword(word)) return true;
    }
    return false;
  }
  [[noreturn]] void Unexpected(const std::string& expected) const {
    const std::string found =
        Current().Kind == TFclToken::ftEnd ? "the end of the text" : "\"" + Current().Text + "\"";
    Refuse("expected " + expected + ", found " + found, Current().Line);
  }
  void Expect(const char* word) {
    if (!IsKeyword(word)) Unexpected(word);
    ++FNext;
  }
  void ExpectSign(const char* sign) {
    if (!IsSign(sign)) Unexpected(std::string("\"") + sign + "\"");
    ++FNext;
  }
  const TFclToken& Name(const char* what) {
    if (Current().Kind != TFclToken::ftWord) Unexpected(what);
    return Take();
  }
  TFzyFloat Number() {
    if (Current().Kind != TFclToken::ftNumber) Unexpected("a number");
    return Take().Number;
  }

  // ---- blocks ------------------------------------------------------------------------------
  void ReadBlock() {
    if (IsKeyword("VAR_INPUT") || IsKeyword("VAR_OUTPUT")) return ReadDeclarations();
    if (IsKeyword("FUZZIFY") || IsKeyword("DEFUZZIFY")) return ReadFuzzify();
    if (IsKeyword("RULEBLOCK")) return ReadRuleBlock();
    Unexpected("VAR_INPUT, VAR_OUTPUT, FUZZIFY, DEFUZZIFY, RULEBLOCK or END_FUNCTION_BLOCK");
  }

  void ReadDeclarations() {
    const bool output = IsKeyword("VAR_OUTPUT");
    ++FNext;
    while (!IsKeyword("END_VAR")) {
      const TFclToken& name = Name("a variable name or END_VAR");
      ExpectSign(":");
      Expect("REAL");
      ExpectSign(";");
      if (FindVariable(name.Text) != nullptr) {
        Refuse("a second variable \"" + name.Text + "\"", name.Line);
      }
      TFclVariable& variable = FVariables.emplace_back();
      variable.Name = name.Text;
      variable.Output = output;
      variable.Line = name.Line;
    }
    ++FNext;
  }

  TFclVariable* FindVariable(const std::string& name) {
    const auto found = std::find_if(FVariables.begin(), FVariables.end(),
                                    [&](const TFclVariable& v) { return v.Name == name; });
    return found == FVariables.end() ? nullptr : &*found;
  }

  void ReadFuzzify() {
    const bool output = IsKeyword("DEFUZZIFY");
    const char* end = output ? "END_DEFUZZIFY" : "END_FUZZIFY";
    ++FNext;
    const TFclToken& name = Name("a variable name");
    TFclVariable* variable = FindVariable(name.Text);
    if (variable == nullptr || variable->Output != output) {
      Refuse(std::string(output ? "DEFUZZIFY" : "FUZZIFY") + " names " + name.Text +
                 ", which is no " + (output ? "VAR_OUTPUT" : "VAR_INPUT"),
             name.Line);
    }
    if (variable->Fuzzified) Refuse("a second block for " + name.Text, name.Line);
    variable->Fuzzified = true;
    while (!IsKeyword(end)) ReadVariableItem(*variable, output);
    ++FNext;
  }

  void ReadVariableItem(TFclVariable& variable, bool output) {
    if (IsKeyword("TERM")) {
      ++FNext;
      return variable.Terms.push_back(ReadTerm());
    }
    if (IsKeyword("RANGE")) {
      variable.RangeLine = Take().Line;
      ExpectSign(":=");
      ExpectSign("(");
      variable.Minimum = Number();
      ExpectSign("..");
      variable.Maximum = Number();
      ExpectSign(")");
      ExpectSign(";");
      variable.HasRange = true;
      return;
    }
    if (output && IsKeyword("DEFAULT")) {
      ++FNext;
      ExpectSign(":=");
      if (IsKeyword("NC")) {
        ++FNext;
      } else {
        variable.Default = Number();
      }
      return ExpectSign(";");
    }
    if (output && (IsKeyword("METHOD") || IsKeyword("ACCU"))) {
      return ReadMethod(IsKeyword("METHOD") ? msDefuzzification : msInference);
    }
    Unexpected(output ? "TERM, RANGE, METHOD, DEFAULT, ACCU or END_DEFUZZIFY"
                      : "TERM, RANGE or END_FUZZIFY");
  }

  TFclTerm ReadTerm() {
    TFclTerm term;
    const TFclToken& name = Name("a term name");
    term.Name = name.Text;
    term.Line = name.Line;
    ExpectSign(":=");
    if (IsSign("(")) {
      ReadPoints(term);
    } else if (Current().Kind == TFclToken::ftNumber) {
      term.Body = TFclTerm::tbShape;
      term.Shape = {fskConstant, {Number()}, {}};
    } else {
      ReadFunction(term);
    }
    ExpectSign(";");
    return term;
  }

  void ReadPoints(TFclTerm& term) {
    while (IsSign("(")) {
      ++FNext;
      const TFzyFloat x = Number();
      ExpectSign(",");
      const TFzyFloat y = Number();
      ExpectSign(")");
      term.Points.push_back({x, y});
    }
  }

  void ReadFunction(TFclTerm& term) {
    const TFclToken& word = Name("a point list, a number or a function");
    const std::string function = UpperCase(word.Text);
    std::vector<TFzyFloat> numbers;
    while (Current().Kind == TFclToken::ftNumber) numbers.push_back(Number());
    if (function == "TRIAN") {
      if (numbers.size() != 3) Refuse("trian takes 3 numbers", word.Line);
      term.Body = TFclTerm::tbTriangle;
      term.Numbers = numbers;
      return;
    }
    if (const TFormatShape* known = FormatShapeNamed(FclShapes(), function)) {
      if (numbers.size() != known->Order.size()) {
        Refuse(word.Text + " takes " + std::to_string(known->Order.size()) + " numbers, not " +
                   std::to_string(numbers.size()),
               word.Line);
      }
      term.Body = TFclTerm::tbShape;
      term.Shape = {known->Kind, ShapeParameters(*known, numbers), {}};
      return;
    }
    Refuse("the function \"" + word.Text + "\" has no counterpart among the shapes", word.Line);
  }

  // A method applies to the whole rule base: every block that names one must agree.
  void ReadMethod(TMethodSlot slot) {
    const TFclToken& keyword = Take();
    ExpectSign(":");
    const TFclToken& value = Name("a method");
    ExpectSign(";");
    const std::string setting = ForeignMethodSetting(FclMethods(), slot, UpperCase(value.Text),
                                                     UpperCase(keyword.Text), value.Line);
    const std::string family = setting.substr(0, setting.find(' '));
    const auto [known, added] = FSettings.try_emplace(family, setting, value.Line);
    if (!added && known->second.first != setting) {
      Refuse(UpperCase(keyword.Text) + " " + value.Text + " differs from line " +
                 std::to_string(known->second.second) + ", and the rules take one method",
             value.Line);
    }
  }

  void ReadRuleBlock() {
    const int line = Take().Line;
    if (FRuleBlocks++ > 0) Refuse("a second RULEBLOCK; the rules take one set of methods", line);
    if (Current().Kind == TFclToken::ftWord && !IsKeyword("RULE")) ++FNext;
    while (!IsKeyword("END_RULEBLOCK")) {
      if (IsKeyword("AND")) {
        ReadMethod(msAnd);
      } else if (IsKeyword("OR")) {
        ReadMethod(msOr);
      } else if (IsKeyword("ACT")) {
        ReadMethod(msCorrelation);
      } else if (IsKeyword("ACCU")) {
        ReadMethod(msInference);
      } else if (IsKeyword("RULE")) {
        ReadRule();
      } else {
        Unexpected("AND, OR, ACT, ACCU, RULE or END_RULEBLOCK");
      }
    }
    ++FNext;
  }

  // ---- rules -------------------------------------------------------------------------------
  struct TRawRule {
    std::vector<TFclToken> Condition;
    std::vector<std::pair<TFclToken, TFclToken>> Conclusions;
    std::optional<TFzyFloat> Weight;
    int Line = 0;
  };

  void ReadRule() {
    TRawRule rule;
    rule.Line = Take().Line;
    if (Current().Kind == TFclToken::ftNumber || Current().Kind == TFclToken::ftWord) ++FNext;
    ExpectSign(":");
    Expect("IF");
    while (!IsKeyword("THEN")) {
      if (Current().Kind == TFclToken::ftEnd || IsSign(";")) Unexpected("THEN");
      rule.Condition.push_back(Take());
    }
    ++FNext;
    do {
      if (IsSign(",")) ++FNext;
      const TFclToken variable = Name("an output name");
      Expect("IS");
      rule.Conclusions.emplace_back(variable, Name("a term name"));
    } while (IsSign(","));
    if (IsKeyword("WITH")) {
      ++FNext;
      rule.Weight = Number();
    }
    ExpectSign(";");
    FRules.push_back(std::move(rule));
  }

  // The condition in the rule base's words, each clause checked against the variables.
  std::string ConditionText(const TRawRule& rule) {
    std::string text;
    const auto& tokens = rule.Condition;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
      const std::string word = UpperCase(tokens[i].Text);
      if (tokens[i].Kind == TFclToken::ftSign && (word == "(" || word == ")")) {
        text += " " + word;
      } else if (word == "AND" || word == "OR") {
        text += " " + LowerCase(word);
      } else {
        text += " " + Clause(tokens, i, false);
      }
    }
    return text.empty() ? text : text.substr(1);
  }

  // "VARIABLE IS [NOT] TERM" at `i`, which is left on its last token.
  std::string Clause(const std::vector<TFclToken>& tokens, std::size_t& i, bool output) {
    const TFclToken& variable = tokens[i];
    const auto word = [&](std::size_t at) {
      return at < tokens.size() ? UpperCase(tokens[at].Text) : std::string();
    };
    if (variable.Kind != TFclToken::ftWord || word(i + 1) != "IS") {
      Refuse("expected \"VARIABLE IS TERM\" at \"" + variable.Text + "\"", variable.Line);
    }
    const bool negated = word(i + 2) == "NOT";
    const std::size_t at = i + (negated ? 3 : 2);
    if (at >= tokens.size() || tokens[at].Kind != TFclToken::ftWord) {
      Refuse("expected a term after \"" + variable.Text + " IS\"", variable.Line);
    }
    CheckClause(variable, tokens[at], output);
    i = at;
    return variable.Text + " is " + (negated ? "not " : "") + tokens[at].Text;
  }

  void CheckClause(const TFclToken& variable, const TFclToken& term, bool output) {
    const TFclVariable* declared = FindVariable(variable.Text);
    if (declared == nullptr || declared->Output != output) {
      Refuse("no " + std::string(output ? "output" : "input") + " \"" + variable.Text + "\"",
             variable.Line);
    }
    const auto& terms = declared->Terms;
    if (std::none_of(terms.begin(), terms.end(),
                     [&](const TFclTerm& t) { return t.Name == term.Text; })) {
      Refuse(variable.Text + " has no term \"" + term.Text + "\"", term.Line);
    }
    if (output) FConcluded.insert(variable.Text);
  }

  std::string RuleText(const TRawRule& rule) {
    if (rule.Condition.empty()) Refuse("the rule has no condition", rule.Line);
    std::string text = "if " + ConditionText(rule) + " then ";
    for (std::size_t c = 0; c < rule.Conclusions.size(); ++c) {
      std::vector<TFclToken> clause{
          rule.Conclusions[c].first, {TFclToken::ftWord, "IS", 0.0, 0}, rule.Conclusions[c].second};
      std::size_t at = 0;
      text += (c == 0 ? "" : " and ") + Clause(clause, at, true);
    }
    if (rule.Weight) {
      if (!(*rule.Weight >= 0 && *rule.Weight <= 1)) {
        Refuse("the weight lies outside 0 to 1", rule.Line);
      }
      if (*rule.Weight != 1) text += " with " + FormatExactNumber(*rule.Weight);
    }
    return text;
  }

  // ---- building ----------------------------------------------------------------------------
  void Build() {
    for (const TFclVariable& variable : FVariables) BuildVariable(variable);
    FBuilder.AddRuleLine("use threshold 0", 1);
    for (const auto& [family, setting] : FSettings) {
      FBuilder.AddRuleLine("use " + setting.first, setting.second);
    }
    for (const TRawRule& rule : FRules) FBuilder.AddRuleLine(RuleText(rule), rule.Line);
    for (const TFclVariable& variable : FVariables) {
      if (variable.Default && FConcluded.count(variable.Name) != 0) {
        FBuilder.AddRuleLine(
            "use default " + variable.Name + " " + FormatExactNumber(*variable.Default),
            variable.Line);
      }
    }
  }

  void BuildVariable(const TFclVariable& fcl) {
    if (!fcl.Fuzzified) {
      Refuse(fcl.Name + " has no " + (fcl.Output ? "DEFUZZIFY" : "FUZZIFY") + " block", fcl.Line);
    }
    const auto [minimum, maximum] = RangeOf(fcl);
    TFuzzyVariable* variable =
        FBuilder.AddVariable(fcl.Name, minimum, maximum, fcl.HasRange ? fcl.RangeLine : fcl.Line);
    if (fcl.Output) FBuilder.DeclareOutput(fcl.Name);
    for (const TFclTerm& term : fcl.Terms) {
      if (term.Body == TFclTerm::tbPoints) {
        FBuilder.AddPointsTerm(variable, term.Name, term.Points, term.Line);
      } else if (term.Body == TFclTerm::tbTriangle) {
        const auto& n = term.Numbers;
        FBuilder.AddTriangleTerm(variable, term.Name, n[0], n[1], n[2], term.Line);
      } else {
        FBuilder.AddShapeTerm(variable, term.Name, term.Shape, term.Line);
      }
    }
  }

  // The RANGE, or else the span of terms whose numbers bound it (points, corners, singletons).
  static std::pair<TFzyFloat, TFzyFloat> RangeOf(const TFclVariable& fcl) {
    if (fcl.HasRange) return {fcl.Minimum, fcl.Maximum};
    std::vector<TFzyFloat> xs;
    for (const TFclTerm& term : fcl.Terms) {
      const bool bounded = term.Body != TFclTerm::tbShape || term.Shape.Kind == fskTrapezoid ||
                           term.Shape.Kind == fskConstant;
      if (!bounded) {
        Refuse(fcl.Name + " has no RANGE, and its term " + term.Name + " does not bound one",
               term.Line);
      }
      for (const TShapePoint& point : term.Points) xs.push_back(point.X);
      xs.insert(xs.end(), term.Numbers.begin(), term.Numbers.end());
      xs.insert(xs.end(), term.Shape.Parameters.begin(), term.Shape.Parameters.end());
    }
    if (xs.empty()) Refuse(fcl.Name + " has neither RANGE nor terms", fcl.Line);
    const auto [low, high] = std::minmax_element(xs.begin(), xs.end());
    return {*low, *high};
  }

  std::vector<TFclToken> FTokens;
  std::size_t FNext = 0;
  TModelBuilder FBuilder;
  std::vector<TFclVariable> FVariables;
  std::vector<TRawRule> FRules;
  std::map<std::string, std::pair<std::string, int>> FSettings;
  std::set<std::string> FConcluded;
  int FRuleBlocks = 0;
};

}  // namespace

TFuzzyModel ReadFclModel(const std::string& text) {
  return TFclReader(text).Read();
}

}  // namespace fuzzy

// Reading a .fis model: the text is split into sections of "Key=Value" lines first, then the
// system, the variables and the rules are read from them in that order, each value checked
// where it stands.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <sstream>

#include "fuzzy/formats/FisFormat.h"
#include "fuzzy/formats/FormatMethods.h"
#include "fuzzy/formats/FormatShapes.h"
#include "fuzzy/formats/FormatText.h"
#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {

namespace {

struct TFisEntry {
  std::string Key;
  std::string Value;
  int Line = 0;
};

struct TFisSection {
  std::string Name;  // "System", "Input1", "Rules" ...
  int Line = 0;
  std::vector<TFisEntry> Entries;  // for [Rules], each line as the Value
};

[[noreturn]] void Refuse(const std::string& message, int line) {
  TModelBuilder::Refuse(message, line);
}

std::vector<TFisSection> SplitSections(const std::string& text) {
  std::vector<TFisSection> sections;
  std::istringstream in(text);
  int line = 0;
  for (std::string content; std::getline(in, content);) {
    ++line;
    const std::string trimmed = Trim(content);
    if (trimmed.empty() || trimmed[0] == '%' || trimmed[0] == '#') continue;
    if (trimmed.front() == '[' && trimmed.back() == ']') {
      sections.push_back({trimmed.substr(1, trimmed.size() - 2), line, {}});
      continue;
    }
    if (sections.empty()) Refuse("\"" + trimmed + "\" stands before the first [section]", line);
    const std::size_t equals = trimmed.find('=');
    if (sections.back().Name == "Rules" || equals == std::string::npos) {
      if (sections.back().Name != "Rules")
        Refuse("expected KEY=VALUE, found \"" + trimmed + "\"", line);
      sections.back().Entries.push_back({"", trimmed, line});
      continue;
    }
    sections.back().Entries.push_back(
        {Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1)), line});
  }
  return sections;
}

std::string Quoted(const TFisEntry& entry) {
  const std::string& v = entry.Value;
  if (v.size() < 2 || v.front() != '\'' || v.back() != '\'') {
    Refuse(entry.Key + " takes a quoted text, not " + v, entry.Line);
  }
  return v.substr(1, v.size() - 2);
}

std::vector<TFzyFloat> NumberList(const std::string& text, const std::string& what, int line) {
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') {
    Refuse(what + " takes numbers in brackets, not " + text, line);
  }
  std::string inner = text.substr(1, text.size() - 2);
  std::replace(inner.begin(), inner.end(), ',', ' ');
  std::istringstream words(inner);
  std::vector<TFzyFloat> numbers;
  for (std::string word; words >> word;) {
    const auto number = ParseFormatNumber(word);
    if (!number) Refuse(what + ": \"" + word + "\" is no number", line);
    numbers.push_back(*number);
  }
  return numbers;
}

int Count(const TFisEntry& entry) {
  const auto number = ParseFormatNumber(entry.Value);
  if (!number || *number < 0 || *number != std::floor(*number) || *number > 100000) {
    Refuse(entry.Key + " takes a whole number, not " + entry.Value, entry.Line);
  }
  return static_cast<int>(*number);
}

// A term: 'name':'type',[params].
struct TFisTerm {
  std::string Name;
  std::string Type;
  std::vector<TFzyFloat> Parameters;
  int Line = 0;
};

TFisTerm TermOf(const TFisEntry& entry) {
  const std::string& v = entry.Value;
  const std::size_t colon = v.find("':'");
  const std::size_t comma = v.find("',", colon == std::string::npos ? 0 : colon + 3);
  if (v.empty() || v[0] != '\'' || colon == std::string::npos || comma == std::string::npos) {
    Refuse(entry.Key + " takes 'name':'type',[numbers], not " + v, entry.Line);
  }
  return {v.substr(1, colon - 1), v.substr(colon + 3, comma - colon - 3),
          NumberList(Trim(v.substr(comma + 2)), entry.Key, entry.Line), entry.Line};
}

struct TFisVariable {
  std::string Name;
  std::vector<TFzyFloat> Range;
  int DeclaredTerms = -1;
  std::vector<TFisTerm> Terms;
  int Line = 0;
};

TFisVariable VariableOf(const TFisSection& section) {
  TFisVariable variable;
  variable.Line = section.Line;
  for (const TFisEntry& entry : section.Entries) {
    if (entry.Key == "Name") {
      variable.Name = Quoted(entry);
    } else if (entry.Key == "Range") {
      variable.Range = NumberList(entry.Value, "Range", entry.Line);
      variable.Line = entry.Line;
      if (variable.Range.size() != 2) Refuse("Range takes two numbers", entry.Line);
    } else if (entry.Key == "NumMFs") {
      variable.DeclaredTerms = Count(entry);
    } else if (entry.Key.rfind("MF", 0) == 0 && entry.Key.size() > 2) {
      if (entry.Key != "MF" + std::to_string(variable.Terms.size() + 1)) {
        Refuse(
            entry.Key + " stands where MF" + std::to_string(variable.Terms.size() + 1) + " belongs",
            entry.Line);
      }
      variable.Terms.push_back(TermOf(entry));
    } else {
      Refuse("unknown key \"" + entry.Key + "\" in [" + section.Name + "]", entry.Line);
    }
  }
  if (variable.Range.empty()) Refuse("[" + section.Name + "] has no Range", section.Line);
  if (variable.DeclaredTerms != static_cast<int>(variable.Terms.size())) {
    Refuse("[" + section.Name + "] declares NumMFs=" + std::to_string(variable.DeclaredTerms) +
               " but has " + std::to_string(variable.Terms.size()),
           section.Line);
  }
  return variable;
}

// "Input1", "Output12": the kind, then a number.
bool IsNumbered(const std::string& name, const std::string& kind) {
  return name.size() > kind.size() && name.rfind(kind, 0) == 0 &&
         std::all_of(name.begin() + static_cast<std::ptrdiff_t>(kind.size()), name.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; });
}

struct TFisMethodKey {
  const char* Key;
  TMethodSlot Slot;
};

constexpr TFisMethodKey MethodKeys[] = {{"AndMethod", msAnd},
                                        {"OrMethod", msOr},
                                        {"ImpMethod", msCorrelation},
                                        {"AggMethod", msInference},
                                        {"DefuzzMethod", msDefuzzification}};

class TFisReader {
 public:
  explicit TFisReader(const std::string& text) : FSections(SplitSections(text)) {}

  TFuzzyModel Read() {
    ReadSystem();
    for (const bool outputs : {false, true}) ReadVariables(outputs);
    ReadRules();
    return FBuilder.Finish();
  }

 private:
  const TFisSection* Find(const std::string& name) const {
    const auto found = std::find_if(FSections.begin(), FSections.end(),
                                    [&](const TFisSection& s) { return s.Name == name; });
    return found == FSections.end() ? nullptr : &*found;
  }

  void CheckSectionNames() const {
    for (const TFisSection& section : FSections) {
      const bool numbered = IsNumbered(section.Name, "Input") || IsNumbered(section.Name, "Output");
      if (!numbered && section.Name != "System" && section.Name != "Rules") {
        Refuse("unknown section [" + section.Name + "]", section.Line);
      }
      if (std::count_if(FSections.begin(), FSections.end(),
                        [&](const TFisSection& s) { return s.Name == section.Name; }) > 1) {
        Refuse("a second [" + section.Name + "]", section.Line);
      }
    }
  }

  void ReadSystem() {
    CheckSectionNames();
    const TFisSection* system = Find("System");
    if (system == nullptr) Refuse("the model has no [System] section", 1);
    FBuilder.AddRuleLine("use threshold 0", system->Line);
    for (const TFisEntry& entry : system->Entries) ReadSystemEntry(entry);
    if (FInputs < 0 || FOutputs < 0) {
      Refuse("[System] needs NumInputs and NumOutputs", system->Line);
    }
    CheckMethodsFit();
  }

  void ReadSystemEntry(const TFisEntry& entry) {
    if (entry.Key == "Name") {
      FBuilder.SetName(Quoted(entry));
    } else if (entry.Key == "Type") {
      const std::string type = Quoted(entry);
      if (type != "mamdani" && type != "sugeno") {
        Refuse("Type \"" + type + "\" is neither mamdani nor sugeno", entry.Line);
      }
      FSugeno = type == "sugeno";
    } else if (entry.Key == "Version") {
    } else if (entry.Key == "NumInputs") {
      FInputs = Count(entry);
    } else if (entry.Key == "NumOutputs") {
      FOutputs = Count(entry);
    } else if (entry.Key == "NumRules") {
      FRules = Count(entry);
    } else if (!ReadMethod(entry)) {
      Refuse("unknown key \"" + entry.Key + "\" in [System]", entry.Line);
    }
  }

  bool ReadMethod(const TFisEntry& entry) {
    for (const TFisMethodKey& key : MethodKeys) {
      if (entry.Key != key.Key) continue;
      const std::string setting =
          ForeignMethodSetting(FisMethods(), key.Slot, Quoted(entry), entry.Key, entry.Line);
      if (key.Slot == msDefuzzification) FDefuzzification = {setting, entry.Line};
      FBuilder.AddRuleLine("use " + setting, entry.Line);
      return true;
    }
    return false;
  }

  void CheckMethodsFit() const {
    const bool weighted = FDefuzzification.first.rfind("sugeno", 0) == 0;
    if (!FDefuzzification.first.empty() && weighted != FSugeno) {
      Refuse(std::string("a ") + (FSugeno ? "sugeno" : "mamdani") + " model cannot take that " +
                 "DefuzzMethod",
             FDefuzzification.second);
    }
  }

  void ReadVariables(bool outputs) {
    const int count = outputs ? FOutputs : FInputs;
    const std::string kind = outputs ? "Output" : "Input";
    for (int i = 1; i <= count; ++i) {
      const TFisSection* section = Find(kind + std::to_string(i));
      if (section == nullptr) {
        Refuse("[System] declares " + std::to_string(count) + " " + UpperCase(kind) + "S but [" +
                   kind + std::to_string(i) + "] is missing",
               FSections.back().Line);
      }
      AddVariable(VariableOf(*section), outputs);
    }
    if (Find(kind + std::to_string(count + 1)) != nullptr) {
      Refuse("[" + kind + std::to_string(count + 1) + "] is more than [System] declares",
             Find(kind + std::to_string(count + 1))->Line);
    }
  }

  void AddVariable(const TFisVariable& fis, bool output) {
    TFuzzyVariable* variable = FBuilder.AddVariable(fis.Name, fis.Range[0], fis.Range[1], fis.Line);
    (output ? FOutputNames : FInputNames).push_back(fis.Name);
    if (output) FBuilder.DeclareOutput(fis.Name);
    for (const TFisTerm& term : fis.Terms) AddTerm(variable, term, output);
    (output ? FOutputTerms : FInputTerms).push_back(fis.Terms);
  }

  void AddTerm(TFuzzyVariable* variable, const TFisTerm& term, bool output) {
    const bool function = term.Type == "constant" || term.Type == "linear";
    if (function != (output && FSugeno)) {
      Refuse("'" + term.Type + "' is " +
                 (function ? "an output of sugeno models only" : "no sugeno output"),
             term.Line);
    }
    if (term.Type == "trimf") {
      if (term.Parameters.size() != 3) Refuse("trimf takes 3 numbers", term.Line);
      const auto& p = term.Parameters;
      return FBuilder.AddTriangleTerm(variable, term.Name, p[0], p[1], p[2], term.Line);
    }
    FBuilder.AddShapeTerm(variable, term.Name, ShapeOf(term), term.Line);
  }

  TFuzzyShape ShapeOf(const TFisTerm& term) const {
    const bool linear = term.Type == "linear";
    const TFormatShape* known = FormatShapeNamed(FisShapes(), term.Type);
    if (known == nullptr && !linear) {
      Refuse("the membership function '" + term.Type + "' has no counterpart among the shapes",
             term.Line);
    }
    const std::size_t count = linear ? FInputNames.size() + 1 : known->Order.size();
    if (term.Parameters.size() != count) {
      Refuse(term.Type + " takes " + std::to_string(count) + " numbers, not " +
                 std::to_string(term.Parameters.size()),
             term.Line);
    }
    if (linear) return LinearOf(term.Parameters);
    return {known->Kind, ShapeParameters(*known, term.Parameters), {}};
  }

  // .fis lists the coefficients in input order and the constant last.
  TFuzzyShape LinearOf(const std::vector<TFzyFloat>& p) const {
    TFuzzyShape shape{fskLinear, {p.back()}, {}};
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
      shape.Inputs.push_back(FInputNames[i]);
      shape.Parameters.push_back(p[i]);
    }
    return shape;
  }

  void ReadRules() {
    const TFisSection* rules = Find("Rules");
    const std::size_t count = rules == nullptr ? 0 : rules->Entries.size();
    if (FRules >= 0 && static_cast<std::size_t>(FRules) != count) {
      Refuse("[System] declares NumRules=" + std::to_string(FRules) + " but [Rules] has " +
                 std::to_string(count),
             rules == nullptr ? FSections.back().Line : rules->Line);
    }
    for (std::size_t i = 0; i < count; ++i) ReadRule(rules->Entries[i]);
  }

  void ReadRule(const TFisEntry& entry) {
    const std::string& text = entry.Value;
    const std::size_t comma = text.find(',');
    const std::size_t open = text.find('(');
    const std::size_t close = text.find(')');
    const std::size_t colon = text.find(':');
    if (comma == std::string::npos || open == std::string::npos || close == std::string::npos ||
        colon == std::string::npos || !(comma < open && open < close && close < colon)) {
      Refuse("a rule reads \"inputs, outputs (weight) : connection\", not \"" + text + "\"",
             entry.Line);
    }
    const auto numbers = [&](std::size_t from, std::size_t to) {
      return NumberList("[" + text.substr(from, to - from) + "]", "the rule", entry.Line);
    };
    const std::vector<TFzyFloat> inputs = numbers(0, comma);
    const std::vector<TFzyFloat> outputs = numbers(comma + 1, open);
    const std::vector<TFzyFloat> weight = numbers(open + 1, close);
    const std::vector<TFzyFloat> connection = numbers(colon + 1, text.size());
    if (inputs.size() != FInputNames.size() || outputs.size() != FOutputNames.size() ||
        weight.size() != 1 || connection.size() != 1) {
      Refuse("the rule needs " + std::to_string(FInputNames.size()) + " input and " +
                 std::to_string(FOutputNames.size()) +
                 " output indices, one weight and one connection",
             entry.Line);
    }
    if (connection[0] != 1 && connection[0] != 2) {
      Refuse("the connection is 1 (and) or 2 (or), not " + FormatExactNumber(connection[0]),
             entry.Line);
    }
    const std::string premises =
        Clauses(inputs, FInputNames, FInputTerms, connection[0] == 1 ? " and " : " or ", entry);
    const std::string conclusions = Clauses(outputs, FOutputNames, FOutputTerms, " and ", entry);
    if (premises.empty() || conclusions.empty()) {
      Refuse("the rule uses no " + std::string(premises.empty() ? "input" : "output"), entry.Line);
    }
    if (!(weight[0] >= 0 && weight[0] <= 1)) Refuse("the weight lies outside 0 to 1", entry.Line);
    const std::string with = weight[0] == 1 ? "" : " with " + FormatExactNumber(weight[0]);
    FBuilder.AddRuleLine("if " + premises + " then " + conclusions + with, entry.Line);
  }

  // "service is poor and food is not rancid" from the indices (0: unused, negative: not).
  std::string Clauses(const std::vector<TFzyFloat>& indices, const std::vector<std::string>& names,
                      const std::vector<std::vector<TFisTerm>>& terms, const char* connective,
                      const TFisEntry& entry) const {
    std::string text;
    for (std::size_t i = 0; i < indices.size(); ++i) {
      const TFzyFloat index = indices[i];
      if (index == 0) continue;
      const TFzyFloat magnitude = std::fabs(index);
      if (magnitude != std::floor(magnitude) ||
          magnitude > static_cast<TFzyFloat>(terms[i].size())) {
        Refuse(names[i] + " has no term " + FormatExactNumber(index), entry.Line);
      }
      const std::string& term = terms[i][static_cast<std::size_t>(magnitude) - 1].Name;
      const bool negated = index < 0;
      if (negated && &names == &FOutputNames && FSugeno) {
        Refuse("a sugeno output cannot be negated", entry.Line);
      }
      text += (text.empty() ? "" : connective) + names[i] + " is " + (negated ? "not " : "") + term;
    }
    return text;
  }

  std::vector<TFisSection> FSections;
  TModelBuilder FBuilder;
  bool FSugeno = false;
  int FInputs = -1;
  int FOutputs = -1;
  int FRules = -1;
  std::pair<std::string, int> FDefuzzification;
  std::vector<std::string> FInputNames;
  std::vector<std::string> FOutputNames;
  std::vector<std::vector<TFisTerm>> FInputTerms;
  std::vector<std::vector<TFisTerm>> FOutputTerms;
};

}  // namespace

TFuzzyModel ReadFisModel(const std::string& text) {
  return TFisReader(text).Read();
}

}  // namespace fuzzy

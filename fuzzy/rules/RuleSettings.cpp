#include "fuzzy/rules/RuleSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <span>
#include <sstream>
#include <vector>

#include "fuzzy/consts/FuzzyTables.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/rules/RuleErrors.h"

namespace fuzzy {

namespace {

using TWords = std::vector<std::string>;

constexpr std::array<const char*, 2> DefuzzificationNames{"cog", "mom"};
constexpr std::array<const char*, 2> SugenoNames{"average", "sum"};

std::string NumberText(TFzyFloat value) {
  if (std::isnan(value)) return "none";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// One "use" line: its words after "use", and where it stands.
class TSettingLine {
 public:
  TSettingLine(TWords words, int line) : FWords(std::move(words)), FLine(line) {}

  const std::string& Name() const { return FWords[0]; }
  int GetLine() const { return FLine; }

  // The word at `index`, which must be there.
  const std::string& Word(std::size_t index) const {
    if (FWords.size() <= index) Refuse("\"use " + Name() + "\" needs a value", Name());
    return FWords[index];
  }
  // The word at `index`, which must be the last.
  const std::string& Value(std::size_t index) const {
    if (FWords.size() > index + 1) {
      Refuse("unexpected \"" + FWords[index + 1] + "\" after \"use " + Name() + "\"",
             FWords[index + 1]);
    }
    return Word(index);
  }

  // The position of the value among `names`, the enumeration member there.
  template <class TEnum, std::size_t N>
  TEnum Choice(const std::array<const char*, N>& names, std::size_t count = N) const {
    return static_cast<TEnum>(ChoiceIndex(std::span<const char* const>(names).first(count)));
  }

  TFzyFloat Number(std::size_t index) const {
    const std::string& word = Value(index);
    if (word == "none") return std::numeric_limits<TFzyFloat>::quiet_NaN();
    TFzyFloat value = 0.0;
    const auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || stop != word.data() + word.size() || std::isnan(value)) {
      Refuse("expected a number after \"use " + Name() + "\", found \"" + word + "\"", word);
    }
    return value;
  }

  [[noreturn]] void Refuse(const std::string& message, const std::string& word) const {
    throw EFzyRuleException(message, FLine, word);
  }

 private:
  // One routine for every enumeration, out of line: inlined into each choice, GCC 12 at -O3
  // mixes up the arrays of the different enumerations and warns of reads out of bounds.
  std::size_t ChoiceIndex(std::span<const char* const> names) const;

  TWords FWords;
  int FLine;
};

std::size_t TSettingLine::ChoiceIndex(std::span<const char* const> names) const {
  const std::string& value = Value(1);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (value == names[i]) return i;
  }
  std::string expected;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) expected += ", ";
    expected += names[i];
  }
  Refuse("\"use " + Name() + "\" takes " + expected + ", not \"" + value + "\"", value);
}

std::vector<TSettingLine> SettingLines(const std::string& text) {
  std::vector<TSettingLine> settings;
  std::istringstream in(text);
  int line = 0;
  for (std::string content; std::getline(in, content);) {
    ++line;
    std::istringstream words(content.substr(0, content.find('#')));
    TWords split;
    for (std::string word; words >> word;) split.push_back(word);
    if (split.empty() || split[0] != "use") continue;
    if (split.size() == 1) throw EFzyRuleException("\"use\" needs a setting", line, "use");
    settings.emplace_back(TWords(split.begin() + 1, split.end()), line);
  }
  return settings;
}

void ApplyDefault(TRuleBase& rules, const TSettingLine& setting) {
  const std::string& name = setting.Word(1);
  const TFzyFloat value = setting.Number(2);
  const auto& outputs = rules.GetOutputs();
  const auto found = std::find_if(outputs.begin(), outputs.end(),
                                  [&](const TFuzzyVariable* v) { return v->GetName() == name; });
  if (found == outputs.end()) {
    setting.Refuse("\"use default\" names " + name + ", which no rule concludes", name);
  }
  rules.SetDefaultValue(static_cast<std::size_t>(found - outputs.begin()), value);
}

void ApplyThreshold(TRuleBase& rules, const TSettingLine& setting) {
  const TFzyFloat value = setting.Number(1);
  if (!(value >= 0.0 && value <= 1.0)) {
    setting.Refuse("the threshold " + setting.Word(1) + " lies outside 0 to 1", setting.Word(1));
  }
  rules.SetThreshold(value);
}

// "and" has no sum: the last family name is left out of its choices.
void ApplyFamily(TRuleBase& rules, const TSettingLine& setting) {
  const bool intersect = setting.Name() == "and";
  const auto family =
      setting.Choice<TFuzzyOperation>(FuzzyOperationNames, intersect ? foSum : foSum + 1);
  if (intersect) {
    rules.SetAndOperation(family);
  } else {
    rules.SetOrOperation(family);
  }
}

void ApplySetting(TRuleBase& rules, const TSettingLine& setting) {
  const std::string& name = setting.Name();
  if (name == "and" || name == "or") {
    ApplyFamily(rules, setting);
  } else if (name == "correlation") {
    rules.SetCorrelationMethod(setting.Choice<TFuzzyCorrelationMethod>(FuzzyCorrelationNames));
  } else if (name == "inference") {
    rules.SetInferenceMethod(setting.Choice<TFuzzyInferenceMethod>(FuzzyInferenceNames));
  } else if (name == "defuzzification") {
    rules.SetDefuzzificationMethod(setting.Choice<TDefuzzificationMethod>(DefuzzificationNames));
  } else if (name == "sugeno") {
    rules.SetSugenoMethod(setting.Choice<TSugenoMethod>(SugenoNames));
  } else if (name == "threshold") {
    ApplyThreshold(rules, setting);
  } else if (name == "default") {
    ApplyDefault(rules, setting);
  } else if (name == "clamp") {
    if (setting.Value(0) == name) rules.SetClampInputs(true);
  } else {
    setting.Refuse("unknown setting \"use " + name + "\"", name);
  }
}

std::string SettingsText(const TRuleBase& rules) {
  std::string text;
  const auto line = [&](const std::string& words) { text += "use " + words + "\n"; };
  if (rules.GetAndOperation() != foZadeh) {
    line(std::string("and ") + FuzzyOperationNames[rules.GetAndOperation()]);
  }
  if (rules.GetOrOperation() != foZadeh) {
    line(std::string("or ") + FuzzyOperationNames[rules.GetOrOperation()]);
  }
  if (const auto method = rules.GetCorrelationMethod()) {
    line(std::string("correlation ") + FuzzyCorrelationNames[*method]);
  }
  if (const auto method = rules.GetInferenceMethod()) {
    line(std::string("inference ") + FuzzyInferenceNames[*method]);
  }
  if (const auto method = rules.GetDefuzzificationMethod()) {
    line(std::string("defuzzification ") + DefuzzificationNames[*method]);
  }
  if (rules.GetSugenoMethod() != smWeightedAverage) line("sugeno sum");
  if (const auto threshold = rules.GetThreshold()) line("threshold " + NumberText(*threshold));
  if (rules.GetClampInputs()) line("clamp");
  for (std::size_t o = 0; o < rules.GetOutputs().size(); ++o) {
    if (std::isnan(rules.GetDefaultValue(o))) continue;
    line("default " + rules.GetOutputs()[o]->GetName() + " " +
         NumberText(rules.GetDefaultValue(o)));
  }
  return text;
}

}  // namespace

void TRuleBase::ApplyTextSettings(const std::string& text) {
  for (const TSettingLine& setting : SettingLines(text)) ApplySetting(*this, setting);
}

std::string FormatRuleBase(const TRuleBase& rules) {
  std::string text = SettingsText(rules);
  for (const TRuleText& rule : rules.GetRules()) text += rule.Text + "\n";
  return text;
}

}  // namespace fuzzy

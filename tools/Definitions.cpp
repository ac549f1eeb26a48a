#include "tools/Definitions.h"

#include <algorithm>

#include "fuzzy/formats/ModelFormats.h"
#include "fuzzy/sets/FuzzySet.h"
#include "tools/TextFiles.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

TDefinitions::TDefinitions(std::string sourceName, bool autoTerms)
    : FSourceName(std::move(sourceName)),
      FParser(Own(TReportingParser::Create())),
      FLogic(Own(TFuzzyLogic::Create(nullptr))) {
  FLogic->SetAutoTerms(autoTerms);
  FLogic->SetParser(FParser.get());
  FParser->SetFuzzyLogic(FLogic.get());
}

TDefinitions TDefinitions::Load(const std::string& path, bool autoTerms) {
  const TModelFormat format = ModelFormatOfName(path);
  if (format == mfOwn) return FromText(ReadTextFile(path), path, autoTerms);
  const std::string text = ReadTextFile(path);
  TDefinitions definitions(path, false);
  try {
    definitions.Adopt(ReadModel(format, text));
  } catch (const EFzyParseException& error) {
    throw TCheckFailure(Located(path, error.GetLine(), error.GetMessage()));
  } catch (const Exception& error) {
    throw TCheckFailure(Located(path, 0, error.GetMessage()));
  }
  return definitions;
}

void TDefinitions::Adopt(TFuzzyModel model) {
  model.Parser->SetFuzzyLogic(nullptr);
  FLogic = std::move(model.Logic);
  FLogic->SetParser(FParser.get());
  FParser->SetFuzzyLogic(FLogic.get());
  FModelRules = std::move(model.Rules);
}

TDefinitions TDefinitions::FromText(const std::string& text, const std::string& sourceName,
                                    bool autoTerms) {
  TDefinitions definitions(sourceName, autoTerms);
  definitions.FParser->ReadDefinitions(text, sourceName);
  return definitions;
}

std::vector<TFuzzyVariable*> TDefinitions::GetVariables() const {
  std::vector<TFuzzyVariable*> variables;
  for (TFuzzyVariable* variable : *FLogic->GetItems()) variables.push_back(variable);
  return variables;
}

TFuzzyVariable* TDefinitions::FindVariable(const std::string& name) const {
  const std::vector<TFuzzyVariable*> variables = GetVariables();
  const auto found = std::find_if(variables.begin(), variables.end(),
                                  [&](TFuzzyVariable* v) { return v->GetName() == name; });
  return found == variables.end() ? nullptr : *found;
}

TFuzzyVariable* TDefinitions::RequireVariable(const std::string& name) const {
  if (TFuzzyVariable* variable = FindVariable(name)) return variable;
  std::string known;
  for (TFuzzyVariable* variable : GetVariables()) {
    known += (known.empty() ? "" : ", ") + variable->GetName();
  }
  if (known.empty()) known = "none";
  throw TCheckFailure(
      Located(FSourceName, 0, "no variable \"" + name + "\" (it defines: " + known + ")"));
}

std::vector<TFuzzySet*> TDefinitions::GetTerms(const TFuzzyVariable* variable) {
  std::vector<TFuzzySet*> terms;
  for (TFuzzySet* set : *variable->GetItems()) {
    if (set->GetDefined()) terms.push_back(set);
  }
  return terms;
}

int TDefinitions::CountTerms() const {
  int count = 0;
  for (TFuzzyVariable* variable : GetVariables()) {
    count += static_cast<int>(GetTerms(variable).size());
  }
  return count;
}

TFuzzySet* TDefinitions::Evaluate(TFuzzyVariable* variable, const std::string& expression,
                                  const std::string& where, int line) const {
  FParser->ClearLastError();
  try {
    return FParser->EvalFuzzyExpression(variable, expression);
  } catch (const Exception& error) {
    const std::string message = "cannot evaluate \"" + expression + "\" over " +
                                variable->GetName() + ": " + FParser->MessageOf(error);
    throw TCheckFailure(where.empty() ? message : Located(where, line, message));
  }
}

}  // namespace fuzzy::tool

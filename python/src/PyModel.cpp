#include "python/src/PyModel.h"

#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/rules/RuleErrors.h"
#include "python/src/ModelFormats.h"
#include "python/src/PyErrors.h"

namespace py = pybind11;

namespace fuzzy::python {

TPyModel::TPyModel()
    : FParser(Own(TKWFuzzyLogicParser::Create(nullptr))),
      FLogic(Own(TFuzzyLogic::Create(nullptr))) {
  FLogic->SetParser(FParser.get());
  FParser->SetFuzzyLogic(FLogic.get());
}

TPyModel::~TPyModel() = default;

std::shared_ptr<TPyModel> TPyModel::Read(const std::string& format, const std::string& text,
                                         const std::string& source, const std::string* rules,
                                         const std::string& rulesSource, bool autoTerms) {
  std::shared_ptr<TPyModel> model(new TPyModel());
  model->FLogic->SetAutoTerms(autoTerms);
  const std::string carried = ModelFormatNamed(format).Read(model->GetLogic(), text, source);
  if (rules != nullptr) {
    model->ReadRules(*rules, rulesSource);
  } else if (!carried.empty()) {
    model->ReadRules(carried, source);
  }
  return model;
}

void TPyModel::ReadRules(const std::string& text, const std::string& source) {
  try {
    FRules = Own(TRuleBase::Create(FLogic.get(), text));
  } catch (const EFzyRuleException& error) {
    throw EPyParseError(error.GetMessage(), error.GetLine(), error.GetWord(), source);
  }
}

TRuleBase& TPyModel::RequireRules() const {
  if (!FRules) throw EFzyException("the model has no rules: give rule text when making it");
  return *FRules;
}

std::vector<TFuzzyVariable*> TPyModel::GetVariables() const {
  std::vector<TFuzzyVariable*> variables;
  for (TFuzzyVariable* variable : *FLogic->GetItems()) variables.push_back(variable);
  return variables;
}

TFuzzyVariable* TPyModel::FindVariable(const std::string& name) const {
  for (TFuzzyVariable* variable : *FLogic->GetItems()) {
    if (variable->GetName() == name) return variable;
  }
  return nullptr;
}

TFuzzyVariable* TPyModel::RequireVariable(const std::string& name) const {
  if (TFuzzyVariable* variable = FindVariable(name)) return variable;
  std::string known;
  for (TFuzzyVariable* variable : GetVariables()) {
    known += (known.empty() ? "" : ", ") + variable->GetName();
  }
  throw py::key_error("no variable \"" + name +
                      "\" (the model has: " + (known.empty() ? "none" : known) + ")");
}

TModelLock::TModelLock(TPyModel& model) : FLock(model.GetMutex(), std::try_to_lock) {
  if (FLock.owns_lock()) return;
  py::gil_scoped_release release;
  FLock.lock();
}

}  // namespace fuzzy::python

#include "fuzzy/formats/ModelFormats.h"

#include "fuzzy/formats/FclFormat.h"
#include "fuzzy/formats/FisFormat.h"
#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/rules/RuleSettings.h"

namespace fuzzy {

TModelFormat ModelFormatOfName(const std::string& path) {
  const std::string lower = LowerCase(path);
  const auto endsWith = [&](const char* suffix) {
    const std::string ending(suffix);
    return lower.size() >= ending.size() &&
           lower.compare(lower.size() - ending.size(), ending.size(), ending) == 0;
  };
  if (endsWith(".fis")) return mfFis;
  if (endsWith(".fcl")) return mfFcl;
  return mfOwn;
}

TFuzzyModel ReadModel(TModelFormat format, const std::string& text) {
  if (format == mfOwn) throw EFzyException("the library's own model is two texts");
  return format == mfFis ? ReadFisModel(text) : ReadFclModel(text);
}

TFuzzyModel ReadOwnModel(const std::string& definitions, const std::string& rules) {
  TFuzzyModel model;
  model.Parser->ParseFuzzyLogic(definitions);
  model.Rules = Own(TRuleBase::Create(model.Logic.get(), rules));
  return model;
}

std::string WriteModel(TModelFormat format, const TFuzzyModel& model) {
  if (format == mfOwn) throw EFzyException("the library's own model is two texts");
  return format == mfFis ? WriteFisModel(model) : WriteFclModel(model);
}

std::string WriteOwnDefinitions(const TFuzzyModel& model) {
  std::string text;
  for (TFuzzyVariable* variable : *model.Logic->GetItems()) {
    text += (text.empty() ? "" : "\n") + model.Parser->PrettyPrint(variable) + "\n";
  }
  return text;
}

std::string WriteOwnRules(const TFuzzyModel& model) {
  return FormatRuleBase(*model.Rules);
}

}  // namespace fuzzy

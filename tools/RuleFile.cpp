#include "tools/RuleFile.h"

#include "fuzzy/rules/RuleErrors.h"
#include "tools/TextFiles.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

// The library's message, with the evaluator's part in the parser's plain words when it has
// them (without the routine name and the text read so far).
std::string MessageOf(const EFzyRuleException& error, const TDefinitions& definitions) {
  const std::string& message = error.GetMessage();
  const std::string& plain = definitions.GetParser()->GetLastMessage();
  if (error.GetCause().empty() || plain.empty()) return message;
  return message.substr(0, message.size() - error.GetCause().size()) + plain;
}

}  // namespace

TOwned<TRuleBase> LoadRuleBase(const TDefinitions& definitions, const std::string& text,
                               const std::string& sourceName) {
  definitions.GetParser()->ClearLastError();
  TOwned<TRuleBase> rules;
  try {
    rules = Own(TRuleBase::Create(definitions.GetLogic(), text));
  } catch (const EFzyRuleException& error) {
    throw TCheckFailure(Located(sourceName, error.GetLine(), MessageOf(error, definitions)));
  }
  if (rules->GetRules().empty()) throw TCheckFailure(Located(sourceName, 0, "holds no rules"));
  return rules;
}

TOwned<TRuleBase> LoadRuleFile(const TDefinitions& definitions, const std::string& path) {
  return LoadRuleBase(definitions, ReadTextFile(path), path);
}

std::string WhyNoValue(const TRuleOutcome& outcome) {
  return outcome.Fired.empty() ? "no rule fired" : "every rule that fired had strength 0";
}

TOwned<TRuleBase> RulesOfCommand(TDefinitions& definitions, const std::vector<std::string>& files,
                                 const std::string& usage) {
  const bool model = definitions.GetModelRules() != nullptr;
  if (model != (files.size() == 1)) {
    throw TUsageError(model ? "a model file holds its rules; usage: " + usage
                            : "missing the rule file; usage: " + usage);
  }
  return model ? definitions.TakeModelRules() : LoadRuleFile(definitions, files[1]);
}

}  // namespace fuzzy::tool

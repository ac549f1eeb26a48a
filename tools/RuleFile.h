// The rule files of `fuzzy infer` and `fuzzy surface`, read into the library's rule base over
// the definitions' component (see fuzzy/rules/RuleText.h for the syntax).
#pragma once

#include <string>
#include <vector>

#include "fuzzy/framework/Object.h"
#include "fuzzy/rules/RuleBase.h"
#include "tools/Definitions.h"

namespace fuzzy::tool {

// The rules of `text`; an error, or a file without rules, raises TCheckFailure
// "SOURCE:LINE: message".
TOwned<TRuleBase> LoadRuleBase(const TDefinitions& definitions, const std::string& text,
                               const std::string& sourceName);
// Reads the file at `path` first.
TOwned<TRuleBase> LoadRuleFile(const TDefinitions& definitions, const std::string& path);

// The rules of a command's files: those of a model file (FILE alone), or those of the rule
// file RULES after the definitions (FILE RULES); TUsageError with `usage` when the two differ.
TOwned<TRuleBase> RulesOfCommand(TDefinitions& definitions, const std::vector<std::string>& files,
                                 const std::string& usage);

// "no rule fired" or "every rule that fired had strength 0".
std::string WhyNoValue(const TRuleOutcome& outcome);

}  // namespace fuzzy::tool

// fuzzy check FILE...: reads each definition file and reports OK with its counts, or its first
// error. Every file is checked, also after a failing one.
#include <iostream>
#include <limits>

#include "tools/Arguments.h"
#include "tools/Commands.h"
#include "tools/Definitions.h"
#include "tools/TextHelpers.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

void CheckOne(const std::string& path, bool autoTerms) {
  const TDefinitions definitions = TDefinitions::Load(path, autoTerms);
  std::cout << path << ": OK, "
            << Counted(static_cast<long long>(definitions.GetVariables().size()), "variable",
                       "variables")
            << ", " << Counted(definitions.CountTerms(), "term", "terms");
  if (const TRuleBase* rules = definitions.GetModelRules()) {
    std::cout << ", " << Counted(static_cast<long long>(rules->GetRules().size()), "rule", "rules");
  }
  std::cout << "\n";
}

}  // namespace

int RunCheck(const TWords& words) {
  const TArguments arguments(words, {{}, {AutoTermsFlag}, {}});
  arguments.RequirePositional(1, std::numeric_limits<std::size_t>::max(), "fuzzy check FILE...");
  int status = esSuccess;
  for (const std::string& path : arguments.GetPositional()) {
    try {
      CheckOne(path, arguments.HasFlag(AutoTermsFlag));
    } catch (const TCheckFailure& failure) {
      std::cerr << "fuzzy: " << failure.what() << "\n";
      status = esFailed;
    }
  }
  return status;
}

}  // namespace fuzzy::tool

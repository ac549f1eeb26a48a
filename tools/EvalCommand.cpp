// fuzzy eval FILE VARIABLE EXPRESSION: the set an expression stands for, with its crisp values.
#include <iostream>
#include <limits>

#include "tools/Arguments.h"
#include "tools/Commands.h"
#include "tools/Definitions.h"
#include "tools/SetReport.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

// The words after VARIABLE, so that an unquoted expression works too.
std::string ExpressionOf(const TWords& positional) {
  std::string expression;
  for (std::size_t i = 2; i < positional.size(); ++i) {
    expression += (expression.empty() ? "" : " ") + positional[i];
  }
  return expression;
}

}  // namespace

int RunEval(const TWords& words) {
  const TArguments arguments(words, {{}, {AutoTermsFlag}, {}});
  const std::string usage = "fuzzy eval FILE VARIABLE EXPRESSION";
  arguments.RequirePositional(3, std::numeric_limits<std::size_t>::max(), usage);
  const TWords& positional = arguments.GetPositional();
  const std::string expression = ExpressionOf(positional);
  if (expression.find_first_not_of(" \t") == std::string::npos) {
    throw TUsageError("the expression is empty; usage: " + usage);
  }
  const TDefinitions definitions =
      TDefinitions::Load(positional[0], arguments.HasFlag(AutoTermsFlag));
  TFuzzyVariable* variable = definitions.RequireVariable(positional[1]);
  const TFuzzySet* result = definitions.Evaluate(variable, expression, "", 0);
  std::cout << variable->GetName() << " is " << expression << "\n\n" << SetReport(result);
  return esSuccess;
}

}  // namespace fuzzy::tool

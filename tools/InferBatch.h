// `fuzzy infer --input FILE`: the rule base fired over every row of a TSV or CSV table, one
// output row per input row (inputs, then outputs), "nan" where no rule fired.
#pragma once

#include <iosfwd>
#include <string>

#include "fuzzy/rules/RuleBase.h"

namespace fuzzy::tool {

// Reads the table from `path` ("-": standard input) and writes the results to `out`. A bad row
// raises TCheckFailure with its line; on a terminal a progress line goes to standard error.
void RunBatch(TRuleBase& rules, const std::string& path, std::ostream& out);

}  // namespace fuzzy::tool

// The definitions of one file (or of the built-in example) read into a logic component with its
// parser. Every error it reports names the source and the line.
#pragma once

#include <string>
#include <vector>

#include "fuzzy/formats/FuzzyModel.h"
#include "fuzzy/framework/Object.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "tools/ReportingParser.h"

namespace fuzzy::tool {

class TDefinitions {
 public:
  // Reads the file at `path`. With `autoTerms`, every variable also gets "low", "medium" and
  // "high" where it does not define them. A .fis or FCL file is read as a whole model: its
  // variables, and its rules in GetModelRules (autoTerms does not apply).
  static TDefinitions Load(const std::string& path, bool autoTerms);
  // Reads `text`; `sourceName` stands for the file in messages.
  static TDefinitions FromText(const std::string& text, const std::string& sourceName,
                               bool autoTerms);

  TFuzzyLogic* GetLogic() const { return FLogic.get(); }
  // The rules of a model file, null for a definitions file.
  TRuleBase* GetModelRules() const { return FModelRules.get(); }
  TOwned<TRuleBase> TakeModelRules() { return std::move(FModelRules); }
  TReportingParser* GetParser() const { return FParser.get(); }
  const std::string& GetSourceName() const { return FSourceName; }

  std::vector<TFuzzyVariable*> GetVariables() const;
  // The variable of that name, or null.
  TFuzzyVariable* FindVariable(const std::string& name) const;
  // The variable of that name; TCheckFailure naming the source and the variables it has.
  TFuzzyVariable* RequireVariable(const std::string& name) const;
  // The terms a variable defines, in order (not the sets that evaluation leaves behind).
  static std::vector<TFuzzySet*> GetTerms(const TFuzzyVariable* variable);
  int CountTerms() const;

  // The set `expression` stands for over `variable`'s terms. An error becomes a TCheckFailure
  // quoting the expression, located at `where` and `line` (0: no line) unless `where` is empty.
  TFuzzySet* Evaluate(TFuzzyVariable* variable, const std::string& expression,
                      const std::string& where, int line) const;

 private:
  TDefinitions(std::string sourceName, bool autoTerms);
  // Takes the model's component (its parser becomes ours) and its rules.
  void Adopt(TFuzzyModel model);

  std::string FSourceName;
  // The parser is freed after the component, as anything the component holds may refer to it.
  TOwned<TReportingParser> FParser;
  TOwned<TFuzzyLogic> FLogic;
  // Refers to FLogic, so it goes first.
  TOwned<TRuleBase> FModelRules;
};

}  // namespace fuzzy::tool

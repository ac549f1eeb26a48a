// A model as Python holds it: a logic component read from a model text, its parser and, when
// rules were given, a rule base over the component. Python holds it by shared pointer, from the
// model object and from every variable and outcome made of it, so it lives as long as any of
// them does, in whatever order Python lets go of them.
#pragma once

#include <pybind11/pybind11.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "fuzzy/framework/Object.h"

namespace fuzzy {
class TFuzzyLogic;
class TFuzzyVariable;
class TKWFuzzyLogicParser;
class TRuleBase;
}  // namespace fuzzy

namespace fuzzy::python {

class TPyModel {
 public:
  // Reads `text` in the format of that name; rule text (or the rules the format carries) makes
  // the rule base. Errors raise EPyParseError naming the source.
  static std::shared_ptr<TPyModel> Read(const std::string& format, const std::string& text,
                                        const std::string& source, const std::string* rules,
                                        const std::string& rulesSource, bool autoTerms);
  ~TPyModel();
  TPyModel(const TPyModel&) = delete;
  TPyModel& operator=(const TPyModel&) = delete;

  TFuzzyLogic* GetLogic() const { return FLogic.get(); }
  // Null when the model has no rules.
  TRuleBase* GetRules() const { return FRules.get(); }
  // The rule base; FuzzyError when the model has none.
  TRuleBase& RequireRules() const;
  std::vector<TFuzzyVariable*> GetVariables() const;
  // The variable of that name, or null.
  TFuzzyVariable* FindVariable(const std::string& name) const;
  // The variable of that name; KeyError naming the ones there are.
  TFuzzyVariable* RequireVariable(const std::string& name) const;

  // Whoever uses the component or the rule base holds this, also with the GIL released.
  std::mutex& GetMutex() { return FMutex; }

 private:
  TPyModel();
  void ReadRules(const std::string& text, const std::string& source);

  // Declared in this order, the rules go first and the parser last, as anything the component
  // holds may refer to its parser.
  TOwned<TKWFuzzyLogicParser> FParser;
  TOwned<TFuzzyLogic> FLogic;
  TOwned<TRuleBase> FRules;
  std::mutex FMutex;
};

// Holds a model's mutex; when another thread has it (a batch with the GIL released), waits with
// the GIL released, so that the batch can take it back when it ends.
class TModelLock {
 public:
  explicit TModelLock(TPyModel& model);

 private:
  std::unique_lock<std::mutex> FLock;
};

}  // namespace fuzzy::python

// The abstract parser a logic component is given: it reads definition text into the component
// and writes sets and variables back as text. This is its core, the linked component and the
// writer's entries; reading, evaluation and the built-in set functions come with its full build.
#pragma once

#include <string>

#include "fuzzy/framework/Component.h"

namespace fuzzy {

class TCustomFuzzyLogic;
class TFuzzySet;
class TFuzzyVariable;

class TCustomFuzzyLogicParser : public TComponent {
 public:
  // The component this parser reads into, not owned; whichever goes first unhooks the other.
  TCustomFuzzyLogic* GetFuzzyLogic() const { return FFuzzyLogic; }
  void SetFuzzyLogic(TCustomFuzzyLogic* value);

  // A set as text: its name (asTerm false) or its term definition (asTerm true).
  virtual std::string PrettyPrint(TFuzzySet* fuzzySet, bool asTerm) = 0;
  // The whole definition text of a variable.
  virtual std::string PrettyPrint(TFuzzyVariable* variable) = 0;

  std::string ClassName() const override { return "TCustomFuzzyLogicParser"; }

 protected:
  explicit TCustomFuzzyLogicParser(TComponent* owner) : TComponent(owner) {}

  void Notification(TComponent* component, TOperation operation) override;

 private:
  TCustomFuzzyLogic* FFuzzyLogic = nullptr;
};

}  // namespace fuzzy

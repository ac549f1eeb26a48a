// The fuzzy logic component: owns the linguistic variables and holds the settings the set
// algebra reads through a set's variable (methods, curve resolution, rule threshold) and the
// link to its parser.
// This is the component's core; the events, the Strings and Variables text lists, the automatic
// terms and parsing come with the component's full build.
#pragma once

#include <string>

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/framework/Collection.h"
#include "fuzzy/framework/Component.h"

namespace fuzzy {

class TCustomFuzzyLogicParser;
class TFuzzySet;
class TFuzzyVariable;
class TFuzzyVariables;

class TCustomFuzzyLogic : public TComponent {
 public:
  static TCustomFuzzyLogic* Create(TComponent* owner);

  // The variables, owned.
  TFuzzyVariables* GetItems() const { return FItems; }

  // Number of points of generated curves; never below 2.
  int GetNumFunctionValues() const { return FNumFunctionValues; }
  void SetNumFunctionValues(int value);
  TDefuzzificationMethod GetDefuzzificationMethod() const { return FDefuzzificationMethod; }
  void SetDefuzzificationMethod(TDefuzzificationMethod value) { FDefuzzificationMethod = value; }
  TFuzzyCorrelationMethod GetCorrelationMethod() const { return FCorrelationMethod; }
  void SetCorrelationMethod(TFuzzyCorrelationMethod value) { FCorrelationMethod = value; }
  TFuzzyInferenceMethod GetInferenceMethod() const { return FInferenceMethod; }
  void SetInferenceMethod(TFuzzyInferenceMethod value) { FInferenceMethod = value; }
  // Rule threshold, kept in [0, 1]; a new value calls ThresholdChanged.
  TFzyFloat GetThreshold() const { return FThreshold; }
  void SetThreshold(TFzyFloat value);

  // The parser, not owned; whichever of the two goes first unhooks the other.
  TCustomFuzzyLogicParser* GetParser() const { return FParser; }
  void SetParser(TCustomFuzzyLogicParser* value);

  std::string ClassName() const override { return "TCustomFuzzyLogic"; }
  void AfterConstruction() override;
  // The variables go first (each notified while the component still answers), then the parser
  // link, then the framework's part.
  void BeforeDestruction() override;

 protected:
  explicit TCustomFuzzyLogic(TComponent* owner) : TComponent(owner) {}

  // The variable collection; overridable factory.
  virtual TFuzzyVariables* CreateVariables();
  void Notification(TComponent* component, TOperation operation) override;
  virtual void ThresholdChanged() {}

  // The notifications coming up from the variables and their terms.
  virtual void NotifyVariable(TFuzzyVariable* variable, TCollectionNotification action);
  virtual void NotifyFuzzySet(TFuzzySet* fuzzySet, TCollectionNotification action);
  // `variable` null: the variable collection as a whole changed.
  virtual void UpdateVariable(TFuzzyVariable* variable);
  virtual void UpdateFuzzySet(TFuzzySet* fuzzySet);

 private:
  friend class TFuzzyVariables;

  int FNumFunctionValues = 7;
  TDefuzzificationMethod FDefuzzificationMethod = dmCenterOfGravity;
  TCustomFuzzyLogicParser* FParser = nullptr;
  TFuzzyCorrelationMethod FCorrelationMethod = fcmMinimum;
  TFuzzyInferenceMethod FInferenceMethod = fimMinMax;
  TFzyFloat FThreshold = 0.01;
  TFuzzyVariables* FItems = nullptr;
};

}  // namespace fuzzy

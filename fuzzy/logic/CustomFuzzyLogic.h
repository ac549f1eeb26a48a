// The common part of the logic components of both models: the settings the set algebra reads
// through a set's variable (methods, curve resolution, rule threshold), the link to a parser,
// and the definition text of all variables, parsed by that parser and rebuilt lazily from the
// variables once they have changed.
#pragma once

#include <string>
#include <utility>

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/framework/Component.h"
#include "fuzzy/framework/Strings.h"
#include "fuzzy/sets/FuzzyShape.h"

namespace fuzzy {

class TCustomFuzzyLogicParser;

class TCustomFuzzyLogic : public TComponent {
 public:
  static TCustomFuzzyLogic* Create(TComponent* owner);

  // ---- Settings ----------------------------------------------------------------------------
  // Number of points of generated curves; never below 2.
  int GetNumFunctionValues() const { return FNumFunctionValues; }
  void SetNumFunctionValues(int value);
  // How far the points of a sampled curve (gauss, bell, sigmoid ...) may stray from its
  // formula, as a share of its height; kept in [1e-6, 0.5], 1e-3 by default.
  TFzyFloat GetShapeTolerance() const { return FShapeTolerance; }
  void SetShapeTolerance(TFzyFloat value);
  TDefuzzificationMethod GetDefuzzificationMethod() const { return FDefuzzificationMethod; }
  void SetDefuzzificationMethod(TDefuzzificationMethod value) { FDefuzzificationMethod = value; }
  TFuzzyCorrelationMethod GetCorrelationMethod() const { return FCorrelationMethod; }
  void SetCorrelationMethod(TFuzzyCorrelationMethod value) { FCorrelationMethod = value; }
  TFuzzyInferenceMethod GetInferenceMethod() const { return FInferenceMethod; }
  void SetInferenceMethod(TFuzzyInferenceMethod value) { FInferenceMethod = value; }
  // Rule threshold, kept in [0, 1]; a new value calls ThresholdChanged and raises no event.
  TFzyFloat GetThreshold() const { return FThreshold; }
  void SetThreshold(TFzyFloat value);
  // Whether every new variable gets the terms "low", "medium" and "high".
  bool GetAutoTerms() const { return FAutoTerms; }
  void SetAutoTerms(bool value) { FAutoTerms = value; }
  // The variables as a whole changed.
  const TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = std::move(value); }

  // ---- The parser --------------------------------------------------------------------------
  // Not owned; whichever of the two goes first unhooks the other.
  TCustomFuzzyLogicParser* GetParser() const { return FParser; }
  void SetParser(TCustomFuzzyLogicParser* value);

  // ---- Text --------------------------------------------------------------------------------
  // The definition text of all variables; rebuilt first (UpdateStrings) when the variables
  // changed since it was last parsed or rebuilt, which is why reading it is not const.
  TStrings* GetStrings();
  // Takes the text of `value` and parses it, replacing the variables. Without a parser
  // (outside loading) it raises before the text is touched.
  void SetStrings(TStrings* value);
  bool GetStringsStale() const { return FStringsStale; }
  // Names for the application's own use; the library never fills it. Case-insensitive.
  TStrings* GetVariables() const { return FVariables.get(); }
  void SetVariables(TStrings* value);

  // Rebuilds Strings from the variables (the descendants do the writing). Without a parser
  // (outside loading) it raises SParserUnassigned and Strings stays stale.
  virtual void UpdateStrings();
  // Hands the text of Strings to the parser; nothing while loading; SParserUnassigned without
  // a parser.
  virtual void Parse();

  std::string ClassName() const override { return "TCustomFuzzyLogic"; }
  // Drops the parser link, then the framework's part (free notifications, owned components).
  void BeforeDestruction() override;

 protected:
  explicit TCustomFuzzyLogic(TComponent* owner);

  // A parser going away clears Parser.
  void Notification(TComponent* component, TOperation operation) override;
  // The threshold took a new value.
  virtual void ThresholdChanged() {}

  void SetStringsStale(bool value) { FStringsStale = value; }
  // Raises SParserUnassigned when there is no parser and the component is not loading.
  void CheckParser() const;
  // The text buffer itself, without the lazy rebuild.
  TStrings* GetStringsBuffer() const { return FStrings.get(); }

 private:
  int FNumFunctionValues = 7;
  TFzyFloat FShapeTolerance = DefaultShapeTolerance;
  TNotifyEvent FOnChange;
  TDefuzzificationMethod FDefuzzificationMethod = dmCenterOfGravity;
  TCustomFuzzyLogicParser* FParser = nullptr;
  TOwned<TStringList> FStrings;
  bool FStringsStale = false;
  TOwned<TStringList> FVariables;
  bool FAutoTerms = true;
  TFuzzyCorrelationMethod FCorrelationMethod = fcmMinimum;
  TFuzzyInferenceMethod FInferenceMethod = fimMinMax;
  TFzyFloat FThreshold = 0.01;
};

}  // namespace fuzzy

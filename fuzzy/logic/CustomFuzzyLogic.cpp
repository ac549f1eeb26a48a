#include "fuzzy/logic/CustomFuzzyLogic.h"

#include <algorithm>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/framework/FirstError.h"
#include "fuzzy/logic/FuzzyLogicParser.h"

namespace fuzzy {

TCustomFuzzyLogic* TCustomFuzzyLogic::Create(TComponent* owner) {
  return Constructed(new TCustomFuzzyLogic(owner));
}

TCustomFuzzyLogic::TCustomFuzzyLogic(TComponent* owner)
    : TComponent(owner),
      FStrings(Own(TStringList::Create())),
      FVariables(Own(TStringList::Create())) {
  FVariables->SetCaseSensitive(false);
}

void TCustomFuzzyLogic::BeforeDestruction() {
  TFirstError error;
  error.Run([this] { SetParser(nullptr); });
  error.Run([this] { TComponent::BeforeDestruction(); });
  error.Rethrow();
}

// ---- settings --------------------------------------------------------------------------------

void TCustomFuzzyLogic::SetShapeTolerance(TFzyFloat value) {
  // A NaN would be kept by clamp; it means no setting at all.
  if (!(value == value)) return;
  FShapeTolerance = std::clamp(value, 1e-6, 0.5);
}

void TCustomFuzzyLogic::SetNumFunctionValues(int value) {
  FNumFunctionValues = std::max(value, 2);
}

void TCustomFuzzyLogic::SetThreshold(TFzyFloat value) {
  if (value == FThreshold) return;
  FThreshold = std::clamp(value, 0.0, 1.0);
  ThresholdChanged();
}

// ---- the parser link -------------------------------------------------------------------------

void TCustomFuzzyLogic::SetParser(TCustomFuzzyLogicParser* value) {
  if (value == FParser) return;
  TCustomFuzzyLogicParser* old = FParser;
  FParser = value;
  // One link serves both directions: it stays while the old parser still reads into us.
  if (old != nullptr && old->GetFuzzyLogic() != this) RemoveFreeNotification(old);
  if (value != nullptr) FreeNotification(value);
}

void TCustomFuzzyLogic::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component != nullptr && component == FParser) SetParser(nullptr);
}

// ---- text ------------------------------------------------------------------------------------

TStrings* TCustomFuzzyLogic::GetStrings() {
  if (FStringsStale) UpdateStrings();
  return FStrings.get();
}

void TCustomFuzzyLogic::SetStrings(TStrings* value) {
  // Checked before the text is taken, so that a refused text leaves the old one in place.
  CheckParser();
  FStrings->Assign(value);
  Parse();
}

void TCustomFuzzyLogic::SetVariables(TStrings* value) {
  FVariables->Assign(value);
}

void TCustomFuzzyLogic::CheckParser() const {
  if (!IsLoading() && FParser == nullptr) throw EFzyException(SParserUnassigned);
}

void TCustomFuzzyLogic::UpdateStrings() {
  // The check comes first: a read that failed for want of a parser must not make the old text
  // pass for current on the next read.
  CheckParser();
  FStringsStale = false;
}

void TCustomFuzzyLogic::Parse() {
  if (IsLoading()) return;
  CheckParser();
  const std::string text = GetStrings()->GetText();
  FParser->Parse(text);
  FStringsStale = false;
}

}  // namespace fuzzy

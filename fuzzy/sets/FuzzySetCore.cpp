// TFuzzySet: construction and destruction, copying, naming, the owner chain, change
// notification from the point list, the crisp value and the two text forms.
#include <string>

#include "fuzzy/framework/Downcast.h"
#include "fuzzy/framework/FirstError.h"
#include "fuzzy/logic/CustomFuzzyLogic.h"
#include "fuzzy/logic/FuzzyLogicParser.h"
#include "fuzzy/logic/FuzzySets.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

// A free-standing set spans the widest range a 32-bit position can name.
constexpr TFzyFloat FreeRangeBound = 2147483647.0;

TFuzzyVariable* VariableOf(TCollection* collection) {
  auto* sets = Downcast<TFuzzySets>(collection);
  return sets == nullptr ? nullptr : sets->GetVariable();
}

// A set made while its component is being designed is a defined term of its variable.
bool IsDesigningCollection(TCollection* collection) {
  TFuzzyVariable* variable = VariableOf(collection);
  TCustomFuzzyLogic* fuzzy = variable == nullptr ? nullptr : variable->GetFuzzy();
  return fuzzy != nullptr && fuzzy->IsDesigning();
}

}  // namespace

// ---- Construction and destruction -------------------------------------------------------

TFuzzySet::TFuzzySet(TCollection* collection)
    : TGCollectionItem(collection), FDefined(IsDesigningCollection(collection)) {}

TFuzzySet* TFuzzySet::Create(TCollection* collection) {
  return Constructed(new TFuzzySet(collection));
}

TFuzzySetClass TFuzzySet::GetClassType() const {
  return TFuzzySetClass::Of<TFuzzySet>();
}

TFuzzySetValues* TFuzzySet::CreateValues() {
  return TFuzzySetValues::Create(this);
}

void TFuzzySet::AfterConstruction() {
  FValues = CreateValues();
  TGCollectionItem::AfterConstruction();
}

void TFuzzySet::BeforeDestruction() {
  // The set leaves its collection first, so that a removal handler still meets its points;
  // the points go even when such a handler raises.
  TFirstError error;
  error.Run([this] { TGCollectionItem::BeforeDestruction(); });
  error.Run([this] { FreeAndNil(FValues); });
  error.Rethrow();
}

TFuzzySet::~TFuzzySet() {
  FreeObject(FValues);
}

// ---- Copying ----------------------------------------------------------------------------

void TFuzzySet::Assign(TPersistent* source) {
  auto* other = Downcast<TFuzzySet>(source);
  if (other == nullptr) {
    TGCollectionItem::Assign(source);
    return;
  }
  FName = other->FName;
  // Copying the points resets type and expression, so theirs are taken afterwards.
  SetValues(other->FValues);
  FSetType = other->FSetType;
  FShape = other->FShape;
  FInflectionPoint = other->FInflectionPoint;
  FExpression = other->FExpression;
  Changed(false);
}

TFuzzySet* TFuzzySet::Clone() {
  TFuzzyVariable* variable = GetVariable();
  TCollection* target = variable == nullptr ? nullptr : variable->GetItems();
  TFuzzySet* copy = GetClassType().Create(target);
  try {
    copy->Assign(this);
  } catch (...) {
    copy->Free();
    throw;
  }
  return copy;
}

void TFuzzySet::SetValues(TFuzzySetValues* value) {
  FValues->Assign(value);
}

// ---- Names and texts --------------------------------------------------------------------

void TFuzzySet::SetName(const std::string& value) {
  SetNameText(TFuzzyText(value));
}

// No reserved word holds a blank, so a compound name needs no look.
void TFuzzySet::SetNameText(const TFuzzyText& value) {
  if (value.Equals(FName)) return;
  if (!value.HasBlank()) {
    const std::string name = value.ToString();
    if (IsReservedFuzzyName(name)) throw EFzyException::CreateFmt(SInvalidFuzzySetName, name);
  }
  FName = value;
  Changed(false);
}

void TFuzzySet::SetComment(const std::string& value) {
  if (value == FComment) return;
  FComment = value;
  Changed(false);
}

std::string TFuzzySet::GetDisplayName() const {
  return FName.IsEmpty() ? TCollectionItem::GetDisplayName() : FName.ToString();
}

// ---- Owner chain ------------------------------------------------------------------------

TFuzzySets* TFuzzySet::GetCollection() const {
  return FCollectionView.Of(*this);
}

TFuzzyVariable* TFuzzySet::GetVariable() const {
  const TFuzzySets* sets = GetCollection();
  return sets == nullptr ? nullptr : sets->GetVariable();
}

TCustomFuzzyLogic* TFuzzySet::GetFuzzyLogic() const {
  TFuzzyVariable* variable = GetVariable();
  return variable == nullptr ? nullptr : variable->GetFuzzy();
}

int TFuzzySet::GetNumFunctionValues() const {
  constexpr int DefaultFunctionValues = 7;
  TCustomFuzzyLogic* fuzzy = GetFuzzyLogic();
  return fuzzy == nullptr ? DefaultFunctionValues : fuzzy->GetNumFunctionValues();
}

TFzyFloat TFuzzySet::GetXRange(int index) const {
  if (index != 0 && index != 1) throw EFzyException::CreateFmt(SInvalidXRangeIndex, index);
  TFuzzyVariable* variable = GetVariable();
  if (index == 0) return variable == nullptr ? FreeRangeBound : variable->GetMaximum();
  return variable == nullptr ? -FreeRangeBound : variable->GetMinimum();
}

// ---- Change notification ----------------------------------------------------------------

void TFuzzySet::UpdateFuzzySetValue(TFuzzySetValue* value) {
  (void)value;
  UpdateFuzzySetValues();
}

void TFuzzySet::UpdateFuzzySetValues() {
  // Reset before reporting: a handler then reads the set as it now is, and one that raises
  // cannot leave a stale shape type or expression behind.
  FSetType = fstUserDefined;
  FExpression = TFuzzyText();
  if (FShape.Kind != fskNone) FShape = TFuzzyShape();
  Changed(false);
}

// ---- Crisp value and text ---------------------------------------------------------------

void TFuzzySet::CreateCrispValue(TFzyFloat x) {
  TCollectionUpdate batch(FValues);
  FValues->Clear();
  // The triangle (x, x, x); the batch's end makes the set user-defined.
  const TFuzzyPoint spike[] = {{x, 0.0}, {x, 1.0}, {x, 0.0}};
  FValues->AddPoints(spike);
  batch.End();
  FExpression = TFuzzyText(FuzzyNumberText(x));
}

// Built by appending: GCC 12 misreads "(" + a temporary string as an overlapping copy.
void TFuzzySet::AppendPointPairs(std::string& text) const {
  static const std::string pairFormat = std::string(FuzzyFormatStr) + " " + FuzzyFormatStr;
  for (TFuzzySetValue* point : *FValues) {
    text += '(';
    text += Format(pairFormat, point->GetX(), point->GetY());
    text += ") ";
  }
}

std::string TFuzzySet::GetValuesToString() const {
  std::string text = "(";
  AppendPointPairs(text);
  return text += ')';
}

std::string TFuzzySet::ToString() const {
  TCustomFuzzyLogic* fuzzy = GetFuzzyLogic();
  TCustomFuzzyLogicParser* parser = fuzzy == nullptr ? nullptr : fuzzy->GetParser();
  // The parser only reads the set; its entry takes a plain pointer like every writer entry.
  if (parser != nullptr) return parser->PrettyPrint(const_cast<TFuzzySet*>(this), false);
  std::string text = "(";
  text += FName.ToString();
  text += ' ';
  AppendPointPairs(text);
  return text += ')';
}

}  // namespace fuzzy

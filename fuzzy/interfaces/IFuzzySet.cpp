// TIFuzzySet: construction and identity, membership in a variable's term table, the X range,
// point access by index, change notification to the variable, and the point-list operations.
#include "fuzzy/interfaces/IFuzzySet.h"

#include <atomic>
#include <utility>

namespace fuzzy {

namespace {

// The widest range a 32-bit position can name: the ends of a set without variable and points.
constexpr TFzyFloat FreeRangeBound = 2147483647.0;

std::atomic<int> UniqueCounter{0};

}  // namespace

int GetUniqueID() {
  return UniqueCounter.fetch_add(1, std::memory_order_relaxed) + 1;
}

// ---- Construction and identity ---------------------------------------------------------------

TIFuzzySet::TIFuzzySet(const IPtr<IFuzzyVariable>& variable, const std::string& name)
    : TInterfaced<TFuzzySet>(nullptr), FInitialVariable(variable), FInitialName(name) {}

TIFuzzySet::~TIFuzzySet() = default;

TIFuzzySet* TIFuzzySet::Create(const IPtr<IFuzzyVariable>& variable, const std::string& name) {
  return Constructed(new TIFuzzySet(variable, name));
}

void TIFuzzySet::AfterConstruction() {
  TInterfaced<TFuzzySet>::AfterConstruction();
  // A new set is not Defined, so linking it enters no table.
  SetName(std::exchange(FInitialName, std::string()));
  SetVariable(std::exchange(FInitialVariable, nullptr));
}

TIFuzzySetClass TIFuzzySet::GetIFuzzySetClass() const {
  return TIFuzzySetClass::Of<TIFuzzySet>();
}

HResult TIFuzzySet::QueryInterface(const TGUID& iid, void** object) {
  if (QueryInterfaces<IFuzzySet, ICloneable>(this, iid, object) == S_OK) return S_OK;
  return TInterfaced<TFuzzySet>::QueryInterface(iid, object);
}

TFuzzySetValues* TIFuzzySet::CreateValues() {
  return TIFSValues::Create(this);
}

IPtr<TIFuzzySet> TIFuzzySet::NewSet(const IPtr<IFuzzyVariable>& variable,
                                    const std::string& name) const {
  return IPtr<TIFuzzySet>(GetIFuzzySetClass().Create(variable, name));
}

IPtr<IFuzzySet> TIFuzzySet::Self() const {
  return IPtr<IFuzzySet>(const_cast<TIFuzzySet*>(this));
}

// ---- Membership in a variable ----------------------------------------------------------------

void TIFuzzySet::LeaveTable() {
  if (!FVariable) return;
  const IPtr<IFuzzySet> entry = FVariable->ContainsFuzzySet(GetName());
  if (entry.get() == static_cast<const IFuzzySet*>(this)) FVariable->Remove(Self());
}

void TIFuzzySet::EnterTable() {
  if (FVariable) FVariable->Add(Self());
}

void TIFuzzySet::SetVariable(const IPtr<IFuzzyVariable>& value) {
  if (value == FVariable) return;
  LeaveTable();
  // The old variable goes only at the end: releasing it may free it and its other terms.
  const IPtr<IFuzzyVariable> previous = std::exchange(FVariable, value);
  if (!FVariable) return;
  // The parser first, so that a handler of the table's events already sees the set's text.
  FParser = FVariable->GetParser();
  if (GetDefined()) FVariable->Add(Self());
}

void TIFuzzySet::SetNameText(const TFuzzyText& value) {
  if (value.Equals(GetNameText())) return;
  // Out of the table under the old name; a reserved word raises before it can enter again.
  LeaveTable();
  TFuzzySet::SetNameText(value);
  EnterTable();
}

std::string TIFuzzySet::ToString() const {
  if (FParser) return FParser->PrettyPrint(Self(), false);
  return TFuzzySet::ToString();
}

// ---- X range and points --------------------------------------------------------------------

TIFSValues* TIFuzzySet::GetValues() const {
  return static_cast<TIFSValues*>(TFuzzySet::GetValues());
}

TFzyFloat TIFuzzySet::GetXRange(int index) const {
  if (!FVariable) return TFuzzySet::GetXRange(index);
  if (index == 0) return FVariable->GetMaximum();
  if (index == 1) return FVariable->GetMinimum();
  throw EFzyException::CreateFmt(SInvalidXRangeIndex, index);
}

TFzyFloat TIFuzzySet::GetXMaximum() const {
  if (FVariable) return FVariable->GetMaximum();
  const TIFSValues* points = GetValues();
  if (points->GetCount() == 0) return FreeRangeBound;
  return points->GetItem(points->GetCount() - 1)->GetX();
}

TFzyFloat TIFuzzySet::GetXMinimum() const {
  if (FVariable) return FVariable->GetMinimum();
  const TIFSValues* points = GetValues();
  if (points->GetCount() == 0) return -FreeRangeBound;
  return points->GetItem(0)->GetX();
}

TFzyFloat TIFuzzySet::GetXValues(int index) const {
  return GetValues()->GetItem(index)->GetX();
}

void TIFuzzySet::SetXValues(int index, TFzyFloat value) {
  GetValues()->GetItem(index)->SetX(value);
}

TFzyFloat TIFuzzySet::GetYValues(int index) const {
  return GetValues()->GetItem(index)->GetY();
}

void TIFuzzySet::SetYValues(int index, TFzyFloat value) {
  GetValues()->GetItem(index)->SetY(value);
}

void TIFuzzySet::UpdateFuzzySetValues() {
  TFuzzySet::UpdateFuzzySetValues();
  if (FVariable) FVariable->FuzzySetChanged(Self());
}

// ---- The point list ----------------------------------------------------------------------------

int TIFuzzySet::GetCount() const {
  return GetValues()->GetCount();
}

void TIFuzzySet::Append(const IPtr<IFuzzySet>& source) {
  GetValues()->Append(source);
}

void TIFuzzySet::Append(const IPtr<IFuzzySet>& source, int start, int count) {
  GetValues()->Append(source, start, count);
}

void TIFuzzySet::AssignValues(const IPtr<IFuzzySet>& source) {
  GetValues()->AssignValues(source);
}

int TIFuzzySet::Add(TFzyFloat x, TFzyFloat y) {
  return GetValues()->Add(x, y);
}

void TIFuzzySet::BeginUpdate() {
  GetValues()->BeginUpdate();
}

void TIFuzzySet::Clear() {
  GetValues()->Clear();
}

void TIFuzzySet::Delete(int index) {
  GetValues()->Delete(index);
}

void TIFuzzySet::EndUpdate() {
  GetValues()->EndUpdate();
}

int TIFuzzySet::Insert(int index, TFzyFloat x, TFzyFloat y) {
  return GetValues()->Insert(index, x, y);
}

void TIFuzzySet::Expand(int count) {
  GetValues()->Expand(count);
}

TFzyFloat TIFuzzySet::GetMaxValue() const {
  return GetValues()->GetMaxValue();
}

TFzyFloat TIFuzzySet::GetMinValue() const {
  return GetValues()->GetMinValue();
}

int TIFuzzySet::SkipX(int start, TFzyFloat value, int direction) const {
  return GetValues()->SkipX(start, value, direction);
}

int TIFuzzySet::SkipY(int start, TFzyFloat value, int direction) const {
  return GetValues()->SkipY(start, value, direction);
}

// ---- Shapes and membership: the object model's
// ---------------------------------------------------

void TIFuzzySet::CreateTriangleFunctionValues(TFzyFloat left, TFzyFloat middle, TFzyFloat right) {
  TFuzzySet::CreateTriangleFunctionValues(left, middle, right);
}

void TIFuzzySet::CreateCurveValues(int count, TFzyFloat left, TFzyFloat right,
                                   TFzyFloat inflectionPoint, bool growth) {
  TFuzzySet::CreateCurveValues(count, left, right, inflectionPoint, growth);
}

void TIFuzzySet::CreatePIFunctionValues(int count, TFzyFloat left, TFzyFloat right,
                                        TFzyFloat center) {
  TFuzzySet::CreatePIFunctionValues(count, left, right, center);
}

void TIFuzzySet::CreatePIFunctionValues(int count, TFzyFloat range, TFzyFloat center) {
  TFuzzySet::CreatePIFunctionValues(count, range, center);
}

void TIFuzzySet::CreateBetaCurveFunctionValues(int count, TFzyFloat range, TFzyFloat center,
                                               TFzyFloat inflectionPoint) {
  TFuzzySet::CreateBetaCurveFunctionValues(count, range, center, inflectionPoint);
}

void TIFuzzySet::CreateBetaCurveFunctionValues(int count, TFzyFloat range, TFzyFloat center,
                                               TFzyFloat inflectionPoint, TFzyFloat weight) {
  TFuzzySet::CreateBetaCurveFunctionValues(count, range, center, inflectionPoint, weight);
}

TFzyFloat TIFuzzySet::DegreeOfMembership(TFzyFloat x) const {
  return TFuzzySet::DegreeOfMembership(x);
}

bool TIFuzzySet::LineSegmentIntersects(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2,
                                       TFzyFloat x3, TFzyFloat y3, TFzyFloat x4, TFzyFloat y4,
                                       TFzyFloat& x, TFzyFloat& y) const {
  return TFuzzySet::LineSegmentIntersects(x1, y1, x2, y2, x3, y3, x4, y4, x, y);
}

}  // namespace fuzzy

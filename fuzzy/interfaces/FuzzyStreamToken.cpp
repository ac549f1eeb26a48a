#include "fuzzy/interfaces/FuzzyStreamToken.h"

#include <utility>

#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

HResult TFuzzyStreamToken::QueryInterface(const TGUID& iid, void** object) {
  if (QueryInterfaces<IFuzzyStreamToken>(this, iid, object) == S_OK) return S_OK;
  return TBaseStreamToken::QueryInterface(iid, object);
}

IPtr<IFuzzySet> TFuzzyStreamToken::GetFuzzySetIntf() const {
  return InterfaceCast<IFuzzySet>(FIntfValue);
}

IPtr<IFuzzyStreamTokenList> TFuzzyStreamToken::GetList() const {
  return InterfaceCast<IFuzzyStreamTokenList>(FIntfValue);
}

void TFuzzyStreamToken::SetInterfaceSlot(const IPtr<IInterface>& value,
                                         TFuzzyStreamTokenType kind) {
  // The kind goes first: releasing the old reference may run arbitrary code, which then already
  // sees a consistent token.
  SetDataType(value ? kind : fstNone);
  IPtr<IInterface> doomed = std::exchange(FIntfValue, value);
}

void TFuzzyStreamToken::SetIntfValue(const IPtr<IInterface>& value) {
  SetInterfaceSlot(value, fstInterface);
}

void TFuzzyStreamToken::SetList(const IPtr<IFuzzyStreamTokenList>& value) {
  SetInterfaceSlot(value, fstList);
}

void TFuzzyStreamToken::SetFuzzySetIntf(const IPtr<IFuzzySet>& value) {
  SetInterfaceSlot(value, fstIFuzzySet);
}

TFuzzySet* TFuzzyStreamToken::GetFuzzySet() const {
  return dynamic_cast<TFuzzySet*>(FObjValue);
}

void TFuzzyStreamToken::SetObjectSlot(TObject* value, TFuzzyStreamTokenType kind) {
  FObjValue = value;
  SetDataType(value != nullptr ? kind : fstNone);
}

void TFuzzyStreamToken::SetObjValue(TObject* value) {
  SetObjectSlot(value, fstObject);
}

void TFuzzyStreamToken::SetFuzzySet(TFuzzySet* value) {
  SetObjectSlot(value, fstFuzzySet);
}

std::string TFuzzyStreamToken::ToString() const {
  switch (GetDataType()) {
    case fstInterface:
      return "<interface>";
    case fstList:
      if (const IPtr<IFuzzyStreamTokenList> list = GetList()) return list->ToString();
      break;
    case fstIFuzzySet:
      if (const IPtr<IFuzzySet> set = GetFuzzySetIntf()) return set->ToString();
      break;
    case fstObject:
      return "<object>";
    case fstFuzzySet:
      if (const TFuzzySet* set = GetFuzzySet()) return set->GetExpression();
      break;
    default:
      break;
  }
  return TBaseStreamToken::ToString();
}

IPtr<TBaseStreamToken> TFuzzyStreamToken::NewToken() const {
  return TFuzzyStreamToken::Create();
}

void TFuzzyStreamToken::AssignToken(const IBaseStreamToken& source) {
  TBaseStreamToken::AssignToken(source);
  const auto* fuzzy = dynamic_cast<const IFuzzyStreamToken*>(&source);
  FIntfValue = fuzzy != nullptr ? fuzzy->GetIntfValue() : nullptr;
  FObjValue = fuzzy != nullptr ? fuzzy->GetObjValue() : nullptr;
}

}  // namespace fuzzy

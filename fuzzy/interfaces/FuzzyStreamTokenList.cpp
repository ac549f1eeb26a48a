#include "fuzzy/interfaces/FuzzyStreamTokenList.h"

namespace fuzzy {

HResult TFuzzyStreamTokenList::QueryInterface(const TGUID& iid, void** object) {
  if (QueryInterfaces<IFuzzyStreamTokenList>(this, iid, object) == S_OK) return S_OK;
  return TBaseStreamTokenList::QueryInterface(iid, object);
}

IPtr<IFuzzyStreamToken> TFuzzyStreamTokenList::Get(int index) const {
  return InterfaceCast<IFuzzyStreamToken>(GetBaseStreamToken(index));
}

void TFuzzyStreamTokenList::Put(int index, const IPtr<IFuzzyStreamToken>& token) {
  PutBaseStreamToken(index, token);
}

bool TFuzzyStreamTokenList::Equals(const IPtr<IFuzzyStreamTokenList>& other) const {
  return TBaseStreamTokenList::Equals(IPtr<IInterface>(other));
}

int TFuzzyStreamTokenList::Add(const IPtr<IFuzzyStreamToken>& token) {
  return TBaseStreamTokenList::Add(token);
}

IPtr<IFuzzyStreamToken> TFuzzyStreamTokenList::First() const {
  return InterfaceCast<IFuzzyStreamToken>(FirstBaseStreamToken());
}

int TFuzzyStreamTokenList::IndexOf(const IPtr<IFuzzyStreamToken>& token) const {
  return TBaseStreamTokenList::IndexOf(token);
}

void TFuzzyStreamTokenList::Insert(int index, const IPtr<IFuzzyStreamToken>& token) {
  TBaseStreamTokenList::Insert(index, token);
}

IPtr<IFuzzyStreamToken> TFuzzyStreamTokenList::Last() const {
  return InterfaceCast<IFuzzyStreamToken>(LastBaseStreamToken());
}

void TFuzzyStreamTokenList::Append(const IPtr<IFuzzyStreamToken>& token) {
  TBaseStreamTokenList::Append(IPtr<IBaseStreamToken>(token));
}

int TFuzzyStreamTokenList::Remove(const IPtr<IFuzzyStreamToken>& token) {
  return TBaseStreamTokenList::Remove(token);
}

IPtr<TBaseStreamTokenList> TFuzzyStreamTokenList::NewList() const {
  return TFuzzyStreamTokenList::Create();
}

}  // namespace fuzzy

#include "fuzzy/framework/StreamToken.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {

namespace {

// Whole numbers print as digits; a value beyond the range of long long cannot be converted
// without undefined behaviour, so it prints like a float.
std::string IntegerText(double number) {
  constexpr double kLimit = 9.2e18;
  if (std::isfinite(number) && std::fabs(number) < kLimit) {
    return IntToStr(static_cast<long long>(number));
  }
  return FloatToStr(number);
}

// Copies of a list's tokens, made by each token's own Clone.
std::vector<IPtr<IBaseStreamToken>> CopiesOf(const IBaseStreamTokenList& list) {
  std::vector<IPtr<IBaseStreamToken>> copies;
  for (int i = 0; i < list.GetCount(); ++i) {
    const IPtr<IBaseStreamToken> token = list.GetBaseStreamToken(i);
    copies.push_back(token ? InterfaceCast<IBaseStreamToken>(token->Clone()) : nullptr);
  }
  return copies;
}

}  // namespace

// ---- TBaseStreamToken ----

TBaseStreamToken::TBaseStreamToken(int dataType, std::string text, double number)
    : FDataType(dataType), FNumber(number), FText(std::move(text)) {}

HResult TBaseStreamToken::QueryInterface(const TGUID& iid, void** object) {
  if (QueryInterfaces<IBaseStreamToken, ICloneable>(this, iid, object) == S_OK) return S_OK;
  return TInterfacedObject::QueryInterface(iid, object);
}

void TBaseStreamToken::Assign(const IPtr<IInterface>& source) {
  const IPtr<IBaseStreamToken> token = InterfaceCast<IBaseStreamToken>(source);
  if (!token) throw EConvertError::CannotAssign(ClassNameOf(source.get()), ClassName());
  AssignToken(*token);
}

void TBaseStreamToken::AssignToken(const IBaseStreamToken& source) {
  FDataType = source.GetDataType();
  FLineNumber = source.GetLineNumber();
  FNumber = source.GetNumber();
  FText = source.GetText();
  FWhitespace = source.GetWhitespace();
  FTag = source.GetTag();
}

IPtr<TBaseStreamToken> TBaseStreamToken::NewToken() const {
  return TBaseStreamToken::Create();
}

IPtr<IInterface> TBaseStreamToken::Clone() const {
  IPtr<TBaseStreamToken> copy = NewToken();
  copy->AssignToken(*this);
  return copy;
}

bool TBaseStreamToken::Equals(const IPtr<IInterface>& other) const {
  const IPtr<IBaseStreamToken> token = InterfaceCast<IBaseStreamToken>(other);
  return token && token->GetDataType() == FDataType && token->GetText() == FText &&
         token->GetNumber() == FNumber;
}

std::string TBaseStreamToken::ToString() const {
  switch (FDataType) {
    case btEndOfInput:
      return "EOF";
    case btInteger:
      return IntegerText(FNumber);
    case btFloat:
      return FloatToStr(FNumber);
    case btVariable:
      return "?" + FText;
    default:
      return FText;
  }
}

// ---- TBaseStreamTokenList ----

HResult TBaseStreamTokenList::QueryInterface(const TGUID& iid, void** object) {
  if (QueryInterfaces<IBaseStreamTokenList, ICloneable>(this, iid, object) == S_OK) return S_OK;
  return TInterfacedObject::QueryInterface(iid, object);
}

void TBaseStreamTokenList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) throw EListError::IndexOutOfBounds(index);
}

int TBaseStreamTokenList::Add(const IPtr<IBaseStreamToken>& token) {
  FItems.push_back(token);
  return GetCount() - 1;
}

void TBaseStreamTokenList::Append(const IPtr<IBaseStreamTokenList>& tokens) {
  if (!tokens) return;
  // Counted first, so appending a list to itself doubles it once instead of running away.
  const int count = tokens->GetCount();
  for (int i = 0; i < count; ++i) Add(tokens->GetBaseStreamToken(i));
}

void TBaseStreamTokenList::Insert(int index, const IPtr<IBaseStreamToken>& token) {
  if (index < 0 || index > GetCount()) throw EListError::IndexOutOfBounds(index);
  FItems.insert(FItems.begin() + index, token);
}

// Replaced and deleted tokens are released only once the list is consistent again.
void TBaseStreamTokenList::PutBaseStreamToken(int index, const IPtr<IBaseStreamToken>& token) {
  CheckIndex(index);
  IPtr<IBaseStreamToken> doomed = std::exchange(FItems[index], token);
}

IPtr<IBaseStreamToken> TBaseStreamTokenList::GetBaseStreamToken(int index) const {
  CheckIndex(index);
  return FItems[index];
}

IPtr<IBaseStreamToken> TBaseStreamTokenList::FirstBaseStreamToken() const {
  return FItems.empty() ? nullptr : FItems.front();
}

IPtr<IBaseStreamToken> TBaseStreamTokenList::LastBaseStreamToken() const {
  return FItems.empty() ? nullptr : FItems.back();
}

int TBaseStreamTokenList::IndexOf(const IPtr<IBaseStreamToken>& token) const {
  const auto found = std::find(FItems.begin(), FItems.end(), token);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

int TBaseStreamTokenList::Remove(const IPtr<IBaseStreamToken>& token) {
  const int index = IndexOf(token);
  if (index >= 0) Delete(index);
  return index;
}

void TBaseStreamTokenList::Delete(int index) {
  CheckIndex(index);
  IPtr<IBaseStreamToken> doomed = std::move(FItems[index]);
  FItems.erase(FItems.begin() + index);
}

void TBaseStreamTokenList::Clear() {
  std::vector<IPtr<IBaseStreamToken>> doomed;
  doomed.swap(FItems);
}

void TBaseStreamTokenList::Assign(const IPtr<IInterface>& source) {
  const IPtr<IBaseStreamTokenList> list = InterfaceCast<IBaseStreamTokenList>(source);
  if (!list) throw EConvertError::CannotAssign(ClassNameOf(source.get()), ClassName());
  // Copied before anything is replaced, so assigning a list from itself keeps its tokens.
  std::vector<IPtr<IBaseStreamToken>> copies = CopiesOf(*list);
  FTag = list->GetTag();
  FItems.swap(copies);
}

IPtr<TBaseStreamTokenList> TBaseStreamTokenList::NewList() const {
  return TBaseStreamTokenList::Create();
}

IPtr<IInterface> TBaseStreamTokenList::Clone() const {
  IPtr<TBaseStreamTokenList> copy = NewList();
  copy->FItems = CopiesOf(*this);
  copy->FTag = FTag;
  return copy;
}

bool TBaseStreamTokenList::Equals(const IPtr<IInterface>& other) const {
  const IPtr<IBaseStreamTokenList> list = InterfaceCast<IBaseStreamTokenList>(other);
  if (!list || list->GetCount() != GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i) {
    const IPtr<IBaseStreamToken> theirs = list->GetBaseStreamToken(i);
    const IPtr<IBaseStreamToken>& mine = FItems[i];
    if (!mine || !theirs ? mine != theirs : !mine->Equals(theirs)) return false;
  }
  return true;
}

std::string TBaseStreamTokenList::ToString() const {
  std::string text = "(";
  for (std::size_t i = 0; i < FItems.size(); ++i) {
    if (i > 0) text += ' ';
    if (FItems[i]) text += FItems[i]->ToString();
  }
  return text + ")";
}

}  // namespace fuzzy

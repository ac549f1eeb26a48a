#include "fuzzy/framework/Strings.h"

#include <algorithm>
#include <utility>

#include "fuzzy/framework/TextConsts.h"

namespace fuzzy {

namespace {

constexpr char NameValueSeparator = '=';

char FoldCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

TObject* TStrings::GetObjects(int Index) const {
  (void)Index;
  return nullptr;
}

void TStrings::SetObjects(int Index, TObject* AObject) {
  (void)Index;
  (void)AObject;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
  const int index = GetCount();
  InsertObject(index, S, AObject);
  return index;
}

void TStrings::AddStrings(const TStrings* Strings) {
  if (Strings == nullptr) return;
  // A snapshot first, so that a list may add itself; its lines are then taken, not copied again.
  std::vector<std::pair<std::string, TObject*>> lines;
  lines.reserve(static_cast<std::size_t>(Strings->GetCount()));
  for (int i = 0; i < Strings->GetCount(); ++i) {
    lines.emplace_back(Strings->GetStrings(i), Strings->GetObjects(i));
  }
  UpdateBatch([&] {
    for (auto& [text, object] : lines) AddObjectTaking(std::move(text), object);
  });
}

void TStrings::Exchange(int Index1, int Index2) {
  const std::string text = GetStrings(Index1);
  TObject* object = GetObjects(Index1);
  UpdateBatch([&] {
    SetStrings(Index1, GetStrings(Index2));
    SetObjects(Index1, GetObjects(Index2));
    SetStrings(Index2, text);
    SetObjects(Index2, object);
  });
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  const std::string text = GetStrings(CurIndex);
  TObject* object = GetObjects(CurIndex);
  UpdateBatch([&] {
    Delete(CurIndex);
    InsertObject(NewIndex, text, object);
  });
}

int TStrings::IndexOf(const std::string& S) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (CompareStrings(GetStrings(i), S) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfName(const std::string& Name) const {
  for (int i = 0; i < GetCount(); ++i) {
    const std::string line = GetStrings(i);
    const std::size_t separator = line.find(NameValueSeparator);
    if (separator != std::string::npos && CompareStrings(line.substr(0, separator), Name) == 0) {
      return i;
    }
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (GetObjects(i) == AObject) return i;
  }
  return -1;
}

std::string TStrings::GetName(int Index) const {
  const std::string line = GetStrings(Index);
  const std::size_t separator = line.find(NameValueSeparator);
  return separator == std::string::npos ? std::string() : line.substr(0, separator);
}

std::string TStrings::GetValueFromIndex(int Index) const {
  const std::string line = GetStrings(Index);
  const std::size_t separator = line.find(NameValueSeparator);
  return separator == std::string::npos ? std::string() : line.substr(separator + 1);
}

std::string TStrings::GetValue(const std::string& Name) const {
  const int index = IndexOfName(Name);
  return index < 0 ? std::string() : GetValueFromIndex(index);
}

void TStrings::SetValue(const std::string& Name, const std::string& Value) {
  const int index = IndexOfName(Name);
  if (Value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  const std::string line = Name + NameValueSeparator + Value;
  if (index < 0) {
    Add(line);
  } else {
    SetStrings(index, line);
  }
}

std::string TStrings::GetText() const {
  std::string text;
  for (int i = 0; i < GetCount(); ++i) {
    text += GetStrings(i);
    text += NewLineString;
  }
  return text;
}

void TStrings::SetText(const std::string& Value) {
  UpdateBatch([&] {
    Clear();
    std::size_t start = 0;
    while (start < Value.size()) {
      const std::size_t end = std::min(Value.find_first_of("\r\n", start), Value.size());
      AddObjectTaking(Value.substr(start, end - start), nullptr);
      const bool crlf = end + 1 < Value.size() && Value[end] == '\r' && Value[end + 1] == '\n';
      start = end + (crlf ? 2 : 1);
    }
  });
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount > 0) return;
  SetUpdateState(false);
  FChangingInBatch = false;
  if (std::exchange(FChangedInBatch, false)) Changed();
}

void TStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStrings*>(Source);
  if (source == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  UpdateBatch([&] {
    Clear();
    AddStrings(source);
  });
}

int TStrings::CompareStrings(const std::string& S1, const std::string& S2) const {
  const std::size_t n = std::min(S1.size(), S2.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto a = static_cast<unsigned char>(FoldCase(S1[i]));
    const auto b = static_cast<unsigned char>(FoldCase(S2[i]));
    if (a != b) return a < b ? -1 : 1;
  }
  if (S1.size() == S2.size()) return 0;
  return S1.size() < S2.size() ? -1 : 1;
}

void TStrings::Changing() {
  if (FUpdateCount > 0) {
    if (FChangingInBatch) return;
    FChangingInBatch = true;
  }
  if (FOnChanging) FOnChanging(this);
}

void TStrings::Changed() {
  if (FUpdateCount > 0) {
    FChangedInBatch = true;
    return;
  }
  if (FOnChange) FOnChange(this);
}

}  // namespace fuzzy

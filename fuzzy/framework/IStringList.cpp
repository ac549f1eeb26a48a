#include "fuzzy/framework/IStringList.h"

#include <utility>
#include <vector>

namespace fuzzy {

// What the base list keeps as the object of each line: the application's object and the
// line's interface. Every line has one, so the interface moves with its line whatever the base
// list does with the order. The base list frees it only when it owns objects, and then the
// application's object goes with it, as an owning list promises.
class TIStringList::TLineData : public TObject {
 public:
  static TLineData* Create(TObject* object) { return Constructed(new TLineData(object)); }
  void BeforeDestruction() override { FreeObject(std::exchange(Object, nullptr)); }

  TObject* Object;
  IPtr<IInterface> Data;

 protected:
  explicit TLineData(TObject* object) : Object(object) {}
};

namespace {

struct TLineSnapshot {
  std::string Text;
  TObject* Object;
  IPtr<IInterface> Data;
};

}  // namespace

// ---- lines and their data --------------------------------------------------------------------

TIStringList::TLineData* TIStringList::LineData(int Index) const {
  return static_cast<TLineData*>(TStringList::GetObjects(Index));
}

bool TIStringList::Holds(const TLineData* line, int hint) const {
  if (hint >= 0 && hint < GetCount() && LineData(hint) == line) return true;
  for (int i = 0; i < GetCount(); ++i) {
    if (LineData(i) == line) return true;
  }
  return false;
}

void TIStringList::Discard(TLineData* line, bool freedByList) const {
  if (freedByList) return;
  // The object stays with whoever owns it; only the interface is released.
  line->Object = nullptr;
  line->Free();
}

template <class TInsert>
int TIStringList::InsertLine(TLineData* line, TInsert&& insert) {
  int index = -1;
  try {
    index = insert();
  } catch (...) {
    // A change handler may have raised after the line went in; then the list keeps it.
    if (!Holds(line, -1)) Discard(line, false);
    throw;
  }
  if (!Holds(line, index)) Discard(line, false);
  return index;
}

IPtr<IInterface> TIStringList::GetData(int Index) const {
  return LineData(Index)->Data;
}

void TIStringList::PutData(int Index, const IPtr<IInterface>& Data) {
  TLineData* line = LineData(Index);
  Changing();
  // The old interface goes only once the list is consistent again: freeing it may run code
  // that looks at this list.
  const IPtr<IInterface> replaced = std::exchange(line->Data, Data);
  Changed();
}

int TIStringList::AddData(const std::string& S, const IPtr<IInterface>& Data) {
  return AddObjectData(S, nullptr, Data);
}

int TIStringList::AddObjectData(const std::string& S, TObject* AObject,
                                const IPtr<IInterface>& Data) {
  int index = -1;
  UpdateBatch([&] {
    TLineData* line = TLineData::Create(AObject);
    index = InsertLine(line, [&] { return TStringList::AddObject(S, line); });
    // A sorted list that ignored the line as a duplicate keeps the data it had.
    if (Data && LineData(index) == line) PutData(index, Data);
  });
  return index;
}

int TIStringList::IndexOfData(const IPtr<IInterface>& Data) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (LineData(i)->Data.get() == Data.get()) return i;
  }
  return -1;
}

// ---- objects ---------------------------------------------------------------------------------

TObject* TIStringList::GetObjects(int Index) const {
  return LineData(Index)->Object;
}

void TIStringList::SetObjects(int Index, TObject* AObject) {
  TLineData* line = LineData(Index);
  Changing();
  TObject* replaced = std::exchange(line->Object, AObject);
  if (replaced != AObject && GetOwnsObjects()) FreeObject(replaced);
  Changed();
}

int TIStringList::AddObject(const std::string& S, TObject* AObject) {
  TLineData* line = TLineData::Create(AObject);
  return InsertLine(line, [&] { return TStringList::AddObject(S, line); });
}

void TIStringList::InsertObject(int Index, const std::string& S, TObject* AObject) {
  TLineData* line = TLineData::Create(AObject);
  InsertLine(line, [&] {
    TStringList::InsertObject(Index, S, line);
    return Index;
  });
}

// ---- removing --------------------------------------------------------------------------------

void TIStringList::Delete(int Index) {
  TLineData* line = LineData(Index);
  const bool owned = GetOwnsObjects();
  TStringList::Delete(Index);
  Discard(line, owned);
}

void TIStringList::Clear() {
  std::vector<TLineData*> lines;
  lines.reserve(static_cast<std::size_t>(GetCount()));
  for (int i = 0; i < GetCount(); ++i) lines.push_back(LineData(i));
  const bool owned = GetOwnsObjects();
  TStringList::Clear();
  for (TLineData* line : lines) Discard(line, owned);
}

void TIStringList::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TIStringList*>(Source);
  if (source == nullptr) {
    TStringList::Assign(Source);
    return;
  }
  if (source == this) return;
  // A snapshot first: clearing this list may free what the source holds only through it.
  std::vector<TLineSnapshot> lines;
  lines.reserve(static_cast<std::size_t>(source->GetCount()));
  for (int i = 0; i < source->GetCount(); ++i) {
    lines.push_back({source->GetStrings(i), source->GetObjects(i), source->GetData(i)});
  }
  UpdateBatch([&] {
    Clear();
    for (const TLineSnapshot& line : lines) AddObjectData(line.Text, line.Object, line.Data);
  });
}

void TIStringList::BeforeDestruction() {
  // Nobody is told about a list that is going away.
  SetOnChange(nullptr);
  SetOnChanging(nullptr);
  TIStringList::Clear();
  TStringList::BeforeDestruction();
}

}  // namespace fuzzy

// A string list whose lines carry a counted interface reference each, besides the object every
// line has: the list holds the reference while the line exists and releases it when the line
// goes (deleted, cleared, the list freed). The reference travels with its line when the list
// sorts or moves lines.
#pragma once

#include <string>

#include "fuzzy/framework/Interface.h"
#include "fuzzy/framework/Strings.h"

namespace fuzzy {

class TIStringList : public TStringList {
 public:
  static TIStringList* Create() { return Constructed(new TIStringList()); }

  // The interface stored with line Index, null when none; EListError for a bad index.
  IPtr<IInterface> GetData(int Index) const;
  // Stores Data with line Index (releasing the one it replaces), as one change of the list.
  virtual void PutData(int Index, const IPtr<IInterface>& Data);
  // Adds the line, then stores Data with it (through PutData), in one batch; answers the index.
  // A duplicate ignored by a sorted list keeps the data it had.
  int AddData(const std::string& S, const IPtr<IInterface>& Data);
  // The first line that carries Data, or -1.
  int IndexOfData(const IPtr<IInterface>& Data) const;

  // The object beside each line, as in every string list; owned only when OwnsObjects is set.
  TObject* GetObjects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  int AddObject(const std::string& S, TObject* AObject) override;
  void InsertObject(int Index, const std::string& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;

  // Another TIStringList gives its lines, objects and interfaces; other lists as a string list.
  void Assign(TPersistent* Source) override;

  void BeforeDestruction() override;
  std::string ClassName() const override { return "TIStringList"; }

 protected:
  TIStringList() = default;

 private:
  class TLineData;

  TLineData* LineData(int Index) const;
  // Whether some line carries `line`; looks at position `hint` first.
  bool Holds(const TLineData* line, int hint) const;
  // Runs `insert` (which adds one line carrying `line` and answers its index); when the line
  // was not stored, whether it raised or a sorted list ignored a duplicate, `line` is freed,
  // leaving its object alone.
  template <class TInsert>
  int InsertLine(TLineData* line, TInsert&& insert);
  int AddObjectData(const std::string& S, TObject* AObject, const IPtr<IInterface>& Data);
  // Frees data that left the list, unless the list already did so because it owns objects.
  void Discard(TLineData* line, bool freedByList) const;
};

}  // namespace fuzzy

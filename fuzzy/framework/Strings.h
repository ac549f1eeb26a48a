// Lists of text lines, each line with an object pointer beside it: the abstract TStrings with
// the operations every list shares (name=value lines, text, batches, change events), and
// TStringList, the list kept in memory, optionally sorted and case-sensitive.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fuzzy/framework/Persistent.h"

namespace fuzzy {

using TNotifyEvent = std::function<void(TObject* Sender)>;

// What a sorted list does when a line equal to one it holds is added.
enum TDuplicates : std::uint8_t { dupIgnore, dupAccept, dupError };

inline constexpr const char* SSortedListError = "Operation not allowed on sorted list";
inline constexpr const char* SDuplicateString = "String list does not allow duplicates";

class TStrings : public TPersistent {
 public:
  // Lines and objects.
  virtual int GetCount() const = 0;
  virtual std::string GetStrings(int Index) const = 0;
  virtual void SetStrings(int Index, const std::string& S) = 0;
  virtual TObject* GetObjects(int Index) const;
  virtual void SetObjects(int Index, TObject* AObject);

  // Adding and removing; Add answers the index the line went to.
  int Add(const std::string& S) { return AddObject(S, nullptr); }
  virtual int AddObject(const std::string& S, TObject* AObject);
  void Append(const std::string& S) { Add(S); }
  // Adds every line of Strings with its object, in one batch.
  void AddStrings(const TStrings* Strings);
  void Insert(int Index, const std::string& S) { InsertObject(Index, S, nullptr); }
  virtual void InsertObject(int Index, const std::string& S, TObject* AObject) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);

  // Lookup; -1 when absent. Lines and names compare by CompareStrings.
  virtual int IndexOf(const std::string& S) const;
  int IndexOfName(const std::string& Name) const;
  int IndexOfObject(const TObject* AObject) const;

  // name=value lines: the name is the text before the first "=", the value the text after it;
  // a line without "=" has an empty name and value.
  std::string GetName(int Index) const;
  std::string GetValueFromIndex(int Index) const;
  // The value of the first line with that name, empty when there is none.
  std::string GetValue(const std::string& Name) const;
  // Replaces the value of the line with that name, or adds such a line; an empty value deletes
  // the line instead.
  void SetValue(const std::string& Name, const std::string& Value);

  // Every line followed by NewLineString.
  virtual std::string GetText() const;
  // Replaces all lines by those of Value, split at CR, LF and CR LF, in one batch. A line end
  // at the very end opens no further line.
  virtual void SetText(const std::string& Value);

  // Batches nest; OnChange fires once when the outermost batch closes, if anything changed.
  void BeginUpdate();
  void EndUpdate();
  int GetUpdateCount() const { return FUpdateCount; }

  // Outside batches: OnChanging before and OnChange after every modification. Inside a batch:
  // OnChanging before its first modification, OnChange when it closes.
  const TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  const TNotifyEvent& GetOnChanging() const { return FOnChanging; }
  void SetOnChanging(TNotifyEvent Value) { FOnChanging = std::move(Value); }

  // Copies the lines and objects of another TStrings (not its settings) in one batch.
  void Assign(TPersistent* Source) override;

  std::string ClassName() const override { return "TStrings"; }

 protected:
  TStrings() = default;

  // Case-insensitive by default; negative, zero or positive like strcmp. Only ASCII letters
  // fold, so no comparison depends on the process locale.
  virtual int CompareStrings(const std::string& S1, const std::string& S2) const;
  // Adds S as AddObject does; a list that keeps its lines itself takes the text instead of
  // copying it, so that a line made only to be added is not allocated twice.
  virtual int AddObjectTaking(std::string&& S, TObject* AObject) { return AddObject(S, AObject); }
  // Called when the outermost batch opens (true) and closes (false).
  virtual void SetUpdateState(bool Updating) { (void)Updating; }
  // Every modifying primitive calls Changing before and Changed after its change.
  virtual void Changing();
  virtual void Changed();

  // Runs action inside one batch that is closed also when the action throws.
  template <class F>
  void UpdateBatch(F&& action) {
    BeginUpdate();
    try {
      action();
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
  }

 private:
  int FUpdateCount = 0;
  bool FChangingInBatch = false;
  bool FChangedInBatch = false;
  TNotifyEvent FOnChange;
  TNotifyEvent FOnChanging;
};

// Lines kept in memory. A sorted list keeps its lines in CompareStrings order (bytes when
// case-sensitive, ASCII letters folded otherwise) and finds them by binary search; its
// duplicates policy defaults to dupIgnore. The objects are not owned unless OwnsObjects is set;
// a list that owns its objects then frees them on Delete, Clear, replacement and destruction,
// so it must not be handed objects another owner frees.
class TStringList : public TStrings {
 public:
  static TStringList* Create() { return Constructed(new TStringList()); }

  int GetCount() const override { return static_cast<int>(FItems.size()); }
  std::string GetStrings(int Index) const override;
  // The lines joined from where they are kept, without a copy of each on the way.
  std::string GetText() const override;
  // On a sorted list the replaced line moves to its place; duplicates are then accepted.
  void SetStrings(int Index, const std::string& S) override;
  TObject* GetObjects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;

  // On a sorted list: inserted at its place, after the lines equal to it under dupAccept; a
  // duplicate ignored under dupIgnore leaves its object with the caller.
  int AddObject(const std::string& S, TObject* AObject) override;
  // Insert, Exchange and Move would break a sorted list's order: EListError there.
  void InsertObject(int Index, const std::string& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  void Move(int CurIndex, int NewIndex) override;

  // Binary search on a sorted list, a linear scan otherwise.
  int IndexOf(const std::string& S) const override;
  // True when S is present, with Index at its first occurrence; otherwise Index is where S
  // would be inserted (the end of an unsorted list). O(log n) on a sorted list.
  virtual bool Find(const std::string& S, int& Index) const;
  // Sorts an unsorted list once (stable: equal lines keep their order).
  virtual void Sort();

  bool GetSorted() const { return FSorted; }
  void SetSorted(bool Value);
  bool GetCaseSensitive() const { return FCaseSensitive; }
  // Re-sorts a sorted list under the new rule.
  void SetCaseSensitive(bool Value);
  TDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool GetOwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

  void BeforeDestruction() override;
  std::string ClassName() const override { return "TStringList"; }

 protected:
  TStringList() = default;

  int CompareStrings(const std::string& S1, const std::string& S2) const override;
  int AddObjectTaking(std::string&& S, TObject* AObject) override;

 private:
  struct TStringItem {
    std::string FString;
    TObject* FObject = nullptr;
  };

  // AddObject's work for a copied or a taken line.
  template <class TText>
  int AddLine(TText&& S, TObject* AObject);
  void CheckIndex(int Index, int Limit) const;
  void CheckUnsorted() const;
  void InsertItem(int Index, TStringItem Item);
  void SortItems();
  // The first position whose line compares above S.
  int UpperBound(const std::string& S) const;
  void FreeOwned(TObject* AObject) const;

  std::vector<TStringItem> FItems;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
  bool FOwnsObjects = false;
};

}  // namespace fuzzy

// TFuzzySetValues: the ordered point list behind every fuzzy set. It keeps its points in
// ascending X, allows vertical steps (up to three points sharing one X after a single edit),
// removes duplicates, reports changes to its set, and can resample itself to more points.
#pragma once

#include <span>
#include <string>

#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/framework/GCollection.h"
#include "fuzzy/membership/FuzzyPoint.h"
#include "fuzzy/membership/FuzzySetValue.h"
#include "fuzzy/membership/PointBuffer.h"

namespace fuzzy {

class TFuzzySet;
class TFuzzySetValuesEnumerator;

class TFuzzySetValues : public TGCollectionOf<TFuzzySetValue> {
 public:
  // An empty list owned by `owner` (may be null); both flags true.
  static TFuzzySetValues* Create(TFuzzySet* owner);

  // The owning set, or null.
  TFuzzySet* GetFuzzySet() const;

  // ---- Points ----------------------------------------------------------------------------
  using TGCollectionOf<TFuzzySetValue>::Add;
  // A new point, then its SetX(x) and SetY(y).
  TFuzzySetValue* Add(TFzyFloat x, TFzyFloat y);
  // Fills an empty list, in one batch, with points that are already as its clean-up leaves
  // them: in the list's X range, in order and free of duplicates. Each point joins with its
  // coordinates, so none of the per-point checks and re-placing runs; the batch's end reports
  // the change once, as it does for points added one by one.
  void AppendSettled(std::span<const TFuzzyPoint> points);
  // The same as Add(x, y) for each point in turn, inside one batch.
  void AddPoints(std::span<const TFuzzyPoint> points);
  // From another point list of a set: the same as Clear and Add(x, y) for each of its points,
  // inside one batch. Other sources: as the collection's Assign.
  void Assign(TPersistent* source) override;
  // Copies the values of `value` into the point stored at `index` (its Assign).
  void SetItem(int index, TFuzzySetValue* value);
  // Copies of every point of `other`, each placed as by SetValue.
  void Append(const TFuzzySetValues* other);
  // Copies of `count` points of `other` from `start`: start is pulled into the list (at most
  // its last point), the count cut at the end of `other`.
  virtual void Append(const TFuzzySetValues* other, int start, int count);
  // A new enumerator over the points; the caller frees it.
  TFuzzySetValuesEnumerator* GetEnumerator() const;

  // ---- Statistics of Y (an empty list raises EFzyException) ---------------------------------
  TFzyFloat GetAvgValue() const;
  // The maximum starts at 0 and the minimum at 1 before the scan.
  void GetStatValues(TFzyFloat& avg, TFzyFloat& max, TFzyFloat& min) const;
  // Stops early at a Y of exactly 1.
  TFzyFloat GetMaxValue() const;
  // Stops early at a Y of exactly 0.
  TFzyFloat GetMinValue() const;

  // ---- Searching -------------------------------------------------------------------------
  // The number of points whose X equals `x` exactly.
  int GetXCount(TFzyFloat x) const;
  // From `start`, stepping by `direction` (0 counts as +1) while the point's X (Y) is within
  // 0.0001 of `value`: the first index outside the tolerance, -1 past either end.
  int SkipX(int start, TFzyFloat value, int direction) const;
  int SkipY(int start, TFzyFloat value, int direction) const;

  // ---- Order and clean-up (FuzzySetValuesUpdate.cpp) ----------------------------------------
  // Ascending X; points within the tolerance of each other keep their order. Nothing when
  // Sorted is true.
  void Sort();
  // Drops each point equal to its predecessor and the fifth point of every run of equal X.
  // Nothing when DuplicatesRemoved is true.
  void RemoveDuplicates();
  // Sort, then RemoveDuplicates, when either flag is false.
  void CleanupValues();
  // Called by a point's setters: re-sorts the list, keeps at most three points on the point's
  // X and removes duplicates around it (outside batches; inside, the batch's end cleans up).
  // The point itself always survives.
  virtual void UpdateValue(TFuzzySetValue* value, TXYUpdateTypes updateTypes);

  // ---- Resampling (FuzzySetValuesExpand.cpp) -----------------------------------------------
  // Adds points on the sloped segments until the list holds `count` points.
  void Expand(int count);
  // Adds evenly spaced points over the whole span; nothing on fewer than two points or a span
  // of zero.
  void ExpandSimple(int count);

  // ---- Flags -----------------------------------------------------------------------------
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool value) { FSorted = value; }
  bool GetDuplicatesRemoved() const { return FDuplicatesRemoved; }
  void SetDuplicatesRemoved(bool value) { FDuplicatesRemoved = value; }

  std::string ClassName() const override { return "TFuzzySetValues"; }

 protected:
  explicit TFuzzySetValues(TFuzzySet* owner);

  // After the collection's own Update: flags of a list with fewer than two points become true;
  // the whole-list form cleans up; then the set hears of the change.
  void Update(TCollectionItem* item) override;

 private:
  class TProtect;

  // Whether points can join this empty list in bulk: it, its item class and its set are this
  // library's own, so that no override watches the edits or the range one by one.
  bool TakesPointsInBulk() const;
  // An empty buffer with this list's range (unbounded without a set), room for `count` points.
  TPointBuffer BulkBuffer(std::size_t count) const;
  // The buffer's points join this empty list as adding them one by one in a batch would leave
  // them.
  void JoinInBulk(const TPointBuffer& added);

  // The index of a point of this list; quick for the last point, where new points arrive.
  int IndexOfValue(const TFuzzySetValue* value) const;
  // What an edit may have done to the flags: order and equality against the neighbours.
  void CheckOrder(int index);
  void CheckDuplicates(int index);
  // After sorting: the edited point's place among the points on its X, then its run trimmed.
  void PlaceValue(TFuzzySetValue* value);
  void TrimRun(TFuzzySetValue* value);
  // Adds a point at `x`, moves it to `index` and gives it the Y on the line through its new
  // neighbours (resampling).
  void InsertOnLine(TFzyFloat x, int index);
  void CheckEmpty(const char* operation) const;
  template <class TCoordinate>
  int Skip(int start, TFzyFloat value, int direction, TCoordinate coordinate) const;

  bool FSorted = true;
  bool FDuplicatesRemoved = true;
  // The point whose edit is being processed; whatever clean-up runs meanwhile spares it.
  TFuzzySetValue* FUpdating = nullptr;
};

// Enumerates a point list: MoveNext, then GetCurrent, until MoveNext answers false.
class TFuzzySetValuesEnumerator : public TGCollectionEnumerator<TFuzzySetValue> {
 public:
  static TFuzzySetValuesEnumerator* Create(const TFuzzySetValues* values);

  std::string ClassName() const override { return "TFuzzySetValuesEnumerator"; }

 protected:
  explicit TFuzzySetValuesEnumerator(const TFuzzySetValues* values)
      : TGCollectionEnumerator<TFuzzySetValue>(values) {}
};

}  // namespace fuzzy

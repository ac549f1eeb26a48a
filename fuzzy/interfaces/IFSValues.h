// TIFSValues: the point list of an interface-model set. It carries the point-list operations of
// IFuzzySet (adding by both coordinates at once, copying from and comparing with any IFuzzySet)
// and hands the whole-set operations (text, assignment from an interface) back to its set.
#pragma once

#include <string>

#include "fuzzy/interfaces/FuzzyInterfaces.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {

class TIFuzzySet;

class TIFSValues : public TFuzzySetValues {
 public:
  // An empty list owned by `owner` (may be null).
  static TIFSValues* Create(TIFuzzySet* owner);

  // The owning interface-model set, or null.
  TIFuzzySet* GetIFuzzySet() const;

  // ---- Points ----------------------------------------------------------------------------
  using TFuzzySetValues::Append;
  // Inside one batch: a new point given both coordinates at once (X clamped into the set's
  // range, a negative Y raised to 0). Answers the point's index once the batch has placed it;
  // when the clean-up dropped it for an equal point already there, that point's index.
  int Add(TFzyFloat x, TFzyFloat y);
  // The same, the new point made at `index` (0..GetCount()) before it is placed.
  int Insert(int index, TFzyFloat x, TFzyFloat y);
  // Every point of `source`.
  void Append(const IPtr<IFuzzySet>& source);
  // `count` points of `source` from `start`: start pulled into 0..last index, count cut at the
  // last point; each point added with Add.
  virtual void Append(const IPtr<IFuzzySet>& source, int start, int count);
  // Inside one batch: clears the list and adds every point of `source`.
  void AssignValues(const IPtr<IFuzzySet>& source);
  // Same number of points, each pair within 0.0001 in X and Y; two empty lists are equal.
  virtual bool EqualsValues(const IPtr<IFuzzySet>& source) const;

  // ---- Handed to the owning set ----------------------------------------------------------
  // The set's text; "" without an owner.
  virtual std::string ToString() const;
  // The set's Assign from an interface; nothing without an owner.
  void Assign(const IPtr<IInterface>& source);
  using TFuzzySetValues::Assign;

  std::string ClassName() const override { return "TIFSValues"; }

 protected:
  explicit TIFSValues(TIFuzzySet* owner);

 private:
  // Where the point with this ID (made at x, y) stands now; see Add.
  int PlacedIndex(int id, TFzyFloat x, TFzyFloat y) const;
};

}  // namespace fuzzy

// The slightly composite: slightly A is the contrast-intensified, normalised intersection of
// plus A with not very A. It works through three temporary sets in the set's own collection,
// which holds its notifications back meanwhile, so that the variable hears of none of them.
#include <optional>

#include "fuzzy/framework/FirstError.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/FuzzySetSlightly.h"

namespace fuzzy {

namespace {

// The temporary sets, freed in the order intersection, not very, plus. On the normal path
// Free() lets the first error of a removal handler through; leaving by an exception frees them
// silently, so that the first error reaches the caller.
class TTemporarySets {
 public:
  TTemporarySets() = default;
  TTemporarySets(const TTemporarySets&) = delete;
  TTemporarySets& operator=(const TTemporarySets&) = delete;
  ~TTemporarySets() {
    TFirstError ignored;
    FreeAll(ignored);
  }

  void Free() {
    TFirstError error;
    FreeAll(error);
    error.Rethrow();
  }

  TFuzzySet* NotVery = nullptr;
  TFuzzySet* Plus = nullptr;
  TFuzzySet* Result = nullptr;

 private:
  void FreeAll(TFirstError& error) {
    for (TFuzzySet** set : {&Result, &NotVery, &Plus}) error.Run([set] { FreeAndNil(*set); });
  }
};

// A temporary set in `collection`, its point list held in a batch until the set is freed, so that
// its points are never re-sorted or cleaned while the composite works on them.
TFuzzySet* HeldSet(TCollection* collection) {
  TFuzzySet* held = TFuzzySet::Create(collection);
  held->GetValues()->BeginUpdate();
  return held;
}

}  // namespace

void ApplySlightly(TFuzzySet* set) {
  TCollection* collection = set->TCollectionItem::GetCollection();
  std::optional<TCollectionUpdate> batch;
  if (collection != nullptr) batch.emplace(collection);
  TTemporarySets temporary;
  temporary.NotVery = HeldSet(collection);
  temporary.Plus = HeldSet(collection);
  temporary.NotVery->Assign(set);
  temporary.NotVery->Hedge(fhVery)->Hedge(fhNot);
  temporary.Plus->Assign(set);
  temporary.Plus->Hedge(fhPlus);
  temporary.Result = temporary.Plus->Intersection(temporary.NotVery);
  temporary.Result->Hedge(fhNormalize)->Hedge(fhPositively);
  set->SetValues(temporary.Result->GetValues());
  temporary.Free();
  if (batch) batch->End();
}

}  // namespace fuzzy

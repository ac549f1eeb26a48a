// TFuzzySetOperand: reading a foreign IFuzzySet through the object model.
#include "fuzzy/interfaces/IFuzzySetOperand.h"

#include "fuzzy/framework/Collection.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {

TFuzzySetOperand::TFuzzySetOperand(const IPtr<IFuzzySet>& operand) {
  if (!operand) throw EInvalidOperation("Missing fuzzy set operand");
  FSet = dynamic_cast<const TFuzzySet*>(operand.get());
  if (FSet != nullptr) return;
  // The points alone: names and expressions are read from the operand itself. The copy
  // stands alone, so its range clamps nothing a set could hold.
  FCopy = Own(TFuzzySet::Create(nullptr));
  TFuzzySetValues* points = FCopy->GetValues();
  TCollectionUpdate batch(points);
  for (int i = 0; i < operand->GetCount(); ++i) {
    points->Add(operand->GetXValues(i), operand->GetYValues(i));
  }
  batch.End();
  FSet = FCopy.get();
}

}  // namespace fuzzy

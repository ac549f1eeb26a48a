// The object-model set behind the other operand of the interface-model algebra: the operand
// itself when it is implemented by a TFuzzySet, else a free-standing copy of its points, so the
// object model's walk can read any IFuzzySet.
#pragma once

#include "fuzzy/framework/Object.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

class TFuzzySetOperand {
 public:
  // A null operand raises EInvalidOperation.
  explicit TFuzzySetOperand(const IPtr<IFuzzySet>& operand);
  TFuzzySetOperand(const TFuzzySetOperand&) = delete;
  TFuzzySetOperand& operator=(const TFuzzySetOperand&) = delete;

  const TFuzzySet* Get() const { return FSet; }
  const TFuzzySet* operator->() const { return FSet; }

 private:
  TOwned<TFuzzySet> FCopy;
  const TFuzzySet* FSet = nullptr;
};

}  // namespace fuzzy

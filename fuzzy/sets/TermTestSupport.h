// Helpers shared by the tests of defuzzification and cuts: a linguistic variable over a chosen
// range whose terms are built from plain (X, Y) lists.
#pragma once

#include <string>

#include "fuzzy/logic/FuzzySets.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/membership/MembershipTestSupport.h"

namespace fuzzy::testing_support {

class TTermVariable {
 public:
  TTermVariable(TFzyFloat minimum, TFzyFloat maximum) {
    FVariable->SetMaximum(maximum);
    FVariable->SetMinimum(minimum);
  }

  // A new term of the variable holding `points`.
  TFuzzySet* Term(const TPointList& points, const std::string& name = "low") {
    TFuzzySet* set = FVariable->GetItems()->Add(name);
    AddPoints(set->GetValues(), points);
    return set;
  }

  TFuzzyVariable* Get() const { return FVariable.get(); }
  int TermCount() const { return FVariable->GetItems()->GetCount(); }

 private:
  TOwned<TFuzzyVariable> FVariable = Own(TFuzzyVariable::Create(nullptr));
};

}  // namespace fuzzy::testing_support

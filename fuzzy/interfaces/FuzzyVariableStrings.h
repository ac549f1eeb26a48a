// TFuzzyVariableStrings: a string list whose lines carry variables, and which announces to an
// interface-model logic component every variable a line stops and starts carrying.
#pragma once

#include <string>

#include "fuzzy/framework/IStringList.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"

namespace fuzzy {

class TIFuzzyLogic;

class TFuzzyVariableStrings : public TIStringList {
 public:
  // An empty list that announces to `fuzzyLogic` (may be null; not owned, so it must outlive
  // the list).
  static TFuzzyVariableStrings* Create(TIFuzzyLogic* fuzzyLogic) {
    return Constructed(new TFuzzyVariableStrings(fuzzyLogic));
  }
  std::string ClassName() const override { return "TFuzzyVariableStrings"; }

  TIFuzzyLogic* GetFuzzyLogic() const { return FFuzzyLogic; }

  // The interface stored with line Index as a variable; null when it carries none.
  IPtr<IFuzzyVariable> GetData(int Index) const;
  // The variable the line carried leaves the component (VariableDeleted), Data is stored, and
  // the variable the line now carries enters it (VariableAdded).
  void PutData(int Index, const IPtr<IInterface>& Data) override;

 protected:
  explicit TFuzzyVariableStrings(TIFuzzyLogic* fuzzyLogic) : FFuzzyLogic(fuzzyLogic) {}

 private:
  TIFuzzyLogic* FFuzzyLogic;
};

}  // namespace fuzzy

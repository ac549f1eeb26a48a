// TVariableOutside: how the definition reader keeps a new variable out of its collection while
// it is read, shared by the reader and its short way (PlainDefinitions.cpp).
#pragma once

#include "fuzzy/framework/Collection.h"
#include "fuzzy/logic/FuzzyVariables.h"

namespace fuzzy::reading {

// With automatic terms on, a new variable is read outside its collection: it comes back only
// once its range and terms are read, so the automatic terms it then gets span the range read
// and fill in only the names the text left out. Should reading fail, the variable still goes
// back, so that the definitions read so far stay with the component and nothing is lost.
class TVariableOutside {
 public:
  TVariableOutside(TFuzzyVariable* variable, bool detach)
      : FVariable(variable), FCollection(detach ? variable->GetCollection() : nullptr) {
    if (FCollection == nullptr) return;
    try {
      variable->SetCollection(nullptr);
      variable->GetItems()->Clear();
    } catch (...) {
      RestoreAfterError();
      throw;
    }
  }
  ~TVariableOutside() { RestoreAfterError(); }
  TVariableOutside(const TVariableOutside&) = delete;
  TVariableOutside& operator=(const TVariableOutside&) = delete;

  // The reading succeeded: the variable joins again, and what its joining raises is the caller's.
  void Return() {
    if (FCollection == nullptr) return;
    FVariable->SetCollection(FCollection);
    FCollection = nullptr;
  }

 private:
  // The caller must see the first error; a variable that cannot go back is freed, not lost.
  void RestoreAfterError() noexcept {
    if (FCollection == nullptr) return;
    try {
      Return();
    } catch (...) {
    }
    if (FVariable->GetCollection() != nullptr) return;
    try {
      FVariable->Free();
    } catch (...) {
    }
  }

  TFuzzyVariable* FVariable;
  TCollection* FCollection;
};

}  // namespace fuzzy::reading

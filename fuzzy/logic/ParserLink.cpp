#include "fuzzy/logic/ParserLink.h"

#include "fuzzy/logic/FuzzyLogicParser.h"

namespace fuzzy {

void TParserLink::Set(const IPtr<IFuzzyParser>& value) {
  if (value == FParser) return;
  Unwatch();
  FParser = value;
  FWatched = dynamic_cast<TCustomFuzzyLogicParser*>(value.get());
  if (FWatched != nullptr) FWatched->LinkAdded(this);
}

void TParserLink::Unwatch() {
  if (FWatched == nullptr) return;
  FWatched->LinkRemoved(this);
  FWatched = nullptr;
}

void TParserLink::ParserFreed() {
  Unwatch();
  FParser = nullptr;
}

}  // namespace fuzzy

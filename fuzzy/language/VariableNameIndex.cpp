#include "fuzzy/language/VariableNameIndex.h"

#include <functional>
#include <typeinfo>
#include <utility>

#include "fuzzy/logic/FuzzyVariables.h"

namespace fuzzy {

bool TVariableNameIndex::Contains(const TFuzzyVariables* variables, std::string_view name) {
  if (variables == FVariables) {
    CatchUp();
    if (!FScanOnly && !Holds(name)) return false;
  }
  return variables->IndexOf(std::string(name)) >= 0;
}

void TVariableNameIndex::AddedLast(const TFuzzyVariable* variable) {
  const int count = FVariables->GetCount();
  if (FVariables->GetNamesRevision() == FRevision + 1 && count > FIndexed &&
      FVariables->GetItem(count - 1) == variable) {
    ++FRevision;
  }
}

void TVariableNameIndex::CatchUp() {
  if (FScanOnly) return;
  const int count = FVariables->GetCount();
  // A variable put in before the last one taken in, or moved there, moves that one on.
  if (FRevision != FVariables->GetNamesRevision() || count < FIndexed ||
      (FIndexed > 0 && FVariables->GetItem(FIndexed - 1) != FLastIndexed)) {
    Restart();
  }
  for (; FIndexed < count; ++FIndexed) {
    const TFuzzyVariable* variable = FVariables->GetItem(FIndexed);
    if (typeid(*variable) != typeid(TFuzzyVariable)) {
      FScanOnly = true;
      FNames = {};
      FSlots = {};
      return;
    }
    Insert(variable->GetName());
    FLastIndexed = variable;
  }
}

void TVariableNameIndex::Restart() {
  FNames.clear();
  FSlots.assign(FSlots.size(), 0);
  FIndexed = 0;
  FLastIndexed = nullptr;
  FRevision = FVariables->GetNamesRevision();
}

std::size_t TVariableNameIndex::FirstSlot(std::string_view name) const {
  return std::hash<std::string_view>{}(name) & (FSlots.size() - 1);
}

std::size_t TVariableNameIndex::FreeSlot(std::string_view name) const {
  std::size_t slot = FirstSlot(name);
  while (FSlots[slot] != 0) slot = (slot + 1) & (FSlots.size() - 1);
  return slot;
}

bool TVariableNameIndex::Holds(std::string_view name) const {
  if (FSlots.empty()) return false;
  for (std::size_t slot = FirstSlot(name);; slot = (slot + 1) & (FSlots.size() - 1)) {
    if (FSlots[slot] == 0) return false;
    if (FNames[FSlots[slot] - 1] == name) return true;
  }
}

void TVariableNameIndex::Insert(std::string name) {
  if (2 * (FNames.size() + 1) > FSlots.size()) Grow();
  const std::size_t slot = FreeSlot(name);
  FNames.push_back(std::move(name));
  FSlots[slot] = FNames.size();
}

void TVariableNameIndex::Grow() {
  FSlots.assign(FSlots.empty() ? 64 : 2 * FSlots.size(), 0);
  for (std::size_t place = 0; place < FNames.size(); ++place) {
    FSlots[FreeSlot(FNames[place])] = place + 1;
  }
}

}  // namespace fuzzy

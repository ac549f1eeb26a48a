// TVariableNameIndex: answers whether a component's variables hold a name, as IndexOf(name) >= 0
// does, without a scan per question, for the length of one reading.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzy {

class TFuzzyVariable;
class TFuzzyVariables;

class TVariableNameIndex {
 public:
  explicit TVariableNameIndex(const TFuzzyVariables* variables) : FVariables(variables) {}

  // Whether one of `variables` has the name; a collection other than the indexed one is scanned.
  bool Contains(const TFuzzyVariables* variables, std::string_view name);
  bool Contains(std::string_view name) { return Contains(FVariables, name); }
  // The reader has just added `variable` at the end and, on the way, renamed it or took it out
  // and back once: that changes no name taken in so far, unless something else changed too.
  void AddedLast(const TFuzzyVariable* variable);

 private:
  // Takes in the variables that joined at the end since the last question; starts over when a
  // variable was renamed or left, or when the one taken in last moved. A variable of another class
  // may answer its name in its own way, so from the first one on every question is a scan.
  void CatchUp();
  void Restart();

  // The names sit in one list and an open table of their places, rather than a node each: a
  // reading of many variables takes in one name per variable.
  bool Holds(std::string_view name) const;
  void Insert(std::string name);
  void Grow();
  std::size_t FirstSlot(std::string_view name) const;
  std::size_t FreeSlot(std::string_view name) const;

  const TFuzzyVariables* FVariables;
  // A name found is made sure of by a scan, which only a duplicate, and so an error, costs.
  std::vector<std::string> FNames;
  // Each slot holds a place in FNames plus one, 0 when free; the table is at most half full.
  std::vector<std::size_t> FSlots;
  int FIndexed = 0;
  const TFuzzyVariable* FLastIndexed = nullptr;
  unsigned FRevision = 0;
  bool FScanOnly = false;
};

}  // namespace fuzzy

// TVariableNameIndex: answers whether a component's variables hold a name, as IndexOf(name) >= 0
// does, without a scan per question, for the length of one reading.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

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
  struct THash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };

  // Takes in the variables that joined at the end since the last question; starts over when a
  // variable was renamed or left, or when the one taken in last moved. A variable of another class
  // may answer its name in its own way, so from the first one on every question is a scan.
  void CatchUp();
  void Restart();

  const TFuzzyVariables* FVariables;
  // A name found is made sure of by a scan, which only a duplicate, and so an error, costs.
  std::unordered_set<std::string, THash, std::equal_to<>> FNames;
  int FIndexed = 0;
  const TFuzzyVariable* FLastIndexed = nullptr;
  unsigned FRevision = 0;
  bool FScanOnly = false;
};

}  // namespace fuzzy

// For tests of the interface-model logic component: a parser that reads every word of a text as
// a new counted variable of the component, and a recorder of the component's events.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/interfaces/IntfVarTestSupport.h"
#include "fuzzy/logic/LogicTestSupport.h"

namespace fuzzy::testing_support {

// Reads each word but "deffuzzy" into a new variable (range 0 to 10) stored in the component's
// table; a word "fail" raises a parse error once the words before it are read.
class TIntfTextParser : public TFixedTextParser {
 public:
  static TIntfTextParser* Create() { return Constructed(new TIntfTextParser()); }

  void ParseFuzzyLogic(const std::string& text) override {
    Parsed.push_back(text);
    std::string spaced = text;
    for (char& c : spaced) c = (c == '(' || c == ')') ? ' ' : c;
    std::istringstream words(spaced);
    auto* logic = dynamic_cast<TIFuzzyLogic*>(GetFuzzyLogic());
    for (std::string word; words >> word;) {
      if (word == "fail") ParseError("ParseFuzzyLogic", "failed on purpose");
      if (word != "deffuzzy" && logic != nullptr) {
        logic->GetItems()->Add(NewCountedVariable(word));
      }
    }
  }

 protected:
  TIntfTextParser() : TFixedTextParser(nullptr) {}
};

// Records the component's events: "variable+ v", "variable- v", "variable~ v", "change",
// "set+ v/s", "set- v/s", "set~ v/s".
class TLogicEventLog {
 public:
  explicit TLogicEventLog(TIFuzzyLogic* logic) {
    logic->SetOnVariableAdded(VariableHandler("variable+ "));
    logic->SetOnVariableDeleted(VariableHandler("variable- "));
    logic->SetOnVariableChange(VariableHandler("variable~ "));
    logic->SetOnFuzzySetAdded(SetHandler("set+ "));
    logic->SetOnFuzzySetDeleted(SetHandler("set- "));
    logic->SetOnFuzzySetChange(SetHandler("set~ "));
    logic->SetOnChange([this](TObject*) { Events.push_back("change"); });
  }
  TLogicEventLog(const TLogicEventLog&) = delete;
  TLogicEventLog& operator=(const TLogicEventLog&) = delete;

  std::vector<std::string> Events;

 private:
  TIFuzzyVariableEvent VariableHandler(const std::string& kind) {
    return [this, kind](const IPtr<IFuzzyVariable>& variable) {
      Events.push_back(kind + variable->GetName());
    };
  }
  TIFuzzySetEvent SetHandler(const std::string& kind) {
    return [this, kind](const IPtr<IFuzzyVariable>& variable, const IPtr<IFuzzySet>& fuzzySet) {
      Events.push_back(kind + variable->GetName() + "/" + fuzzySet->GetName());
    };
  }
};

}  // namespace fuzzy::testing_support

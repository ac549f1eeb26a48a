// Reading and writing definition text: a logic component's Strings of 10 to 1000 variables,
// each with a range, units and four terms (a triangle, a PI curve, a point list and an
// expression over an earlier term), reported per variable.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace {

using fuzzy::TFuzzyLogic;
using fuzzy::TKWFuzzyLogicParser;

std::string DefinitionText(int variables) {
  std::string text;
  for (int i = 0; i < variables; ++i) {
    const std::string n = std::to_string(i);
    text += "(deffuzzy v" + n + " \"variable " + n + "\"\n" +
            "  (range 0 100)\n"
            "  (units \"deg C\")\n"
            "  (values\n"
            "    (term cold (tri 0 0 40))\n"
            "    (term mild (pi 20 50))\n"
            "    (term hot ((60 0) (80 0.5) (100 1)))\n"
            "    (term warm very mild)))\n";
  }
  return text;
}

// A component with a parser and no automatic terms, so that only the text's terms are made.
struct TComponentWithParser {
  TComponentWithParser() {
    Logic->SetAutoTerms(false);
    Logic->SetParser(Parser.get());
    Parser->SetFuzzyLogic(Logic.get());
  }
  void Read(const std::string& text) {
    auto strings = fuzzy::Own(fuzzy::TStringList::Create());
    strings->SetText(text);
    Logic->SetStrings(strings.get());
  }

  fuzzy::TOwned<TKWFuzzyLogicParser> Parser = fuzzy::Own(TKWFuzzyLogicParser::Create(nullptr));
  fuzzy::TOwned<TFuzzyLogic> Logic = fuzzy::Own(TFuzzyLogic::Create(nullptr));
};

// Each round replaces the variables read in the round before.
void BM_ReadDefinitionText(benchmark::State& state) {
  const int variables = static_cast<int>(state.range(0));
  const std::string text = DefinitionText(variables);
  TComponentWithParser component;
  for (auto _ : state) {
    component.Read(text);
    benchmark::DoNotOptimize(component.Logic->GetItems()->GetCount());
  }
  state.SetItemsProcessed(state.iterations() * variables);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.SetComplexityN(variables);
}
BENCHMARK(BM_ReadDefinitionText)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// Rebuilding Strings from the variables, as the component does after a change.
void BM_WriteDefinitionText(benchmark::State& state) {
  const int variables = static_cast<int>(state.range(0));
  TComponentWithParser component;
  component.Read(DefinitionText(variables));
  for (auto _ : state) {
    component.Logic->UpdateStrings();
    benchmark::DoNotOptimize(component.Logic->GetStrings()->GetCount());
  }
  state.SetItemsProcessed(state.iterations() * variables);
  state.SetComplexityN(variables);
}
BENCHMARK(BM_WriteDefinitionText)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

}  // namespace

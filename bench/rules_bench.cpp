// The rule base: building the tipping controller's rules, firing them for one row, and firing
// a batch of rows, whose cost per row should not depend on the batch's length.
#include <benchmark/benchmark.h>

#include <vector>

#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleBase.h"

namespace {

constexpr const char* Definitions =
    "(deffuzzy service (range 0 10) (values (term poor (z 0 5)) (term good (tri 2 5 8))"
    " (term excellent (s 5 10))))"
    "(deffuzzy food (range 0 10) (values (term rancid ((0 1) (1 1) (3 0)))"
    " (term delicious ((6 0) (9 1) (10 1)))))"
    "(deffuzzy tip (range 0 30) (values (term cheap (tri 0 5 10))"
    " (term average (tri 10 15 20)) (term generous (tri 20 25 30))))";

constexpr const char* Rules =
    "if service is poor or food is rancid then tip is cheap\n"
    "if service is good then tip is average\n"
    "if service is excellent or food is delicious then tip is generous\n";

struct TTipping {
  TTipping() {
    Logic->SetAutoTerms(false);
    Logic->SetParser(Parser.get());
    Parser->SetFuzzyLogic(Logic.get());
    Parser->ParseFuzzyLogic(Definitions);
  }
  fuzzy::TOwned<fuzzy::TKWFuzzyLogicParser> Parser =
      fuzzy::Own(fuzzy::TKWFuzzyLogicParser::Create(nullptr));
  fuzzy::TOwned<fuzzy::TFuzzyLogic> Logic = fuzzy::Own(fuzzy::TFuzzyLogic::Create(nullptr));
};

// Service and food on a grid, `count` rows.
std::vector<double> GridRows(int count) {
  std::vector<double> rows;
  for (int i = 0; i < count; ++i) rows.insert(rows.end(), {(i % 21) * 0.5, (i / 21 % 21) * 0.5});
  return rows;
}

void BM_Build(benchmark::State& state) {
  TTipping tipping;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fuzzy::Own(fuzzy::TRuleBase::Create(tipping.Logic.get(), Rules)));
  }
}

void BM_FireOne(benchmark::State& state) {
  TTipping tipping;
  const auto rules = fuzzy::Own(fuzzy::TRuleBase::Create(tipping.Logic.get(), Rules));
  const std::vector<double> rows = GridRows(441);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rules->Fire(std::span<const double>(rows).subspan(next, 2)));
    next = next + 2 == rows.size() ? 0 : next + 2;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_FireBatch(benchmark::State& state) {
  TTipping tipping;
  const auto rules = fuzzy::Own(fuzzy::TRuleBase::Create(tipping.Logic.get(), Rules));
  const int count = static_cast<int>(state.range(0));
  const std::vector<double> rows = GridRows(count);
  std::vector<double> tips(static_cast<std::size_t>(count));
  for (auto _ : state) {
    rules->FireBatch(rows, tips);
    benchmark::DoNotOptimize(tips.data());
  }
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_Build);
BENCHMARK(BM_FireOne);
BENCHMARK(BM_FireBatch)->Arg(10)->Arg(1000)->Arg(100000);

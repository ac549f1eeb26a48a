// The same work on this library and on the peer library (fuzzylite), in one process: the
// tipping controller, single membership lookups, and reading definition text. The accuracy of
// the tipping results against the exact centroid is measured once before the timings, printed,
// and stored in the JSON context; the program fails when our results are not exact.
#include <benchmark/benchmark.h>
#include <fl/Headers.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/peer/Accuracy.h"
#include "bench/peer/AllocationCount.h"
#include "bench/peer/DefinitionTexts.h"
#include "bench/peer/Membership.h"
#include "bench/peer/Tipping.h"
#include "fuzzy/framework/Strings.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace {

using peer::TTippingInput;

// The heap allocations per unit of work, counted over the whole timed loop (steady state: the
// set-up before the loop is not counted).
class TAllocationsPer {
 public:
  TAllocationsPer() : FStart(peer::AllocationCount()) {}
  void Report(benchmark::State& state, double units) const {
    state.counters["allocations"] =
        static_cast<double>(peer::AllocationCount() - FStart) / std::max(units, 1.0);
  }

 private:
  std::uint64_t FStart;
};

// One full inference per iteration, walking the grid round and round.
template <typename TSide>
void RunTipping(benchmark::State& state, TSide& side) {
  const std::vector<TTippingInput> grid = peer::TippingGrid();
  std::size_t next = 0;
  const TAllocationsPer allocations;
  for (auto _ : state) {
    benchmark::DoNotOptimize(side.Infer(grid[next]));
    next = next + 1 == grid.size() ? 0 : next + 1;
  }
  allocations.Report(state, static_cast<double>(state.iterations()));
  state.SetItemsProcessed(state.iterations());
}

void BM_TippingOurs(benchmark::State& state) {
  peer::TOurTipping ours;
  RunTipping(state, ours);
}

// The whole grid in one batch per iteration; "rows" lets the table report the time per row.
void BM_TippingRulesBatch(benchmark::State& state) {
  const std::vector<TTippingInput> grid = peer::TippingGrid();
  const std::vector<double> rows = peer::TOurRuleTipping::Rows(grid);
  std::vector<double> tips(grid.size());
  peer::TOurRuleTipping rules;
  rules.InferBatch(rows, tips);  // warm: the working arrays reach their size
  const TAllocationsPer allocations;
  for (auto _ : state) {
    rules.InferBatch(rows, tips);
    benchmark::DoNotOptimize(tips.data());
  }
  allocations.Report(state, static_cast<double>(state.iterations() * grid.size()));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(grid.size()));
  state.counters["rows"] = static_cast<double>(grid.size());
}

void BM_TippingPeer(benchmark::State& state) {
  peer::TPeerTipping fuzzylite(static_cast<int>(state.range(0)));
  RunTipping(state, fuzzylite);
}

// One lookup per iteration, cycling through probes spread over the set.
template <typename TLookup>
void RunMembership(benchmark::State& state, const std::vector<double>& probes, TLookup lookup) {
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lookup(probes[next]));
    next = (next + 1) % probes.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MembershipOurs(benchmark::State& state) {
  const peer::TPoints points = peer::MembershipPoints(static_cast<int>(state.range(0)));
  const auto set = peer::OurMembershipSet(points);
  RunMembership(state, peer::MembershipProbes(points),
                [&set](double x) { return set->DegreeOfMembership(x); });
}

void BM_MembershipPeer(benchmark::State& state) {
  const peer::TPoints points = peer::MembershipPoints(static_cast<int>(state.range(0)));
  const std::unique_ptr<fl::Term> term = peer::PeerMembershipTerm(points);
  RunMembership(state, peer::MembershipProbes(points),
                [&term](double x) { return term->membership(x); });
}

void ReportBytes(benchmark::State& state, const std::string& text) {
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Each round replaces the variables the round before read, as setting new text does.
void BM_ReadOurs(benchmark::State& state) {
  const std::string text = peer::OurDefinitionText(static_cast<int>(state.range(0)));
  const auto parser = fuzzy::Own(fuzzy::TKWFuzzyLogicParser::Create(nullptr));
  const auto logic = fuzzy::Own(fuzzy::TFuzzyLogic::Create(nullptr));
  logic->SetAutoTerms(false);
  logic->SetParser(parser.get());
  parser->SetFuzzyLogic(logic.get());
  const TAllocationsPer allocations;
  for (auto _ : state) {
    auto strings = fuzzy::Own(fuzzy::TStringList::Create());
    strings->SetText(text);
    logic->SetStrings(strings.get());
    benchmark::DoNotOptimize(logic->GetItems()->GetCount());
  }
  allocations.Report(state, static_cast<double>(state.iterations() * state.range(0)));
  ReportBytes(state, text);
}

// The variables read from the text written back as definition text, one after the other, as
// the component regenerates its Strings.
void BM_WriteOurs(benchmark::State& state) {
  const auto parser = fuzzy::Own(fuzzy::TKWFuzzyLogicParser::Create(nullptr));
  const auto logic = fuzzy::Own(fuzzy::TFuzzyLogic::Create(nullptr));
  logic->SetAutoTerms(false);
  logic->SetParser(parser.get());
  parser->SetFuzzyLogic(logic.get());
  parser->ParseFuzzyLogic(peer::OurDefinitionText(static_cast<int>(state.range(0))));
  std::int64_t bytes = 0;
  for (auto _ : state) {
    for (fuzzy::TFuzzyVariable* variable : *logic->GetItems()) {
      const std::string text = parser->PrettyPrint(variable);
      bytes += static_cast<std::int64_t>(text.size());
    }
  }
  state.SetBytesProcessed(bytes);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The importer makes a new engine from the text; it goes before the next round.
void BM_ReadPeer(benchmark::State& state) {
  const std::string text = peer::PeerDefinitionText(static_cast<int>(state.range(0)));
  const fl::FllImporter importer;
  for (auto _ : state) {
    const std::unique_ptr<fl::Engine> engine(importer.fromString(text));
    benchmark::DoNotOptimize(engine->numberOfInputVariables());
  }
  ReportBytes(state, text);
}

void RegisterAll() {
  benchmark::RegisterBenchmark("tipping/ours", BM_TippingOurs);
  benchmark::RegisterBenchmark("tipping/ours-rules-batch", BM_TippingRulesBatch);
  for (const int resolution : peer::PeerResolutions) {
    benchmark::RegisterBenchmark("tipping/fuzzylite", BM_TippingPeer)->Arg(resolution);
  }
  for (const int points : {3, 7, 50}) {
    benchmark::RegisterBenchmark("membership/ours", BM_MembershipOurs)->Arg(points);
    benchmark::RegisterBenchmark("membership/fuzzylite", BM_MembershipPeer)->Arg(points);
  }
  for (const int variables : {1000, 10000}) {
    benchmark::RegisterBenchmark("read/ours", BM_ReadOurs)
        ->Arg(variables)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("read/fuzzylite", BM_ReadPeer)
        ->Arg(variables)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("write/ours", BM_WriteOurs)
        ->Arg(variables)
        ->Unit(benchmark::kMillisecond);
  }
  // Only ours at this size: it shows whether reading stays linear.
  benchmark::RegisterBenchmark("read/ours", BM_ReadOurs)
      ->Arg(100000)
      ->Unit(benchmark::kMillisecond);
}

// The errors go both to the console and into the JSON context, for scripts/bench's table.
void ReportAccuracy(const peer::TAccuracy& accuracy) {
  std::fputs(peer::AccuracyTable(accuracy).c_str(), stdout);
  std::fflush(stdout);
  char value[32];
  std::snprintf(value, sizeof value, "%.6e", accuracy.OursMaxError);
  benchmark::AddCustomContext("accuracy/ours", value);
  for (const peer::TPeerError& peer : accuracy.Peer) {
    std::snprintf(value, sizeof value, "%.6e", peer.MaxError);
    benchmark::AddCustomContext("accuracy/fuzzylite/" + std::to_string(peer.Resolution), value);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const peer::TAccuracy accuracy = peer::MeasureAccuracy();
  ReportAccuracy(accuracy);
  RegisterAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (!accuracy.OursExact()) {
    std::fprintf(stderr, "our tipping results are not the exact centroid (error %.3e)\n",
                 accuracy.OursMaxError);
    return 1;
  }
  return 0;
}

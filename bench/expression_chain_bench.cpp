// A long chain of one operator ("cold and cold and ... cold") evaluated over a variable of either
// model, 1,000 and 10,000 terms long. Besides the time, each run reports the heap it needed at
// its peak, counted by this program's own operator new, since every partial result of the object
// model stays with the variable.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>

#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace {

// Heap in use, and its highest value since the last reset. Each block carries its size in front.
std::atomic<std::size_t> HeapInUse{0};
std::atomic<std::size_t> HeapPeak{0};
constexpr std::size_t Header = alignof(std::max_align_t);

void* Counted(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + Header));
  if (block == nullptr) throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = size;
  const std::size_t now = HeapInUse += size;
  for (std::size_t peak = HeapPeak; now > peak && !HeapPeak.compare_exchange_weak(peak, now);) {
  }
  return block + Header;
}

void Uncounted(void* pointer) noexcept {
  if (pointer == nullptr) return;
  auto* block = static_cast<unsigned char*>(pointer) - Header;
  HeapInUse -= *reinterpret_cast<std::size_t*>(block);
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
  return Counted(size);
}
void* operator new[](std::size_t size) {
  return Counted(size);
}
void operator delete(void* pointer) noexcept {
  Uncounted(pointer);
}
void operator delete[](void* pointer) noexcept {
  Uncounted(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
  Uncounted(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
  Uncounted(pointer);
}

namespace {

using namespace fuzzy;

const char* const Definition = "(deffuzzy temp (range 0 40) (values (term cold (tri 0 0 20))))";

std::string Chain(int terms) {
  std::string text = "cold";
  for (int i = 1; i < terms; ++i) text += " and cold";
  return text;
}

// Heap used at the peak of the round, above what the round started with, in megabytes.
void ReportPeak(benchmark::State& state, std::size_t before) {
  state.counters["peak_MB"] = static_cast<double>(HeapPeak - before) / (1024.0 * 1024.0);
}

TFuzzyVariable* Temperature(TFuzzyLogic& logic) {
  return logic.GetItems()->GetItemByName("temp");
}
IPtr<IFuzzyVariable> Temperature(TIFuzzyLogic& logic) {
  return logic.GetItems()->Get("temp");
}

// Each round reads the variable afresh, so the partial results of one round do not pile up.
template <class TLogic>
void RunChain(benchmark::State& state, const std::string& expression) {
  std::size_t before = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      const auto parser = Own(TKWFuzzyLogicParser::Create(nullptr));
      const auto logic = Own(TLogic::Create(nullptr));
      logic->SetAutoTerms(false);
      logic->SetParser(parser.get());
      parser->SetFuzzyLogic(logic.get());
      parser->Parse(Definition);
      before = HeapInUse;
      HeapPeak = before;
      state.ResumeTiming();
      const auto variable = Temperature(*logic);
      benchmark::DoNotOptimize(parser->EvalFuzzyExpression(variable, expression));
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  ReportPeak(state, before);
}

void BM_ObjectModelChain(benchmark::State& state) {
  RunChain<TFuzzyLogic>(state, Chain(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ObjectModelChain)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_InterfaceModelChain(benchmark::State& state) {
  RunChain<TIFuzzyLogic>(state, Chain(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_InterfaceModelChain)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

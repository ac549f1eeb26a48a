// Separate components may be used on separate threads at the same time: each thread here reads
// text into its own components (one of each model, each with its own parser), evaluates
// expressions, fires rules and writes the text back, over and over. What the threads share are
// the reference counts and the unique set counter; ThreadSanitizer watches them (scripts/test
// --tsan), and every thread must end with the same results.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "fuzzy/framework/Strings.h"
#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace fuzzy {
namespace {

const char* const Definitions =
    "(deffuzzy service (range 0 10) (values (term poor (tri 0 0 5)) (term good (tri 2 5 8))\n"
    "  (term excellent (tri 5 10 10))))\n"
    "(deffuzzy tip (range 0 30) (values (term low (tri 0 5 10)) (term high (tri 15 25 30))))\n";

constexpr int Rounds = 40;

// What one round of one model gives: the crisp results and the written text.
struct TRound {
  double Evaluated = 0;
  double Fired = 0;
  std::string Written;
  bool operator==(const TRound&) const = default;
};

template <class TLogic>
struct TComponent {
  TComponent() {
    Logic->SetParser(Parser.get());
    Parser->SetFuzzyLogic(Logic.get());
  }
  // Through the component's text, which replaces what the round before read.
  void Read() {
    const auto strings = Own(TStringList::Create());
    strings->SetText(Definitions);
    Logic->SetStrings(strings.get());
  }
  TOwned<TKWFuzzyLogicParser> Parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TOwned<TLogic> Logic = Own(TLogic::Create(nullptr));
};

TRound ObjectRound(TComponent<TFuzzyLogic>& component) {
  component.Read();
  TFuzzyVariable* service = component.Logic->GetItems()->GetItemByName("service");
  TFuzzyVariable* tip = component.Logic->GetItems()->GetItemByName("tip");
  TRound round;
  TFuzzySet* result = nullptr;
  round.Evaluated = component.Parser->EvalFuzzyExpression(service, "very good or poor", result);
  const auto input = Own(TFuzzySet::Create(nullptr));
  input->CreateTriangleFunctionValues(6, 6, 6);
  const auto fired =
      Own(tip->AssertRule(service->GetItems()->GetItemByName("good"),
                          tip->GetItems()->GetItemByName("high"), input.get(), nullptr));
  round.Fired = fired ? fired->CenterOfGravity() : -1;
  component.Logic->UpdateStrings();
  round.Written = component.Logic->GetStrings()->GetText();
  return round;
}

TRound InterfaceRound(TComponent<TIFuzzyLogic>& component) {
  component.Read();
  const IPtr<IFuzzyVariable> service = component.Logic->GetItems()->Get("service");
  const IPtr<IFuzzyVariable> tip = component.Logic->GetItems()->Get("tip");
  TRound round;
  IPtr<IFuzzySet> result;
  round.Evaluated = component.Parser->EvalFuzzyExpression(service, "very good or poor", result);
  const IPtr<IFuzzySet> input = component.Parser->EvalFuzzyExpression(service, "6");
  const IPtr<IFuzzySet> fired = tip->AssertRule(service->ContainsFuzzySet("good"),
                                                tip->ContainsFuzzySet("high"), input, nullptr);
  round.Fired = fired ? fired->CenterOfGravity() : -1;
  component.Logic->UpdateStrings();
  round.Written = component.Logic->GetStrings()->GetText();
  return round;
}

// Every round of a thread, both models.
std::vector<TRound> RunRounds() {
  TComponent<TFuzzyLogic> object;
  TComponent<TIFuzzyLogic> intf;
  std::vector<TRound> rounds;
  for (int i = 0; i < Rounds; ++i) {
    rounds.push_back(ObjectRound(object));
    rounds.push_back(InterfaceRound(intf));
  }
  return rounds;
}

TEST(SeparateThreads, UseTheirOwnComponentsAtTheSameTimeAndAgree) {
  const std::vector<TRound> alone = RunRounds();
  std::vector<TRound> first;
  std::vector<TRound> second;
  std::thread a([&first] { first = RunRounds(); });
  std::thread b([&second] { second = RunRounds(); });
  a.join();
  b.join();
  EXPECT_TRUE(first == alone);
  EXPECT_TRUE(second == alone);
  EXPECT_GT(alone.front().Fired, 0);
}

}  // namespace
}  // namespace fuzzy

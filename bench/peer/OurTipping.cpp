// The tipping controller as an application embeds this library: the component and its terms are
// read once; each inference refills the two crisp inputs, fires the three rules into a fresh
// accumulator and takes its centre of gravity; or fires the same rules through a rule base.
#include <algorithm>
#include <stdexcept>
#include <string>

#include "bench/peer/Tipping.h"
#include "fuzzy/framework/Strings.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleBase.h"

namespace peer {

namespace {

using fuzzy::TFuzzySet;
using fuzzy::TFuzzyVariable;

// The task's shapes clamped into each variable's range, written as points.
constexpr const char* TippingText =
    "(deffuzzy service (range 0 10) (values\n"
    "  (term poor ((0 1) (5 0)))\n"
    "  (term good ((0 0) (5 1) (10 0)))\n"
    "  (term excellent ((5 0) (10 1)))))\n"
    "(deffuzzy food (range 0 10) (values\n"
    "  (term rancid ((0 1) (1 1) (3 0)))\n"
    "  (term delicious ((7 0) (9 1) (10 1)))))\n"
    "(deffuzzy tip (range 0 30) (values\n"
    "  (term cheap ((0 0) (5 1) (10 0)))\n"
    "  (term average ((10 0) (15 1) (20 0)))\n"
    "  (term generous ((20 0) (25 1) (30 0)))))\n";

// The rules that TOurTipping::Infer fires by hand.
constexpr const char* TippingRules =
    "if service is poor or food is rancid then tip is cheap\n"
    "if service is good then tip is average\n"
    "if service is excellent or food is delicious then tip is generous\n";

void ReadTipping(fuzzy::TKWFuzzyLogicParser* parser, fuzzy::TFuzzyLogic* logic) {
  logic->SetAutoTerms(false);
  logic->SetParser(parser);
  parser->SetFuzzyLogic(logic);
  auto strings = fuzzy::Own(fuzzy::TStringList::Create());
  strings->SetText(TippingText);
  logic->SetStrings(strings.get());
}

TFuzzyVariable* Variable(fuzzy::TFuzzyLogic* logic, const char* name) {
  TFuzzyVariable* variable = logic->GetItems()->GetItemByName(name);
  if (variable == nullptr) throw std::logic_error(std::string("no variable ") + name);
  return variable;
}

}  // namespace

TOurTipping::TOurTipping()
    : FParser(fuzzy::Own(fuzzy::TKWFuzzyLogicParser::Create(nullptr))),
      FLogic(fuzzy::Own(fuzzy::TFuzzyLogic::Create(nullptr))) {
  ReadTipping(FParser.get(), FLogic.get());
  TFuzzyVariable* service = Variable(FLogic.get(), "service");
  TFuzzyVariable* food = Variable(FLogic.get(), "food");
  FTip = Variable(FLogic.get(), "tip");
  // Every rule fires, however weak, as on the other side.
  FTip->SetThreshold(0.0);
  FPoor = Term(service, "poor");
  FGood = Term(service, "good");
  FExcellent = Term(service, "excellent");
  FRancid = Term(food, "rancid");
  FDelicious = Term(food, "delicious");
  FCheap = Term(FTip, "cheap");
  FAverage = Term(FTip, "average");
  FGenerous = Term(FTip, "generous");
  FServiceInput = fuzzy::Own(service->GetItems()->Add());
  FFoodInput = fuzzy::Own(food->GetItems()->Add());
}

TOurTipping::~TOurTipping() = default;

TFuzzySet* TOurTipping::Term(TFuzzyVariable* variable, const char* name) const {
  TFuzzySet* term = variable->GetItems()->GetItemByName(name);
  if (term == nullptr) throw std::logic_error(std::string("no term ") + name);
  return term;
}

void TOurTipping::Fire(double strength, TFuzzySet* conclusion,
                       fuzzy::TOwned<TFuzzySet>& accumulated) {
  TFuzzySet* combined = FTip->AssertRule(strength, conclusion, accumulated.get());
  // A threshold of 0 lets every rule through, so there is always a new accumulated set.
  accumulated = fuzzy::Own(combined);
}

double TOurTipping::Infer(const TTippingInput& input) {
  FServiceInput->CreateCrispValue(input.Service);
  FFoodInput->CreateCrispValue(input.Food);
  TFuzzySet* service = FServiceInput.get();
  TFuzzySet* food = FFoodInput.get();
  fuzzy::TOwned<TFuzzySet> accumulated;
  Fire(std::max(FPoor->GetCorrelationStrength(service), FRancid->GetCorrelationStrength(food)),
       FCheap, accumulated);
  Fire(FGood->GetCorrelationStrength(service), FAverage, accumulated);
  Fire(std::max(FExcellent->GetCorrelationStrength(service),
                FDelicious->GetCorrelationStrength(food)),
       FGenerous, accumulated);
  return accumulated->CenterOfGravity();
}

TOurRuleTipping::TOurRuleTipping()
    : FParser(fuzzy::Own(fuzzy::TKWFuzzyLogicParser::Create(nullptr))),
      FLogic(fuzzy::Own(fuzzy::TFuzzyLogic::Create(nullptr))) {
  ReadTipping(FParser.get(), FLogic.get());
  FRules = fuzzy::Own(fuzzy::TRuleBase::Create(FLogic.get(), TippingRules));
  FRules->SetThreshold(0.0);  // every rule fires, as on the other side
}

TOurRuleTipping::~TOurRuleTipping() = default;

std::vector<double> TOurRuleTipping::Rows(const std::vector<TTippingInput>& inputs) {
  std::vector<double> rows;
  for (const TTippingInput& input : inputs) rows.insert(rows.end(), {input.Service, input.Food});
  return rows;
}

void TOurRuleTipping::InferBatch(std::span<const double> rows, std::span<double> tips) {
  FRules->FireBatch(rows, tips);
}

}  // namespace peer

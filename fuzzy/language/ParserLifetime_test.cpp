// Parser, interface-model component, variables and sets may be freed in any order: the sets and
// variables hold the parser, which an owner frees whenever it likes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "fuzzy/interfaces/IFuzzyLogic.h"
#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"

namespace fuzzy {
namespace {

enum class THeld { Nothing, Term, Result, Variable };

struct TFreeingOrder {
  const char* Name;
  THeld Held;
  bool ParserFirst;
};

void PrintTo(const TFreeingOrder& order, std::ostream* out) {
  *out << order.Name;
}

class ParserLifetime : public ::testing::TestWithParam<TFreeingOrder> {
 protected:
  ParserLifetime() {
    FLogic->SetParser(FParser.get());
    FParser->SetFuzzyLogic(FLogic.get());
    FParser->Parse("(deffuzzy temp (range 0 10) (values (term low (tri 0 0 5))))");
    FVariable = FLogic->GetItems()->Get("temp");
  }

  // What the application keeps once parser and component are gone.
  IPtr<IInterface> Held() const {
    switch (GetParam().Held) {
      case THeld::Term:
        return FVariable->ContainsFuzzySet("low");
      case THeld::Result:
        return FParser->EvalFuzzyExpression(FVariable, "very low");
      case THeld::Variable:
        return FVariable;
      case THeld::Nothing:
        break;
    }
    return nullptr;
  }

  TOwned<TKWFuzzyLogicParser> FParser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TOwned<TIFuzzyLogic> FLogic = Own(TIFuzzyLogic::Create(nullptr));
  IPtr<IFuzzyVariable> FVariable;
};

TEST_P(ParserLifetime, EveryOrderOfFreeingIsSafe) {
  const IPtr<IInterface> held = Held();
  const IPtr<IFuzzySet> heldSet = InterfaceCast<IFuzzySet>(held);
  const IPtr<IFuzzyVariable> heldVariable = InterfaceCast<IFuzzyVariable>(held);
  // The variable alone keeps its terms; only what the case holds stays.
  if (!heldVariable) FVariable = nullptr;
  if (GetParam().ParserFirst) FParser.reset();
  FLogic.reset();
  FParser.reset();
  if (heldSet) {
    EXPECT_EQ(heldSet->GetParser(), nullptr);
    // Without a parser a set prints as the object model does: its name and points.
    EXPECT_EQ(heldSet->ToString().rfind("(" + heldSet->GetName() + " (", 0), 0u);
    EXPECT_EQ(heldSet->GetVariable()->GetParser(), nullptr);
  }
  if (heldVariable) {
    EXPECT_EQ(heldVariable->GetParser(), nullptr);
    EXPECT_EQ(heldVariable->ToString(), "temp");
    EXPECT_EQ(heldVariable->ContainsFuzzySet("low")->GetParser(), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Orders, ParserLifetime,
    ::testing::Values(TFreeingOrder{"ParserFirst", THeld::Nothing, true},
                      TFreeingOrder{"ComponentFirst", THeld::Nothing, false},
                      TFreeingOrder{"TermOutlivesParserThenComponent", THeld::Term, true},
                      TFreeingOrder{"TermOutlivesComponentThenParser", THeld::Term, false},
                      TFreeingOrder{"ResultOutlivesParserThenComponent", THeld::Result, true},
                      TFreeingOrder{"ResultOutlivesComponentThenParser", THeld::Result, false},
                      TFreeingOrder{"VariableOutlivesParserThenComponent", THeld::Variable, true},
                      TFreeingOrder{"VariableOutlivesComponentThenParser", THeld::Variable, false}),
    [](const ::testing::TestParamInfo<TFreeingOrder>& info) { return info.param.Name; });

// A set moved from one parser's variable to another's follows the new parser: freeing the old
// one leaves it alone.
TEST(ParserLifetimeLinks, ASetLetsGoOfItsOldParser) {
  auto first = Own(TKWFuzzyLogicParser::Create(nullptr));
  const auto second = Own(TKWFuzzyLogicParser::Create(nullptr));
  const IPtr<IFuzzyVariable> a(TIFuzzyVariable::Create("a"));
  const IPtr<IFuzzyVariable> b(TIFuzzyVariable::Create("b"));
  a->SetParser(IPtr<IFuzzyParser>(first.get()));
  b->SetParser(IPtr<IFuzzyParser>(second.get()));
  const IPtr<IFuzzySet> set = a->Add("low");
  set->SetVariable(b);
  first.reset();
  EXPECT_EQ(set->GetParser(), IPtr<IFuzzyParser>(second.get()));
  EXPECT_EQ(a->GetParser(), nullptr);
}

}  // namespace
}  // namespace fuzzy

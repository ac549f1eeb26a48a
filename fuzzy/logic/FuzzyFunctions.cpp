// The built-in set functions of the definition language, for both models: "pi", "tri", "s",
// "z" and "beta" fill a result set through the shape generators.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/logic/FuzzyLogicParser.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

constexpr const char* CalcRoutine = "CalcFuzzyFunction";

enum class TBuiltIn : std::uint8_t { Pi, Tri, Growth, Decline, Beta };

struct TBuiltInFunction {
  const char* Name;
  TBuiltIn Kind;
  // The two argument counts accepted (the same twice when only one is).
  std::size_t Counts[2];
  // What the count error says is expected.
  const char* CountText;
};

constexpr TBuiltInFunction BuiltIns[] = {
    {"pi", TBuiltIn::Pi, {2, 3}, SPIArgsExpected},
    {"tri", TBuiltIn::Tri, {3, 3}, STriArgsExpected},
    {"s", TBuiltIn::Growth, {2, 2}, SCurveArgsExpected},
    {"z", TBuiltIn::Decline, {2, 2}, SCurveArgsExpected},
    {"beta", TBuiltIn::Beta, {3, 4}, SBetaArgsExpected},
};

// Names compare case-sensitively: "TRI" is no function.
const TBuiltInFunction* FindBuiltIn(const std::string& name) {
  for (const TBuiltInFunction& function : BuiltIns) {
    if (name == function.Name) return &function;
  }
  return nullptr;
}

std::vector<TFzyFloat> NumbersOf(const IPtr<IFuzzyStreamTokenList>& args) {
  std::vector<TFzyFloat> numbers;
  const int count = args ? args->GetCount() : 0;
  for (int i = 0; i < count; ++i) numbers.push_back(args->GetBaseStreamToken(i)->GetNumber());
  return numbers;
}

// `result` is a TFuzzySet* or an IPtr<IFuzzySet>: both offer the same generators. The count has
// been checked against the function's.
template <class TTarget>
void Generate(const TTarget& result, TBuiltIn kind, int n, const std::vector<TFzyFloat>& a) {
  switch (kind) {
    case TBuiltIn::Pi:
      if (a.size() == 2) {
        result->CreatePIFunctionValues(n, a[0], a[1]);
      } else {
        result->CreatePIFunctionValues(n, a[0], a[1], a[2]);
      }
      return;
    case TBuiltIn::Tri:
      result->CreateTriangleFunctionValues(a[0], a[1], a[2]);
      return;
    case TBuiltIn::Growth:
    case TBuiltIn::Decline:
      // Two numbers: the right end doubles as the (stored only) inflection point.
      result->CreateCurveValues(n, a[0], a[1], a[1], kind == TBuiltIn::Growth);
      return;
    case TBuiltIn::Beta:
      if (a.size() == 3) {
        result->CreateBetaCurveFunctionValues(n, a[0], a[1], a[2]);
      } else {
        result->CreateBetaCurveFunctionValues(n, a[0], a[1], a[2], a[3]);
      }
      return;
  }
}

// A generator refuses arguments it cannot draw (an "s" whose left end lies right of its right
// end); in definition text that is the text's fault, so it is raised with the line it is on.
template <class TTarget>
void GenerateInText(TCustomFuzzyLogicParser& parser, const TTarget& result, TBuiltIn kind, int n,
                    const std::vector<TFzyFloat>& a) {
  try {
    Generate(result, kind, n, a);
  } catch (const EFzyParseException&) {
    throw;
  } catch (const EFzyException& error) {
    parser.ParseError(CalcRoutine, error.GetMessage());
  }
}

// The checks in their order (name, argument kinds, count), then the generator.
template <class TTarget>
void CalcBuiltIn(TCustomFuzzyLogicParser& parser, int n, const std::string& name,
                 const IPtr<IFuzzyStreamTokenList>& args, const TTarget& result) {
  const TBuiltInFunction* function = FindBuiltIn(name);
  if (function == nullptr) parser.ParseError(CalcRoutine, SUnknownFunctionName, {name});
  if (!TCustomFuzzyLogicParser::VerifyAll(args, {fstInteger, fstFloat})) {
    parser.ParseError(CalcRoutine, SFzyArgTypeWrong, {name, "numeric"});
  }
  const std::vector<TFzyFloat> numbers = NumbersOf(args);
  if (numbers.size() != function->Counts[0] && numbers.size() != function->Counts[1]) {
    parser.ParseError(CalcRoutine, SFzyArgNumWrong, {name, function->CountText});
  }
  if (!result) throw EInvalidOperation("CalcFuzzyFunction needs a set to fill");
  GenerateInText(parser, result, function->Kind, n, numbers);
}

}  // namespace

void TCustomFuzzyLogicParser::CalcFuzzyFunction(const std::string& FuncName,
                                                const IPtr<IFuzzyStreamTokenList>& Args,
                                                TFuzzySet*& Result) {
  CalcBuiltIn(*this, GetNumFunctionValues(), FuncName, Args, Result);
}

void TCustomFuzzyLogicParser::CalcFuzzyFunction(const std::string& FuncName,
                                                const IPtr<IFuzzyStreamTokenList>& Args,
                                                IPtr<IFuzzySet>& Result) {
  CalcBuiltIn(*this, GetNumFunctionValues(), FuncName, Args, Result);
}

}  // namespace fuzzy

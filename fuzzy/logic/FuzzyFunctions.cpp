// The built-in set functions of the definition language, for both models: "pi", "tri", "s",
// "z" and "beta" fill a result set through the shape generators, and the shapes of other model
// formats ("trap", "gauss", "bell", "sigmoid" ..., see FuzzyShape.h) through CreateShapeValues.
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
template <class TGenerate>
void GenerateInText(TCustomFuzzyLogicParser& parser, TGenerate&& generate) {
  try {
    generate();
  } catch (const EFzyParseException&) {
    throw;
  } catch (const EFzyException& error) {
    parser.ParseError(CalcRoutine, error.GetMessage());
  }
}

// "(VARIABLE COEFFICIENT)", a term of a linear output.
bool IsCoefficientPair(const IPtr<IFuzzyStreamToken>& token) {
  const IPtr<IFuzzyStreamTokenList> pair = token ? token->GetList() : nullptr;
  if (!pair || pair->GetCount() != 2) return false;
  const int coefficient = pair->GetBaseStreamToken(1)->GetDataType();
  return pair->GetBaseStreamToken(0)->GetDataType() == fstAtom &&
         (coefficient == fstInteger || coefficient == fstFloat);
}

// A linear output: its constant, then a (VARIABLE COEFFICIENT) pair per input.
TFuzzyShape LinearArguments(TCustomFuzzyLogicParser& parser, const std::string& name,
                            const IPtr<IFuzzyStreamTokenList>& args) {
  const int count = args ? args->GetCount() : 0;
  const int first = count > 0 ? args->GetBaseStreamToken(0)->GetDataType() : fstNone;
  if (first != fstInteger && first != fstFloat) {
    parser.ParseError(CalcRoutine, SFzyArgTypeWrong, {name, "a number first"});
  }
  TFuzzyShape shape{fskLinear, {args->GetBaseStreamToken(0)->GetNumber()}, {}};
  for (int i = 1; i < count; ++i) {
    if (!IsCoefficientPair(args->Get(i))) {
      parser.ParseError(CalcRoutine, SFzyArgTypeWrong, {name, "(VARIABLE NUMBER) pairs"});
    }
    const IPtr<IFuzzyStreamTokenList> pair = args->Get(i)->GetList();
    shape.Inputs.push_back(pair->GetBaseStreamToken(0)->GetText());
    shape.Parameters.push_back(pair->GetBaseStreamToken(1)->GetNumber());
  }
  return shape;
}

TFuzzyShape ShapeArguments(TCustomFuzzyLogicParser& parser, TFuzzyShapeKind kind,
                           const std::string& name, const IPtr<IFuzzyStreamTokenList>& args) {
  if (kind == fskLinear) return LinearArguments(parser, name, args);
  if (!TCustomFuzzyLogicParser::VerifyAll(args, {fstInteger, fstFloat})) {
    parser.ParseError(CalcRoutine, SFzyArgTypeWrong, {name, "numeric"});
  }
  const std::vector<TFzyFloat> numbers = NumbersOf(args);
  if (numbers.size() != FuzzyShapeParameterCount(kind)) {
    parser.ParseError(CalcRoutine, SFzyArgNumWrong,
                      {name, std::string("\"") + FuzzyShapeParameterNames(kind) + "\""});
  }
  return {kind, numbers, {}};
}

// The shapes of other model formats, sampled to the component's tolerance.
template <class TTarget>
void CalcShape(TCustomFuzzyLogicParser& parser, TFzyFloat tolerance, TFuzzyShapeKind kind,
               const std::string& name, const IPtr<IFuzzyStreamTokenList>& args,
               const TTarget& result) {
  const TFuzzyShape shape = ShapeArguments(parser, kind, name, args);
  if (!result) throw EInvalidOperation("CalcFuzzyFunction needs a set to fill");
  GenerateInText(parser, [&] { result->CreateShapeValues(shape, tolerance); });
}

// The checks in their order (name, argument kinds, count), then the generator.
template <class TTarget>
void CalcBuiltIn(TCustomFuzzyLogicParser& parser, int n, TFzyFloat tolerance,
                 const std::string& name, const IPtr<IFuzzyStreamTokenList>& args,
                 const TTarget& result) {
  const TFuzzyShapeKind shape = FuzzyShapeOfName(name);
  if (shape != fskNone) return CalcShape(parser, tolerance, shape, name, args, result);
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
  GenerateInText(parser, [&] { Generate(result, function->Kind, n, numbers); });
}

}  // namespace

void TCustomFuzzyLogicParser::CalcFuzzyFunction(const std::string& FuncName,
                                                const IPtr<IFuzzyStreamTokenList>& Args,
                                                TFuzzySet*& Result) {
  CalcBuiltIn(*this, GetNumFunctionValues(), GetShapeTolerance(), FuncName, Args, Result);
}

void TCustomFuzzyLogicParser::CalcFuzzyFunction(const std::string& FuncName,
                                                const IPtr<IFuzzyStreamTokenList>& Args,
                                                IPtr<IFuzzySet>& Result) {
  CalcBuiltIn(*this, GetNumFunctionValues(), GetShapeTolerance(), FuncName, Args, Result);
}

}  // namespace fuzzy

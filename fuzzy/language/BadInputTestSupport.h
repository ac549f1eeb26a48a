// Helpers shared by the bad-input suites: a component of either model with its parser, which
// reads text and evaluates expressions and reports how each ended, and the written form of
// what it holds, by which the suites tell that nothing was left half-built.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace fuzzy::testing_support {

enum class TModel { Object, Interface };

inline const char* ModelName(TModel model) {
  return model == TModel::Object ? "Object" : "Interface";
}

inline std::string Repeated(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

// Test names for suites over the two models: "Object" or "Interface".
inline std::string ModelTestName(const ::testing::TestParamInfo<TModel>& info) {
  return ModelName(info.param);
}

// Test names for suites over (model, case) pairs whose cases carry a Name: "Object_Case".
template <class TCase>
std::string ModelCaseTestName(const ::testing::TestParamInfo<std::tuple<TModel, TCase>>& info) {
  return std::string(ModelName(std::get<0>(info.param))) + "_" + std::get<1>(info.param).Name;
}

enum class TOutcome {
  Done,        // no error
  ParseError,  // EFzyParseException
  FzyError,    // EFzyException that is not a parse error
};

struct TRunResult {
  TOutcome Outcome = TOutcome::Done;
  int Line = 0;
  std::string Message;
};

// The way `action` ended; exceptions other than the library's own pass on and fail the test.
template <class TAction>
TRunResult RunResultOf(TAction&& action) {
  try {
    action();
  } catch (const EFzyParseException& error) {
    return {TOutcome::ParseError, error.GetLine(), error.GetMessage()};
  } catch (const EFzyException& error) {
    return {TOutcome::FzyError, 0, error.GetMessage()};
  }
  return {};
}

// No automatic terms, so that only the text's terms exist.
class TReadingComponent {
 public:
  explicit TReadingComponent(TModel model)
      : FModel(model),
        FLogic(model == TModel::Object ? Own<TCustomFuzzyLogic>(TFuzzyLogic::Create(nullptr))
                                       : Own<TCustomFuzzyLogic>(TIFuzzyLogic::Create(nullptr))) {
    FLogic->SetAutoTerms(false);
    FLogic->SetParser(FParser.get());
    FParser->SetFuzzyLogic(FLogic.get());
  }

  TRunResult Read(const std::string& text) {
    return RunResultOf([&] { FParser->ParseFuzzyLogic(text); });
  }

  // Evaluates `expression` over the variable of that name.
  TRunResult Evaluate(const std::string& variable, const std::string& expression) {
    if (FModel == TModel::Object) {
      TFuzzyVariable* target =
          static_cast<TFuzzyLogic*>(FLogic.get())->GetItems()->GetItemByName(variable);
      return RunResultOf([&] { FParser->EvalFuzzyExpression(target, expression); });
    }
    const IPtr<IFuzzyVariable> target =
        static_cast<TIFuzzyLogic*>(FLogic.get())->GetItems()->Get(variable);
    return RunResultOf([&] { FParser->EvalFuzzyExpression(target, expression); });
  }

  // The definition text of every variable and its terms, as the writer gives it.
  std::string Written() {
    FLogic->UpdateStrings();
    return FLogic->GetStrings()->GetText();
  }

 private:
  TModel FModel;
  TOwned<TKWFuzzyLogicParser> FParser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TOwned<TCustomFuzzyLogic> FLogic;
};

}  // namespace fuzzy::testing_support

// The abstract parser a logic component is given: it reads definition text into the component
// (or into variables and sets of either model), evaluates expressions, writes sets and
// variables back as text, builds sets from the language's built-in functions ("pi", "tri", "s",
// "z", "beta") and reports every parse error as an EFzyParseException that names the routine,
// the line and the text read so far.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fuzzy/consts/FuzzyEnumSets.h"
#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/framework/Component.h"
#include "fuzzy/framework/Strings.h"
#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"

namespace fuzzy {

class TCustomFuzzyLogic;
class TFuzzySet;
class TParserLink;
class TFuzzyVariable;

// Called before a built-in function is computed: a handler may fill or replace Result and set
// Handled, which skips the built-ins (so it may also define functions of its own).
using TCalcFuzzyFunctionEvent =
    std::function<void(TObject* Sender, const std::string& FuncName,
                       const IPtr<IFuzzyStreamTokenList>& Args, TFuzzySet*& Result, bool& Handled)>;
using TCalcFuzzyIntfFunctionEvent = std::function<void(TObject* Sender, const std::string& FuncName,
                                                       const IPtr<IFuzzyStreamTokenList>& Args,
                                                       IPtr<IFuzzySet>& Result, bool& Handled)>;

// IFuzzyParser is served with the component's lifetime: the interface neither counts nor frees.
// A descendant that overrides one overload of a name should bring the others in with `using`.
class TCustomFuzzyLogicParser : public TComponent, public virtual IFuzzyParser {
 public:
  // ---- The logic component ------------------------------------------------------------------
  // Not owned; whichever of the two goes first unhooks the other.
  TCustomFuzzyLogic* GetFuzzyLogic() const { return FFuzzyLogic; }
  void SetFuzzyLogic(TCustomFuzzyLogic* value);

  // ---- Events (the parser is the sender) ---------------------------------------------------
  const TCalcFuzzyFunctionEvent& GetOnCalcFuzzyFunction() const { return FOnCalcFuzzyFunction; }
  void SetOnCalcFuzzyFunction(TCalcFuzzyFunctionEvent value) {
    FOnCalcFuzzyFunction = std::move(value);
  }
  const TCalcFuzzyIntfFunctionEvent& GetOnCalcFuzzyIntfFunction() const {
    return FOnCalcFuzzyIntfFunction;
  }
  void SetOnCalcFuzzyIntfFunction(TCalcFuzzyIntfFunctionEvent value) {
    FOnCalcFuzzyIntfFunction = std::move(value);
  }
  const TNotifyEvent& GetOnBeforeParse() const { return FOnBeforeParse; }
  void SetOnBeforeParse(TNotifyEvent value) { FOnBeforeParse = std::move(value); }
  const TNotifyEvent& GetOnAfterParse() const { return FOnAfterParse; }
  void SetOnAfterParse(TNotifyEvent value) { FOnAfterParse = std::move(value); }

  // ---- Reading -----------------------------------------------------------------------------
  // Reads `text` into FuzzyLogic between OnBeforeParse and OnAfterParse; without FuzzyLogic
  // raises EFzyParseException SFuzzyLogicNotSet.
  virtual void Parse(const std::string& text);
  // Reads every definition of `text` into FuzzyLogic.
  virtual void ParseFuzzyLogic(const std::string& text) = 0;
  virtual TFuzzyVariable* ParseFuzzyVariable(const std::string& text) = 0;
  IPtr<IFuzzyVariable> ParseFuzzyVariableIntf(const std::string& text) override = 0;
  // One term definition read into `variable`.
  virtual TFuzzySet* ParseFuzzySet(TFuzzyVariable* variable, const std::string& text) = 0;
  IPtr<IFuzzySet> ParseFuzzySet(const IPtr<IFuzzyVariable>& variable,
                                const std::string& text) override = 0;

  // ---- Evaluation: the result set, and through `result` with the defuzzified value ----------
  TFzyFloat EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable, const std::string& expression,
                                IPtr<IFuzzySet>& result) override = 0;
  IPtr<IFuzzySet> EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable,
                                      const std::string& expression) override = 0;
  virtual TFzyFloat EvalFuzzyExpression(TFuzzyVariable* variable, const std::string& expression,
                                        TFuzzySet*& result) = 0;
  virtual TFuzzySet* EvalFuzzyExpression(TFuzzyVariable* variable,
                                         const std::string& expression) = 0;

  // ---- Writing: a set's name (asTerm false) or term definition; a variable's definition ---
  std::string PrettyPrint(const IPtr<IFuzzySet>& fuzzySet, bool asTerm) override = 0;
  std::string PrettyPrint(const IPtr<IFuzzyVariable>& variable) override = 0;
  virtual std::string PrettyPrint(TFuzzySet* fuzzySet, bool asTerm) = 0;
  virtual std::string PrettyPrint(TFuzzyVariable* variable) = 0;

  // ---- Built-in functions ------------------------------------------------------------------
  // OnCalcFuzzyFunction first; unless it handled the call, the built-ins fill `Result`.
  // Answers the (possibly replaced) result.
  TFuzzySet* CalcFuzzyFunction(TFuzzySet* Result, const std::string& FuncName,
                               const IPtr<IFuzzyStreamTokenList>& Args);
  IPtr<IFuzzySet> CalcFuzzyFunction(const IPtr<IFuzzySet>& Result, const std::string& FuncName,
                                    const IPtr<IFuzzyStreamTokenList>& Args);
  // True when every token's kind is in `types` (punctuation never is); true for an empty or
  // missing list.
  static bool VerifyAll(const IPtr<IFuzzyStreamTokenList>& list, TFuzzyStreamTokenTypes types);

  // ---- Errors (every one raises EFzyParseException) ----------------------------------------
  // With GetParsedText and GetLineNumber.
  [[noreturn]] void ParseError(const std::string& RoutineName, const std::string& Message);
  // The same with `Message` formatted with `Args`.
  [[noreturn]] void ParseError(const std::string& RoutineName, const std::string& Message,
                               const std::vector<TFormatArg>& Args);
  // Raises the exception made by CreateParseError. An override must raise too.
  virtual void ParseError(const std::string& RoutineName, const std::string& Message,
                          const std::string& ParsedText, int LineNumber);
  // SFzyParseError with the message, routine, line and text, a text over 255 characters cut to
  // its first and last 128; Line is the line number.
  static EFzyParseException CreateParseError(const std::string& RoutineName,
                                             const std::string& Message,
                                             const std::string& ParsedText, int LineNumber);
  // What parse errors quote: the text read so far (empty here) and its line (0 here).
  virtual std::string GetParsedText() const { return ""; }
  virtual int GetLineNumber() const { return 0; }

  // ---- IInterface, with the component's lifetime -------------------------------------------
  HResult QueryInterface(const TGUID& iid, void** object) override;
  int _AddRef() override { return -1; }
  int _Release() override { return -1; }

  std::string ClassName() const override { return "TCustomFuzzyLogicParser"; }

 protected:
  explicit TCustomFuzzyLogicParser(TComponent* owner) : TComponent(owner) {}

  // The built-in functions, by the case-sensitive name: checked for the name, then for numeric
  // arguments, then for their count; each failure is a ParseError of "CalcFuzzyFunction".
  virtual void CalcFuzzyFunction(const std::string& FuncName,
                                 const IPtr<IFuzzyStreamTokenList>& Args, TFuzzySet*& Result);
  virtual void CalcFuzzyFunction(const std::string& FuncName,
                                 const IPtr<IFuzzyStreamTokenList>& Args, IPtr<IFuzzySet>& Result);
  // NumFunctionValues of FuzzyLogic, or 7 without one.
  int GetNumFunctionValues() const;
  // ShapeTolerance of FuzzyLogic, or DefaultShapeTolerance without one.
  TFzyFloat GetShapeTolerance() const;

  // The logic component going away clears FuzzyLogic.
  void Notification(TComponent* component, TOperation operation) override;
  // Every set and variable that holds this parser lets go of it first.
  void BeforeDestruction() override;

 private:
  friend class TParserLink;
  // The links that hold this parser, newest first; each is cleared when the parser goes.
  void LinkAdded(TParserLink* link);
  void LinkRemoved(TParserLink* link);

  TParserLink* FLinks = nullptr;
  TCustomFuzzyLogic* FFuzzyLogic = nullptr;
  TCalcFuzzyFunctionEvent FOnCalcFuzzyFunction;
  TCalcFuzzyIntfFunctionEvent FOnCalcFuzzyIntfFunction;
  TNotifyEvent FOnBeforeParse;
  TNotifyEvent FOnAfterParse;
};

}  // namespace fuzzy

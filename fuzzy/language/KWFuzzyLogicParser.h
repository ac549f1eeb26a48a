// TKWFuzzyLogicParser: the library's parser component. It reads the parenthesised definition
// language into a logic component of either model, evaluates fuzzy expressions over a
// variable's terms, and writes variables and sets back as definition text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fuzzy/framework/InterfaceList.h"
#include "fuzzy/framework/Streams.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"
#include "fuzzy/language/FuzzyLogicTokenStream.h"
#include "fuzzy/logic/FuzzyLogicEvents.h"
#include "fuzzy/logic/FuzzyLogicParser.h"

namespace fuzzy {

class TFuzzySet;
class TFuzzyVariable;
class TVariableNameIndex;

// Raised after an expression is evaluated: Expression is the postfix form's text; a handler may
// replace Result.
using TFuzzyExpressionEvent = std::function<void(
    TObject* Sender, TFuzzyVariable* Variable, const std::string& Expression, TFuzzySet*& Result)>;

class TKWFuzzyLogicParser : public TCustomFuzzyLogicParser {
 public:
  static TKWFuzzyLogicParser* Create(TComponent* owner);
  std::string ClassName() const override { return "TKWFuzzyLogicParser"; }

  // ---- Events ------------------------------------------------------------------------------
  const TFuzzyExpressionEvent& GetOnEvalExpression() const { return FOnEvalExpression; }
  void SetOnEvalExpression(TFuzzyExpressionEvent value) { FOnEvalExpression = std::move(value); }
  const TIFuzzyExpressionEvent& GetOnEvalExpressionIntf() const { return FOnEvalExpressionIntf; }
  void SetOnEvalExpressionIntf(TIFuzzyExpressionEvent value) {
    FOnEvalExpressionIntf = std::move(value);
  }
  const TFuzzySetEvent& GetOnParseFuzzySet() const { return FOnParseFuzzySet; }
  void SetOnParseFuzzySet(TFuzzySetEvent value) { FOnParseFuzzySet = std::move(value); }
  const TIFuzzySetEvent& GetOnParseFuzzySetIntf() const { return FOnParseFuzzySetIntf; }
  void SetOnParseFuzzySetIntf(TIFuzzySetEvent value) { FOnParseFuzzySetIntf = std::move(value); }
  const TFuzzyVariableEvent& GetOnParseFuzzyVariable() const { return FOnParseFuzzyVariable; }
  void SetOnParseFuzzyVariable(TFuzzyVariableEvent value) {
    FOnParseFuzzyVariable = std::move(value);
  }
  const TIFuzzyVariableEvent& GetOnParseFuzzyVariableIntf() const {
    return FOnParseFuzzyVariableIntf;
  }
  void SetOnParseFuzzyVariableIntf(TIFuzzyVariableEvent value) {
    FOnParseFuzzyVariableIntf = std::move(value);
  }

  // ---- Reading text (KWParserReader.cpp); each call reads through a tokenizer of its own ----
  using TCustomFuzzyLogicParser::ParseFuzzySet;
  void ParseFuzzyLogic(const std::string& text) override;
  TFuzzyVariable* ParseFuzzyVariable(const std::string& text) override;
  IPtr<IFuzzyVariable> ParseFuzzyVariableIntf(const std::string& text) override;
  TFuzzySet* ParseFuzzySet(TFuzzyVariable* variable, const std::string& text) override;
  IPtr<IFuzzySet> ParseFuzzySet(const IPtr<IFuzzyVariable>& variable,
                                const std::string& text) override;
  // The tokens up to the end of input or an unmatched ")" (left unread), groups as list tokens.
  IPtr<IFuzzyStreamTokenList> ParseTokenList();
  // A new tokenizer over `stream` (not owned).
  virtual TFuzzyLogicTokenStream* CreateStream(TStream* stream);
  // "FuzzySet" followed by the next unique number of the interface model.
  static std::string GetUniqueName();

  // ---- Evaluating expressions (KWParserEvaluator.cpp) ---------------------------------------
  using TCustomFuzzyLogicParser::EvalFuzzyExpression;
  TFzyFloat EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable, const std::string& expression,
                                IPtr<IFuzzySet>& result) override;
  IPtr<IFuzzySet> EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable,
                                      const std::string& expression) override;
  TFzyFloat EvalFuzzyExpression(TFuzzyVariable* variable, const std::string& expression,
                                TFuzzySet*& result) override;
  TFuzzySet* EvalFuzzyExpression(TFuzzyVariable* variable, const std::string& expression) override;
  // The token list is replaced by the expression's postfix form.
  TFuzzySet* EvalFuzzyExpression(TFuzzyVariable* variable,
                                 const IPtr<IFuzzyStreamTokenList>& tokens);
  IPtr<IFuzzySet> EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable,
                                      const IPtr<IFuzzyStreamTokenList>& tokens);
  // The set one operand stands for.
  TFuzzySet* EvalFuzzyExpression(TFuzzyVariable* variable, const IPtr<IFuzzyStreamToken>& token);
  IPtr<IFuzzySet> EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable,
                                      const IPtr<IFuzzyStreamToken>& token);
  // Adds every (x y) pair of `list` to the set's points.
  TFuzzySet* ConvertListToValues(TFuzzySet* fuzzySet, const IPtr<IFuzzyStreamTokenList>& list);
  IPtr<IFuzzySet> ConvertListToValues(const IPtr<IFuzzySet>& fuzzySet,
                                      const IPtr<IFuzzyStreamTokenList>& list);
  // Appends the tokens of `source` to `target`, descending into nested lists.
  static void FillExpression(const IPtr<IInterfaceList>& source,
                             const IPtr<IFuzzyStreamTokenList>& target);
  // The PostFix callbacks of the expression grammar.
  static bool IsOpenParen(const IPtr<IInterface>& token);
  static bool IsCloseParen(const IPtr<IInterface>& token);
  static bool IsOperand(const IPtr<IInterface>& token);
  static int InStackPriority(const IPtr<IInterface>& token);
  static int IncomingPriority(const IPtr<IInterface>& token);

  // ---- Writing (KWParserWriter.cpp) ---------------------------------------------------------
  using TCustomFuzzyLogicParser::PrettyPrint;
  std::string PrettyPrint(const IPtr<IFuzzySet>& fuzzySet, bool asTerm) override;
  std::string PrettyPrint(const IPtr<IFuzzyVariable>& variable) override;
  std::string PrettyPrint(TFuzzySet* fuzzySet, bool asTerm) override;
  std::string PrettyPrint(TFuzzyVariable* variable) override;

  // ---- Error context (KWFuzzyLogicParser.cpp) -----------------------------------------------
  // The current token's line, 0 without a tokenizer or token.
  int GetLineNumber() const override;
  // The text of the group read so far, empty without a tokenizer.
  std::string GetParsedText() const override;

  void BeforeDestruction() override;

 protected:
  explicit TKWFuzzyLogicParser(TComponent* owner) : TCustomFuzzyLogicParser(owner) {}

  // ---- Reading from the current tokenizer (KWParserReader.cpp) ------------------------------
  virtual void ParseFuzzyLogic();
  virtual TFuzzyVariable* ParseFuzzyVariable();
  virtual IPtr<IFuzzyVariable> ParseFuzzyVariableIntf();
  virtual TFuzzySet* ParseFuzzySet(TFuzzyVariable* variable);
  virtual IPtr<IFuzzySet> ParseFuzzySet(const IPtr<IFuzzyVariable>& variable);
  virtual TFuzzySet* ParseFuzzyFunction(TFuzzyVariable* variable);
  virtual IPtr<IFuzzySet> ParseFuzzyFunction(const IPtr<IFuzzyVariable>& variable);
  virtual TFuzzySet* ParseFuzzyValues(TFuzzyVariable* variable);
  virtual IPtr<IFuzzySet> ParseFuzzyValues(const IPtr<IFuzzyVariable>& variable);
  virtual TFuzzySet* ParseFuzzyValuePairs(TFuzzyVariable* variable);
  virtual IPtr<IFuzzySet> ParseFuzzyValuePairs(const IPtr<IFuzzyVariable>& variable);
  // "(" keyword name [comment]: fills name and comment, answers the token after them.
  virtual IPtr<IFuzzyStreamToken> ParseHeader(bool readComment, const std::string& keyword,
                                              const std::string& routine,
                                              const std::string& message, std::string& name,
                                              std::string& comment);

  // What a definition's clauses do to the variable being read, in either model.
  struct TClauseActions {
    std::function<void(TFzyFloat minimum, TFzyFloat maximum)> SetRange;
    std::function<void(const std::string& units)> SetUnits;
    // Reads one term into the variable and makes it one of its terms.
    std::function<void()> ParseTerm;
  };
  // The clauses after a definition's header, `token` being the first token after it, up to and
  // including the definition's ")".
  void ParseClauses(const TClauseActions& actions, IPtr<IFuzzyStreamToken> token);
  // How a term's body starts: its first two tokens are looked at and left unread.
  enum TTermBody : std::uint8_t { tbExpression, tbFunction, tbValuePairs };
  TTermBody PeekTermBody();
  // "(" name of a function call; its arguments follow.
  std::string ParseFunctionName();
  // "(" { "(" x y ")" } ")": every pair goes to addPoint.
  void ParsePointList(const std::function<void(TFzyFloat x, TFzyFloat y)>& addPoint);
  // The next token as a number; any other token is SFzyExpectedNumber of `routine`.
  TFzyFloat ParseNumber(const std::string& routine);

  // ---- Evaluating from the current tokenizer (KWParserEvaluator.cpp) -------------------------
  // The tokens of an expression handed over as text, which must use the text up: anything after
  // an unmatched ")" raises.
  IPtr<IFuzzyStreamTokenList> ParseExpressionTokens();

  // ---- The current tokenizer (KWFuzzyLogicParser.cpp) ---------------------------------------
  TFuzzyLogicTokenStream* GetTokenStream() const { return FTokenStream; }
  IPtr<IFuzzyStreamToken> NextToken();
  void PutBackToken(const IPtr<IFuzzyStreamToken>& token);

  // Runs `body` with a tokenizer over `text` as the current one, and puts the previous
  // tokenizer back afterwards, also when `body` raises.
  template <class TBody>
  auto WithText(const std::string& text, TBody&& body) -> decltype(body()) {
    TTokenizerScope scope(this, text);
    return body();
  }

 private:
  // Swaps a tokenizer over a text in for its lifetime; it reads from `from` on.
  class TTokenizerScope {
   public:
    TTokenizerScope(TKWFuzzyLogicParser* parser, const std::string& text,
                    const TTextPosition& from = {});
    ~TTokenizerScope();
    TTokenizerScope(const TTokenizerScope&) = delete;
    TTokenizerScope& operator=(const TTokenizerScope&) = delete;

   private:
    TKWFuzzyLogicParser* FParser;
    TFuzzyLogicTokenStream* FSaved;
    TKWStringStream* FSource;
  };

  TFuzzyLogicTokenStream* FTokenStream = nullptr;
  // The names of the component's variables while a whole text is read into it, null otherwise.
  TVariableNameIndex* FVariableNames = nullptr;
  // The ?names whose values are being evaluated, so that a value that refers back to its own
  // name is refused instead of recursing without end (KWParserEvaluator.cpp).
  std::vector<std::string> FVariablesInUse;
  TFuzzyExpressionEvent FOnEvalExpression;
  TIFuzzyExpressionEvent FOnEvalExpressionIntf;
  TFuzzySetEvent FOnParseFuzzySet;
  TIFuzzySetEvent FOnParseFuzzySetIntf;
  TFuzzyVariableEvent FOnParseFuzzyVariable;
  TIFuzzyVariableEvent FOnParseFuzzyVariableIntf;
};

}  // namespace fuzzy

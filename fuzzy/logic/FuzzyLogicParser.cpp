#include "fuzzy/logic/FuzzyLogicParser.h"

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/framework/TextConsts.h"
#include "fuzzy/logic/CallEvent.h"
#include "fuzzy/logic/CustomFuzzyLogic.h"
#include "fuzzy/logic/ParserLink.h"

namespace fuzzy {

namespace {

// A parsed text longer than this is quoted by its two ends only.
constexpr std::size_t MaxQuotedText = 255;
constexpr std::size_t QuotedEndLength = 128;

std::string Shortened(const std::string& text) {
  if (text.size() <= MaxQuotedText) return text;
  std::string shortened = text.substr(0, QuotedEndLength);
  shortened += "... ";
  shortened += NewLineString;
  shortened += text.substr(text.size() - QuotedEndLength);
  return shortened;
}

}  // namespace

// ---- the logic component ---------------------------------------------------------------------

void TCustomFuzzyLogicParser::SetFuzzyLogic(TCustomFuzzyLogic* value) {
  if (value == FFuzzyLogic) return;
  TCustomFuzzyLogic* old = FFuzzyLogic;
  FFuzzyLogic = value;
  // One link serves both directions: it stays while the old component still uses us.
  if (old != nullptr && old->GetParser() != this) RemoveFreeNotification(old);
  if (value != nullptr) FreeNotification(value);
}

void TCustomFuzzyLogicParser::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component != nullptr && component == FFuzzyLogic) {
    SetFuzzyLogic(nullptr);
  }
}

// ---- the sets and variables that hold this parser -------------------------------------------

void TCustomFuzzyLogicParser::BeforeDestruction() {
  while (FLinks != nullptr) FLinks->ParserFreed();
  TComponent::BeforeDestruction();
}

void TCustomFuzzyLogicParser::LinkAdded(TParserLink* link) {
  link->FPrevious = nullptr;
  link->FNext = FLinks;
  if (FLinks != nullptr) FLinks->FPrevious = link;
  FLinks = link;
}

void TCustomFuzzyLogicParser::LinkRemoved(TParserLink* link) {
  if (link->FPrevious != nullptr) {
    link->FPrevious->FNext = link->FNext;
  } else {
    FLinks = link->FNext;
  }
  if (link->FNext != nullptr) link->FNext->FPrevious = link->FPrevious;
  link->FPrevious = nullptr;
  link->FNext = nullptr;
}

int TCustomFuzzyLogicParser::GetNumFunctionValues() const {
  constexpr int DefaultFunctionValues = 7;
  return FFuzzyLogic == nullptr ? DefaultFunctionValues : FFuzzyLogic->GetNumFunctionValues();
}

TFzyFloat TCustomFuzzyLogicParser::GetShapeTolerance() const {
  return FFuzzyLogic == nullptr ? DefaultShapeTolerance : FFuzzyLogic->GetShapeTolerance();
}

// ---- reading ---------------------------------------------------------------------------------

void TCustomFuzzyLogicParser::Parse(const std::string& text) {
  if (FFuzzyLogic == nullptr) throw EFzyParseException(SFuzzyLogicNotSet);
  CallEvent(FOnBeforeParse, this);
  ParseFuzzyLogic(text);
  CallEvent(FOnAfterParse, this);
}

// ---- built-in functions ----------------------------------------------------------------------

TFuzzySet* TCustomFuzzyLogicParser::CalcFuzzyFunction(TFuzzySet* Result,
                                                      const std::string& FuncName,
                                                      const IPtr<IFuzzyStreamTokenList>& Args) {
  bool handled = false;
  CallEvent(FOnCalcFuzzyFunction, this, FuncName, Args, Result, handled);
  if (!handled) CalcFuzzyFunction(FuncName, Args, Result);
  return Result;
}

IPtr<IFuzzySet> TCustomFuzzyLogicParser::CalcFuzzyFunction(
    const IPtr<IFuzzySet>& Result, const std::string& FuncName,
    const IPtr<IFuzzyStreamTokenList>& Args) {
  IPtr<IFuzzySet> result = Result;
  bool handled = false;
  CallEvent(FOnCalcFuzzyIntfFunction, this, FuncName, Args, result, handled);
  if (!handled) CalcFuzzyFunction(FuncName, Args, result);
  return result;
}

bool TCustomFuzzyLogicParser::VerifyAll(const IPtr<IFuzzyStreamTokenList>& list,
                                        TFuzzyStreamTokenTypes types) {
  if (!list) return true;
  for (int i = 0; i < list->GetCount(); ++i) {
    const int kind = list->GetBaseStreamToken(i)->GetDataType();
    // Punctuation kinds are character codes, outside the token kinds a set can hold.
    if (kind < fstNone || kind > fstFuzzySet) return false;
    if (!types.Contains(static_cast<TFuzzyStreamTokenType>(kind))) return false;
  }
  return true;
}

// ---- errors ----------------------------------------------------------------------------------

void TCustomFuzzyLogicParser::ParseError(const std::string& RoutineName,
                                         const std::string& Message) {
  const std::string parsedText = GetParsedText();
  const int lineNumber = GetLineNumber();
  ParseError(RoutineName, Message, parsedText, lineNumber);
  // An override that forgot to raise still ends the parse.
  throw CreateParseError(RoutineName, Message, parsedText, lineNumber);
}

void TCustomFuzzyLogicParser::ParseError(const std::string& RoutineName, const std::string& Message,
                                         const std::vector<TFormatArg>& Args) {
  ParseError(RoutineName, FormatArgs(Message, Args));
}

void TCustomFuzzyLogicParser::ParseError(const std::string& RoutineName, const std::string& Message,
                                         const std::string& ParsedText, int LineNumber) {
  throw CreateParseError(RoutineName, Message, ParsedText, LineNumber);
}

EFzyParseException TCustomFuzzyLogicParser::CreateParseError(const std::string& RoutineName,
                                                             const std::string& Message,
                                                             const std::string& ParsedText,
                                                             int LineNumber) {
  return EFzyParseException::CreateFmt(LineNumber, SFzyParseError, Message, RoutineName,
                                       IntToStr(LineNumber), Shortened(ParsedText));
}

// ---- IInterface ------------------------------------------------------------------------------

HResult TCustomFuzzyLogicParser::QueryInterface(const TGUID& iid, void** object) {
  return QueryInterfaces<IInterface, IFuzzyParser>(this, iid, object);
}

}  // namespace fuzzy

#include "fuzzy/language/FuzzyLogicTokenStream.h"

#include <algorithm>
#include <cstdint>

#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/framework/TextConsts.h"
#include "fuzzy/interfaces/FuzzyStreamToken.h"
#include "fuzzy/language/TokenCharacters.h"

namespace fuzzy {

using namespace token_characters;

namespace {

// Raw kinds of FinishToken besides the punctuation characters.
constexpr int kEndOfInput = -1;
constexpr int kWord = 0;
constexpr int kLineEnd = 13;
constexpr int kString = 34;

}  // namespace

TFuzzyLogicTokenStream::TFuzzyLogicTokenStream(TStream* stream, bool ownsStream)
    : TGTextStream(stream, ownsStream),
      FLookahead(TIStack::Create()),
      FParsedText(TKWStringStream::Create()),
      FBuildStack(TIStack::Create()) {}

bool TFuzzyLogicTokenStream::IsKind(const IPtr<IFuzzyStreamToken>& token, int kind) {
  return token && token->GetDataType() == kind;
}

// ---- Handing out tokens ----

IPtr<IFuzzyStreamToken> TFuzzyLogicTokenStream::NextToken() {
  if (FLookahead->IsEmpty()) PrepareSExp();
  IPtr<IFuzzyStreamToken> token = InterfaceCast<IFuzzyStreamToken>(FLookahead->Pop());
  if (FCurrentToken && FCurrentToken->GetLineNumber() < token->GetLineNumber()) {
    FParsedText->WriteString(NewLineString);
  }
  FParsedText->WriteString(token->ToString() + " ");
  FCurrentToken = token;
  if (IsKind(token, ')')) --FDepth;
  if (IsKind(token, '(')) ++FDepth;
  return token;
}

void TFuzzyLogicTokenStream::PutBackToken(const IPtr<IFuzzyStreamToken>& token) {
  if (!token) return;
  FLookahead->Push(token);
  FCurrentToken = token;
  // Back over the token, the blank after it and any blanks or line end before it, to just after
  // the blank that follows the token before; the next write replaces the rest. Scanned in place,
  // so putting back costs no copy of the text. With no token before, back to the start: there is
  // no blank to keep, and keeping the first character would print the token twice.
  const std::string& text = FParsedText->GetDataString();
  const auto length = static_cast<std::int64_t>(token->ToString().size());
  std::int64_t keep = std::clamp<std::int64_t>(FParsedText->GetPosition() - length - 1, 0,
                                               static_cast<std::int64_t>(text.size()));
  while (keep > 0 && IsBlank(text[static_cast<std::size_t>(keep - 1)])) --keep;
  FParsedText->SetPosition(keep > 0 ? keep + 1 : 0);
  if (IsKind(token, ')')) ++FDepth;
  if (IsKind(token, '(')) --FDepth;
}

IPtr<IFuzzyStreamToken> TFuzzyLogicTokenStream::GetCurrentToken() {
  if (!FCurrentToken) NextToken();
  return FCurrentToken;
}

std::string TFuzzyLogicTokenStream::Head() {
  const IPtr<IFuzzyStreamToken> open = NextToken();
  if (!IsKind(open, '(')) return "";
  // The whole group is read ahead, so the token after "(" waits on top of the lookahead.
  const IPtr<IFuzzyStreamToken> next = InterfaceCast<IFuzzyStreamToken>(FLookahead->Peek());
  PutBackToken(open);
  if (IsKind(next, '=')) return "=";
  if (!IsKind(next, fstAtom)) return "";
  const std::string text = next->GetText();
  return text.empty() ? next->ToString() : text;
}

void TFuzzyLogicTokenStream::MoveToNextConstruct() {
  while (FDepth > 0) {
    if (IsKind(NextToken(), fstNone)) break;
  }
}

void TFuzzyLogicTokenStream::DiscardUntilEOL() {
  GetLine();
}

void TFuzzyLogicTokenStream::ResumeAfterLine(int line) {
  FCurrentToken = NewToken(')', ")");
  FCurrentToken->SetLineNumber(line);
}

void TFuzzyLogicTokenStream::Clear() {
  FLookahead->Clear();
  FParsedText->SetPosition(0);
}

bool TFuzzyLogicTokenStream::IsEof() const {
  return FLookahead->IsEmpty() && TGTextStream::IsEof();
}

// What lies past the position was put back and is no longer read.
std::string TFuzzyLogicTokenStream::ToString() const {
  return FParsedText->GetDataString().substr(0,
                                             static_cast<std::size_t>(FParsedText->GetPosition()));
}

// ---- Reading a group ----

void TFuzzyLogicTokenStream::PrepareSExp() {
  if (!FOneConstruct) FParsedText->SetPosition(0);
  FBuildStack->Clear();
  int depth = 0;
  for (;;) {
    const IPtr<IFuzzyStreamToken> token = BuildNextToken();
    FBuildStack->Push(token);
    if (IsKind(token, fstNone)) break;
    if (IsKind(token, ')')) --depth;
    if (IsKind(token, '(') && ++depth > MaxFuzzyNesting) {
      FBuildStack->Clear();
      const int line = token->GetLineNumber();
      throw EFzyParseException::CreateFmt(line, SNestingTooDeep, MaxFuzzyNesting, line);
    }
    // A token other than "(" (an unmatched ")" too) is a group by itself.
    if (depth <= 0) break;
  }
  while (!FBuildStack->IsEmpty()) FLookahead->Push(FBuildStack->Pop());
}

IPtr<IFuzzyStreamToken> TFuzzyLogicTokenStream::BuildNextToken() {
  // A loop rather than a fresh call per comment, so that many comment lines cannot deepen the
  // stack.
  for (;;) {
    FTokenText.clear();
    while (SkipInLineSpaces() && !TGTextStream::IsEof()) {
    }
    char c = '\0';
    if (!ReadChar(c)) return FinishToken(kEndOfInput, FTokenText);
    if (c != FCommentChar) {
      if (IsPunctuation(static_cast<unsigned char>(c))) {
        return FinishToken(static_cast<unsigned char>(c), std::string(1, c));
      }
      if (c == FQuoteChar) return FinishToken(kString, ReadString());
      return ReadWord(c);
    }
    FWhitespace += c;
    GetLine();
  }
}

IPtr<IFuzzyStreamToken> TFuzzyLogicTokenStream::ReadWord(char first) {
  FTokenText.assign(1, first);
  char c = '\0';
  while (ReadChar(c)) {
    if (IsBlank(c)) {
      FWhitespace += c;
      IPtr<IFuzzyStreamToken> token = FinishToken(kWord, FTokenText);
      // The line end that ends a word counts after the word, which stands on the line before
      // it. Of CR LF only the LF counts, when the next token skips it.
      if (c == '\n' || (c == '\r' && !TakeLineFeed(false))) ++FLineNumber;
      return token;
    }
    if (EndsWord(c)) {
      PutBack(c);
      return FinishToken(kWord, FTokenText);
    }
    if (c == FEscapeChar && !ReadChar(c)) break;
    if (IsLineEnd(c)) {
      TakeLineEnd(c, FTokenText);
    } else {
      FTokenText += c;
    }
  }
  return FinishToken(kEndOfInput, FTokenText);
}

std::string TFuzzyLogicTokenStream::ReadString() {
  const int startLine = FLineNumber;
  std::string text;
  char c = '\0';
  while (ReadChar(c)) {
    if (c == FQuoteChar) return text;
    if (c == FEscapeChar && !ReadChar(c)) break;
    if (IsLineEnd(c)) {
      TakeLineEnd(c, text);
    } else {
      text += c;
    }
  }
  throw EFzyParseException::CreateFmt(startLine, SUnbalancedString, startLine);
}

// ---- Tokens from raw kinds ----

IPtr<IFuzzyStreamToken> TFuzzyLogicTokenStream::FinishToken(int kind, const std::string& text) {
  IPtr<IFuzzyStreamToken> token;
  if (kind == kEndOfInput) {
    token = text.empty() ? NewToken(fstNone, "EOF") : ClassifyWord(text);
  } else if (kind == kLineEnd) {
    token = NewToken(fstAtom, "CRLF");
  } else if (kind == kString) {
    token = NewToken(fstString, text);
  } else if (kind == kWord) {
    token = ClassifyWord(text);
  } else if (IsPunctuation(kind)) {
    token = NewToken(kind, text);
  } else {
    throw EFzyParseException::CreateFmt(FLineNumber, SInvalidTokenType, kind, FLineNumber);
  }
  token->SetWhitespace(FWhitespace);
  FWhitespace.clear();
  return token;
}

IPtr<IFuzzyStreamToken> TFuzzyLogicTokenStream::ClassifyWord(const std::string& word) const {
  if (word[0] == '?') return NewToken(fstVariable, word.substr(1));
  if (word.size() == 1 && IsNumberSymbol(word[0])) return NewToken(fstAtom, word);
  if (IsNumberChar(word[0])) {
    std::int32_t whole = 0;
    if (ValInt(word, whole) == 0) return NewToken(fstInteger, "", whole);
    double real = 0;
    if (ValFloat(word, real) == 0) return NewToken(fstFloat, "", real);
  }
  return NewToken(fstAtom, word);
}

IPtr<IFuzzyStreamToken> TFuzzyLogicTokenStream::NewToken(int kind, const std::string& text,
                                                         double number) const {
  IPtr<IFuzzyStreamToken> token = TFuzzyStreamToken::Create(kind, text, number);
  token->SetLineNumber(FLineNumber);
  return token;
}

// ---- Characters and lines ----

bool TFuzzyLogicTokenStream::SkipInLineSpaces() {
  char c = '\0';
  while (ReadChar(c)) {
    if (!IsBlank(c)) {
      PutBack(c);
      return false;
    }
    if (IsLineEnd(c)) {
      TakeLineEnd(c, FWhitespace);
      return true;
    }
    FWhitespace += c;
  }
  return false;
}

char TFuzzyLogicTokenStream::GetChar() {
  const char c = TGTextStream::GetChar();
  if (c == '\n') ++FLineNumber;
  return c;
}

std::string TFuzzyLogicTokenStream::GetLine() {
  std::string line;
  char c = '\0';
  while (ReadChar(c)) {
    if (IsLineEnd(c)) {
      if (c == '\r') TakeLineFeed(true);
      FWhitespace += line + NewLineString;
      ++FLineNumber;
      return line;
    }
    line += c;
  }
  // The text ended without a line end: nothing more to count.
  FWhitespace += line;
  return line;
}

void TFuzzyLogicTokenStream::TakeLineEnd(char c, std::string& into) {
  into += c;
  if (c == '\r' && TakeLineFeed(true)) into += '\n';
  ++FLineNumber;
}

bool TFuzzyLogicTokenStream::TakeLineFeed(bool consume) {
  char next = '\0';
  if (!ReadChar(next)) return false;
  const bool found = next == '\n';
  if (!found || !consume) PutBack(next);
  return found;
}

}  // namespace fuzzy

// TFuzzyLogicTokenStream: cuts definition and expression text into fuzzy tokens. It reads one
// whole parenthesised group ahead, counts lines for messages and keeps the printed text of the
// group read so far, which parse errors quote.
#pragma once

#include <cstddef>
#include <string>

#include "fuzzy/framework/Stacks.h"
#include "fuzzy/framework/Streams.h"
#include "fuzzy/framework/TextStream.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"

namespace fuzzy {

// The tokenizer's own failures, raised as EFzyParseException with the line.
inline constexpr const char* SUnbalancedString = "Unbalanced string starting at line %d";
inline constexpr const char* SInvalidTokenType = "Invalid token type %d at line %d";
inline constexpr const char* SNestingTooDeep = "Parentheses nested deeper than %d at line %d";

// Deeper groups are refused, so that nothing that walks a group recursively (the reader, the
// printing and freeing of nested lists) can exhaust the stack.
inline constexpr int MaxFuzzyNesting = 256;

// A place in a text where one reader hands over to another: the character offset, the line
// there, and the line of the last token read before it (0 when none was).
struct TTextPosition {
  std::size_t Offset = 0;
  int Line = 1;
  int LastTokenLine = 0;
};

class TFuzzyLogicTokenStream : public TGTextStream {
 public:
  // Reads `stream` from its position on; frees it only when ownsStream is set.
  static TFuzzyLogicTokenStream* Create(TStream* stream, bool ownsStream = false) {
    return Constructed(new TFuzzyLogicTokenStream(stream, ownsStream));
  }
  std::string ClassName() const override { return "TFuzzyLogicTokenStream"; }

  // ---- Handing out tokens ----
  // The next token; kind 0 ("EOF") at the end, again and again.
  virtual IPtr<IFuzzyStreamToken> NextToken();
  // The token comes out again next; the parsed text is moved back over it.
  virtual void PutBackToken(const IPtr<IFuzzyStreamToken>& token);
  // The last token handed out or put back; reads the first one when there is none yet.
  IPtr<IFuzzyStreamToken> GetCurrentToken();
  // The last token handed out or put back, without reading one; null before the first.
  const IPtr<IFuzzyStreamToken>& PeekCurrentToken() const { return FCurrentToken; }
  // The keyword of the group that starts here ("deffuzzy", "term", "=" ...), leaving the group
  // unread; empty when no group starts here (the token read is then consumed).
  virtual std::string Head();
  // Skips the rest of the group being read (up to depth 0 or the end of the text).
  virtual void MoveToNextConstruct();
  virtual void DiscardUntilEOL();
  // Reading takes over from another reader of the same text whose last token stood on `line`:
  // the next token is printed on a line of its own when it stands on a later line, as after a
  // token read here.
  void ResumeAfterLine(int line);
  // Forgets the tokens read ahead and the parsed text.
  virtual void Clear();
  // True when no token is left to hand out: none read ahead and the text used up. (The plain
  // text stream would already answer true while the last group is still waiting here.)
  bool IsEof() const;

  // ---- Position and parsed text ----
  int GetLineNumber() const { return FLineNumber; }
  void SetLineNumber(int value) { FLineNumber = value; }
  // +1 for each "(" handed out, -1 for each ")"; put back tokens count the other way.
  int GetDepth() const { return FDepth; }
  // The printed tokens handed out since the current group began (up to a token put back).
  virtual std::string ToString() const;
  // Read as one construct (an expression), the text's top-level groups do not restart the
  // parsed text: an error then quotes the whole expression read so far, not its last word.
  bool GetOneConstruct() const { return FOneConstruct; }
  void SetOneConstruct(bool value) { FOneConstruct = value; }

  // ---- Character level ----
  using TGTextStream::GetChar;
  // A line feed read here counts a line.
  char GetChar() override;
  // The rest of the line goes to the pending whitespace, with a line end when one was met.
  std::string GetLine() override;

 protected:
  TFuzzyLogicTokenStream(TStream* stream, bool ownsStream);

  // Skips blanks and control characters into the pending whitespace up to and including one
  // line end; true when a line end was consumed.
  virtual bool SkipInLineSpaces();
  // Reads the next token from the text.
  virtual IPtr<IFuzzyStreamToken> BuildNextToken();
  // Makes the token of a raw kind (a character code, -1 for the end, 0 for a word, 34 for a
  // string) and classifies words; it takes the pending whitespace.
  virtual IPtr<IFuzzyStreamToken> FinishToken(int kind, const std::string& text);

  // The content of a string whose opening quote has been read.
  std::string ReadString();
  // Reads the next group (or single token) onto the lookahead stack.
  void PrepareSExp();

 private:
  IPtr<IFuzzyStreamToken> ReadWord(char first);
  IPtr<IFuzzyStreamToken> ClassifyWord(const std::string& word) const;
  // A token of the kind on the current line.
  IPtr<IFuzzyStreamToken> NewToken(int kind, const std::string& text, double number = 0) const;
  // Appends the line end c (CR, LF, or CR and the LF after it) to `into` and counts one line.
  void TakeLineEnd(char c, std::string& into);
  // Whether a line feed comes next; it is consumed only when asked to.
  bool TakeLineFeed(bool consume);
  static bool IsKind(const IPtr<IFuzzyStreamToken>& token, int kind);

  TOwned<TIStack> FLookahead;
  int FLineNumber = 1;
  std::string FTokenText;
  TOwned<TKWStringStream> FParsedText;
  IPtr<IFuzzyStreamToken> FCurrentToken;
  int FDepth = 0;
  TOwned<TIStack> FBuildStack;
  std::string FWhitespace;
  char FCommentChar = ';';
  char FQuoteChar = '"';
  char FEscapeChar = '\\';
  bool FOneConstruct = false;
};

}  // namespace fuzzy

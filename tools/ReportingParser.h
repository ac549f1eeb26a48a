// The library's parser as the program uses it: it remembers the plain text of the last parse
// error (without the routine name and the text read so far that the library's message carries),
// so that the program can say "file:line: message"; and an error raised while a definition is
// read that carries no line of its own (a term named with a reserved word) gets the line at
// which reading stopped.
#pragma once

#include <string>

#include "fuzzy/language/KWFuzzyLogicParser.h"

namespace fuzzy::tool {

class TReportingParser : public TKWFuzzyLogicParser {
 public:
  static TReportingParser* Create();

  using TKWFuzzyLogicParser::ParseError;
  // Records the message, its line and the last line of the text read so far, then raises as the
  // library does.
  void ParseError(const std::string& RoutineName, const std::string& Message,
                  const std::string& ParsedText, int LineNumber) override;

  // The last error's message without routine and context, empty when none was raised since
  // ClearLastError.
  const std::string& GetLastMessage() const { return FLastMessage; }
  // The last line of the text read when the error was raised, trimmed.
  const std::string& GetLastContext() const { return FLastContext; }
  void ClearLastError();
  // The plain message of the last parse error when `error` is one, else `error`'s own message.
  std::string MessageOf(const Exception& error) const;

  // Reads `text` into the logic component; an error becomes a TCheckFailure
  // "SOURCE:LINE: message" with the line read when it happened.
  void ReadDefinitions(const std::string& text, const std::string& sourceName);

  using TKWFuzzyLogicParser::ParseFuzzyVariable;
  using TKWFuzzyLogicParser::ParseFuzzyVariableIntf;
  std::string ClassName() const override { return "TReportingParser"; }

 protected:
  TReportingParser() : TKWFuzzyLogicParser(nullptr) {}

  TFuzzyVariable* ParseFuzzyVariable() override;
  IPtr<IFuzzyVariable> ParseFuzzyVariableIntf() override;

 private:
  // Runs `read`; an error without a line becomes a parse error at the current line.
  template <class TRead>
  auto WithLine(TRead&& read) -> decltype(read());

  std::string FLastMessage;
  std::string FLastContext;
};

}  // namespace fuzzy::tool

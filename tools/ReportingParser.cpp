#include "tools/ReportingParser.h"

#include "fuzzy/framework/SysUtils.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

std::string LastLine(const std::string& text) {
  const std::string trimmed = TrimRight(text);
  const std::size_t lineEnd = trimmed.find_last_of('\n');
  return Trim(lineEnd == std::string::npos ? trimmed : trimmed.substr(lineEnd + 1));
}

}  // namespace

TReportingParser* TReportingParser::Create() {
  return Constructed(new TReportingParser());
}

void TReportingParser::ParseError(const std::string& RoutineName, const std::string& Message,
                                  const std::string& ParsedText, int LineNumber) {
  FLastMessage = Message;
  FLastContext = LastLine(ParsedText);
  TKWFuzzyLogicParser::ParseError(RoutineName, Message, ParsedText, LineNumber);
}

void TReportingParser::ClearLastError() {
  FLastMessage.clear();
  FLastContext.clear();
}

std::string TReportingParser::MessageOf(const Exception& error) const {
  const bool isParseError = dynamic_cast<const EFzyParseException*>(&error) != nullptr;
  return isParseError && !FLastMessage.empty() ? FLastMessage : error.GetMessage();
}

void TReportingParser::ReadDefinitions(const std::string& text, const std::string& sourceName) {
  ClearLastError();
  try {
    Parse(text);
  } catch (const EFzyParseException& error) {
    std::string message = Located(sourceName, error.GetLine(), MessageOf(error));
    if (!FLastContext.empty()) message += "\n  near: " + FLastContext;
    throw TCheckFailure(message);
  } catch (const Exception& error) {
    throw TCheckFailure(Located(sourceName, 0, error.GetMessage()));
  }
}

template <class TRead>
auto TReportingParser::WithLine(TRead&& read) -> decltype(read()) {
  try {
    return read();
  } catch (const EFzyParseException&) {
    throw;
  } catch (const Exception& error) {
    TCustomFuzzyLogicParser::ParseError("ParseFuzzyVariable", error.GetMessage());
  }
}

TFuzzyVariable* TReportingParser::ParseFuzzyVariable() {
  return WithLine([this] { return TKWFuzzyLogicParser::ParseFuzzyVariable(); });
}

IPtr<IFuzzyVariable> TReportingParser::ParseFuzzyVariableIntf() {
  return WithLine([this] { return TKWFuzzyLogicParser::ParseFuzzyVariableIntf(); });
}

}  // namespace fuzzy::tool

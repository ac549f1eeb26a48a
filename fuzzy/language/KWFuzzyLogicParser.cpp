#include "fuzzy/language/KWFuzzyLogicParser.h"

namespace fuzzy {

TKWFuzzyLogicParser* TKWFuzzyLogicParser::Create(TComponent* owner) {
  return Constructed(new TKWFuzzyLogicParser(owner));
}

void TKWFuzzyLogicParser::BeforeDestruction() {
  FreeAndNil(FTokenStream);
  TCustomFuzzyLogicParser::BeforeDestruction();
}

TFuzzyLogicTokenStream* TKWFuzzyLogicParser::CreateStream(TStream* stream) {
  return TFuzzyLogicTokenStream::Create(stream);
}

IPtr<IFuzzyStreamToken> TKWFuzzyLogicParser::NextToken() {
  return FTokenStream->NextToken();
}

void TKWFuzzyLogicParser::PutBackToken(const IPtr<IFuzzyStreamToken>& token) {
  FTokenStream->PutBackToken(token);
}

int TKWFuzzyLogicParser::GetLineNumber() const {
  if (FTokenStream == nullptr) return TCustomFuzzyLogicParser::GetLineNumber();
  const IPtr<IFuzzyStreamToken>& token = FTokenStream->PeekCurrentToken();
  return token ? token->GetLineNumber() : TCustomFuzzyLogicParser::GetLineNumber();
}

std::string TKWFuzzyLogicParser::GetParsedText() const {
  return FTokenStream == nullptr ? TCustomFuzzyLogicParser::GetParsedText()
                                 : FTokenStream->ToString();
}

// The source stream belongs to the scope; the tokenizer reads it without owning it, so the
// two go in the reverse order of their making.
TKWFuzzyLogicParser::TTokenizerScope::TTokenizerScope(TKWFuzzyLogicParser* parser,
                                                      const std::string& text,
                                                      const TTextPosition& from)
    : FParser(parser), FSaved(parser->FTokenStream), FSource(TKWStringStream::Create(text)) {
  try {
    FSource->SetPosition(static_cast<std::int64_t>(from.Offset));
    parser->FTokenStream = parser->CreateStream(FSource);
    parser->FTokenStream->SetLineNumber(from.Line);
    if (from.LastTokenLine > 0) parser->FTokenStream->ResumeAfterLine(from.LastTokenLine);
  } catch (...) {
    parser->FTokenStream = FSaved;
    FSource->Free();
    throw;
  }
}

TKWFuzzyLogicParser::TTokenizerScope::~TTokenizerScope() {
  FreeObject(FParser->FTokenStream);
  FParser->FTokenStream = FSaved;
  FreeObject(FSource);
}

}  // namespace fuzzy

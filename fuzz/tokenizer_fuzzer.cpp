// The tokenizer over arbitrary bytes: every token is handed out until the end of input, and
// then the text is walked group by group as the reader walks it (keyword first, the rest
// skipped), so that look-ahead, put-back and skipping meet the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "fuzzy/language/FuzzyLogicTokenStream.h"

namespace {

using namespace fuzzy;

TOwned<TFuzzyLogicTokenStream> Open(const std::string& text) {
  return Own(TFuzzyLogicTokenStream::Create(TKWStringStream::Create(text), true));
}

// Each token takes at least one byte, so more tokens than bytes is a tokenizer that loops.
void ReadEveryToken(const std::string& text) {
  const TOwned<TFuzzyLogicTokenStream> stream = Open(text);
  std::size_t tokens = 0;
  for (IPtr<IFuzzyStreamToken> token = stream->NextToken(); token->GetDataType() != fstNone;
       token = stream->NextToken()) {
    (void)token->ToString();
    if (++tokens > text.size() + 1) __builtin_trap();
  }
  (void)stream->ToString();
}

// Head leaves a group unread (keyword or not) and consumes anything else; the group is then
// handed out once, put back, handed out again and skipped.
void WalkGroups(const std::string& text) {
  const TOwned<TFuzzyLogicTokenStream> stream = Open(text);
  for (std::size_t steps = 0; !stream->IsEof(); ++steps) {
    if (steps > text.size() + 1) __builtin_trap();
    (void)stream->Head();
    const IPtr<IFuzzyStreamToken> token = stream->NextToken();
    stream->PutBackToken(token);
    if (stream->NextToken()->GetDataType() == '(') stream->MoveToNextConstruct();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzzing::InputText(data, size);
  fuzzing::Refused([&] { ReadEveryToken(text); });
  fuzzing::Refused([&] { WalkGroups(text); });
  return 0;
}

#include "fuzzy/formats/FclTokens.h"

#include <cctype>

#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/formats/FormatText.h"

namespace fuzzy {

namespace {

class TFclScanner {
 public:
  explicit TFclScanner(const std::string& text) : FText(text) {}

  std::vector<TFclToken> Scan() {
    while (SkipBlanksAndComments()) FTokens.push_back(Next());
    FTokens.push_back({TFclToken::ftEnd, "", 0.0, FLine});
    return std::move(FTokens);
  }

 private:
  char At(std::size_t offset = 0) const {
    return FNext + offset < FText.size() ? FText[FNext + offset] : '\0';
  }

  bool Starts(const char* text) const {
    return FText.compare(FNext, std::char_traits<char>::length(text), text) == 0;
  }

  // Answers whether a token follows.
  bool SkipBlanksAndComments() {
    while (FNext < FText.size()) {
      if (At() == '\n') ++FLine;
      if (static_cast<unsigned char>(At()) <= ' ') {
        ++FNext;
      } else if (Starts("//")) {
        while (FNext < FText.size() && At() != '\n') ++FNext;
      } else if (Starts("(*") || Starts("/*")) {
        SkipComment(At() == '(' ? "*)" : "*/");
      } else {
        return true;
      }
    }
    return false;
  }

  void SkipComment(const char* end) {
    const int line = FLine;
    const std::size_t close = FText.find(end, FNext + 2);
    if (close == std::string::npos) throw EFzyParseException("a comment is never closed", line);
    for (std::size_t i = FNext; i < close; ++i) FLine += FText[i] == '\n';
    FNext = close + 2;
  }

  bool StartsNumber() const {
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    if (digit(At())) return true;
    return (At() == '-' || At() == '+' || At() == '.') &&
           (digit(At(1)) || (At(1) == '.' && digit(At(2))));
  }

  TFclToken Next() {
    if (StartsNumber()) return Number();
    if (std::isalpha(static_cast<unsigned char>(At())) || At() == '_') return Word();
    for (const char* sign : {":=", "..", ":", ";", ",", "(", ")"}) {
      if (Starts(sign)) {
        FNext += std::char_traits<char>::length(sign);
        return {TFclToken::ftSign, sign, 0.0, FLine};
      }
    }
    throw EFzyParseException(std::string("unexpected character \"") + At() + "\"", FLine);
  }

  TFclToken Word() {
    const std::size_t start = FNext;
    while (std::isalnum(static_cast<unsigned char>(At())) || At() == '_') ++FNext;
    return {TFclToken::ftWord, FText.substr(start, FNext - start), 0.0, FLine};
  }

  TFclToken Number() {
    const std::size_t start = FNext;
    const auto digits = [&] {
      while (std::isdigit(static_cast<unsigned char>(At()))) ++FNext;
    };
    if (At() == '-' || At() == '+') ++FNext;
    digits();
    if (At() == '.' && std::isdigit(static_cast<unsigned char>(At(1)))) {
      ++FNext;
      digits();
    }
    if ((At() == 'e' || At() == 'E') &&
        (std::isdigit(static_cast<unsigned char>(At(1))) ||
         ((At(1) == '-' || At(1) == '+') && std::isdigit(static_cast<unsigned char>(At(2)))))) {
      FNext += 2;
      digits();
    }
    const std::string text = FText.substr(start, FNext - start);
    const auto value = ParseFormatNumber(text);
    if (!value) throw EFzyParseException("\"" + text + "\" is no number", FLine);
    return {TFclToken::ftNumber, text, *value, FLine};
  }

  const std::string& FText;
  std::size_t FNext = 0;
  int FLine = 1;
  std::vector<TFclToken> FTokens;
};

}  // namespace

std::vector<TFclToken> FclTokens(const std::string& text) {
  return TFclScanner(text).Scan();
}

}  // namespace fuzzy

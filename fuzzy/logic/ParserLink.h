// A set's or a variable's counted reference to its parser. A parser component lives as long as
// its owner keeps it, not as long as its references, so it clears every link to it as it is
// freed: whichever of parser, component, variable and set goes first, nothing keeps a parser
// that is gone. Other parsers (counted objects) are simply held.
#pragma once

#include "fuzzy/interfaces/FuzzyInterfaces.h"

namespace fuzzy {

class TCustomFuzzyLogicParser;

class TParserLink {
 public:
  TParserLink() = default;
  ~TParserLink() { Unwatch(); }
  TParserLink(const TParserLink&) = delete;
  TParserLink& operator=(const TParserLink&) = delete;

  const IPtr<IFuzzyParser>& Get() const { return FParser; }
  void Set(const IPtr<IFuzzyParser>& value);
  TParserLink& operator=(const IPtr<IFuzzyParser>& value) {
    Set(value);
    return *this;
  }
  IFuzzyParser* operator->() const { return FParser.get(); }
  explicit operator bool() const { return static_cast<bool>(FParser); }

 private:
  friend class TCustomFuzzyLogicParser;

  void Unwatch();
  // The parser is being freed: the link lets go of it without reaching it again.
  void ParserFreed();

  IPtr<IFuzzyParser> FParser;
  // The parser as a component that clears this link, or null.
  TCustomFuzzyLogicParser* FWatched = nullptr;
  // Neighbours in that parser's list of links.
  TParserLink* FPrevious = nullptr;
  TParserLink* FNext = nullptr;
};

}  // namespace fuzzy

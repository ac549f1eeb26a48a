// The text of a set's name or expression. A derived set's text is made of its operands' texts,
// and along a chain of operations each result's text holds the one before it; TFuzzyText keeps
// such a text as its pieces, shared with the operands, so that a chain of n results needs space
// linear in n. The whole text is built only when it is asked for. What the name builders need to
// know of a text (blanks, brackets, characters to escape) is kept with each piece.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace fuzzy {

class TFuzzyText {
 public:
  TFuzzyText() = default;
  // Explicit, so that the plain-text name builders stay the ones a plain text reaches.
  explicit TFuzzyText(std::string_view text);

  // The pieces one after the other, none of them copied.
  static TFuzzyText Join(std::initializer_list<TFuzzyText> pieces);

  std::string ToString() const;
  std::size_t GetLength() const;
  bool IsEmpty() const { return GetLength() == 0; }
  bool Equals(std::string_view text) const;
  bool Equals(const TFuzzyText& other) const;

  // A blank anywhere: the text is a compound name.
  bool HasBlank() const;
  // A blank or control character at either end, which trimming would take away.
  bool HasBlankEnd() const;
  // The "[" that opens the text is closed by the "]" that ends it, and not earlier.
  bool IsOneBracketedGroup() const;
  // A character that EscapeFuzzyName escapes, after the first one.
  bool HasEscapable() const;

 private:
  struct TNode;
  explicit TFuzzyText(std::shared_ptr<const TNode> node) : FNode(std::move(node)) {}

  std::shared_ptr<const TNode> FNode;
};

// The twins of the name builders (FuzzyNames.h) over shared texts: the same texts, built without
// copying the operands' texts. A text that trimming or escaping would change is worked out as a
// plain text.
TFuzzyText CreateFuzzyName(const TFuzzyText& LeftName, const TFuzzyText& RightName,
                           std::string_view Operator);
TFuzzyText EscapeFuzzyName(const TFuzzyText& Name);
TFuzzyText FormatFuzzyExpression(const TFuzzyText& Expression);

}  // namespace fuzzy

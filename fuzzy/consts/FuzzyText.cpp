#include "fuzzy/consts/FuzzyText.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "fuzzy/consts/FuzzyNames.h"
#include "fuzzy/consts/FuzzyTables.h"
#include "fuzzy/framework/BlockCache.h"

namespace fuzzy {

namespace {

bool IsBlankChar(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// The characters that EscapeFuzzyName escapes.
bool IsEscapable(char c) {
  switch (c) {
    case '"':
    case '|':
    case '~':
    case '&':
    case ';':
    case '\\':
      return true;
    default:
      return false;
  }
}

// Stands for "no position" in the smallest bracket depths.
constexpr std::int64_t NoDepth = INT64_MAX / 4;

}  // namespace

// A piece of text: a plain text, or a sequence of shared pieces. The bracket depths are counted
// from the start of the piece, "[" up and "]" down, after each character.
struct TFuzzyText::TNode {
  // Nodes and their part lists come and go by the dozen per inference: from the block cache.
  using TParts =
      std::vector<std::shared_ptr<const TNode>, TBlockAllocator<std::shared_ptr<const TNode>>>;

  std::string Text;
  mutable TParts Parts;
  std::size_t Length = 0;
  char First = '\0';
  char Last = '\0';
  bool Blank = false;
  // An escapable character after the first one, and anywhere.
  bool EscapableAfterFirst = false;
  bool EscapableAnywhere = false;
  // The depth after the last character, the smallest depth after any character, and the
  // smallest after any character but the last.
  std::int64_t Depth = 0;
  std::int64_t LowestDepth = NoDepth;
  std::int64_t LowestBeforeLast = NoDepth;

  explicit TNode(std::string_view text) : Text(text), Length(text.size()) {
    if (text.empty()) return;
    First = text.front();
    Last = text.back();
    EscapableAnywhere = IsEscapable(First);
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      Blank = Blank || c == ' ';
      if (i > 0 && IsEscapable(c)) EscapableAfterFirst = EscapableAnywhere = true;
      if (i + 1 == text.size()) LowestBeforeLast = LowestDepth;
      if (c == '[') ++Depth;
      if (c == ']') --Depth;
      LowestDepth = std::min(LowestDepth, Depth);
    }
  }

  TNode() = default;

  // Appends a piece, keeping what is known of the whole.
  void Append(const std::shared_ptr<const TNode>& piece) {
    if (piece->Length == 0) return;
    if (Length == 0) {
      First = piece->First;
      EscapableAfterFirst = piece->EscapableAfterFirst;
    } else {
      EscapableAfterFirst = EscapableAfterFirst || piece->EscapableAnywhere;
    }
    LowestBeforeLast = std::min(LowestDepth, Depth + piece->LowestBeforeLast);
    LowestDepth = std::min(LowestDepth, Depth + piece->LowestDepth);
    Depth += piece->Depth;
    EscapableAnywhere = EscapableAnywhere || piece->EscapableAnywhere;
    Blank = Blank || piece->Blank;
    Last = piece->Last;
    Length += piece->Length;
    Parts.push_back(piece);
  }

  // A long chain would otherwise be freed by as deep a recursion: pieces that only this one
  // holds are taken apart here, one level at a time.
  ~TNode() {
    TParts doomed = std::move(Parts);
    while (!doomed.empty()) {
      std::shared_ptr<const TNode> piece = std::move(doomed.back());
      doomed.pop_back();
      if (piece.use_count() != 1) continue;
      for (auto& part : piece->Parts) doomed.push_back(std::move(part));
      piece->Parts.clear();
    }
  }
};

TFuzzyText::TFuzzyText(std::string_view text)
    : FNode(text.empty() ? nullptr
                         : std::allocate_shared<const TNode>(TBlockAllocator<TNode>(), text)) {}

TFuzzyText TFuzzyText::Join(std::initializer_list<TFuzzyText> pieces) {
  auto node = std::allocate_shared<TNode>(TBlockAllocator<TNode>());
  node->Parts.reserve(pieces.size());
  for (const TFuzzyText& piece : pieces) {
    if (piece.FNode) node->Append(piece.FNode);
  }
  if (node->Length == 0) return {};
  return TFuzzyText(std::shared_ptr<const TNode>(std::move(node)));
}

// Built without recursion, for the same reason the pieces are freed without it.
std::string TFuzzyText::ToString() const {
  if (!FNode) return {};
  // Most texts are a single piece, a name: that one is answered as it is kept.
  if (FNode->Parts.empty()) return FNode->Text;
  std::string text;
  text.reserve(FNode->Length);
  std::vector<const TNode*> pending{FNode.get()};
  while (!pending.empty()) {
    const TNode* node = pending.back();
    pending.pop_back();
    text += node->Text;
    for (auto part = node->Parts.rbegin(); part != node->Parts.rend(); ++part) {
      pending.push_back(part->get());
    }
  }
  return text;
}

std::size_t TFuzzyText::GetLength() const {
  return FNode ? FNode->Length : 0;
}

bool TFuzzyText::Equals(std::string_view text) const {
  return GetLength() == text.size() && (text.empty() || ToString() == text);
}

bool TFuzzyText::Equals(const TFuzzyText& other) const {
  if (FNode == other.FNode) return true;
  return GetLength() == other.GetLength() && ToString() == other.ToString();
}

bool TFuzzyText::HasBlank() const {
  return FNode && FNode->Blank;
}

bool TFuzzyText::HasBlankEnd() const {
  return FNode && (IsBlankChar(FNode->First) || IsBlankChar(FNode->Last));
}

bool TFuzzyText::IsOneBracketedGroup() const {
  return FNode && FNode->Length > 2 && FNode->First == '[' && FNode->Last == ']' &&
         FNode->LowestBeforeLast >= 1;
}

bool TFuzzyText::HasEscapable() const {
  return FNode && FNode->EscapableAfterFirst;
}

// ---- Name builders ------------------------------------------------------------------------------

namespace {

TFuzzyText Bracketed(const TFuzzyText& text) {
  // Shared by every bracketed text, as pieces are never changed.
  static const TFuzzyText left(LeftFuzzyParentheses);
  static const TFuzzyText right(RightFuzzyParentheses);
  return TFuzzyText::Join({left, text, right});
}

TFuzzyText Embedded(const TFuzzyText& name) {
  return name.HasBlank() ? Bracketed(name) : name;
}

}  // namespace

TFuzzyText CreateFuzzyName(const TFuzzyText& LeftName, const TFuzzyText& RightName,
                           std::string_view Operator) {
  // Appended rather than joined with +: GCC 12 at -O3 takes " " + string for an overlapping copy.
  std::string between(" ");
  between.append(Operator).append(" ");
  return TFuzzyText::Join({Embedded(LeftName), TFuzzyText(between), Embedded(RightName)});
}

TFuzzyText EscapeFuzzyName(const TFuzzyText& Name) {
  if (!Name.HasEscapable()) return Name;
  const std::string plain = Name.ToString();
  return TFuzzyText(EscapeFuzzyName(std::string_view(plain)));
}

TFuzzyText FormatFuzzyExpression(const TFuzzyText& Expression) {
  if (Expression.HasBlankEnd()) {
    const std::string plain = Expression.ToString();
    return TFuzzyText(FormatFuzzyExpression(std::string_view(plain)));
  }
  if (!Expression.HasBlank() || Expression.IsOneBracketedGroup()) return Expression;
  return Bracketed(Expression);
}

}  // namespace fuzzy
